#pragma once

#include <QDialog>
#include <cstdint>

class QButtonGroup;
class QCheckBox;
class QPushButton;
class QRadioButton;

namespace zentile {

// "Options": the game type (classic or letters) and whether games are timed. The command
// fills the two values before the dialog opens and takes them over after OK.
class OptionsDlg : public QDialog {
    Q_OBJECT
public:
    explicit OptionsDlg(QWidget* parent = nullptr);

    int32_t timed = 0;    // the "Timed Game" check box: 0 or 1
    int32_t gameType = 0; // 0 "Classic Game", 1 "Letter Game"; -1 when none is selected

    QRadioButton* ClassicButton() const;
    QRadioButton* LetterButton() const;
    QCheckBox* TimedBox() const { return timedBox; }
    QPushButton* OkButton() const { return ok; }
    QPushButton* CancelButton() const { return cancel; }

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QButtonGroup* gameTypes;
    QCheckBox* timedBox;
    QPushButton* ok;
    QPushButton* cancel;
};

} // namespace zentile
