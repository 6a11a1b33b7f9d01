// The main window as started: its commands and their states, menus, toolbar, keys, size and
// focus.

#include "UiTestSupport.h"
#include "play/CommandIds.h"
#include "play/CommandTable.h"
#include "store/FileReplacement.h"
#include "ui/CSudokuStatusBar.h"
#include "ui/Contrast.h"
#include "ui/QtHost.h"
#include "ui/ToolbarImages.h"

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <set>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zentile;
using namespace zentile::test;

namespace {

const std::set<CommandId> kEnabledAtStart = {cmd::New,
                                             cmd::GameNumber,
                                             cmd::OpenGame,
                                             cmd::SaveGame,
                                             cmd::PrintCurrentPuzzle,
                                             cmd::PrintBooklet,
                                             cmd::Difficulty,
                                             cmd::Options,
                                             cmd::BestResults,
                                             cmd::Exit,
                                             cmd::HighlightSelection,
                                             cmd::CreateGame,
                                             cmd::HelpContents,
                                             cmd::GoToWebsite,
                                             cmd::About,
                                             cmd::RevealToggle};

// One line per menu entry: a menu title opens with ">", "<" closes it, "-" is a separator.
const QStringList kMenus = {
    ">&File",
    "&New...\tF2",
    "&Game Number...",
    "-",
    "&Open Game...",
    "&Save Game...",
    ">P&rint",
    "&Current Puzzle...",
    "&Booklet...",
    "<",
    "-",
    "&Difficulty...",
    "O&ptions...",
    "&Best Results...",
    "-",
    "E&xit",
    "<",
    ">&Edit Game",
    "&Create Game",
    "&Save and Play",
    "C&ancel Edit Mode",
    "<",
    ">&Actions",
    "&Undo\tCtrl+Z",
    "-",
    "Show &Hint\tF3",
    "Solve &Puzzle\tF4",
    "-",
    "Show &Misplaced\tF5",
    "Highlight &Selection\tF6",
    "Hide Pen&cil Marks\tF8",
    "-",
    "Start &Branch",
    "&Accept Branch",
    "&Reject Branch",
    "<",
    ">&Help",
    "&Contents...\tF1",
    "-",
    "Go to Quantelo &Website",
    "-",
    "&About...",
    "<",
};

void ListMenu(const QMenu* menu, QStringList& lines) {
    lines << ">" + menu->title();
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            lines << "-";
        else if (action->menu() != nullptr)
            ListMenu(action->menu(), lines);
        else
            lines << action->text();
    }
    lines << "<";
}

QImage IconImage(const QIcon& icon, qreal ratio) {
    return icon.pixmap(ToolbarImages::kImageSize, ratio)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

// The strip's picture after the same way through a pixmap as the button's, since turning
// half-transparent pixels into a pixmap and back rounds differently from one CPU to another.
QImage StripImage(int index, int scale) {
    const QPixmap strip(scale == 1 ? QStringLiteral(":/toolbar.png")
                                   : QStringLiteral(":/toolbar@2x.png"));
    return strip.copy(index * 16 * scale, 0, 16 * scale, 15 * scale)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class MainFrameTests : public QObject {
    Q_OBJECT

    std::unique_ptr<IsolatedSettings> isolated;
    std::unique_ptr<RunningGame> game;

    QAction* Action(CommandId id) { return game->Frame().Action(id); }
    QImage SymbolButtonImage(int k) {
        return IconImage(Action(static_cast<CommandId>(cmd::Erase + k))->icon(), 1.0);
    }

private slots:
    void init() {
        isolated = std::make_unique<IsolatedSettings>();
        game = std::make_unique<RunningGame>();
        QVERIFY(game->Start());
    }
    void cleanup() {
        game.reset();
        isolated.reset();
    }

    void startsEmptyWithOnlyTheStartUpCommandsEnabled() {
        QCOMPARE(game->Session().state, GameState::NoGame);
        for (const CommandRow& row : CommandTable()) {
            const bool expected = kEnabledAtStart.contains(row.id);
            QVERIFY2(Action(row.id)->isEnabled() == expected, qPrintable(QString::number(row.id)));
            QVERIFY(!Action(row.id)->isChecked());
        }
        // Every command the window, the store, printing and the dialogs bind is there.
        QVERIFY(Action(cmd::OpenGame)->isEnabled());
        QVERIFY(Action(cmd::CreateGame)->isEnabled());
        QVERIFY(!Action(cmd::SaveAndPlay)->isEnabled());
    }

    void windowHasItsTitleSizeAndFloor() {
        CMainFrame& frame = game->Frame();
        QCOMPARE(frame.windowTitle(), QStringLiteral("Zentile"));
        QCOMPARE(frame.size(), QSize(550, 570));
        QVERIFY(!frame.isMinimized() && !frame.isMaximized());
        frame.resize(200, 150);
        QCOMPARE(frame.size(), QSize(430, 400));
        QTRY_VERIFY(!frame.windowIcon().isNull()); // once the first paint is shown
        QCOMPARE(QApplication::focusWidget(), &game->View());
    }

    // The window is painted first, then it gets the program icon in all seven sizes.
    void theIconComesAfterTheFirstPaint() {
        RunningGame second;
        QVERIFY(second.app->InitInstance());
        CMainFrame& frame = second.Frame();
        QVERIFY(frame.isVisible());
        QVERIFY(!frame.testAttribute(Qt::WA_SetWindowIcon));
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QTRY_VERIFY(frame.testAttribute(Qt::WA_SetWindowIcon));
        QCOMPARE(frame.windowIcon().availableSizes().size(), 7);
        QCOMPARE(frame.windowIcon().availableSizes().constLast(), QSize(256, 256));
    }

    void menusAreBuiltFromTheCommandTable() {
        QStringList lines;
        for (const QAction* top : game->Frame().menuBar()->actions()) ListMenu(top->menu(), lines);
        QCOMPARE(lines, kMenus);
        // Every menu command shows its prompt in the status bar while highlighted.
        QCOMPARE(Action(cmd::SolvePuzzle)->statusTip(),
                 QStringLiteral("Display the solution of the puzzle"));
        QCOMPARE(Action(cmd::AcceptBranch)->statusTip(), QStringLiteral("Accept the  branch"));
        QCOMPARE(Action(cmd::OpenGame)->statusTip(), QString());
        // The reveal switch has a key and nothing else.
        QVERIFY(!lines.join(' ').contains("Reveal"));
        QCOMPARE(Action(cmd::RevealToggle)->shortcut(), QKeySequence("Ctrl+Shift+D"));
    }

    void toolbarHoldsTheButtonsInOrderWithTheirPictures() {
        QToolBar& bar = game->Frame().ToolBar();
        QVERIFY(bar.isMovable() && bar.isFloatable());
        QCOMPARE(bar.allowedAreas(), Qt::AllToolBarAreas);
        QCOMPARE(game->Frame().toolBarArea(&bar), Qt::TopToolBarArea);
        QCOMPARE(bar.iconSize(), QSize(16, 15));

        QList<int> ids;
        for (const QAction* action : bar.actions())
            ids << (action->isSeparator() ? 0 : action->data().toInt());
        const QList<int> expected = {32771, 0,     32772, 32774, 0,     32775, 32776,
                                     32777, 0,     32778, 0,     32779, 32780, 32781,
                                     32782, 32783, 32784, 32785, 32786, 32787, 32788};
        QCOMPARE(ids, expected);

        const QList<std::pair<CommandId, QString>> tips = {
            {cmd::New, "New"},
            {cmd::ShowHint, "Hint"},
            {cmd::HighlightSelection, "Highlight number"},
            {cmd::StartBranch, "Start Branch"},
            {cmd::AcceptBranch, "Accept Branch"},
            {cmd::RejectBranch, "Reject Branch"},
            {cmd::Undo, "Undo"},
            {cmd::Erase, "Erase"}};
        for (const auto& [id, tip] : tips)
            QCOMPARE(bar.widgetForAction(Action(id))->toolTip(), tip);
        QCOMPARE(AccessibleName(bar.widgetForAction(Action(cmd::Erase))), QStringLiteral("Erase"));
        QCOMPARE(Action(cmd::Erase)->statusTip(), QStringLiteral("Erase the cell"));

        // Images 0..7 for the commands, 8.. for the digits, each sharp at twice the density.
        QCOMPARE(IconImage(Action(cmd::New)->icon(), 1.0), StripImage(0, 1));
        QCOMPARE(IconImage(Action(cmd::Erase)->icon(), 1.0), StripImage(7, 1));
        QCOMPARE(IconImage(Action(cmd::Undo)->icon(), 2.0), StripImage(6, 2));
        for (int k = 1; k <= 9; ++k) QCOMPARE(SymbolButtonImage(k), StripImage(7 + k, 1));
        // The menu shows texts only.
        QVERIFY(!Action(cmd::ShowHint)->isIconVisibleInMenu());
    }

    void symbolImagesFollowTheCharacter() {
        QCOMPARE(ToolbarImages::SymbolImage('1'), std::optional<int>(8));
        QCOMPARE(ToolbarImages::SymbolImage('9'), std::optional<int>(16));
        QCOMPARE(ToolbarImages::SymbolImage('A'), std::optional<int>(17));
        QCOMPARE(ToolbarImages::SymbolImage('Z'), std::optional<int>(42));
        QCOMPARE(ToolbarImages::SymbolImage('?'), std::nullopt); // between the ranges
        QCOMPARE(ToolbarImages::SymbolImage('a'), std::nullopt); // beyond the strip
        QCOMPARE(ToolbarImages::SymbolImage(' '), std::nullopt); // before it
    }

    // Dark toolbar: the images on light tiles, strokes unchanged at either ratio; and back.
    void toolbarImagesStayVisibleOnADarkPalette() {
        QApplication::setPalette(QPalette(QColor(53, 53, 53)));
        QTRY_VERIFY(IsDark(game->Frame().ToolBar().palette()));
        for (const int scale : {1, 2}) {
            const QImage strip = StripImage(8, scale);
            const QImage icon = IconImage(Action(cmd::Digit1)->icon(), scale);
            const QColor tile = icon.pixelColor(scale, icon.height() / 2);
            QVERIFY(ContrastRatio(tile, QColor(0, 0, 128)) >= 4.5);
            for (int y = 0; y < strip.height(); ++y)
                for (int x = 0; x < strip.width(); ++x)
                    if (qAlpha(strip.pixel(x, y)) == 255)
                        QCOMPARE(icon.pixel(x, y), strip.pixel(x, y));
        }
        QApplication::setPalette(QPalette()); // the default again
        QTRY_COMPARE(SymbolButtonImage(1), StripImage(8, 1));
    }

    // A large scale factor makes the screen small: the window is shrunk to its available area,
    // and one partly outside it is moved in.
    void windowFitsTheScreen() {
        game->Frame().resize(2000, 2000);
        game->Frame().FitScreen();
        QVERIFY(
            game->Frame().screen()->availableGeometry().contains(game->Frame().frameGeometry()));
        QCOMPARE(CMainFrame::FittedFrame(QRect(1900, -20, 550, 607), QRect(1920, 0, 1280, 368)),
                 QRect(1920, 0, 550, 368));
    }

    void symbolButtonsFollowTheGamesSymbols() {
        // The letter game is chosen, but no game has started: the buttons still show 1..9.
        game->Game().options.NumberGame = false;
        QCOMPARE(SymbolButtonImage(1), StripImage(8, 1));

        game->Frame().RunCommand(cmd::New);
        const SymbolSet& letters = game->Game().symbols;
        QVERIFY(letters[1] >= 'A' && letters[1] <= 'Z');
        for (int k = 1; k <= 9; ++k) QCOMPARE(SymbolButtonImage(k), StripImage(letters[k] - 48, 1));
        QCOMPARE(AccessibleName(game->Frame().ToolBar().widgetForAction(Action(cmd::Digit9))),
                 QStringLiteral("Select ") + QLatin1Char(letters[9]));

        game->Game().options.NumberGame = true;
        MessageBoxAnswerer yes({QMessageBox::Yes});
        game->Frame().RunCommand(cmd::New);
        QCOMPARE(yes.boxes.size(), size_t{1});
        for (int k = 1; k <= 9; ++k) QCOMPARE(SymbolButtonImage(k), StripImage(7 + k, 1));
    }

    void keysRunTheirCommandsAndPlainF5AndF8DoNothing() {
        game->Key(Qt::Key_F2);
        QCOMPARE(game->Session().state, GameState::Playing);
        const bool checkGuess = game->Game().options.CheckGuess;

        game->Key(Qt::Key_F5);
        game->Key(Qt::Key_F8);
        QCOMPARE(game->Game().options.CheckGuess, checkGuess);
        QVERIFY(!game->Session().hidePencilMarks);
        QVERIFY(Action(cmd::ShowMisplaced)->isChecked() == checkGuess);

        game->Key(Qt::Key_F5, Qt::ControlModifier);
        game->Key(Qt::Key_F8, Qt::ControlModifier);
        QCOMPARE(game->Game().options.CheckGuess, !checkGuess);
        QVERIFY(game->Session().hidePencilMarks);
        QCOMPARE(Action(cmd::HidePencilMarks)->isChecked(), true);

        game->Key(Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(game->Session().revealSolutions);
        game->Key(Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!game->Session().revealSolutions);

        game->Key(Qt::Key_F6);
        QVERIFY(game->Game().options.HighlightSelection);
        QVERIFY(Action(cmd::HighlightSelection)->isChecked());

        // F2 in a game asks first; No keeps the game.
        const uint32_t number = game->Session().gameNumber;
        MessageBoxAnswerer no({QMessageBox::No});
        game->Key(Qt::Key_F2);
        QCOMPARE(no.boxes.size(), size_t{1});
        QCOMPARE(no.boxes[0].text, QStringLiteral("Do you want to start a new game?"));
        QCOMPARE(no.boxes[0].caption, QStringLiteral("Zentile"));
        QCOMPARE(no.boxes[0].icon, QMessageBox::Question);
        QCOMPARE(no.boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(game->Session().gameNumber, number);
    }

    void aCommandRunsOnlyIfItsRuleAllowsItWhenAsked() {
        game->Frame().RunCommand(cmd::New);
        const auto digit3 = static_cast<CommandId>(cmd::Erase + 3);
        QVERIFY(Action(digit3)->isEnabled());
        // The game pauses behind the window's back; the button still looks enabled.
        QVERIFY(Pause(game->Session(), game->app->GetHost().Now()));
        QVERIFY(Action(digit3)->isEnabled());
        Action(digit3)->trigger();
        QCOMPARE(game->Session().currentDigit, -1);
        QVERIFY(!Action(digit3)->isEnabled());
    }

    void statesAreRefreshedOnTheClockTickAndWhenAMenuOpens() {
        game->Frame().RunCommand(cmd::New);
        game->Session().state = GameState::Paused;
        QVERIFY(Action(cmd::SolvePuzzle)->isEnabled());
        game->app->GetHost().FireTimer(kClockTimerId);
        QVERIFY(!Action(cmd::SolvePuzzle)->isEnabled());

        game->Session().state = GameState::Playing;
        QMenu* actions = game->Frame().menuBar()->actions().at(2)->menu();
        actions->popup(QPoint(0, 0));
        QVERIFY(Action(cmd::SolvePuzzle)->isEnabled());
        actions->hide();

        // The clock timer is the one-second periodic timer with identifier 500.
        QVERIFY(game->app->GetHost().TimerRunning(kClockTimerId));
        QCOMPARE(game->app->GetHost().TimerInterval(kClockTimerId), 1000);
    }

    void promptsShowInTheMessagePaneAndReadyComesBack() {
        CSudokuStatusBar& status = game->Frame().StatusBar();
        QCOMPARE(status.PaneText(CSudokuStatusBar::MessagePane), QStringLiteral("Ready"));
        QWidget* button = game->Frame().ToolBar().widgetForAction(Action(cmd::New));
        QStatusTipEvent enter(button->statusTip());
        QApplication::sendEvent(button, &enter);
        QCOMPARE(status.PaneText(CSudokuStatusBar::MessagePane),
                 QStringLiteral("Create a new game"));
        QStatusTipEvent leave{QString()};
        QApplication::sendEvent(button, &leave);
        QCOMPARE(status.PaneText(CSudokuStatusBar::MessagePane), QStringLiteral("Ready"));
    }

    void anItemWithoutAPromptShowsNoneWhileHighlighted() {
        CSudokuStatusBar& status = game->Frame().StatusBar();
        QMenu* file = game->Frame().menuBar()->actions().at(0)->menu();
        file->popup(QPoint(0, 0));
        QVERIFY(QTest::qWaitForWindowExposed(file));
        file->setActiveAction(Action(cmd::New));
        QCOMPARE(status.PaneText(CSudokuStatusBar::MessagePane),
                 QStringLiteral("Create a new game"));
        for (const CommandId id : {cmd::OpenGame, cmd::SaveGame}) {
            file->setActiveAction(Action(id));
            QCOMPARE(status.PaneText(CSudokuStatusBar::MessagePane), QString());
        }
        file->hide();
        QCOMPARE(status.PaneText(CSudokuStatusBar::MessagePane), QStringLiteral("Ready"));

        // The symbol buttons have no prompt either.
        QWidget* button = game->Frame().ToolBar().widgetForAction(Action(cmd::Digit1));
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(button, &enter);
        QCOMPARE(status.PaneText(CSudokuStatusBar::MessagePane), QString());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
        QCOMPARE(status.PaneText(CSudokuStatusBar::MessagePane), QStringLiteral("Ready"));
    }

    void focusStaysWithTheViewWhenAButtonIsPressed() {
        game->Frame().RunCommand(cmd::New);
        game->PressButton(cmd::Digit1 + 4);
        QCOMPARE(game->Session().currentDigit, 5);
        QCOMPARE(QApplication::focusWidget(), &game->View());
        QVERIFY(Action(cmd::Digit1 + 4)->isChecked());
        QVERIFY(!Action(cmd::Digit1)->isChecked());
    }

    // A save that meets the file-size limit (or a full disk) fails with an error the player is
    // shown; the game goes on and the old file stays.
    void aWritePastTheFileSizeLimitDoesNotEndTheGame() {
        QTemporaryDir folder;
        const std::string path = folder.filePath(QStringLiteral("game.ztg")).toStdString();
        QVERIFY(ReplaceFileContents(path, "an older game"));
        const pid_t child = ::fork();
        if (child == 0) {
            rlimit limit{};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 5;
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(2);
            ::_exit(ReplaceFileContents(path, std::string(100, 'x')) ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status), "ended by a signal");
        QCOMPARE(WEXITSTATUS(status), 1);
        QFile file(QString::fromStdString(path));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("an older game"));
    }

    void exitClosesTheWindow() {
        QVERIFY(game->Frame().isVisible());
        MessageBoxAnswerer none;
        game->Frame().RunCommand(cmd::Exit);
        QVERIFY(!game->Frame().isVisible());
        QVERIFY(none.boxes.empty());
    }
};

QTEST_MAIN(MainFrameTests)
#include "MainFrameTests.moc"
