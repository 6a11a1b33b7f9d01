#include "ui/CSudokuApp.h"

#include "dialogs/DialogCommands.h"
#include "model/Host.h"
#include "print/PrintCommands.h"
#include "solver/SudokuSolver.h"
#include "store/StoreAndEditor.h"
#include "store/StoreTexts.h"
#include "ui/CChildView.h"
#include "ui/CMainFrame.h"
#include "ui/QSettingsStore.h"
#include "ui/QtText.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <csignal>

// Resources live in the static UI library; this pulls them into the program.
static void InitialiseResources() {
    Q_INIT_RESOURCE(zentile);
}

namespace zentile {

namespace {

inline constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : kIconSizes)
        icon.addFile(QStringLiteral(":/icons/zentile-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

CSudokuApp::CSudokuApp() : controller(game, host) {}

CSudokuApp::~CSudokuApp() {
    // The window goes first: nothing may paint or tick into a game that is being taken down.
    mainFrame.reset();
    // The last chance for results that the store could not take when they were made.
    if (store) store->bestResults.SaveBestResults();
}

bool CSudokuApp::InitInstance() {
    // A save that meets the file-size limit then fails with an error the player is shown,
    // instead of ending the game.
    std::signal(SIGXFSZ, SIG_IGN);
    InitialiseResources();
    InstallTranslations(QLocale::system());
    QCoreApplication::setOrganizationName(ToQString(kCompanyName));
    QCoreApplication::setApplicationName(ToQString(kApplicationTitle));
    settings = std::make_unique<QSettingsStore>();
    // The solver's matrix is built once, before there is a window.
    solver = std::make_unique<CSudokuSolver>();
    store = std::make_unique<StoreAndEditor>(controller, *settings, *solver);

    mainFrame = std::make_unique<CMainFrame>(controller);
    host.Attach(mainFrame.get(), &mainFrame->View());
    host.SetSymbolsHandler(
        [this](const SymbolSet& symbols) { mainFrame->ShowSymbolsOnToolbar(symbols); });
    host.SetTimerHandler([this](int32_t id) {
        if (id == kClockTimerId)
            mainFrame->ClockTick();
        else {
            controller.OnTimer(id);
            mainFrame->RefreshCommandStates();
        }
    });
    controller.commands.Bind(cmd::Exit, [this] { mainFrame->close(); });
    controller.commands.Bind(cmd::PrintCurrentPuzzle,
                             [this] { PrintCurrentPuzzle(game, host, mainFrame.get()); });
    controller.commands.Bind(cmd::PrintBooklet, [this] { PrintBooklet(game, mainFrame.get()); });
    BindDialogCommands(controller, *store, mainFrame.get());
    CreateView();

    mainFrame->setWindowState(Qt::WindowNoState);
    mainFrame->show();
    mainFrame->View().setFocus();
    // The icon comes once the window's first paint is on the screen: decoding its seven sizes
    // takes longer than everything else the start-up does before the window can be seen. By
    // then the window manager's decorations are known, and the window is fitted to the screen.
    QObject::connect(
        &mainFrame->View(), &CChildView::painted, mainFrame.get(),
        [frame = mainFrame.get()] {
            const QIcon icon = ProgramIcon();
            frame->setWindowIcon(icon);
            QApplication::setWindowIcon(icon);
            frame->FitScreen();
        },
        Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
    return true;
}

void CSudokuApp::CreateView() {
    Initialise(game, host);
    host.StartTimer(kClockTimerId, 1000, true);
    store->LoadStoredState();
    mainFrame->RefreshCommandStates();
}

} // namespace zentile
