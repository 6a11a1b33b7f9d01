// The settings store on a real QSettings file in a folder of the test's own.

#include "UiTestSupport.h"
#include "model/PlayStatistics.h"
#include "play/CommandIds.h"
#include "store/StoreAndEditor.h"
#include "ui/QSettingsStore.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTextStream>
#include <cstdio>
#include <numeric>
#include <string_view>

using namespace zentile;
using namespace zentile::test;

namespace {

constexpr std::string_view kInsertResults = "--insert-results";

// Another copy of the game, run as this program with kInsertResults, a settings folder and a
// list of times: it loads the best results, says "ready", waits for a line on its input, then
// enters each time as a Medium result.
int InsertResults(const QString& folder, const QString& times) {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    QSettingsStore store;
    BestResultsTable table(store);
    table.LoadBestResults();
    std::puts("ready");
    std::fflush(stdout);
    QTextStream(stdin).readLine();
    for (const QString& time : times.split(QLatin1Char(',')))
        table.InsertResult(time.toLongLong(), 2, PlayStatistics{});
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
            QVERIFY(store.WriteString("Section", "CheckGuess", "false"));
            QVERIFY(store.WriteInt("Section", "GameLevel", 4));
            QVERIFY(store.WriteInt("Section", "Negative", -7));
            QVERIFY(store.WriteBinary("BestResults", "Very Easy", bytes));
            QVERIFY(store.WriteString("Section", "Text", "with = and ; and \"quotes\""));
        }
        QVERIFY(QFileInfo::exists(isolated->IniFile()));
        const QByteArray ini = IniText();
        QVERIFY(ini.contains("[Section]"));
        QVERIFY(ini.contains("CheckGuess=false"));
        QVERIFY(ini.contains("GameLevel=4"));
        QVERIFY(ini.contains("[BestResults]"));

        QSettingsStore reread;
        QCOMPARE(reread.ReadString("Section", "CheckGuess", "true"), std::string("false"));
        QCOMPARE(reread.ReadInt("Section", "GameLevel", 2), 4);
        QCOMPARE(reread.ReadInt("Section", "Negative", 0), -7);
        QCOMPARE(reread.ReadString("Section", "Text", ""),
                 std::string("with = and ; and \"quotes\""));
        const auto back = reread.ReadBinary("BestResults", "Very Easy");
        QVERIFY(back.has_value());
        QVERIFY(*back == bytes);
    }

    void missingOrUnreadableValuesGiveTheDefault() {
        QSettingsStore store;
        QCOMPARE(store.ReadString("Section", "Absent", "fallback"), std::string("fallback"));
        QCOMPARE(store.ReadInt("Section", "Absent", 9), 9);
        QVERIFY(!store.ReadBinary("BestResults", "Absent").has_value());

        // Hand-edited values: a level that is no number, a result list typed as text.
        QVERIFY(store.WriteString("Section", "GameLevel", "hard"));
        QVERIFY(store.WriteString("BestResults", "Easy", "not bytes"));
        QSettingsStore reread;
        QCOMPARE(reread.ReadInt("Section", "GameLevel", 2), 2);
        QVERIFY(!reread.ReadBinary("BestResults", "Easy").has_value());
    }

    void anEmptyBinaryValueIsStillBytes() {
        QSettingsStore store;
        QVERIFY(store.WriteBinary("BestResults", "Hard", {}));
        QSettingsStore reread;
        const auto back = reread.ReadBinary("BestResults", "Hard");
        QVERIFY(back.has_value());
        QVERIFY(back->empty());
    }

    // The game itself: an option changed by a command and a ranked result are in the file and
    // come back in the next run.
    void optionsAndBestResultsSurviveARestart() {
        {
            RunningGame game;
            QVERIFY(game.Start());
            QVERIFY(!game.Game().options.HighlightSelection);
            game.Frame().RunCommand(cmd::HighlightSelection);
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

    // A command that changes an option saves all six; they reach the file together once the
    // command is done, in one rewrite instead of six waits for the disk.
    void anOptionCommandWritesTheFileOnceItIsDone() {
        RunningGame game;
        QVERIFY(game.Start());
        QTRY_VERIFY(IniText().contains("[BestResults]")); // the first start's empty results
        QVERIFY(!IniText().contains("HighlightSelection"));

        game.Frame().RunCommand(cmd::HighlightSelection);
        QVERIFY(!IniText().contains("HighlightSelection"));
        // Another store of the program sees the new value at once.
        QCOMPARE(QSettingsStore().ReadString("Section", "HighlightSelection", ""),
                 std::string("true"));

        QCoreApplication::processEvents();
        const QByteArray ini = IniText();
        for (const char* key : {"CheckGuess=true", "HighlightSelection=true", "DisplayMouse=false",
                                "TimedGame=true", "GameLevel=2", "NumberGame=true"})
            QVERIFY2(ini.contains(key), key);
    }

    // Two copies that both loaded the lists before either entered a result: each result goes
    // into what the other stored.
    void twoRunningCopiesKeepEachOthersResults() {
        const QString times[] = {QStringLiteral("101,103,105,107,109"),
                                 QStringLiteral("102,104,106,108,110")};
        QProcess copies[2];
        for (int i = 0; i < 2; ++i) {
            copies[i].setProcessChannelMode(QProcess::ForwardedErrorChannel);
            copies[i].start(QCoreApplication::applicationFilePath(),
                            {QString::fromLatin1(kInsertResults.data(), kInsertResults.size()),
                             isolated->Path(), times[i]});
        }
        for (QProcess& copy : copies) {
            QVERIFY(copy.waitForReadyRead(30000));
            QCOMPARE(copy.readLine().trimmed(), QByteArray("ready"));
        }
        for (QProcess& copy : copies) {
            copy.write("go\n");
            copy.closeWriteChannel();
        }
        for (QProcess& copy : copies) {
            QVERIFY(copy.waitForFinished(60000));
            QCOMPARE(copy.exitCode(), 0);
        }
        QCOMPARE(StoredTotals(2),
                 (std::vector<int64_t>{101, 102, 103, 104, 105, 106, 107, 108, 109, 110}));
    }

    // A copy that holds the lock and never lets go: the result waits in memory, a line on
    // standard error says so, and the next result stores both.
    void aLockedFileKeepsTheResultUntilTheNextChange() {
        QSettingsStore store;
        BestResultsTable table(store);
        table.LoadBestResults();
        QLockFile other(store.FileName() + QStringLiteral(".update.lock"));
        QVERIFY(other.tryLock());

        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral(
                                 "could not be locked; BestResults/Hard stays in memory")));
        QElapsedTimer waited;
        waited.start();
        table.InsertResult(100, 3, PlayStatistics{});
        QVERIFY(waited.elapsed() < 20000); // gives up after a few seconds, not at a stale lock
        QCOMPARE(table.List(3)[0].totalTime, int64_t{100});
        QVERIFY(StoredTotals(3).empty());

        other.unlock();
        table.InsertResult(200, 3, PlayStatistics{});
        QCOMPARE(StoredTotals(3), (std::vector<int64_t>{100, 200}));
    }

    // The same where a copy hangs while it writes the file and holds QSettings' own lock: an
    // option and a result each wait a few seconds at most, and the next change stores them.
    void aCopyThatHangsWhileWritingFreezesNoOther() {
        QSettingsStore store;
        BestResultsTable table(store);
        table.LoadBestResults();
        QLockFile writing(store.FileName() + QStringLiteral(".lock"));
        QVERIFY(writing.tryLock());
        const QByteArray before = IniText();

        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral(
                                 "could not be locked; the changed options stay in memory")));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral(
                                 "could not be locked; BestResults/Easy stays in memory")));
        QElapsedTimer waited;
        waited.start();
        QVERIFY(store.WriteString("Section", "HighlightSelection", "true"));
        QCoreApplication::processEvents(); // the write once the command is done
        table.InsertResult(100, 1, PlayStatistics{});
        QVERIFY(waited.elapsed() < 20000); // not until the lock is old enough to be taken over
        QCOMPARE(IniText(), before);
        QCOMPARE(table.List(1)[0].totalTime, int64_t{100});

        writing.unlock();
        QVERIFY(store.WriteString("Section", "TimedGame", "false"));
        QCoreApplication::processEvents();
        table.InsertResult(200, 1, PlayStatistics{});
        QVERIFY(IniText().contains("HighlightSelection=true"));
        QCOMPARE(StoredTotals(1), (std::vector<int64_t>{100, 200}));
    }
};

int main(int argc, char* argv[]) {
    if (argc == 4 && argv[1] == kInsertResults) {
        QCoreApplication application(argc, argv);
        return InsertResults(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    QApplication application(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    SettingsStoreTests tests;
    return QTest::qExec(&tests, argc, argv);
}
#include "SettingsStoreTests.moc"
