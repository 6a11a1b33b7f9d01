#pragma once

#include <QDialog>
#include <cstdint>

class QButtonGroup;
class QRadioButton;
class QPushButton;

namespace zentile {

// "Difficulty": one radio button per level. The command fills selectedLevel before the dialog
// opens and takes it over after OK.
class DifficultyDlg : public QDialog {
    Q_OBJECT
public:
    explicit DifficultyDlg(QWidget* parent = nullptr);

    int32_t selectedLevel = 0; // 0 "Very Easy" .. 4 "Very Hard"; -1 when none is selected

    QRadioButton* LevelButton(int32_t level) const;
    QPushButton* OkButton() const { return ok; }
    QPushButton* CancelButton() const { return cancel; }

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QButtonGroup* levels;
    QPushButton* ok;
    QPushButton* cancel;
};

} // namespace zentile
