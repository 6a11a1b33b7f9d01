// The settings store on a real QSettings file in a folder of the test's own.

#include "UiTestSupport.h"
#include "model/PlayStatistics.h"
#include "play/CommandIds.h"
#include "store/StoreAndEditor.h"
#include "ui/QSettingsStore.h"

#include <QFile>
#include <QFileInfo>
#include <numeric>

using namespace zentile;
using namespace zentile::test;

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
};

QTEST_MAIN(SettingsStoreTests)
#include "SettingsStoreTests.moc"
