#pragma once

#include <QDialog>
#include <cstdint>

class QLineEdit;
class QPushButton;

namespace zentile {

// "Game Number": the field takes any text; OK accepts only a game number from 1 to 1000000
// and otherwise tells the player why and keeps the dialog open with the field selected.
class GameNumberDlg : public QDialog {
    Q_OBJECT
public:
    explicit GameNumberDlg(QWidget* parent = nullptr);

    uint32_t number = 0;

    QLineEdit* Field() const { return field; }
    QPushButton* OkButton() const { return ok; }
    QPushButton* CancelButton() const { return cancel; }

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* field;
    QPushButton* ok;
    QPushButton* cancel;
};

} // namespace zentile
