#pragma once

#include <QDialog>

class QPushButton;
class QTabWidget;

namespace zentile {

class BestResultsTable;
class BestResultsPage;

// "Best Results": a tab per database level with its ranked list, OK, and "Reset Results",
// which empties all five lists after the player confirms. The Escape key asks the same
// question; closing the window by its title bar only closes it.
class CBestResultsSheet : public QDialog {
    Q_OBJECT
public:
    explicit CBestResultsSheet(BestResultsTable& table, QWidget* parent = nullptr);

    QTabWidget* Tabs() const { return tabs; }
    BestResultsPage* Page(int index) const;
    QPushButton* OkButton() const { return ok; }
    QPushButton* ResetButton() const { return reset; }

    // Asks, and on Yes empties and saves every list and closes the sheet.
    void OnResetResults();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    BestResultsTable& table;
    QTabWidget* tabs;
    QPushButton* ok;
    QPushButton* reset;
};

// The Best Results command: the sheet, built from the lists as they are now, shown modally.
void ShowBestResults(BestResultsTable& table, QWidget* parent);

} // namespace zentile
