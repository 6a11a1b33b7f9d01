// The settings store on a real QSettings file in a folder of the test's own.

#include "UiTestSupport.h"
#include "model/PlayStatistics.h"
#include "play/CommandIds.h"
#include "store/Settings.h"
#include "store/StoreAndEditor.h"
#include "ui/QSettingsStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QProcess>
#include <QTextStream>
#include <csignal>
#include <cstdio>
#include <numeric>
#include <string_view>

using namespace zentile;
using namespace zentile::test;

namespace {

constexpr std::string_view kCopy = "--copy";
constexpr std::string_view kHold = "--hold";

// Another running copy of the game, run as this program with kCopy and a settings folder: it
// loads the options and the best results, says "ready", then carries out one line of its input
// at a time and answers with the milliseconds the call took. "option <key>" flips that option and
// saves the options, "save" saves them unchanged, "result <seconds>" enters a Medium result,
// "quit" stores what is left as the game does when it ends.
int RunCopy() {
    QSettingsStore store;
    Game game;
    StoredOptions stored = LoadSettings(game, store);
    BestResultsTable table(store);
    table.LoadBestResults();
    std::puts("ready");
    std::fflush(stdout);
    QTextStream input(stdin);
    for (QString line; input.readLineInto(&line) && line != QLatin1String("quit");) {
        const QStringList words = line.split(QLatin1Char(' '));
        QElapsedTimer call;
        call.start();
        const QHash<QString, bool GameOptions::*> flags{
            {"CheckGuess", &GameOptions::CheckGuess},
            {"HighlightSelection", &GameOptions::HighlightSelection},
            {"TimedGame", &GameOptions::TimedGame},
            {"NumberGame", &GameOptions::NumberGame}};
        if (words[0] == QLatin1String("option"))
            game.options.*flags.value(words[1]) = !(game.options.*flags.value(words[1]));
        if (words[0] == QLatin1String("result"))
            table.InsertResult(words[1].toLongLong(), 2, PlayStatistics{});
        else
            SaveSettings(game, store, stored);
        std::printf("%lld\n", static_cast<long long>(call.elapsed()));
        std::fflush(stdout);
    }
    table.SaveBestResults();
    return 0;
}

// A copy that stops for good while it holds the settings file's lock.
int HoldTheLock() {
    QLockFile lock(QSettingsStore().FileName() + QStringLiteral(".lock"));
    if (!lock.tryLock(5000)) return 1;
    std::puts("held");
    std::fflush(stdout);
    ::raise(SIGSTOP);
    return 0;
}

std::vector<int64_t> StoredTotals(int32_t level) {
    QSettingsStore store;
    BestResultsTable table(store);
    table.LoadBestResults();
    std::vector<int64_t> totals;
    for (const ResultRecord& record : table.List(level))
        if (!record.Empty()) totals.push_back(record.totalTime);
    return totals;
}

QString Arg(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A copy of the game in a process of its own.
struct Copy : QProcess {
    Copy(std::string_view mode, const QString& configFolder) {
        setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder);
        setProcessEnvironment(environment);
        start(QCoreApplication::applicationFilePath(), {Arg(mode)});
    }
    QByteArray Line() {
        while (!canReadLine())
            if (!waitForReadyRead(30000)) return {};
        return readLine().trimmed();
    }
    // The milliseconds the copy took for the call.
    int Call(const QByteArray& line) {
        write(line + '\n');
        return Line().toInt();
    }
};

} // namespace

class SettingsStoreTests : public QObject {
    Q_OBJECT

    std::unique_ptr<IsolatedSettings> isolated;

    QByteArray IniText() const {
        QFile file(isolated->IniFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init() {
        isolated = std::make_unique<IsolatedSettings>();
        QCoreApplication::setOrganizationName(QStringLiteral("Quantelo"));
        QCoreApplication::setApplicationName(QStringLiteral("Zentile"));
    }

    void valuesComeBackFromTheFileInTheUsersConfigFolder() {
        std::vector<uint8_t> bytes(200);
        std::iota(bytes.begin(), bytes.end(), uint8_t{56}); // wraps through 0 and 255
        {
            QSettingsStore store;
            QCOMPARE(QFileInfo(store.FileName()).absoluteFilePath(),
                     QFileInfo(isolated->Path() + "/Quantelo/Zentile.ini").absoluteFilePath());
            QVERIFY(store.Update([&](MemorySettingsStore& now) {
                now.WriteString("Section", "CheckGuess", "false");
                now.WriteInt("Section", "GameLevel", 4);
                now.WriteInt("Section", "Negative", -7);
                now.WriteBinary("BestResults", "Very Easy", bytes);
                now.WriteBinary("BestResults", "Hard", {}); // still bytes, though none
                now.WriteString("Section", "Text", "with = and ; and \"quotes\"");
            }));
            QCOMPARE(store.ReadInt("Section", "GameLevel", 2), 4); // what was stored
        }
        const QByteArray ini = IniText();
        QVERIFY(ini.contains("[Section]"));
        QVERIFY(ini.contains("CheckGuess=false"));
        QVERIFY(ini.contains("GameLevel=4"));
        QVERIFY(ini.contains("[BestResults]"));
        QCOMPARE(QDir(isolated->Path() + "/Quantelo").entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Zentile.ini")}); // no copy or lock left

        QSettingsStore reread;
        QCOMPARE(reread.ReadString("Section", "CheckGuess", "true"), std::string("false"));
        QCOMPARE(reread.ReadInt("Section", "GameLevel", 2), 4);
        QCOMPARE(reread.ReadInt("Section", "Negative", 0), -7);
        QCOMPARE(reread.ReadString("Section", "Text", ""),
                 std::string("with = and ; and \"quotes\""));
        QVERIFY(reread.ReadBinary("BestResults", "Very Easy") == bytes);
        QVERIFY(reread.ReadBinary("BestResults", "Hard") == std::vector<uint8_t>{});

        // Hand-edited values: a level that is no number, a result list typed as text.
        QVERIFY(reread.Update([](MemorySettingsStore& now) {
            now.WriteString("Section", "GameLevel", "hard");
            now.WriteString("BestResults", "Easy", "not bytes");
        }));
        QSettingsStore damaged;
        QCOMPARE(damaged.ReadInt("Section", "GameLevel", 2), 2);
        QVERIFY(!damaged.ReadBinary("BestResults", "Easy").has_value());
        QCOMPARE(damaged.ReadString("Section", "Absent", "fallback"), std::string("fallback"));
    }

    // The game itself: an option changed by a command and a ranked result are in the file and
    // come back in the next run. The option is written alone, at once.
    void optionsAndBestResultsSurviveARestart() {
        {
            RunningGame game;
            QVERIFY(game.Start());
            QVERIFY(!game.Game().options.HighlightSelection);
            game.Frame().RunCommand(cmd::HighlightSelection);
            QVERIFY(IniText().contains("[Section]\nHighlightSelection=true\n\n") ||
                    IniText().endsWith("[Section]\nHighlightSelection=true\n"));
            game.Frame().RunCommand(cmd::New);
            game.Frame().RunCommand(cmd::ShowMisplaced);
            game.app->Store()->bestResults.InsertResult(125, 3, PlayStatistics{});
        }
        QVERIFY(IniText().contains("HighlightSelection=true"));
        QVERIFY(IniText().contains("CheckGuess=false"));

        RunningGame next;
        QVERIFY(next.Start());
        QVERIFY(next.Game().options.HighlightSelection);
        QVERIFY(!next.Game().options.CheckGuess);
        const ResultRecord& best = next.app->Store()->bestResults.List(3)[0];
        QCOMPARE(best.originalTime, int64_t{125});
        QCOMPARE(best.totalTime, int64_t{125});
        QVERIFY(next.app->Store()->bestResults.List(2)[0].Empty());
    }

    // Another copy's change that leaves the file's size and time stamp as they were, as on a
    // file system that keeps whole seconds, is still read before an update writes.
    void aChangeOfTheSameSizeAndTimeIsNotLost() {
        QSettingsStore store;
        QVERIFY(store.Update(
            [](MemorySettingsStore& now) { now.WriteString("Section", "TimedGame", "true"); }));
        const QDateTime stamp = QFileInfo(isolated->IniFile()).lastModified();
        QByteArray text = IniText();
        text.replace("TimedGame=true", "TimedGame=fals");
        {
            QFile file(isolated->IniFile());
            QVERIFY(file.open(QIODevice::ReadWrite));
            QCOMPARE(file.write(text), qint64(text.size()));
            QVERIFY(file.setFileTime(stamp, QFileDevice::FileModificationTime));
        }
        QVERIFY(store.Update(
            [](MemorySettingsStore& now) { now.WriteString("Section", "NumberGame", "false"); }));
        QVERIFY(IniText().contains("TimedGame=fals\n"));
        QCOMPARE(store.ReadString("Section", "TimedGame", ""), std::string("fals"));
    }

    // Two copies of the game on one file, and a third that stops while it holds the file's
    // lock: every option and result of the first two is kept, no call of theirs waits half a
    // second, and what they could not store then is in the file once the third is gone.
    void runningCopiesKeepEachOthersChangesAndWaitForNone() {
        Copy first(kCopy, isolated->Path());
        Copy second(kCopy, isolated->Path());
        QCOMPARE(first.Line(), QByteArray("ready"));
        QCOMPARE(second.Line(), QByteArray("ready"));
        first.Call("option HighlightSelection");
        second.Call("option TimedGame");
        first.Call("result 101");
        second.Call("result 102");

        Copy stopped(kHold, isolated->Path());
        QCOMPARE(stopped.Line(), QByteArray("held"));
        QVERIFY(first.Call("result 103") < 500);
        QVERIFY(first.Call("option NumberGame") < 500);
        QVERIFY(second.Call("result 104") < 500);
        QVERIFY(second.Call("option CheckGuess") < 500);
        stopped.kill();
        QVERIFY(stopped.waitForFinished(10000));

        // The next save of each stores the options that waited, the end of the game the results.
        first.Call("save");
        second.Call("save");
        for (Copy* copy : {&first, &second}) {
            copy->write("quit\n");
            QVERIFY(copy->waitForFinished(30000));
            QCOMPARE(copy->exitCode(), 0);
        }
        QSettingsStore store;
        QCOMPARE(store.ReadString("Section", "HighlightSelection", ""), std::string("true"));
        QCOMPARE(store.ReadString("Section", "TimedGame", ""), std::string("false"));
        QCOMPARE(store.ReadString("Section", "NumberGame", ""), std::string("false"));
        QCOMPARE(store.ReadString("Section", "CheckGuess", ""), std::string("false"));
        QCOMPARE(StoredTotals(2), (std::vector<int64_t>{101, 102, 103, 104}));
    }
};

int main(int argc, char* argv[]) {
    if (argc == 2 && (argv[1] == kCopy || argv[1] == kHold)) {
        QCoreApplication application(argc, argv);
        QCoreApplication::setOrganizationName(QStringLiteral("Quantelo"));
        QCoreApplication::setApplicationName(QStringLiteral("Zentile"));
        return argv[1] == kCopy ? RunCopy() : HoldTheLock();
    }
    QApplication application(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    SettingsStoreTests tests;
    return QTest::qExec(&tests, argc, argv);
}
#include "SettingsStoreTests.moc"
