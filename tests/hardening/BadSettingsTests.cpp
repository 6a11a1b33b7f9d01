// Start-up over a settings file that is garbage, cut short, holds values of the wrong types or
// cannot be read at all: the game comes up with the built-in options and empty best results,
// shows no message, and goes on without one when it saves an option into such a file. A path
// that is no file the game can use is not even opened.

#include "model/PuzzleDatabase.h"
#include "play/CommandIds.h"
#include "store/BestResults.h"
#include "store/StoreAndEditor.h"
#include "store/StoreTexts.h"
#include "ui/CMainFrame.h"
#include "ui/CSudokuApp.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace zentile;

namespace {

// A settings file as the game writes it, through QSettings itself: every option changed from
// its default, and a result in each level's list.
QByteArray GoodFile(const QString& scratch) {
    {
        QSettings settings(scratch, QSettings::IniFormat);
        settings.setValue("Section/CheckGuess", "false");
        settings.setValue("Section/HighlightSelection", "true");
        settings.setValue("Section/DisplayMouse", "true");
        settings.setValue("Section/TimedGame", "false");
        settings.setValue("Section/GameLevel", 4);
        settings.setValue("Section/NumberGame", "false");
        ResultList list{};
        list[0] = {300, 190, 490};
        const ResultListImage image = EncodeResultList(list);
        for (int32_t level = 0; level < kDatabaseLevels; ++level)
            settings.setValue(
                QStringLiteral("BestResults/") +
                    QString::fromUtf8(kBestResultsKeys[level].data(),
                                      qsizetype(kBestResultsKeys[level].size())),
                QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())));
    }
    QFile file(scratch);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Closes every message box that opens while it lives, and counts them.
class MessageBoxWatch : public QObject {
public:
    MessageBoxWatch() {
        connect(&timer, &QTimer::timeout, this, [this] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(widget);
                if (box == nullptr || !box->isVisible()) continue;
                texts << box->text();
                box->done(QMessageBox::Ok);
            }
        });
        timer.start(5);
    }
    QStringList texts;

private:
    QTimer timer;
};

} // namespace

class BadSettingsTests : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder;

    QString IniFile() const { return folder->filePath(QStringLiteral("Quantelo/Zentile.ini")); }

    void WriteIni(const QByteArray& bytes) {
        QVERIFY(QDir().mkpath(folder->filePath(QStringLiteral("Quantelo"))));
        QFile file(IniFile());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), qint64(bytes.size()));
    }

    // The real start-up over whatever the folder holds, then an option changed by a command,
    // which saves all six. The next start finds that option when the file could be written,
    // and the defaults again when it could not.
    void StartAndExpectDefaults(bool writable = true) {
        MessageBoxWatch watch;
        {
            CSudokuApp app;
            QVERIFY(app.InitInstance());
            QTest::qWait(20);

            const Game& game = app.GetGame();
            QCOMPARE(game.options.CheckGuess, true);
            QCOMPARE(game.options.HighlightSelection, false);
            QCOMPARE(game.options.DisplayMouse, false);
            QCOMPARE(game.options.TimedGame, true);
            QCOMPARE(game.session.level, 2);
            QCOMPARE(game.options.NumberGame, true);
            for (int32_t level = 0; level < kDatabaseLevels; ++level)
                QVERIFY2(app.Store()->bestResults.List(level) == ResultList{},
                         qPrintable(QStringLiteral("level %1").arg(level)));

            app.MainFrame()->RunCommand(cmd::HighlightSelection);
            QTest::qWait(20);
            QVERIFY(app.GetGame().options.HighlightSelection);
        }
        CSudokuApp next;
        QVERIFY(next.InitInstance());
        QCOMPARE(next.GetGame().options.HighlightSelection, writable);
        QCOMPARE(next.GetGame().options.CheckGuess, true);
        QCOMPARE(next.GetGame().session.level, 2);
        QVERIFY2(watch.texts.isEmpty(), qPrintable(watch.texts.join(QStringLiteral("; "))));
    }

private slots:
    void init() {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder->path());
    }

    // The file written through QSettings is read whole, so the defaults below come from the
    // damage done to it.
    void aGoodFileIsReadBack() {
        WriteIni(GoodFile(folder->filePath(QStringLiteral("good.ini"))));
        CSudokuApp app;
        QVERIFY(app.InitInstance());
        QCOMPARE(app.GetGame().options.CheckGuess, false);
        QCOMPARE(app.GetGame().options.HighlightSelection, true);
        QCOMPARE(app.GetGame().options.TimedGame, false);
        QCOMPARE(app.GetGame().session.level, 4);
        QCOMPARE(app.GetGame().options.NumberGame, false);
        for (int32_t level = 0; level < kDatabaseLevels; ++level)
            QCOMPARE(app.Store()->bestResults.List(level)[0].totalTime, int64_t{490});
    }

    void aBadFileGivesTheDefaults_data() {
        QTest::addColumn<QByteArray>("file");
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i) garbage += char((i * 7919 + i / 13) % 256);
        QTest::newRow("garbage") << garbage;
        QTest::newRow("only zero bytes") << QByteArray(1000, '\0');
        QTest::newRow("invalid UTF-8") << QByteArray("[Section]\nCheckGuess=\xff\xfe\xc0\n"
                                                     "HighlightSelection=tr\xc3ue\n"
                                                     "[BestResults]\nEasy=\xff\xff\n");
        // Files cut short while they were written. QSettings writes the best results first.
        QTemporaryDir scratch;
        const QByteArray good = GoodFile(scratch.filePath(QStringLiteral("good.ini")));
        QVERIFY(good.indexOf("[BestResults]") < good.indexOf("[Section]"));
        QTest::newRow("cut after the first header") << good.left(good.indexOf('\n') + 1);
        QTest::newRow("cut inside a key") << good.left(good.indexOf("Easy=") + 2);
        QTest::newRow("cut inside a list")
            << good.left(good.indexOf("@ByteArray(", good.indexOf("Medium=")) + 40);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("options of the wrong types")
            << QByteArray("[Section]\n"
                          "CheckGuess=@Rect(1 2 3 4)\n"
                          "HighlightSelection=@ByteArray(true)\n"
                          "DisplayMouse=\"true\", \"true\"\n"
                          "TimedGame=@Size(3 4)\n"
                          "GameLevel=hard\n"
                          "NumberGame=@Point(1 1)\n");
        QTest::newRow("levels out of range and broken variants")
            << QByteArray("[Section]\nGameLevel=99\nCheckGuess=@Variant(\\0\\0\\0\\x7f\\0)\n"
                          "HighlightSelection=@ByteArray(\nTimedGame=@Invalid()\n"
                          "NumberGame=true,\n");
        QTest::newRow("best results of the wrong types and sizes")
            << QByteArray("[BestResults]\n"
                          "Very%20Easy=not bytes\n"
                          "Easy=42\n"
                          "Medium=@ByteArray(\\0\\x1\\x2)\n"
                          "Hard=a, b, c\n"
                          "Very%20Hard=@Rect(0 0 1 1)\n");
        QTest::newRow("negative level") << QByteArray("[Section]\nGameLevel=-1\n");
        // Lists within lists as deep as the largest file the game reads can hold them.
        QByteArray nested("[Section]\nCheckGuess=@Variant(");
        while (nested.size() < (64 << 10) - 16) nested += QByteArray("\0\0\0\x9\0\0\0\x1", 8);
        QTest::newRow("deeply nested values") << nested + ")\n";
    }
    void aBadFileGivesTheDefaults() {
        QFETCH(QByteArray, file);
        WriteIni(file);
        StartAndExpectDefaults();
    }

    // What QSettings must not open: it would wait for a writer on a FIFO and hold all of a huge
    // file. Each start runs on the defaults, says why on standard error, and leaves the path as
    // it was. A start that blocks all the same is ended by the alarm instead of holding the
    // test. No row links a device in place of the file: a build that wrote through the link
    // would replace the device itself where the tests run as root.
    void aPathTheGameCannotUseIsLeftAlone_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        const QString notAFile = QStringLiteral("is not a regular file");
        QTest::newRow("folder") << QStringLiteral("folder") << notAFile;
        QTest::newRow("FIFO") << QStringLiteral("fifo") << notAFile;
        QTest::newRow("over 64 KiB")
            << QStringLiteral("large") << QStringLiteral("is larger than 64 KiB");
    }
    void aPathTheGameCannotUseIsLeftAlone() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QVERIFY(QDir().mkpath(folder->filePath(QStringLiteral("Quantelo"))));
        const std::filesystem::path path = QFile::encodeName(IniFile()).toStdString();
        QByteArray large;
        if (kind == "folder") {
            QVERIFY(QDir().mkpath(IniFile()));
        } else if (kind == "fifo") {
            QCOMPARE(::mkfifo(path.c_str(), 0600), 0);
        } else {
            // Good values that would be read, made too large by a comment.
            large = GoodFile(folder->filePath(QStringLiteral("good.ini"))) + ';' +
                    QByteArray(64 << 10, 'x') + '\n';
            WriteIni(large);
        }
        const auto type = std::filesystem::symlink_status(path).type();

        for (int start = 0; start < 2; ++start)
            QTest::ignoreMessage(
                QtWarningMsg, QRegularExpression(QStringLiteral("settings file .*Zentile.ini ") +
                                                 reason + QStringLiteral("; the game leaves it")));
        struct Alarm {
            Alarm() { ::alarm(60); }
            ~Alarm() { ::alarm(0); }
        } alarm;
        StartAndExpectDefaults(/*writable=*/false);

        QVERIFY(std::filesystem::symlink_status(path).type() == type);
        if (!large.isEmpty()) {
            QFile file(IniFile());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.readAll() == large);
        }
    }
};

QTEST_MAIN(BadSettingsTests)
#include "BadSettingsTests.moc"
