// Ten thousand random clicks, key presses and menu commands on the real main window, with every
// message box and dialog answered at random. The game's rules must hold after each of them, a
// command that is not available must never run, and afterwards the window still plays a game to
// its end. The seed is fixed; ZENTILE_MONKEY_SEED picks another one to explore.

#include "UiTestSupport.h"
#include "model/Hints.h"
#include "model/PuzzleDatabase.h"
#include "play/CommandTable.h"
#include "ui/CSudokuStatusBar.h"
#include "ui/QtHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QUrl>
#include <array>
#include <map>
#include <random>

using namespace zentile;
using namespace zentile::test;

namespace {

constexpr int kSteps = 10'000;
constexpr uint32_t kDefaultSeed = 20240611;
// The texts a careless player types into a dialog's fields.
const QStringList kFieldTexts = {"",   "0",   "1",  "2",   "3",    "12",
                                 "99", "101", "-1", "abc", "4711", "2147483648"};

class Random {
public:
    explicit Random(uint32_t seed) : engine(seed) {}
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); }
    bool Chance(int percent) { return Pick(0, 99) < percent; }
    template <typename List> auto& Element(List& list) {
        return list[static_cast<std::size_t>(Pick(0, static_cast<int>(std::size(list)) - 1))];
    }

private:
    std::mt19937 engine;
};

// Everything the window may put in front of the game, answered as a careless player would: a
// random button of a message box; a file dialog cancelled or given a file of the monkey's own
// folder (a saved game, garbage, an empty file, a missing one); the print dialog cancelled or
// sent to a PDF file in that folder, never to a printer; any other dialog with random text in
// its fields and random boxes ticked, then a random button, OK or Cancel.
class RandomAnswerer : public QObject {
public:
    RandomAnswerer(Random& random, const QString& folder) : random(random), folder(folder) {
        connect(&timer, &QTimer::timeout, this, &RandomAnswerer::Answer);
        timer.start(1);
    }

    // After the storm: Yes and OK to everything, so that a game can be played to its end.
    bool agreeable = false;

    int messageBoxes = 0;
    int fileDialogsCancelled = 0;
    int filesSaved = 0;
    int filesOpened = 0; // open dialogs that closed with a file chosen
    int printDialogsCancelled = 0;
    int printedToFile = 0;
    int otherDialogs = 0;
    int Total() const {
        return messageBoxes + fileDialogsCancelled + filesSaved + filesOpened +
               printDialogsCancelled + printedToFile + otherDialogs;
    }
    std::map<QString, int> messages; // the text of every message box, counted
    QStringList outsideFolder;       // paths offered outside the folder: must stay empty

private:
    // Polled: the answer itself is queued, because it may open a further box (a missing file,
    // a file to be replaced), and that one must be answered by a later poll.
    void Answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (pending || modal == nullptr || !modal->isVisible()) return;
        pending = true;
        QMetaObject::invokeMethod(
            this,
            [this, target = QPointer<QWidget>(modal)] {
                pending = false;
                if (target && target->isVisible() && target == QApplication::activeModalWidget())
                    AnswerNow(*target);
            },
            Qt::QueuedConnection);
    }

    void AnswerNow(QWidget& modal) {
        // A dialog that refuses the answers it gets is closed in the end. Boxes are often made
        // on the stack, so a new one may stand where the last one stood: count per window
        // shown, not per address.
        if (lastModal != &modal) {
            lastModal = &modal;
            attempts = 0;
        }
        if (++attempts > 25) {
            if (auto* dialog = qobject_cast<QDialog*>(&modal))
                dialog->reject();
            else
                modal.close();
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(&modal))
            AnswerBox(*box);
        else if (auto* files = qobject_cast<QFileDialog*>(&modal))
            AnswerFiles(*files);
        else if (auto* print = qobject_cast<QPrintDialog*>(&modal))
            AnswerPrint(*print);
        else if (auto* dialog = qobject_cast<QDialog*>(&modal))
            AnswerDialog(*dialog);
        else
            modal.close();
    }

    void AnswerBox(QMessageBox& box) {
        ++messageBoxes;
        ++messages[box.text()];
        QAbstractButton* button = nullptr;
        if (agreeable) {
            button = box.button(QMessageBox::Yes);
            if (button == nullptr) button = box.button(QMessageBox::Ok);
        }
        const QList<QAbstractButton*> buttons = box.buttons();
        if (button == nullptr && !buttons.isEmpty()) button = random.Element(buttons);
        if (button != nullptr)
            button->click();
        else
            box.reject();
    }

    void AnswerFiles(QFileDialog& dialog) {
        if (agreeable || random.Chance(35)) {
            ++fileDialogsCancelled;
            dialog.reject();
            return;
        }
        const bool saving = dialog.acceptMode() == QFileDialog::AcceptSave;
        static const QStringList kSaveNames = {"saved-1.ztg", "saved-2.ztg", "saved-3.ztg",
                                               "no-such-folder/saved.ztg"};
        static const QStringList kOpenNames = {"saved-1.ztg", "saved-2.ztg", "saved-3.ztg",
                                               "garbage.ztg", "empty.ztg",   "missing.ztg"};
        const QString path =
            QDir(folder).filePath(random.Element(saving ? kSaveNames : kOpenNames));
        dialog.selectFile(path);
        // selectFile leaves the name field alone while it has the focus, as it has when shown.
        if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(path);
        for (const QString& chosen : dialog.selectedFiles())
            if (!QDir::cleanPath(chosen).startsWith(QDir::cleanPath(folder) + '/')) {
                outsideFolder << chosen;
                dialog.reject();
                return;
            }
        // A missing file or a question about replacing may keep it open.
        static_cast<QDialog&>(dialog).accept();
        if (dialog.result() == QDialog::Accepted) ++(saving ? filesSaved : filesOpened);
    }

    void AnswerPrint(QPrintDialog& dialog) {
        // The file printer is the last of the list; its file name field is enabled only then.
        auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
        auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
        if (!agreeable && printers != nullptr && file != nullptr && random.Chance(30)) {
            printers->setCurrentIndex(printers->count() - 1);
            if (file->isEnabled()) {
                const QString path = QDir(folder).filePath(QStringLiteral("printed.pdf"));
                file->setText(path);
                dialog.accept();
                if (dialog.result() == QDialog::Accepted) ++printedToFile;
                return;
            }
        }
        ++printDialogsCancelled;
        dialog.reject();
    }

    void AnswerDialog(QDialog& dialog) {
        ++otherDialogs;
        for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
            if (edit->isEnabled() && random.Chance(60)) edit->setText(random.Element(kFieldTexts));
        for (QSpinBox* spin : dialog.findChildren<QSpinBox*>())
            if (spin->isEnabled() && random.Chance(60))
                spin->setValue(random.Pick(spin->minimum() - 1, spin->maximum() + 1));
        for (QAbstractButton* box : dialog.findChildren<QAbstractButton*>())
            if ((qobject_cast<QCheckBox*>(box) || qobject_cast<QRadioButton*>(box)) &&
                box->isEnabled() && random.Chance(40))
                box->click();
        for (QComboBox* combo : dialog.findChildren<QComboBox*>())
            if (combo->isEnabled() && combo->count() > 0 && random.Chance(40))
                combo->setCurrentIndex(random.Pick(0, combo->count() - 1));
        QList<QPushButton*> buttons;
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->isVisible() && button->isEnabled()) buttons << button;
        const int choice = random.Pick(0, 2);
        if (agreeable || choice == 0)
            dialog.accept();
        else if (choice == 1 || buttons.isEmpty())
            dialog.reject();
        else
            random.Element(buttons)->click();
    }

    Random& random;
    QString folder;
    QTimer timer;
    bool pending = false;
    QPointer<QWidget> lastModal;
    int attempts = 0;
};

// What a command must leave alone when it is not available: everything of the game.
struct ModelPicture {
    std::array<std::array<int32_t, 6>, Grid::cellCount> cells{};
    std::array<int64_t, 11> session{};
    PlayStatistics statistics;
    GameOptions options;
    SymbolSet symbols{};
    std::size_t undoRecords = 0;

    explicit ModelPicture(const Game& game) {
        for (int32_t k = 0; k < Grid::cellCount; ++k) {
            const Cell& c = game.grid[k];
            cells[k] = {
                c.solution, c.value, c.given, c.inBranch, static_cast<int32_t>(c.pencilMarks),
                c.hinted};
        }
        const GameSession& s = game.session;
        session = {static_cast<int64_t>(s.state),
                   s.level,
                   s.boardLevel,
                   s.gameNumber,
                   s.branchOpen,
                   s.hidePencilMarks,
                   s.revealSolutions,
                   s.currentDigit,
                   s.cursorColumn,
                   s.cursorRow,
                   s.clock.elapsedBefore};
        statistics = s.statistics;
        options = game.options;
        symbols = game.symbols;
        undoRecords = game.undoLog.Size();
    }
    bool operator==(const ModelPicture&) const = default;
};

// The offscreen platform says so for every dialog shown; it is noise here.
QtMessageHandler previousHandler = nullptr;
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains(QLatin1String("does not support propagateSizeHints")))
        previousHandler(type, context, text);
}

uint32_t Seed() {
    bool ok = false;
    const uint32_t seed = qEnvironmentVariable("ZENTILE_MONKEY_SEED").toUInt(&ok);
    return ok ? seed : kDefaultSeed;
}

} // namespace

class MonkeyTests : public QObject {
    Q_OBJECT

    std::unique_ptr<IsolatedSettings> isolated;
    std::unique_ptr<QTemporaryDir> files;
    std::unique_ptr<RunningGame> game;
    int64_t now = 1'700'000'000;

    // The puzzle as it was when a game last started; only a start may change it.
    std::array<int32_t, Grid::cellCount> solutions{};
    std::array<bool, Grid::cellCount> givens{};
    int symbolChanges = 0;
    int urlsOpened = 0;

    // What the monkey did, for the summary and to prove it went everywhere worth going.
    std::map<QString, int> counts;
    std::array<int, 4> statesSeen{};
    QString lastAction;

    CMainFrame& Frame() { return game->Frame(); }
    GameSession& Session() { return game->Session(); }
    QtHost& Host() { return game->app->GetHost(); }

    void TakeSnapshot() {
        for (int32_t k = 0; k < Grid::cellCount; ++k) {
            solutions[k] = game->Game().grid[k].solution;
            givens[k] = game->Game().grid[k].given;
        }
    }

    void Note(const QString& action) {
        lastAction = action;
        ++counts[action];
    }

    QWindow* Window() { return Frame().windowHandle(); }
    QPoint InFrame(const QWidget* widget, QPoint point) { return widget->mapTo(&Frame(), point); }

    void ClickAt(QPoint framePoint, Qt::MouseButton button) {
        QTest::mouseClick(Window(), button, {}, framePoint);
    }

    void ClickCell(Random& random) {
        const Cell& cell = game->At(random.Pick(0, 8), random.Pick(0, 8));
        // Anywhere in the cell, its border lines included.
        const QPoint point = game->View().contentsRect().topLeft() +
                             QPoint(cell.left + random.Pick(0, qMax(0, cell.width - 1)),
                                    cell.top + random.Pick(0, qMax(0, cell.height - 1)));
        const bool right = random.Chance(30);
        Note(right ? "right click on a cell" : "left click on a cell");
        ClickAt(InFrame(&game->View(), point), right ? Qt::RightButton : Qt::LeftButton);
    }

    void ClickAnywhere(Random& random) {
        static constexpr std::array kButtons = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                                Qt::MiddleButton};
        Note("click anywhere in the window");
        ClickAt(QPoint(random.Pick(0, Frame().width() - 1), random.Pick(0, Frame().height() - 1)),
                random.Element(kButtons));
    }

    void ClickToolbarButton(Random& random, CommandId id = 0) {
        QList<QAction*> buttons;
        for (QAction* action : Frame().ToolBar().actions())
            if (!action->isSeparator()) buttons << action;
        QAction* action = id != 0 ? Frame().Action(id) : random.Element(buttons);
        QWidget* button = Frame().ToolBar().widgetForAction(action);
        if (button == nullptr || !button->isVisible()) return;
        Note(action->isEnabled() ? "toolbar button" : "disabled toolbar button");
        ClickAt(InFrame(button, button->rect().center()), Qt::LeftButton);
    }

    void ClickTimePane() {
        QLabel* pane = Frame().StatusBar().PaneLabel(CSudokuStatusBar::TimePane);
        Note("click on the time pane");
        ClickAt(InFrame(pane, pane->rect().center()), Qt::LeftButton);
    }

    void PressKey(Random& random) {
        static constexpr std::array kNamed = {
            Qt::Key_Up,       Qt::Key_Down,  Qt::Key_Left,   Qt::Key_Right,  Qt::Key_PageUp,
            Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End,    Qt::Key_Delete, Qt::Key_Backspace,
            Qt::Key_Return,   Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab,    Qt::Key_Space};
        Qt::Key key;
        const int kind = random.Pick(0, 9);
        if (kind < 4)
            key = static_cast<Qt::Key>(Qt::Key_0 + random.Pick(0, 9));
        else if (kind < 6)
            key = static_cast<Qt::Key>(Qt::Key_A + random.Pick(0, 25));
        else if (kind < 9)
            key = random.Element(kNamed);
        else
            key = static_cast<Qt::Key>(Qt::Key_F1 + random.Pick(0, 11));
        Qt::KeyboardModifiers modifiers;
        const int held = random.Pick(0, 99);
        if (held >= 70 && held < 85)
            modifiers = Qt::ControlModifier;
        else if (held >= 85 && held < 92)
            modifiers = Qt::ShiftModifier;
        else if (held >= 92)
            modifiers = Qt::ControlModifier | Qt::ShiftModifier;
        if (key <= Qt::Key_9 && key >= Qt::Key_0 && random.Chance(5))
            modifiers |= Qt::KeypadModifier;
        Note(modifiers.testFlag(Qt::ControlModifier) ? "key with Ctrl" : "key");
        QTest::keyClick(Window(), key, modifiers);
    }

    // Any command of the table, by its action or through the window's command route. One that
    // is not available must change nothing and open nothing.
    void RunAnyCommand(Random& random, RandomAnswerer& answerer) {
        const auto table = CommandTable();
        const CommandId id = random.Element(table).id;
        QAction* action = Frame().Action(id);
        const bool byAction = random.Chance(50);
        const bool enabled = game->app->Controller().commands.IsEnabled(id);
        if (enabled) {
            Note("command");
            byAction ? action->trigger() : Frame().RunCommand(id);
            return;
        }
        Note("command not available");
        const ModelPicture before(game->Game());
        const int dialogsBefore = answerer.Total();
        byAction ? action->trigger() : Frame().RunCommand(id);
        QVERIFY2(ModelPicture(game->Game()) == before, qPrintable(QString::number(id)));
        QCOMPARE(answerer.Total(), dialogsBefore);
    }

    // A player who knows the answer: the digit's button, then the cell; a wrong entry is erased
    // first.
    void PlayTowardsTheSolution(Random& random) {
        if (Session().state == GameState::Editing) {
            Note("leaving the editor on the way to a solution");
            Frame().Action(cmd::CancelEditMode)->trigger();
            return;
        }
        if (!Session().InGame()) {
            if (random.Chance(50))
                ClickToolbarButton(random, cmd::New);
            else
                QTest::keyClick(Window(), Qt::Key_F2);
            Note("new game on the way to a solution");
            return;
        }
        const int start = random.Pick(0, Grid::cellCount - 1);
        for (int i = 0; i < Grid::cellCount; ++i) {
            const Cell& cell = game->Game().grid[(start + i) % Grid::cellCount];
            if (cell.given || cell.hinted || cell.value == cell.solution) continue;
            if (cell.value != 0) {
                ClickToolbarButton(random, cmd::Erase);
                game->Click(cell.column, cell.row);
            }
            ClickToolbarButton(random, static_cast<CommandId>(cmd::Erase + cell.solution));
            game->Click(cell.column, cell.row);
            Note("right digit into a cell");
            return;
        }
    }

    // A running hint's time is up early, or the clock's second passes.
    void LetTimePass(Random& random) {
        std::vector<int32_t> hints;
        for (const Cell& cell : game->Game().grid)
            if (Host().TimerRunning(HintTimerId(cell.column, cell.row)))
                hints.push_back(HintTimerId(cell.column, cell.row));
        if (!hints.empty() && random.Chance(60)) {
            Note("hint time over");
            Host().FireTimer(random.Element(hints));
            return;
        }
        // The wall clock mostly runs on, and now and then is set back or far ahead.
        now += random.Chance(90) ? random.Pick(1, 90) : random.Pick(-4000, 40'000);
        Note("clock tick");
        Host().FireTimer(kClockTimerId);
    }

    void ChangeTheWindow(Random& random) {
        switch (random.Pick(0, 2)) {
        case 0:
            Note("window resized");
            Frame().resize(random.Pick(300, 1400), random.Pick(300, 1000));
            break;
        case 1:
            Note("window minimised and restored");
            Frame().showMinimized();
            QCoreApplication::processEvents();
            Frame().showNormal();
            Frame().activateWindow();
            break;
        default:
            Note("a little wait");
            QTest::qWait(random.Pick(0, 15));
            break;
        }
    }

    void Step(Random& random, RandomAnswerer& answerer, bool focused) {
        const int roll = random.Pick(0, 99);
        if (focused && roll < 60)
            PlayTowardsTheSolution(random);
        else if (roll < 25)
            ClickCell(random);
        else if (roll < 31)
            ClickAnywhere(random);
        else if (roll < 41)
            ClickToolbarButton(random);
        else if (roll < 66)
            PressKey(random);
        else if (roll < 81)
            RunAnyCommand(random, answerer);
        else if (roll < 88)
            LetTimePass(random);
        else if (roll < 90)
            ClickTimePane();
        else if (roll < 93)
            ChangeTheWindow(random);
        else
            PlayTowardsTheSolution(random);
    }

    // After every step, with the program back in its message loop.
    void CheckInvariants() {
        const Game& g = game->Game();
        const GameSession& s = g.session;
        QVERIFY(Frame().isVisible());
        QVERIFY(g.undoLog.Empty() || s.InGame());
        QVERIFY(!s.branchOpen || s.InGame());
        QVERIFY(s.ElapsedSeconds(now) >= 0);
        QVERIFY(s.currentDigit >= -1 && s.currentDigit <= 9);
        QVERIFY(s.cursorColumn == -1 || Grid::Contains(s.cursorColumn, s.cursorRow));
        QVERIFY(s.level >= 0 && s.level <= kCustomLevel);
        for (int32_t k = 0; k < Grid::cellCount; ++k) {
            const Cell& cell = g.grid[k];
            QVERIFY2(cell.value >= 0 && cell.value <= 9, qPrintable(QString::number(k)));
            QVERIFY2(cell.solution >= 0 && cell.solution <= 9, qPrintable(QString::number(k)));
            QCOMPARE(cell.pencilMarks & ~0x3FEU, 0U);
            // A hint is on screen exactly while its timer runs, and shows the solution.
            QCOMPARE(cell.hinted, Host().TimerRunning(HintTimerId(cell.column, cell.row)));
            QVERIFY(!cell.hinted || cell.value == cell.solution);
            if (s.state != GameState::Editing) {
                QCOMPARE(cell.solution, solutions[k]);
                QCOMPARE(cell.given, givens[k]);
            }
        }
        // The window shows every command as its rule says.
        for (const CommandRow& row : CommandTable()) {
            const CommandState state = game->app->Controller().commands.Query(row.id);
            const QAction* action = Frame().Action(row.id);
            QVERIFY2(action->isEnabled() == state.enabled, qPrintable(QString::number(row.id)));
            QVERIFY2(!action->isCheckable() || action->isChecked() == state.checked,
                     qPrintable(QString::number(row.id)));
        }
        // The last paint laid the grid out in the view as it is now.
        if (!Frame().isMinimized()) {
            const QRect client = game->View().contentsRect();
            QCOMPARE(g.layout.cellWidth, (client.width() - 36) / 9);
            QCOMPARE(g.layout.cellHeight, (client.height() - 36) / 9);
        }
    }

    void PrepareFiles() {
        QFile garbage(files->filePath(QStringLiteral("garbage.ztg")));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        Random bytes(7);
        QByteArray data;
        for (int i = 0; i < 600; ++i) data.append(static_cast<char>(bytes.Pick(0, 255)));
        garbage.write(data);
        garbage.close();
        QFile empty(files->filePath(QStringLiteral("empty.ztg")));
        QVERIFY(empty.open(QIODevice::WriteOnly));
    }

private slots:
    void initTestCase() {
        // The toolkit's own dialogs, which the answerer can see and answer.
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        // Exit closes the window; the monkey opens it again instead of ending the test.
        QApplication::setQuitOnLastWindowClosed(false);
        previousHandler = qInstallMessageHandler(QuietHandler);
        // The website command must never reach a browser.
        for (const char* scheme : {"http", "https", "mailto", "file"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "OpenUrl");
    }

    void init() {
        isolated = std::make_unique<IsolatedSettings>();
        files = std::make_unique<QTemporaryDir>();
        QVERIFY(files->isValid());
        PrepareFiles();
        game = std::make_unique<RunningGame>();
        Host().SetClock([this] { return now; });
        QVERIFY(game->Start());
        // The window's own wiring, counted: a new game or the editor sets its symbols.
        Host().SetSymbolsHandler([this](const SymbolSet& symbols) {
            ++symbolChanges;
            Frame().ShowSymbolsOnToolbar(symbols);
        });
        TakeSnapshot();
    }
    void cleanup() {
        game.reset();
        files.reset();
        isolated.reset();
    }
    void cleanupTestCase() {
        for (const char* scheme : {"http", "https", "mailto", "file"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    void tenThousandRandomActionsKeepTheGameWhole() {
        const uint32_t seed = Seed();
        Random random(seed);
        RandomAnswerer answerer(random, files->path());
        QElapsedTimer clock;
        clock.start();

        for (int step = 0; step < kSteps; ++step) {
            const GameState before = Session().state;
            const int changesBefore = symbolChanges;
            const int openedBefore = answerer.filesOpened;
            Step(random, answerer, step / 250 % 3 == 2);
            if (QTest::currentTestFailed()) break;
            // Exit closes the window; the program is still there and shows it again.
            if (!Frame().isVisible()) {
                Frame().show();
                Frame().activateWindow();
                ++counts["window shown again after Exit"];
            }
            QCoreApplication::processEvents();
            // Only a new game, a saved game read and the editor may change the puzzle.
            if (symbolChanges != changesBefore || answerer.filesOpened != openedBefore ||
                before == GameState::Editing || Session().state == GameState::Editing)
                TakeSnapshot();
            ++statesSeen[static_cast<std::size_t>(Session().state)];
            CheckInvariants();
            if (QTest::currentTestFailed()) {
                qWarning("seed %u, step %d, last action: %s", seed, step, qPrintable(lastAction));
                return;
            }
        }
        const qint64 elapsed = clock.elapsed();

        QStringList summary;
        for (const auto& [action, count] : counts)
            summary << QStringLiteral("%1: %2").arg(action).arg(count);
        qInfo().noquote() << "seed" << seed << "," << kSteps << "actions in" << elapsed << "ms;"
                          << summary.join(", ");
        qInfo().noquote() << "states seen (none, playing, paused, editing):" << statesSeen[0]
                          << statesSeen[1] << statesSeen[2] << statesSeen[3];
        qInfo().noquote() << "answered: message boxes" << answerer.messageBoxes
                          << ", file dialogs cancelled" << answerer.fileDialogsCancelled
                          << ", saved" << answerer.filesSaved << ", opened" << answerer.filesOpened
                          << ", print dialogs cancelled" << answerer.printDialogsCancelled
                          << ", printed to PDF" << answerer.printedToFile << ", other dialogs"
                          << answerer.otherDialogs << ", web pages" << urlsOpened;
        for (const auto& [text, count] : answerer.messages)
            qInfo().noquote() << "  " << count << "x" << text;

        QVERIFY2(answerer.outsideFolder.isEmpty(), qPrintable(answerer.outsideFolder.join(' ')));
        // The walk went everywhere worth going.
        for (const int seen : statesSeen) QVERIFY(seen > 0);
        QVERIFY(answerer.messages[QStringLiteral("You solved the puzzle. Congratulations!")] > 0);
        QVERIFY(counts["command not available"] > 0);
        QVERIFY(answerer.filesSaved > 0 && answerer.filesOpened > 0);
        QVERIFY(answerer.printDialogsCancelled > 0);

        // The program is alive: a new game, played by mouse to the congratulation.
        answerer.agreeable = true;
        QTest::keyClick(Window(), Qt::Key_Escape); // closes a menu left open
        if (Session().state == GameState::Editing) Frame().RunCommand(cmd::CancelEditMode);
        Frame().RunCommand(cmd::New);
        QCOMPARE(Session().state, GameState::Playing);
        const int solvedBefore =
            answerer.messages[QStringLiteral("You solved the puzzle. Congratulations!")];
        for (Cell& cell : game->Game().grid) {
            if (cell.given || cell.value == cell.solution) continue;
            game->PressButton(static_cast<CommandId>(cmd::Erase + cell.solution));
            game->Click(cell.column, cell.row);
        }
        QTRY_COMPARE(answerer.messages[QStringLiteral("You solved the puzzle. Congratulations!")],
                     solvedBefore + 1);
        QCOMPARE(Session().state, GameState::NoGame);
    }

public slots:
    void OpenUrl(const QUrl&) { ++urlsOpened; }
};

QTEST_MAIN(MonkeyTests)
#include "MonkeyTests.moc"
