#include "dialogs/HelpWindow.h"

#include "dialogs/DialogMessages.h"
#include "dialogs/DialogTexts.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace zentile {

namespace {

constexpr char kIndexPage[] = "index.html";
constexpr char kHelpFolderSuffix[] = "-help";
constexpr char kInstalledHelpFolder[] = "../share/zentile/help";

// The one help window of the run; another Contents brings it forward.
QPointer<HelpWindow> openWindow;

bool Readable(const QString& path) {
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
}

} // namespace

HelpWindow::HelpWindow(const QString& indexPath, QWidget* owner)
    : QWidget(owner, Qt::Window), indexPath(indexPath), browser(new QTextBrowser(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Translate(dialog_text::kHelpTitle));
    resize(720, 600);

    browser->setOpenExternalLinks(true);
    browser->document()->setDocumentMargin(12);
    browser->setSearchPaths({QFileInfo(indexPath).absolutePath()});

    auto* toolbar = new QToolBar(this);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back =
        toolbar->addAction(style()->standardIcon(QStyle::SP_ArrowBack),
                           Translate(dialog_text::kHelpBack), browser, &QTextBrowser::backward);
    QAction* forward =
        toolbar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                           Translate(dialog_text::kHelpForward), browser, &QTextBrowser::forward);
    toolbar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon),
                       Translate(dialog_text::kHelpHome), this, &HelpWindow::GoHome);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser->documentTitle();
        setWindowTitle(title.isEmpty() ? Translate(dialog_text::kHelpTitle) : title);
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addWidget(browser);

    browser->setSource(QUrl::fromLocalFile(indexPath));
}

void HelpWindow::GoHome() {
    browser->setSource(QUrl::fromLocalFile(indexPath));
}

QString FindHelpIndex(const QString& programFilePath, const QString& language) {
    const QFileInfo program(programFilePath);
    const QDir dir = program.absoluteDir();
    const QString folders[] = {program.completeBaseName() + kHelpFolderSuffix,
                               kInstalledHelpFolder};
    for (const QString& folder : folders)
        // The manual in the player's language where there is one, else the English.
        for (const QString& translated : {folder + "/" + language, folder}) {
            // "bin/.." by name, so that it means the same as on the installer's side.
            const QString path = QDir::cleanPath(dir.filePath(translated + "/" + kIndexPage));
            if (Readable(path)) return path;
        }
    return {};
}

HelpWindow* OpenHelpContents(QWidget* parent, const QString& programFilePath) {
    const QString index = FindHelpIndex(programFilePath, Translate(dialog_text::kManualLanguage));
    if (index.isEmpty()) {
        ShowMessageBox(parent, Translate(dialog_text::kHelpFailed));
        return nullptr;
    }
    if (openWindow && openWindow->IndexPath() == index) {
        openWindow->GoHome();
    } else {
        if (openWindow) openWindow->close();
        openWindow = new HelpWindow(index, parent ? parent->window() : nullptr);
    }
    openWindow->show();
    openWindow->raise();
    openWindow->activateWindow();
    return openWindow;
}

void ShowHelpContents(QWidget* parent) {
    OpenHelpContents(parent, QCoreApplication::applicationFilePath());
}

} // namespace zentile
