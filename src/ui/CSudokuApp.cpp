#include "ui/CSudokuApp.h"

#include "solver/SudokuSolver.h"
#include "ui/CChildView.h"
#include "ui/CMainFrame.h"
#include "ui/QSettingsStore.h"

#include <QApplication>
#include <QIcon>

// Resources live in the static UI library; this pulls them into the program.
static void InitialiseResources() {
    Q_INIT_RESOURCE(zentile);
}

namespace zentile {

namespace {

inline constexpr char kOrganisation[] = "Quantelo";
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
}

bool CSudokuApp::InitInstance() {
    InitialiseResources();
    QCoreApplication::setOrganizationName(QString::fromLatin1(kOrganisation));
    QCoreApplication::setApplicationName(
        QString::fromUtf8(kApplicationTitle.data(), kApplicationTitle.size()));
    settings = std::make_unique<QSettingsStore>();
    // The solver's matrix is built once, before there is a window.
    solver = std::make_unique<CSudokuSolver>();

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
    CreateView();

    mainFrame->setWindowState(Qt::WindowNoState);
    mainFrame->show();
    mainFrame->View().setFocus();
    const QIcon icon = ProgramIcon();
    mainFrame->setWindowIcon(icon);
    QApplication::setWindowIcon(icon);
    return true;
}

void CSudokuApp::CreateView() {
    Initialise(game, host);
    host.StartTimer(kClockTimerId, 1000, true);
    mainFrame->RefreshCommandStates();
}

} // namespace zentile
