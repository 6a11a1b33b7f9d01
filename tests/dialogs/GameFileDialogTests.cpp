#include "DialogTestMain.h"
#include "ModalScript.h"
#include "dialogs/GameFileDialog.h"
#include "model/Game.h"
#include "play/GameController.h"
#include "solver/SudokuSolver.h"
#include "store/MemorySettingsStore.h"
#include "store/StoreAndEditor.h"
#include "store/StoreTexts.h"
#include "support/FakeHost.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

namespace zentile {
namespace {

using test::ModalScript;

// A fake window whose Open and Save ask for the file name with the game's file dialog.
class DialogHost : public test::FakeHost {
public:
    std::optional<std::string> AskOpenFileName() override { return AskOpenGameFile(nullptr); }
    std::optional<std::string> AskSaveFileName() override { return AskSaveGameFile(nullptr); }
};

struct Table {
    DialogHost host;
    Game game;
    GameController controller{game, host};
    MemorySettingsStore store;
    CSudokuSolver solver;
    StoreAndEditor wiring{controller, store, solver};

    Table() { Initialise(game, host); }

    void StartGameWithEntries(int32_t level, uint32_t number) {
        game.session.level = level;
        StartNumberedGame(game, host, number);
        int entered = 0;
        for (Cell& cell : game.grid)
            if (!cell.given && entered++ < 6) cell.value = cell.solution % 9 + 1;
    }

    std::string Board() const {
        std::string board;
        for (const Cell& cell : game.grid)
            board += {static_cast<char>('0' + cell.solution), static_cast<char>('0' + cell.value),
                      cell.given ? 'g' : '-'};
        return board + std::to_string(game.session.level);
    }
};

// What the player does in the file dialog: goes to the folder, types a name, presses Enter.
void TypeName(QFileDialog& dialog, const QString& folder, const QString& name) {
    dialog.setDirectory(folder);
    auto* field = dialog.findChild<QLineEdit*>("fileNameEdit");
    QVERIFY(field != nullptr);
    field->clear();
    QTest::keyClicks(field, name);
    QTest::keyClick(field, Qt::Key_Return);
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

class GameFileDialogTests : public QObject {
    Q_OBJECT

private slots:
    void dialogsOfferOnlySavedGames();
    void saveAndOpenRoundTripThroughTheDialog();
    void replacingAFileAsksFirst();
    void cancelledDialogsChangeNothing();
    void qtsOwnHistoryThatCannotBeUsedIsLeftAlone();
};

void GameFileDialogTests::dialogsOfferOnlySavedGames() {
    for (const auto mode : {QFileDialog::AcceptOpen, QFileDialog::AcceptSave}) {
        GameFileDialog dialog(mode);
        QCOMPARE(dialog.nameFilters(), QStringList("Zentile (*.ztg)"));
        QCOMPARE(dialog.defaultSuffix(), QString("ztg"));
    }
}

void GameFileDialogTests::saveAndOpenRoundTripThroughTheDialog() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    Table t;
    t.StartGameWithEntries(3, 4711);
    const std::string saved = t.Board();

    ModalScript saving;
    saving.On<QFileDialog>(
        [&](QFileDialog& dialog) { TypeName(dialog, folder.path(), "my game"); });
    QVERIFY(t.controller.commands.Execute(cmd::SaveGame));
    QVERIFY2(saving.Finished(), saving.Failures());
    // The suffix is added to a name typed without it.
    const QString path = folder.filePath("my game.ztg");
    QVERIFY(Contents(path).startsWith("Ver: 2.1\r\n"));
    QVERIFY(t.host.messages.empty());

    t.StartGameWithEntries(0, 12);
    QVERIFY(t.Board() != saved);

    t.host.answers.push_back(false); // keep the guesses
    ModalScript opening;
    opening.On<QFileDialog>(
        [&](QFileDialog& dialog) { TypeName(dialog, folder.path(), "my game.ztg"); });
    QVERIFY(t.controller.commands.Execute(cmd::OpenGame));
    QVERIFY2(opening.Finished(), opening.Failures());
    QCOMPARE(t.host.questions,
             std::vector<std::string>{std::string(kOpenWithoutGuessesQuestion.English())});
    QVERIFY(t.host.messages.empty());
    QCOMPARE(t.Board(), saved);
    QCOMPARE(t.game.session.gameNumber, 0u);
    QVERIFY(t.game.session.statistics.loadedGame);
}

void GameFileDialogTests::replacingAFileAsksFirst() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("kept.ztg");
    Write(path, "not yet replaced");
    Table t;
    t.StartGameWithEntries(1, 99);

    // No: the dialog stays open for another name; here the player gives up.
    QString question, caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool dialogStillOpen = false;
    ModalScript declined;
    declined.On<QFileDialog>([&](QFileDialog& dialog) { TypeName(dialog, folder.path(), "kept"); })
        .On<QMessageBox>([&](QMessageBox& box) {
            question = box.text();
            caption = box.windowTitle();
            icon = box.icon();
            QTest::mouseClick(box.button(QMessageBox::No), Qt::LeftButton);
        })
        .On<QFileDialog>([&](QFileDialog& dialog) {
            dialogStillOpen = dialog.isVisible();
            dialog.reject();
        });
    QVERIFY(t.controller.commands.Execute(cmd::SaveGame));
    QVERIFY2(declined.Finished(), declined.Failures());
    QCOMPARE(question, QString("kept.ztg already exists.\nDo you want to replace it?"));
    QCOMPARE(caption, QString("Zentile"));
    QCOMPARE(icon, QMessageBox::Question);
    QVERIFY(dialogStillOpen);
    QCOMPARE(Contents(path), QByteArray("not yet replaced"));

    // Yes: the game replaces the file.
    ModalScript accepted;
    accepted.On<QFileDialog>([&](QFileDialog& dialog) { TypeName(dialog, folder.path(), "kept"); })
        .On<QMessageBox>([&](QMessageBox& box) {
            QTest::mouseClick(box.button(QMessageBox::Yes), Qt::LeftButton);
        });
    QVERIFY(t.controller.commands.Execute(cmd::SaveGame));
    QVERIFY2(accepted.Finished(), accepted.Failures());
    QVERIFY(Contents(path).startsWith("Ver: 2.1\r\n"));
    QVERIFY(t.host.messages.empty());
}

void GameFileDialogTests::cancelledDialogsChangeNothing() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    Table t;
    t.StartGameWithEntries(2, 5);
    const std::string before = t.Board();
    for (const CommandId id : {cmd::SaveGame, cmd::OpenGame}) {
        ModalScript script;
        script.On<QFileDialog>([&](QFileDialog& dialog) {
            dialog.setDirectory(folder.path());
            dialog.reject();
        });
        QVERIFY(t.controller.commands.Execute(id));
        QVERIFY2(script.Finished(), script.Failures());
    }
    QCOMPARE(t.Board(), before);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
    QVERIFY(t.host.questions.empty());
    QVERIFY(t.host.messages.empty());
}

// A FIFO in place of the history hung the dialog as it opened, a folder in place of its lock as
// it closed; the alarm ends a test that hangs all the same.
void GameFileDialogTests::qtsOwnHistoryThatCannotBeUsedIsLeftAlone() {
    const QString history = qEnvironmentVariable("XDG_CONFIG_HOME") + "/QtProject.conf";
    for (const QString& path : {history, history + ".lock"}) {
        QFile::remove(path); // what the dialogs before this one wrote
        QVERIFY(path.endsWith(".lock") ? QDir().mkpath(path)
                                       : ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        Table t;
        ::alarm(60);
        ModalScript script;
        script.On<QFileDialog>([&](QFileDialog& dialog) { dialog.reject(); });
        QVERIFY(t.controller.commands.Execute(cmd::OpenGame));
        ::alarm(0);
        QVERIFY2(script.Finished(), script.Failures());
        QVERIFY(!QFileInfo(path).isFile());
        QVERIFY(QFile::remove(path) || QDir(path).removeRecursively());
    }
}

} // namespace zentile

ZENTILE_DIALOG_TEST_MAIN(zentile::GameFileDialogTests)
#include "GameFileDialogTests.moc"
