// Games played on the real window: toolbar buttons and cells clicked with the mouse, keys
// typed on the view, the status panes and the clock through a game, pausing and the end.

#include "UiTestSupport.h"
#include "play/CommandIds.h"
#include "play/KeyCodes.h"
#include "store/StoreAndEditor.h"
#include "ui/CSudokuStatusBar.h"
#include "ui/KeyMapping.h"
#include "ui/QtHost.h"

#include <QKeyEvent>
#include <QLabel>
#include <tuple>

using namespace zentile;
using namespace zentile::test;

class PlayTests : public QObject {
    Q_OBJECT

    std::unique_ptr<IsolatedSettings> isolated;
    std::unique_ptr<RunningGame> game;
    int64_t now = 1'700'000'000;

    CSudokuStatusBar& Status() { return game->Frame().StatusBar(); }
    QString Pane(CSudokuStatusBar::Pane pane) { return Status().PaneText(pane); }
    void Tick() { game->app->GetHost().FireTimer(kClockTimerId); }
    void ClickTimePane() {
        QTest::mouseClick(Status().PaneLabel(CSudokuStatusBar::TimePane), Qt::LeftButton);
    }
    bool Enabled(CommandId id) { return game->Frame().Action(id)->isEnabled(); }

    // The empty cells that are no clue, in the grid's order.
    std::vector<Cell*> OpenCells() {
        std::vector<Cell*> cells;
        for (Cell& cell : game->Game().grid)
            if (!cell.given && cell.value == 0) cells.push_back(&cell);
        return cells;
    }
    // Moves the keyboard cursor with arrow keys to a cell.
    void MoveCursorTo(int column, int row) {
        GameSession& session = game->Session();
        if (session.cursorColumn == -1) game->Key(Qt::Key_Right); // shows it at (0, 0)
        while (session.cursorColumn != column) game->Key(Qt::Key_Right);
        while (session.cursorRow != row) game->Key(Qt::Key_Down);
    }

private slots:
    void init() {
        isolated = std::make_unique<IsolatedSettings>();
        game = std::make_unique<RunningGame>();
        game->app->GetHost().SetClock([this] { return now; });
        QVERIFY(game->Start());
    }
    void cleanup() {
        game.reset();
        isolated.reset();
    }

    void aClassicGameFromTheFirstClickToTheCongratulation() {
        // Before anything: the sizing texts, then the idle update and one space of time.
        QCOMPARE(Pane(CSudokuStatusBar::LevelPane), QStringLiteral("Level: Medium"));
        QCOMPARE(Pane(CSudokuStatusBar::GamePane), QStringLiteral(" "));
        QCOMPARE(Pane(CSudokuStatusBar::TimePane), QString(15, ' '));
        Tick();
        QCOMPARE(Pane(CSudokuStatusBar::TimePane), QStringLiteral(" "));

        game->PressButton(cmd::New);
        GameSession& session = game->Session();
        QCOMPARE(session.state, GameState::Playing);
        QCOMPARE(Pane(CSudokuStatusBar::GamePane),
                 QStringLiteral("Game: %1").arg(session.gameNumber));
        Tick();
        QCOMPARE(Pane(CSudokuStatusBar::TimePane), QStringLiteral("   00:00"));
        now += 65;
        Tick();
        QCOMPARE(Pane(CSudokuStatusBar::TimePane), QStringLiteral("   01:05"));
        QCOMPARE(AccessibleName(Status().PaneLabel(CSudokuStatusBar::TimePane)), QString("Time: 01:05"));

        std::vector<Cell*> open = OpenCells();
        QVERIFY(open.size() > 10);
        // Most cells with the mouse: the digit's button, then the cell.
        for (size_t i = 0; i + 4 < open.size(); ++i) {
            Cell& cell = *open[i];
            game->PressButton(static_cast<CommandId>(cmd::Erase + cell.solution));
            game->Click(cell.column, cell.row);
            QCOMPARE(cell.value, cell.solution);
        }
        QVERIFY(Enabled(cmd::Undo));
        // The rest with the keyboard; the last one finishes the puzzle.
        MessageBoxAnswerer answerer;
        for (size_t i = open.size() - 4; i < open.size(); ++i) {
            Cell& cell = *open[i];
            MoveCursorTo(cell.column, cell.row);
            game->Key(static_cast<Qt::Key>(Qt::Key_0 + cell.solution));
            QCOMPARE(cell.value, cell.solution);
            QCOMPARE(session.currentDigit, cell.solution); // a typed digit is picked up
        }
        QTRY_COMPARE(answerer.boxes.size(), size_t{1});
        QCOMPARE(answerer.boxes[0].text, QStringLiteral("You solved the puzzle. Congratulations!"));
        QCOMPARE(answerer.boxes[0].caption, QStringLiteral("Zentile"));
        QCOMPARE(answerer.boxes[0].icon, QMessageBox::Information);
        QCOMPARE(answerer.boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

        QCOMPARE(session.state, GameState::NoGame);
        QVERIFY(!Enabled(cmd::Undo) && !Enabled(cmd::ShowHint) && !Enabled(cmd::SolvePuzzle));
        QVERIFY(Enabled(cmd::New));
        // The final time stays while the clock ticks on; a timed Medium game is ranked.
        now += 30;
        Tick();
        QCOMPARE(Pane(CSudokuStatusBar::TimePane), QStringLiteral("   01:05"));
        QCOMPARE(game->app->Store()->bestResults.List(2)[0].originalTime, int64_t{65});
    }

    void theTimePanePausesAndTheClockBlinks() {
        game->Frame().RunCommand(cmd::New);
        now += 10 * 60 + 7;
        game->Key(Qt::Key_Pause); // as a click on the time pane; its release does not continue
        GameSession& session = game->Session();
        QCOMPARE(session.state, GameState::Paused);
        QVERIFY(!Enabled(cmd::ShowHint) && !Enabled(cmd::Undo) && !Enabled(cmd::SolvePuzzle));
        QVERIFY(Enabled(cmd::New) && !Enabled(cmd::CreateGame));

        now += 3600; // paused time does not count
        Tick();
        QCOMPARE(Pane(CSudokuStatusBar::TimePane), QStringLiteral("Pause"));
        Tick();
        QCOMPARE(Pane(CSudokuStatusBar::TimePane), QStringLiteral("   10:07"));
        Tick();
        QCOMPARE(Pane(CSudokuStatusBar::TimePane), QStringLiteral("Pause"));

        ClickTimePane();
        QCOMPARE(session.state, GameState::Playing);
        now += 1;
        Tick();
        QCOMPARE(Pane(CSudokuStatusBar::TimePane), QStringLiteral("   10:08"));
        QVERIFY(Enabled(cmd::ShowHint));
    }

    void minimisingPausesATimedGameAndOnlyInputContinuesIt() {
        game->Frame().RunCommand(cmd::New);
        game->Frame().showMinimized();
        GameSession& session = game->Session();
        QCOMPARE(session.state, GameState::Paused);
        game->Frame().showNormal();
        QCOMPARE(session.state, GameState::Paused);
        game->Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&game->Frame()));

        // The first key only lets the game continue: the cursor does not move.
        const int column = session.cursorColumn;
        game->Key(Qt::Key_Right);
        QCOMPARE(session.state, GameState::Playing);
        QCOMPARE(session.cursorColumn, column);

        // An untimed game shows no time and does not pause when minimised; the time pane still
        // pauses it.
        game->Game().options.TimedGame = false;
        Tick();
        QCOMPARE(Pane(CSudokuStatusBar::TimePane), QStringLiteral(" "));
        game->Frame().showMinimized();
        QCOMPARE(session.state, GameState::Playing);
        game->Frame().showNormal();
        ClickTimePane();
        QCOMPARE(session.state, GameState::Paused);
        // A left click in the grid continues it and does nothing else.
        game->Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&game->Frame()));
        game->Click(0, 0);
        QCOMPARE(session.state, GameState::Playing);
        QCOMPARE(session.currentDigit, -1);
    }

    void theTimePaneDoesNothingWithoutAGameOrWhileEditing() {
        ClickTimePane();
        QCOMPARE(game->Session().state, GameState::NoGame);
        game->Frame().RunCommand(cmd::CreateGame);
        QCOMPARE(game->Session().state, GameState::Editing);
        Tick();
        QCOMPARE(Pane(CSudokuStatusBar::TimePane), QStringLiteral("Creating.."));
        ClickTimePane();
        QCOMPARE(game->Session().state, GameState::Editing);
        QVERIFY(!Enabled(cmd::New) && Enabled(cmd::SaveAndPlay) && Enabled(cmd::Digit1));
    }

    void mouseRulesOnTheRealView() {
        game->Frame().RunCommand(cmd::New);
        GameSession& session = game->Session();
        std::vector<Cell*> open = OpenCells();
        Cell& empty = *open[0];
        Cell* given = nullptr;
        for (Cell& cell : game->Game().grid)
            if (cell.given) given = &cell;
        QVERIFY(given != nullptr);

        // Nothing selected: an empty cell stays empty, a filled one hands its digit over.
        game->Click(empty.column, empty.row);
        QCOMPARE(empty.value, 0);
        game->Click(given->column, given->row);
        QCOMPARE(session.currentDigit, given->solution);
        QVERIFY(game->Frame()
                    .Action(static_cast<CommandId>(cmd::Erase + given->solution))
                    ->isChecked());

        // A quick double right-click toggles the pencil mark once: the second press is a
        // double click and counts for nothing.
        game->DoubleClick(empty.column, empty.row, Qt::RightButton);
        QCOMPARE(empty.pencilMarks, 1u << given->solution);
        QCOMPARE(session.statistics.pencilToggles, 1u);
        game->Click(empty.column, empty.row, Qt::RightButton);
        QCOMPARE(empty.pencilMarks, 0u);

        // A click on the grid's outer right border, one pixel beyond the last cell, is outside.
        const Cell& last = game->At(8, 0);
        const QPoint border = game->View().contentsRect().topLeft() +
                              QPoint(last.left + last.width, last.top + last.height / 2);
        game->PressButton(cmd::Erase);
        const size_t undoRecords = game->Game().undoLog.Size();
        QTest::mouseClick(game->Frame().windowHandle(), Qt::LeftButton, {},
                          game->View().mapTo(&game->Frame(), border));
        QCOMPARE(game->Game().undoLog.Size(), undoRecords);
        QCOMPARE(session.statistics.erasures, 0u);
    }

    void keysOnTheView() {
        game->Frame().RunCommand(cmd::New);
        GameSession& session = game->Session();
        // The focus has shown the cursor at the top left; it wraps from column 0 to 8 and from
        // row 0 to 8.
        QCOMPARE(session.cursorColumn, 0);
        game->Key(Qt::Key_Left);
        game->Key(Qt::Key_Up);
        QCOMPARE(session.cursorColumn, 8);
        QCOMPARE(session.cursorRow, 8);
        game->Key(Qt::Key_Home);
        QCOMPARE(session.cursorColumn, -1);

        Cell& cell = *OpenCells()[0];
        MoveCursorTo(cell.column, cell.row);
        // The keypad's digits, an auto-repeated release and punctuation that shares a code with
        // a named key enter nothing.
        game->Key(static_cast<Qt::Key>(Qt::Key_0 + cell.solution), Qt::KeypadModifier);
        QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_0 + cell.solution, Qt::NoModifier,
                           QString::number(cell.solution), true);
        QApplication::sendEvent(&game->View(), &repeated);
        // Nor does a release whose press went to a dialog that Enter or Escape closed.
        QKeyEvent alone(QEvent::KeyRelease, Qt::Key_0 + cell.solution, Qt::NoModifier,
                        QString::number(cell.solution));
        QApplication::sendEvent(&game->View(), &alone);
        QCOMPARE(cell.value, 0);
        game->Key(Qt::Key_Percent); // "%" has the code of Left
        QCOMPARE(session.cursorColumn, cell.column);

        game->Key(static_cast<Qt::Key>(Qt::Key_0 + cell.solution));
        QCOMPARE(cell.value, cell.solution);
        // Ctrl and a digit make a mark, also when Ctrl is let go first.
        const auto digit = static_cast<Qt::Key>(Qt::Key_0 + cell.solution);
        QTest::keyPress(game->Frame().windowHandle(), digit, Qt::ControlModifier);
        QTest::keyRelease(game->Frame().windowHandle(), digit);
        QCOMPARE(cell.pencilMarks, 1u << cell.solution);
        game->Key(Qt::Key_Z, Qt::ControlModifier); // Undo, and its release types nothing
        game->Key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(cell.value == 0 && cell.pencilMarks == 0);
        game->Key(Qt::Key_Backspace);
        QCOMPARE(session.statistics.erasures, 1u);
    }

    void theLetterGameIsTypedWithLetters() {
        game->Game().options.NumberGame = false;
        game->Frame().RunCommand(cmd::New);
        const SymbolSet& symbols = game->Game().symbols;
        Cell& cell = *OpenCells()[0];
        MoveCursorTo(cell.column, cell.row);
        game->Key(static_cast<Qt::Key>(Qt::Key_0 + cell.solution));
        QCOMPARE(cell.value, 0);
        game->Key(static_cast<Qt::Key>(symbols[cell.solution])); // the letter key
        QCOMPARE(cell.value, cell.solution);
    }

    void digitsAndLettersFollowTheirKeysPlaces() {
        // Key releases as X11 and Wayland deliver them: the XKB keycode of the key's place, the
        // layout's key and text. French: the unshifted top row; Russian: the letter keys.
        auto release = [](int key, const QString& text, quint32 keycode,
                          Qt::KeyboardModifiers modifiers = {}) {
            return QKeyEvent(QEvent::KeyRelease, key, modifiers, keycode, 0, 0, text);
        };
        const QString french = QStringLiteral("&é\"'(-è_ç");
        struct Row {
            quint32 firstKeycode;
            QString latin, russian;
        };
        const Row rows[] = {{24, "QWERTYUIOP", QStringLiteral("ЙЦУКЕНГШЩЗ")},
                            {38, "ASDFGHJKL", QStringLiteral("ФЫВАПРОЛД")},
                            {52, "ZXCVBNM", QStringLiteral("ЯЧСМИТЬ")}};
        auto frenchKey = [&](int digit) {
            const QChar c = french[digit - 1];
            return release(c.toUpper().unicode(), c, 9 + quint32(digit));
        };
        auto russianKey = [&](char latin) {
            for (const Row& row : rows)
                if (const qsizetype i = row.latin.indexOf(QLatin1Char(latin)); i >= 0)
                    return release(row.russian[i].unicode(), row.russian[i].toLower(),
                                   row.firstKeycode + quint32(i));
            return release(0, {}, 0);
        };

        for (int d = 1; d <= 9; ++d) {
            const QKeyEvent key = frenchKey(d);
            QCOMPARE(GameKeyCode(key, ScanCodes::Xkb), '0' + d);
            QCOMPARE(GameKeyCode(key, ScanCodes::Unread), kUnknownKey); // as the key reads
        }
        for (const Row& row : rows) {
            for (const QChar latin : row.latin) {
                const QKeyEvent key = russianKey(char(latin.unicode()));
                QCOMPARE(GameKeyCode(key, ScanCodes::Xkb), int(latin.unicode()));
                QCOMPARE(GameKeyCode(key, ScanCodes::Unread), kUnknownKey);
            }
        }
        // Greek letters too; what a key types comes first: the French "A" where "Q" stands, its
        // "," where "M" does, an "a" where "1" does (with Ctrl its text is U+0001). The keypad
        // enters nothing; without a keycode a key reads as it always has.
        const std::tuple<int, QString, quint32, Qt::KeyboardModifiers, int32_t> cases[] = {
            {0x39B, QStringLiteral("λ"), 46, {}, 'L'},
            {Qt::Key_A, "a", 24, {}, 'A'},
            {Qt::Key_Comma, ",", 58, {}, kUnknownKey},
            {Qt::Key_A, "a", 10, {}, 'A'},
            {Qt::Key_A, QStringLiteral("\x01"), 10, Qt::ControlModifier, 'A'},
            {Qt::Key_1, "1", 87, Qt::KeypadModifier, kUnknownKey},
            {Qt::Key_Ampersand, "&", 0, {}, kUnknownKey},
            {Qt::Key_7, "7", 0, {}, '7'},
            {Qt::Key_Left, {}, 113, {}, kKeyLeft},
        };
        for (const auto& [key, text, keycode, modifiers, code] : cases)
            QCOMPARE(GameKeyCode(release(key, text, keycode, modifiers), ScanCodes::Xkb), code);
        QCOMPARE(ScanCodesOf("xcb"), ScanCodes::Xkb);
        QCOMPARE(ScanCodesOf("wayland-egl"), ScanCodes::Xkb);
        QCOMPARE(ScanCodesOf("offscreen"), ScanCodes::Unread);

        // The codes enter the game's digits: a French "ç" a 9, a Russian letter its Latin one.
        Input& input = game->app->Controller().input;
        game->Frame().RunCommand(cmd::New);
        Cell& cell = *OpenCells()[0];
        MoveCursorTo(cell.column, cell.row);
        QKeyEvent offscreen = release(Qt::Key_Ampersand, "&", 10);
        QApplication::sendEvent(&game->View(), &offscreen); // this platform's keycodes are unread
        QCOMPARE(cell.value, 0);
        input.KeyReleased(GameKeyCode(frenchKey(cell.solution), ScanCodes::Xkb));
        QCOMPARE(cell.value, cell.solution);

        game->Game().options.NumberGame = false;
        {
            MessageBoxAnswerer yes; // to leaving the game begun
            game->Frame().RunCommand(cmd::New);
        }
        Cell& lettered = *OpenCells()[0];
        MoveCursorTo(lettered.column, lettered.row);
        input.KeyReleased(
            GameKeyCode(russianKey(game->Game().symbols[lettered.solution]), ScanCodes::Xkb));
        QCOMPARE(lettered.value, lettered.solution);
    }

    void aHintVanishesAfterItsTime() {
        game->Frame().RunCommand(cmd::New);
        game->Key(Qt::Key_F3);
        Cell* hinted = nullptr;
        for (Cell& cell : game->Game().grid)
            if (cell.hinted) hinted = &cell;
        QVERIFY(hinted != nullptr);
        QCOMPARE(hinted->value, hinted->solution);
        const int id = hinted->column * 10 + hinted->row + 1;
        QVERIFY(game->app->GetHost().TimerRunning(id));
        QCOMPARE(game->app->GetHost().TimerInterval(id), 2500);
        QTest::qWait(2000);
        QVERIFY(hinted->hinted);
        QTRY_VERIFY_WITH_TIMEOUT(!hinted->hinted, 2000);
        QCOMPARE(hinted->value, 0);
        QVERIFY(!game->app->GetHost().TimerRunning(id));
    }

    void theHintOnAFullBoardShowsTheErrorBox() {
        game->Frame().RunCommand(cmd::New);
        for (Cell* cell : OpenCells()) cell->value = cell->solution % 9 + 1; // all wrong
        MessageBoxAnswerer answerer;
        game->Frame().RunCommand(cmd::ShowHint);
        QCOMPARE(answerer.boxes.size(), size_t{1});
        QCOMPARE(answerer.boxes[0].caption, QStringLiteral("Error"));
        QCOMPARE(answerer.boxes[0].text, QStringLiteral("There are no empty tiles on the grid."));
        QCOMPARE(answerer.boxes[0].icon, QMessageBox::Critical);
    }
};

QTEST_MAIN(PlayTests)
#include "PlayTests.moc"
