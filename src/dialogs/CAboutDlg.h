#pragma once

#include <QDialog>

class QPushButton;

namespace zentile {

// "About Zentile": the program's icon, name and version, and where to send feedback.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    QPushButton* OkButton() const { return ok; }

private:
    QPushButton* ok;
};

// The About command: the about box, shown modally.
void ShowAbout(QWidget* parent);

} // namespace zentile
