#include "DialogTestMain.h"
#include "ModalScript.h"
#include "dialogs/DialogCommands.h"
#include "dialogs/DifficultyDlg.h"
#include "dialogs/GameNumberDlg.h"
#include "dialogs/OptionsDlg.h"
#include "model/Game.h"
#include "play/GameController.h"
#include "play/Texts.h"
#include "solver/SudokuSolver.h"
#include "store/GameSnapshot.h"
#include "store/MemorySettingsStore.h"
#include "store/StoreAndEditor.h"
#include "store/StoreTexts.h"
#include "support/FakeHost.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <vector>

namespace zentile {
namespace {

using test::ModalScript;

// A game wired up as the application wires it, over an in-memory store and a fake window.
struct Table {
    test::FakeHost host;
    Game game;
    GameController controller{game, host};
    MemorySettingsStore store;
    CSudokuSolver solver;
    StoreAndEditor wiring{controller, store, solver};

    Table() {
        Initialise(game, host);
        wiring.LoadStoredState();
    }

    // A numbered game with a few of the player's digits in it.
    void StartGameWithEntries(int32_t level, uint32_t number) {
        game.session.level = level;
        StartNumberedGame(game, host, number);
        int entered = 0;
        for (Cell& cell : game.grid)
            if (!cell.given && entered++ < 4) cell.value = cell.solution;
    }

    std::string Stored(std::string_view key) {
        return store.ReadString(kOptionsSection, key, "(missing)");
    }
};

// The puzzle and the entries on the board: solution, value and given of every cell.
std::string Board(const Game& game) {
    std::string board;
    for (const Cell& cell : game.grid)
        board += {static_cast<char>('0' + cell.solution), static_cast<char>('0' + cell.value),
                  cell.given ? 'g' : '-'};
    return board;
}

// The board the game of that number and level starts with.
std::string FreshBoard(int32_t level, uint32_t number) {
    test::FakeHost host;
    Game game;
    game.session.level = level;
    StartNumberedGame(game, host, number);
    return Board(game);
}

struct Shown {
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption;
};

Shown Read(QMessageBox& box) {
    return {box.text(), box.icon(), box.windowTitle()};
}

void Type(QLineEdit& field, const QString& text) {
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Delete);
    QTest::keyClicks(&field, text);
}

// A click where the player clicks a button: on a radio button or check box, its indicator.
void Click(QAbstractButton* button) {
    const bool indicator = qobject_cast<QRadioButton*>(button) || qobject_cast<QCheckBox*>(button);
    const QPoint at = indicator ? QPoint(8, button->height() / 2) : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
}

} // namespace

class GameDialogsTests : public QObject {
    Q_OBJECT

private slots:
    void gameNumberRefusesTextThatIsNoGameNumber_data();
    void gameNumberRefusesTextThatIsNoGameNumber();
    void gameNumberStartsTheGameAtOnce_data();
    void gameNumberStartsTheGameAtOnce();
    void gameNumberTakesAnotherTryAfterARefusal();
    void gameNumberCancelOrCloseLeavesTheGame();
    void gameNumberInTheEditorLeavesIt();
    void difficultyRepairsAnOwnPuzzlesLevelEvenWhenCancelled();
    void difficultyOkSetsTheLevelForTheNextGameOnly();
    void difficultyUnchangedOkStillSaves();
    void optionsShowTheCurrentChoices();
    void optionsLetterGameAppliesToTheNextGame();
    void optionsCancelOrCloseStoresNothing();
    void commandsAreBoundInEveryState();
};

void GameDialogsTests::gameNumberRefusesTextThatIsNoGameNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString range = "Please enter an integer between 1 and 1000000.";
    const QString positive = "Please enter a positive integer.";
    QTest::newRow("zero") << "0" << range;
    QTest::newRow("minus three") << "-3" << range;
    QTest::newRow("one too many") << "1000001" << range;
    QTest::newRow("two to the 32") << "4294967296" << range;
    QTest::newRow("eleven digits") << "99999999999" << range;
    QTest::newRow("letters") << "abc" << positive;
    QTest::newRow("empty") << "" << positive;
    QTest::newRow("blanks") << "   " << positive;
    QTest::newRow("sign alone") << "-" << positive;
}

void GameDialogsTests::gameNumberRefusesTextThatIsNoGameNumber() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    Table t;
    t.StartGameWithEntries(1, 77);
    const std::string before = test::GameSnapshot(t.game);

    QString opened;
    Shown shown;
    bool fieldSelected = false;
    ModalScript script;
    script
        .On<GameNumberDlg>([&](GameNumberDlg& dialog) {
            opened = dialog.Field()->text();
            Type(*dialog.Field(), text);
            Click(dialog.OkButton());
        })
        .On<QMessageBox>([&](QMessageBox& box) {
            shown = Read(box);
            Click(box.button(QMessageBox::Ok));
        })
        .On<GameNumberDlg>([&](GameNumberDlg& dialog) {
            QLineEdit* field = dialog.Field();
            // The focus comes back once the message box has gone, through the event loop.
            fieldSelected = QTest::qWaitFor(
                [&] {
                    return dialog.focusWidget() == field && field->text() == text &&
                           field->selectedText() == text;
                },
                2000);
            Click(dialog.CancelButton());
        });
    RunGameNumber(t.controller, nullptr);

    QVERIFY2(script.Finished(), script.Failures());
    QCOMPARE(opened, QString("1"));
    QCOMPARE(shown.text, message);
    QCOMPARE(shown.icon, QMessageBox::Warning);
    QCOMPARE(shown.caption, QString("Zentile"));
    QVERIFY(fieldSelected);
    QCOMPARE(t.game.session.gameNumber, 77u);
    QCOMPARE(test::GameSnapshot(t.game), before);
    QCOMPARE(t.host.repaints, 0);
}

void GameDialogsTests::gameNumberStartsTheGameAtOnce_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<uint>("number");
    QTest::newRow("highest") << "1000000" << 1000000u;
    QTest::newRow("blanks around") << " 42 " << 42u;
    QTest::newRow("trailing letters") << "12abc" << 12u;
    QTest::newRow("plus sign") << "+7" << 7u;
    QTest::newRow("lowest") << "1" << 1u;
}

void GameDialogsTests::gameNumberStartsTheGameAtOnce() {
    QFETCH(QString, text);
    QFETCH(uint, number);
    Table t;
    t.StartGameWithEntries(3, 5);
    t.host.now += 100;

    ModalScript script;
    script.On<GameNumberDlg>([&](GameNumberDlg& dialog) {
        Type(*dialog.Field(), text);
        QTest::keyClick(dialog.Field(), Qt::Key_Return); // the default button, OK
    });
    RunGameNumber(t.controller, nullptr);

    QVERIFY2(script.Finished(), script.Failures());
    const GameSession& session = t.game.session;
    QCOMPARE(session.gameNumber, number);
    QCOMPARE(session.level, 3);
    QCOMPARE(session.state, GameState::Playing);
    QCOMPARE(session.ElapsedSeconds(t.host.now), 0);
    QCOMPARE(Board(t.game), FreshBoard(3, number));
    // Replacing a game in progress asks nothing here, unlike New.
    QVERIFY(t.host.questions.empty());
    QVERIFY(t.host.messages.empty());
    QCOMPARE(t.host.repaints, 1);
}

void GameDialogsTests::gameNumberTakesAnotherTryAfterARefusal() {
    Table t;
    ModalScript script;
    script
        .On<GameNumberDlg>([&](GameNumberDlg& dialog) {
            Type(*dialog.Field(), "0");
            Click(dialog.OkButton());
        })
        .On<QMessageBox>([&](QMessageBox& box) { Click(box.button(QMessageBox::Ok)); })
        .On<GameNumberDlg>([&](GameNumberDlg& dialog) {
            // The refused text is selected, so typing replaces it.
            QTest::keyClicks(dialog.Field(), "4242");
            Click(dialog.OkButton());
        });
    RunGameNumber(t.controller, nullptr);

    QVERIFY2(script.Finished(), script.Failures());
    QCOMPARE(t.game.session.gameNumber, 4242u);
    QCOMPARE(Board(t.game), FreshBoard(2, 4242));
}

void GameDialogsTests::gameNumberCancelOrCloseLeavesTheGame() {
    for (const bool byTitleBar : {false, true}) {
        Table t;
        t.StartGameWithEntries(0, 9);
        const std::string before = test::GameSnapshot(t.game);
        ModalScript script;
        script.On<GameNumberDlg>([&](GameNumberDlg& dialog) {
            Type(*dialog.Field(), "500");
            if (byTitleBar)
                dialog.close();
            else
                Click(dialog.CancelButton());
        });
        RunGameNumber(t.controller, nullptr);

        QVERIFY2(script.Finished(), script.Failures());
        QCOMPARE(t.game.session.gameNumber, 9u);
        QCOMPARE(test::GameSnapshot(t.game), before);
        QCOMPARE(t.host.repaints, 0);
    }
}

void GameDialogsTests::gameNumberInTheEditorLeavesIt() {
    Table t;
    QVERIFY(t.controller.commands.Execute(cmd::CreateGame));
    QCOMPARE(t.game.session.state, GameState::Editing);
    t.game.grid.At(0, 0).given = true;
    t.game.grid.At(0, 0).solution = 5;

    ModalScript script;
    script.On<GameNumberDlg>([&](GameNumberDlg& dialog) {
        Type(*dialog.Field(), "31337");
        Click(dialog.OkButton());
    });
    RunGameNumber(t.controller, nullptr);

    QVERIFY2(script.Finished(), script.Failures());
    QCOMPARE(t.game.session.state, GameState::Playing);
    QCOMPARE(t.game.session.level, 2); // the own puzzle's level gives way to Medium
    QCOMPARE(t.game.session.gameNumber, 31337u);
    QCOMPARE(Board(t.game), FreshBoard(2, 31337));
    QVERIFY(t.host.questions.empty());
}

void GameDialogsTests::difficultyRepairsAnOwnPuzzlesLevelEvenWhenCancelled() {
    Table t;
    t.StartGameWithEntries(1, 50);
    t.game.session.level = 5; // as after Save and Play of an own puzzle
    const std::size_t writes = t.store.writes;

    bool mediumChecked = false;
    ModalScript script;
    script.On<DifficultyDlg>([&](DifficultyDlg& dialog) {
        mediumChecked = dialog.LevelButton(2)->isChecked();
        Click(dialog.LevelButton(4));
        Click(dialog.CancelButton());
    });
    RunDifficulty(t.controller, t.wiring, nullptr);

    QVERIFY2(script.Finished(), script.Failures());
    QVERIFY(mediumChecked);
    QCOMPARE(t.game.session.level, 2);
    QCOMPARE(t.store.writes, writes); // repaired, but not saved
}

void GameDialogsTests::difficultyOkSetsTheLevelForTheNextGameOnly() {
    Table t;
    t.StartGameWithEntries(3, 123);
    const std::string before = Board(t.game);

    std::vector<QString> texts;
    bool hardChecked = false;
    ModalScript script;
    script.On<DifficultyDlg>([&](DifficultyDlg& dialog) {
        texts.push_back(dialog.windowTitle());
        for (int32_t level = 0; level < 5; ++level)
            texts.push_back(dialog.LevelButton(level)->text());
        hardChecked = dialog.LevelButton(3)->isChecked();
        Click(dialog.LevelButton(0));
        Click(dialog.OkButton());
    });
    RunDifficulty(t.controller, t.wiring, nullptr);

    QVERIFY2(script.Finished(), script.Failures());
    QCOMPARE(texts, (std::vector<QString>{"Difficulty", "Very Easy", "Easy", "Medium", "Hard",
                                          "Very Hard"}));
    QVERIFY(hardChecked);
    QCOMPARE(t.game.session.level, 0);
    QCOMPARE(t.store.ReadInt(kOptionsSection, "GameLevel", -1), 0);
    // The board keeps the old game; the level is for the next one.
    QCOMPARE(t.game.session.gameNumber, 123u);
    QCOMPARE(Board(t.game), before);
}

void GameDialogsTests::difficultyUnchangedOkStillSaves() {
    Table t;
    t.game.session.level = 4;
    t.game.options.CheckGuess = false; // changed in memory only so far
    const std::size_t writes = t.store.writes;

    ModalScript script;
    script.On<DifficultyDlg>([&](DifficultyDlg& dialog) { Click(dialog.OkButton()); });
    RunDifficulty(t.controller, t.wiring, nullptr);

    QVERIFY2(script.Finished(), script.Failures());
    QCOMPARE(t.game.session.level, 4);
    QCOMPARE(t.store.writes, writes + 2); // the two options that differ from the stored
    QCOMPARE(t.store.ReadInt(kOptionsSection, "GameLevel", -1), 4);
    QCOMPARE(t.Stored("CheckGuess"), std::string("false"));
}

void GameDialogsTests::optionsShowTheCurrentChoices() {
    for (const bool digits : {true, false})
        for (const bool timed : {true, false}) {
            Table t;
            t.game.options.NumberGame = digits;
            t.game.options.TimedGame = timed;
            bool classic = false, letters = false, timedBox = false;
            ModalScript script;
            script.On<OptionsDlg>([&](OptionsDlg& dialog) {
                classic = dialog.ClassicButton()->isChecked();
                letters = dialog.LetterButton()->isChecked();
                timedBox = dialog.TimedBox()->isChecked();
                Click(dialog.OkButton());
            });
            RunOptions(t.controller, t.wiring, nullptr);

            QVERIFY2(script.Finished(), script.Failures());
            QCOMPARE(classic, digits);
            QCOMPARE(letters, !digits);
            QCOMPARE(timedBox, timed);
            // OK without a change keeps them.
            QCOMPARE(t.game.options.NumberGame, digits);
            QCOMPARE(t.game.options.TimedGame, timed);
        }
}

void GameDialogsTests::optionsLetterGameAppliesToTheNextGame() {
    Table t;
    t.StartGameWithEntries(2, 700);
    const std::string before = Board(t.game);

    ModalScript script;
    script.On<OptionsDlg>([&](OptionsDlg& dialog) {
        Click(dialog.LetterButton());
        Click(dialog.TimedBox());
        Click(dialog.OkButton());
    });
    RunOptions(t.controller, t.wiring, nullptr);

    QVERIFY2(script.Finished(), script.Failures());
    QVERIFY(!t.game.options.NumberGame);
    QVERIFY(!t.game.options.TimedGame);
    QCOMPARE(t.Stored("NumberGame"), std::string("false"));
    QCOMPARE(t.Stored("TimedGame"), std::string("false"));
    QCOMPARE(t.host.repaints, 1);
    // The running game keeps its digits.
    QVERIFY(t.game.symbols == kClassicSymbols);
    QCOMPARE(Board(t.game), before);

    t.host.answers.push_back(true); // "Do you want to start a new game?"
    QVERIFY(t.controller.commands.Execute(cmd::New));
    QCOMPARE(t.host.questions, std::vector<std::string>{std::string(kNewGameQuestion.English())});
    for (int d = 1; d <= 9; ++d) QVERIFY(t.game.symbols[d] >= 'A' && t.game.symbols[d] <= 'Z');
}

void GameDialogsTests::optionsCancelOrCloseStoresNothing() {
    for (const bool byTitleBar : {false, true}) {
        Table t;
        t.StartGameWithEntries(2, 8);
        const GameOptions before = t.game.options;
        const std::size_t writes = t.store.writes;
        ModalScript script;
        script.On<OptionsDlg>([&](OptionsDlg& dialog) {
            Click(dialog.LetterButton());
            Click(dialog.TimedBox());
            if (byTitleBar)
                dialog.close();
            else
                Click(dialog.CancelButton());
        });
        RunOptions(t.controller, t.wiring, nullptr);

        QVERIFY2(script.Finished(), script.Failures());
        QVERIFY(t.game.options == before);
        QCOMPARE(t.store.writes, writes);
        QCOMPARE(t.host.repaints, 0);
    }
}

void GameDialogsTests::commandsAreBoundInEveryState() {
    Table t;
    QWidget window;
    BindDialogCommands(t.controller, t.wiring, &window);
    const CommandId bound[] = {cmd::Difficulty,   cmd::GameNumber,  cmd::Options, cmd::BestResults,
                               cmd::HelpContents, cmd::GoToWebsite, cmd::About};
    auto allEnabled = [&] {
        for (const CommandId id : bound)
            if (!t.controller.commands.IsEnabled(id)) return false;
        return true;
    };
    QVERIFY(allEnabled());
    t.StartGameWithEntries(1, 1);
    QVERIFY(allEnabled());
    QVERIFY(Pause(t.game.session, t.host.now));
    QVERIFY(allEnabled());
    QVERIFY(Resume(t.game.session, t.host.now));
    t.host.answers.push_back(true); // leave the game for the editor
    QVERIFY(t.controller.commands.Execute(cmd::CreateGame));
    QVERIFY(allEnabled());

    // Through the table, each command opens its dialog over the window.
    QWidget* parent = nullptr;
    ModalScript script;
    script.On<OptionsDlg>([&](OptionsDlg& dialog) {
        parent = dialog.parentWidget();
        Click(dialog.CancelButton());
    });
    QVERIFY(t.controller.commands.Execute(cmd::Options));
    QVERIFY2(script.Finished(), script.Failures());
    QCOMPARE(parent, &window);
}

} // namespace zentile

ZENTILE_DIALOG_TEST_MAIN(zentile::GameDialogsTests)
#include "GameDialogsTests.moc"
