#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;
class QAction;

namespace zentile {

// The player's manual in a window of its own, with Back, Forward and a way home to the
// contents page. Relative links between the manual's pages are followed inside the window;
// links to the web open in the browser.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow(const QString& indexPath, QWidget* owner = nullptr);

    QTextBrowser* Browser() const { return browser; }
    QString IndexPath() const { return indexPath; }
    void GoHome();

private:
    QString indexPath;
    QTextBrowser* browser;
};

// Where the manual's first page is for the program at programFilePath (<dir>/<name>): the
// folder "<dir>/<name>-help" beside the program, as the build leaves it, else the installed
// "<dir>/../share/zentile/help"; in each, the manual of the language first ("de/index.html"),
// then the English. Empty when none holds a readable index.html.
QString FindHelpIndex(const QString& programFilePath, const QString& language = {});

// Opens the manual found for programFilePath, in the player's language where there is one, at
// its first page, or brings the open help window forward there. When it cannot be shown the
// player is told "Failed to launch help." and nothing is returned.
HelpWindow* OpenHelpContents(QWidget* parent, const QString& programFilePath);

// The Help Contents command, for this program.
void ShowHelpContents(QWidget* parent);

} // namespace zentile
