#include "PageReader.h"
#include "model/Game.h"
#include "print/Booklet.h"
#include "print/Print.h"
#include "print/PrintBookletDlg.h"
#include "print/PrintCommands.h"
#include "support/FakeHost.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace zentile {

namespace {

// The dialog with its message boxes caught instead of shown.
class CheckedBookletDlg : public PrintBookletDlg {
public:
    QStringList messages;

    template <typename Control> Control* Find(const char* name) {
        return findChild<Control*>(QLatin1String(name));
    }
    void Check(const char* name) { Find<QCheckBox>(name)->setChecked(true); }
    void SetCount(const QString& text) { Find<QLineEdit>("puzzleCount")->setText(text); }

protected:
    void ShowMessage(const QString& text) override { messages << text; }
};

} // namespace

class PrintCommandsTests : public QObject {
    Q_OBJECT

private slots:
    void opensWithOnePuzzleNoLevelSolutionsAndClassic() {
        CheckedBookletDlg dialog;
        QCOMPARE(dialog.windowTitle(), QString("Print Selection"));
        QCOMPARE(dialog.Find<QLineEdit>("puzzleCount")->text(), QString("1"));
        QCOMPARE(QAccessible::queryAccessibleInterface(dialog.Find<QLineEdit>("puzzleCount"))
                     ->text(QAccessible::Name), // from its label
                 QString("Number of puzzles you want to print"));
        for (const char* level : {"veryEasy", "easy", "medium", "hard", "veryHard"})
            QVERIFY(!dialog.Find<QCheckBox>(level)->isChecked());
        QCOMPARE(dialog.Find<QCheckBox>("hard")->text(), QString("Hard"));
        QVERIFY(dialog.Find<QCheckBox>("printSolutions")->isChecked());
        QVERIFY(dialog.Find<QRadioButton>("classic")->isChecked());
        QVERIFY(!dialog.Find<QRadioButton>("letters")->isChecked());
    }

    void refusesCountsThatAreNotWholeNumbersFrom1To100_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString notInteger = "Please enter an integer.";
        const QString outOfRange = "Please enter an integer between 1 and 100.";
        QTest::newRow("zero") << "0" << outOfRange;
        QTest::newRow("101") << "101" << outOfRange;
        QTest::newRow("negative") << "-3" << outOfRange;
        QTest::newRow("beyond any integer") << "99999999999999999999" << outOfRange;
        QTest::newRow("letters") << "abc" << notInteger;
        QTest::newRow("empty") << "" << notInteger;
        QTest::newRow("fraction") << "1.5" << notInteger;
        QTest::newRow("number and text") << "12a" << notInteger;
    }

    void refusesCountsThatAreNotWholeNumbersFrom1To100() {
        QFETCH(QString, text);
        QFETCH(QString, message);
        CheckedBookletDlg dialog;
        dialog.Check("medium");
        dialog.SetCount(text);
        dialog.accept();
        QCOMPARE(dialog.messages, QStringList{message});
        QCOMPARE(dialog.result(), int(QDialog::Rejected)); // still open, nothing accepted
        QCOMPARE(dialog.Find<QLineEdit>("puzzleCount")->selectedText(), text);
    }

    void needsAtLeastOneLevel() {
        CheckedBookletDlg dialog;
        dialog.SetCount("5");
        dialog.accept();
        QCOMPARE(dialog.messages, QStringList{"You need to select at least one level"});
        QCOMPARE(dialog.result(), int(QDialog::Rejected));

        dialog.Check("veryHard");
        dialog.accept();
        QCOMPARE(dialog.messages.size(), 1);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void okHandsOverTheChoice() {
        CheckedBookletDlg dialog;
        dialog.SetCount(" 42 ");
        dialog.Check("easy");
        dialog.Check("veryHard");
        dialog.Find<QCheckBox>("printSolutions")->setChecked(false);
        dialog.Find<QRadioButton>("letters")->setChecked(true);
        dialog.accept();
        QVERIFY(dialog.messages.isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const BookletChoice choice = dialog.Choice();
        QCOMPARE(choice.puzzleCount, 42);
        QVERIFY(
            (choice.levels == std::array<bool, kDatabaseLevels>{false, true, false, false, true}));
        QVERIFY(!choice.printSolutions);
        QVERIFY(!choice.classic);
    }

    void onlyHardCheckedPrintsOnlyHardPuzzles() {
        CheckedBookletDlg dialog;
        dialog.SetCount("100");
        dialog.Check("hard");
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        RandomSource random;
        random.Seed(12345);
        const PrintJob job = MakeBookletJob(dialog.Choice(), random);
        QCOMPARE(job.Entries().size(), std::size_t{100});
        for (const PrintEntry& entry : job.Entries()) QCOMPARE(entry.level, 3);
    }

    void printDialogOffersTheJobsPagesAndCancelPrintsNothing() {
        Game game;
        test::FakeHost host;
        game.session.level = 2;
        StartNumberedGame(game, host, 4711);
        host.answers = {true};

        bool sawPrintDialog = false;
        QAbstractPrintDialog::PrintDialogOptions options;
        int minPage = 0;
        int maxPage = 0;
        int resolution = 0;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            sawPrintDialog = true;
            options = dialog->options();
            minPage = dialog->minPage();
            maxPage = dialog->maxPage();
            resolution = dialog->printer()->resolution();
            dialog->reject();
        });
        PrintCurrentPuzzle(game, host, nullptr);
        QVERIFY(sawPrintDialog);
        // A range of the puzzle page and its solution page, but no selection or current page.
        QVERIFY(options.testFlag(QAbstractPrintDialog::PrintPageRange));
        QCOMPARE(minPage, 1);
        QCOMPARE(maxPage, 2);
        QVERIFY(!options.testFlag(QAbstractPrintDialog::PrintSelection));
        QVERIFY(!options.testFlag(QAbstractPrintDialog::PrintCurrentPage));
        QVERIFY(options.testFlag(QAbstractPrintDialog::PrintToFile));
        QCOMPARE(resolution, 300);
        QCOMPARE(host.questions.size(), std::size_t{1});
        QVERIFY(host.messages.empty());
    }

    void printDialogWritesTheChosenPagesOfTheBookletToAPdfFile() {
        QTemporaryDir folder;
        const QString fileName = folder.filePath("chosen.pdf");
        RandomSource random;
        random.Seed(5);
        BookletChoice choice;
        choice.puzzleCount = 3;
        choice.levels = {false, false, true, false, false};
        const PrintJob job = MakeBookletJob(choice, random);

        bool choseFile = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            // The file printer is the last choice of the printer list.
            auto* printers = dialog->findChild<QComboBox*>("printers");
            auto* file = dialog->findChild<QLineEdit*>("filename");
            auto* range = dialog->findChild<QRadioButton*>("printRange");
            auto* from = dialog->findChild<QSpinBox*>("from");
            auto* to = dialog->findChild<QSpinBox*>("to");
            if (printers && file && range && from && to) {
                printers->setCurrentIndex(printers->count() - 1);
                file->setText(fileName);
                // Pages 2 to 3 of the two puzzle pages and one solution page; the range
                // ends at the job's last page.
                range->setChecked(true);
                from->setValue(2);
                to->setValue(9);
                choseFile = true;
            }
            dialog->accept();
        });
        Print(job, nullptr);
        if (!choseFile) QSKIP("this print dialog has no file printer or page range to choose");
        QCOMPARE(test::CountPdfPages(fileName), 2);
    }

    void refusedPuzzleOpensNoPrintDialog() {
        Game game; // nothing played yet: game number 0
        test::FakeHost host;
        bool sawDialog = false;
        QTimer::singleShot(0, this, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                sawDialog = true;
                modal->close();
            }
        });
        PrintCurrentPuzzle(game, host, nullptr);
        QCoreApplication::processEvents();
        QVERIFY(!sawDialog);
        QCOMPARE(host.messages.size(), std::size_t{1});
        QVERIFY(host.questions.empty());
    }
};

} // namespace zentile

QTEST_MAIN(zentile::PrintCommandsTests)
#include "PrintCommandsTests.moc"
