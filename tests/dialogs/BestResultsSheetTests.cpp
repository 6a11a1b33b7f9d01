#include "DialogTestMain.h"
#include "ModalScript.h"
#include "dialogs/BestResultsPage.h"
#include "dialogs/CBestResultsSheet.h"
#include "model/PlayStatistics.h"
#include "store/BestResults.h"
#include "store/MemorySettingsStore.h"
#include "store/StoreTexts.h"

#include <QAccessible>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>

namespace zentile {
namespace {

using test::ModalScript;

constexpr int kLevels = 5;

// Lists with something in them: three games on "Easy" (the first with 2 undos, a hint and
// highlighting, 190 seconds of penalty) and one on "Very Hard".
struct Lists {
    MemorySettingsStore store;
    BestResultsTable table{store};

    Lists() {
        table.LoadBestResults();
        PlayStatistics helped;
        helped.undos = 2;
        helped.hints = 1;
        helped.highlightUsed = true;
        table.InsertResult(300, 1, helped);
        table.InsertResult(3725, 1, {});
        table.InsertResult(90000, 1, {});
        table.InsertResult(61, 4, {});
    }

    std::array<ResultList, kLevels> Snapshot() const {
        std::array<ResultList, kLevels> all{};
        for (int level = 0; level < kLevels; ++level) all[level] = table.List(level);
        return all;
    }
};

QStringList PageTexts(const CBestResultsSheet& sheet) {
    QStringList texts;
    for (int i = 0; i < sheet.Tabs()->count(); ++i)
        texts << sheet.Page(i)->TextView()->toPlainText();
    return texts;
}

QString Expected(const BestResultsTable& table, int level) {
    return BestResultsHeading() + QString::fromStdString(table.FormatBestResults(level));
}

void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

// The Escape key as the player presses it: to whatever in the sheet has the focus.
void PressEscape(CBestResultsSheet& sheet) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr && sheet.isAncestorOf(focus) ? focus : &sheet, Qt::Key_Escape);
}

// The left edge of the text at `column` of line `line` as the page lays it out.
qreal LeftOf(QPlainTextEdit& view, int line, int column) {
    QTextCursor cursor(view.document()->findBlockByNumber(line));
    cursor.setPosition(cursor.position() + column);
    return view.cursorRect(cursor).left();
}

} // namespace

class BestResultsSheetTests : public QObject {
    Q_OBJECT

private slots:
    void tabsShowEachLevelsTableFromTheFirstTab();
    void tableColumnsLineUpOnTheTabStops();
    void okClosesAndChangesNothing();
    void resetYesEmptiesSavesAndCloses();
    void resetNoLeavesSheetAndLists();
    void aResetThatCannotBeStoredSaysSo();
    void escapeAsksTheResetQuestion();
    void titleBarCloseNeverResets();
};

void BestResultsSheetTests::tabsShowEachLevelsTableFromTheFirstTab() {
    Lists lists;
    ModalScript script;
    QString title;
    QStringList tabTitles, texts, buttons;
    int current = -1;
    script.On<CBestResultsSheet>([&](CBestResultsSheet& sheet) {
        title = sheet.windowTitle();
        for (int i = 0; i < sheet.Tabs()->count(); ++i) tabTitles << sheet.Tabs()->tabText(i);
        current = sheet.Tabs()->currentIndex();
        texts = PageTexts(sheet);
        buttons << sheet.OkButton()->text() << sheet.ResetButton()->text();
        Click(sheet.OkButton());
    });
    ShowBestResults(lists.table, nullptr);

    QVERIFY2(script.Finished(), script.Failures());
    QCOMPARE(title, QString("Best Results"));
    QCOMPARE(tabTitles, QStringList({"Very Easy", "Easy", "Medium", "Hard", "Very Hard"}));
    QCOMPARE(current, 0);
    QCOMPARE(buttons, QStringList({"OK", "Reset Results"}));
    QCOMPARE(texts.size(), kLevels);
    for (int level = 0; level < kLevels; ++level)
        QCOMPARE(texts[level], Expected(lists.table, level));
    // An empty list shows the three heading lines; "Easy" its three ranks below them.
    QCOMPARE(texts[0].count('\n'), 3);
    const QStringList easy = texts[1].split('\n', Qt::SkipEmptyParts);
    QCOMPARE(easy.size(), 6);
    QCOMPARE(easy[3], QString("1\t   05:00\t\t190\t\t   08:10"));
    QCOMPARE(easy[4], QString("2\t01:02:05\t\t0\t\t01:02:05"));
    QCOMPARE(easy[5], QString("3\t01:00:00\t\t0\t\t01:00:00"));
}

void BestResultsSheetTests::tableColumnsLineUpOnTheTabStops() {
    Lists lists;
    CBestResultsSheet sheet(lists.table);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    sheet.Tabs()->setCurrentIndex(1);
    QPlainTextEdit& view = *sheet.Page(1)->TextView();

    // Each heading's second line stands under its first: "Time" under "Original", "(secs)"
    // under "Penalty".
    const auto under = [&](int column1, int length, int column2) {
        const qreal left2 = LeftOf(view, 1, column2);
        return left2 >= LeftOf(view, 0, column1) && left2 < LeftOf(view, 0, column1 + length);
    };
    QVERIFY(under(QString("\t").size(), 8, QString("\t  ").size()));
    QVERIFY(under(QString("\tOriginal\t\t").size(), 7, QString("\t  Time\t\t  ").size()));

    // Heading "Penalty" and the penalties start on one tab stop, "Total Time" and the totals
    // on the next but one.
    const qreal penalty = LeftOf(view, 0, QString("\tOriginal\t\t").size());
    QCOMPARE(LeftOf(view, 3, QString("1\t   05:00\t\t").size()), penalty);
    QCOMPARE(LeftOf(view, 4, QString("2\t01:02:05\t\t").size()), penalty);
    const qreal total = LeftOf(view, 0, QString("\tOriginal\t\tPenalty\t\t").size());
    QCOMPARE(LeftOf(view, 3, QString("1\t   05:00\t\t190\t\t").size()), total);
    QVERIFY(total > penalty);
    // The longest lines, the rule and a ten-hour result, and the tenth rank fit on the page.
    for (int game = 0; game < 10; ++game) lists.table.InsertResult(36000 + game, 2, {});
    CBestResultsSheet full(lists.table);
    full.show();
    QVERIFY(QTest::qWaitForWindowExposed(&full));
    full.Tabs()->setCurrentIndex(2);
    QPlainTextEdit& medium = *full.Page(2)->TextView();
    QCOMPARE(medium.document()->blockCount(), 14); // and the empty one after the last line end
    const int rule = medium.document()->findBlockByNumber(2).length() - 1;
    QVERIFY(LeftOf(medium, 2, rule) <= medium.viewport()->width());
    const int last = medium.document()->findBlockByNumber(12).length() - 1;
    QVERIFY(LeftOf(medium, 12, last) <= medium.viewport()->width());
    QTextCursor tenth(medium.document()->findBlockByNumber(12));
    QVERIFY(medium.cursorRect(tenth).bottom() <= medium.viewport()->height());
}

void BestResultsSheetTests::okClosesAndChangesNothing() {
    Lists lists;
    const auto before = lists.Snapshot();
    const std::size_t writes = lists.store.writes;
    int result = -1;
    ModalScript script;
    script.On<CBestResultsSheet>([&](CBestResultsSheet& sheet) {
        QObject::connect(&sheet, &QDialog::finished, [&](int r) { result = r; });
        Click(sheet.OkButton());
    });
    ShowBestResults(lists.table, nullptr);

    QVERIFY2(script.Finished(), script.Failures());
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(lists.Snapshot() == before);
    QCOMPARE(lists.store.writes, writes);
}

void BestResultsSheetTests::resetYesEmptiesSavesAndCloses() {
    Lists lists;
    const std::size_t writes = lists.store.writes;
    QString question, caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int result = -1;
    ModalScript script;
    script
        .On<CBestResultsSheet>([&](CBestResultsSheet& sheet) {
            QObject::connect(&sheet, &QDialog::finished, [&](int r) { result = r; });
            sheet.Tabs()->setCurrentIndex(3);
            Click(sheet.ResetButton());
        })
        .On<QMessageBox>([&](QMessageBox& box) {
            question = box.text();
            caption = box.windowTitle();
            icon = box.icon();
            Click(box.button(QMessageBox::Yes));
        });
    ShowBestResults(lists.table, nullptr);

    QVERIFY2(script.Finished(), script.Failures());
    QCOMPARE(question, QString("Are you sure you want to reset the best results list?"));
    QCOMPARE(caption, QString("Zentile"));
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(result, int(QDialog::Rejected));
    // The two lists that held results written empty; all five are ten empty slots.
    QCOMPARE(lists.store.writes, writes + 2);
    const ResultListImage empty = EncodeResultList(ResultList{});
    for (const char* name : {"Very Easy", "Easy", "Medium", "Hard", "Very Hard"}) {
        const auto stored = lists.store.ReadBinary(kBestResultsSection, name);
        QVERIFY(stored.has_value());
        QVERIFY(std::equal(stored->begin(), stored->end(), empty.begin(), empty.end()));
    }

    // Opened again, every tab has only the heading lines.
    QStringList texts;
    ModalScript again;
    again.On<CBestResultsSheet>([&](CBestResultsSheet& sheet) {
        texts = PageTexts(sheet);
        Click(sheet.OkButton());
    });
    ShowBestResults(lists.table, nullptr);
    QVERIFY2(again.Finished(), again.Failures());
    for (const QString& text : texts) QCOMPARE(text.count('\n'), 3);
}

void BestResultsSheetTests::resetNoLeavesSheetAndLists() {
    Lists lists;
    const auto before = lists.Snapshot();
    const std::size_t writes = lists.store.writes;
    bool stillOpen = false;
    QStringList textsBefore, textsAfter;
    int tabAfter = -1;
    ModalScript script;
    script
        .On<CBestResultsSheet>([&](CBestResultsSheet& sheet) {
            textsBefore = PageTexts(sheet);
            sheet.Tabs()->setCurrentIndex(1);
            Click(sheet.ResetButton());
        })
        .On<QMessageBox>([&](QMessageBox& box) { Click(box.button(QMessageBox::No)); })
        .On<CBestResultsSheet>([&](CBestResultsSheet& sheet) {
            stillOpen = sheet.isVisible();
            textsAfter = PageTexts(sheet);
            tabAfter = sheet.Tabs()->currentIndex();
            Click(sheet.OkButton());
        });
    ShowBestResults(lists.table, nullptr);

    QVERIFY2(script.Finished(), script.Failures());
    QVERIFY(stillOpen);
    QCOMPARE(textsAfter, textsBefore);
    QCOMPARE(tabAfter, 1);
    QVERIFY(lists.Snapshot() == before);
    QCOMPARE(lists.store.writes, writes);
}

// The store cannot take the reset (another copy holds it): the player is told, the sheet stays
// open and the lists are as they were.
void BestResultsSheetTests::aResetThatCannotBeStoredSaysSo() {
    Lists lists;
    const auto before = lists.Snapshot();
    lists.store.failWrites = true;
    QStringList texts;
    bool stillOpen = false;
    ModalScript script;
    script.On<CBestResultsSheet>([&](CBestResultsSheet& sheet) { Click(sheet.ResetButton()); })
        .On<QMessageBox>([&](QMessageBox& box) { Click(box.button(QMessageBox::Yes)); })
        .On<QMessageBox>([&](QMessageBox& box) {
            texts << box.text();
            Click(box.button(QMessageBox::Ok));
        })
        .On<CBestResultsSheet>([&](CBestResultsSheet& sheet) {
            stillOpen = sheet.isVisible();
            Click(sheet.OkButton());
        });
    ShowBestResults(lists.table, nullptr);

    QVERIFY2(script.Finished(), script.Failures());
    QCOMPARE(texts,
             QStringList("The best results list could not be reset. Please try again later."));
    QVERIFY(stillOpen);
    QVERIFY(lists.Snapshot() == before);
}

void BestResultsSheetTests::escapeAsksTheResetQuestion() {
    Lists lists;
    const auto before = lists.Snapshot();
    QStringList questions;
    bool openAfterNo = false;
    ModalScript script;
    QString table; // the name of what Tab reaches; Escape there still asks
    script
        .On<CBestResultsSheet>([&](CBestResultsSheet& sheet) {
            QTest::keyClick(sheet.Tabs()->tabBar(), Qt::Key_Tab);
            table = QAccessible::queryAccessibleInterface(QApplication::focusWidget())
                        ->text(QAccessible::Name);
            PressEscape(sheet);
        })
        .On<QMessageBox>([&](QMessageBox& box) {
            // Escape then Return: No is the default, so nothing is lost.
            questions << box.text();
            QTest::keyClick(&box, Qt::Key_Return);
        })
        .On<CBestResultsSheet>([&](CBestResultsSheet& sheet) {
            openAfterNo = sheet.isVisible();
            QVERIFY(lists.Snapshot() == before);
            PressEscape(sheet);
        })
        .On<QMessageBox>([&](QMessageBox& box) {
            questions << box.text();
            Click(box.button(QMessageBox::Yes));
        });
    ShowBestResults(lists.table, nullptr);

    QVERIFY2(script.Finished(), script.Failures());
    QVERIFY(openAfterNo);
    QCOMPARE(table, QString("Best Results: Very Easy"));
    QCOMPARE(questions, QStringList(2, "Are you sure you want to reset the best results list?"));
    for (int level = 0; level < kLevels; ++level) QVERIFY(lists.table.List(level) == ResultList{});
}

void BestResultsSheetTests::titleBarCloseNeverResets() {
    Lists lists;
    const auto before = lists.Snapshot();
    const std::size_t writes = lists.store.writes;
    ModalScript script;
    // A question here would show up as an unexpected message box.
    script.On<CBestResultsSheet>([&](CBestResultsSheet& sheet) { sheet.close(); });
    ShowBestResults(lists.table, nullptr);

    QVERIFY2(script.Finished(), script.Failures());
    QVERIFY(lists.Snapshot() == before);
    QCOMPARE(lists.store.writes, writes);
}

} // namespace zentile

ZENTILE_DIALOG_TEST_MAIN(zentile::BestResultsSheetTests)
#include "BestResultsSheetTests.moc"
