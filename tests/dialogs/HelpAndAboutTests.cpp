#include "DialogTestMain.h"
#include "ModalScript.h"
#include "dialogs/DialogCommands.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <memory>

namespace zentile {
namespace {

using test::ModalScript;

void WritePage(const QString& path, const QString& title, const QString& body) {
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("<html><head><title>%1</title></head><body>%2</body></html>")
                   .arg(title, body)
                   .toUtf8());
}

// Help windows left open by a test are closed (and deleted) before the next one.
void CloseHelpWindows() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<HelpWindow*>(widget)) widget->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct Shown {
    QString text, caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Runs a command that is expected to tell the player something, and what it said.
template <typename Command> Shown MessageOf(Command command) {
    Shown shown;
    ModalScript script;
    script.On<QMessageBox>([&](QMessageBox& box) {
        shown = {box.text(), box.windowTitle(), box.icon()};
        QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
    });
    command();
    if (!script.Finished()) shown.text = "(script: " + QString(script.Failures()) + ")";
    return shown;
}

// Takes the addresses the desktop would be asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Open(const QUrl& url) { urls << url; }
};

} // namespace

class HelpAndAboutTests : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { CloseHelpWindows(); }
    void manualBesideTheProgramComesFirst();
    void installedManualIsTheFallback();
    void helpWindowFollowsLinksAndGoesBackAndHome();
    void helpAgainBringsTheSameWindowHome();
    void missingManualFailsToLaunch();
    void helpContentsFindsTheManualTheBuildCopied();
    void manualLinksLeadToPagesThatExist();
    void aboutBoxShowsNameVersionAndFeedbackAddress();
    void websiteOpensTheMakersPage();
};

void HelpAndAboutTests::manualBesideTheProgramComesFirst() {
    QTemporaryDir root;
    const QString beside = root.filePath("bin/zentile-help/index.html");
    const QString installed = root.filePath("share/zentile/help/index.html");
    WritePage(installed, "installed", "");
    QCOMPARE(FindHelpIndex(root.filePath("bin/zentile")), installed);
    WritePage(beside, "beside", "");
    QCOMPARE(FindHelpIndex(root.filePath("bin/zentile")), beside);
    // The folder goes by the program's own name.
    QCOMPARE(FindHelpIndex(root.filePath("bin/zentile-test")), installed);
    WritePage(root.filePath("bin/zentile-test-help/index.html"), "renamed", "");
    QCOMPARE(FindHelpIndex(root.filePath("bin/zentile-test")),
             root.filePath("bin/zentile-test-help/index.html"));
}

void HelpAndAboutTests::installedManualIsTheFallback() {
    QTemporaryDir root;
    const QString installed = root.filePath("usr/share/zentile/help/index.html");
    WritePage(installed, "Zentile Help", "installed manual");
    HelpWindow* window = OpenHelpContents(nullptr, root.filePath("usr/bin/zentile"));
    QVERIFY(window != nullptr);
    QCOMPARE(window->Browser()->source(), QUrl::fromLocalFile(installed));
    QVERIFY(window->Browser()->toPlainText().contains("installed manual"));
    QVERIFY(window->isVisible());
}

void HelpAndAboutTests::helpWindowFollowsLinksAndGoesBackAndHome() {
    QTemporaryDir root;
    const QString folder = root.filePath("bin/zentile-help");
    WritePage(folder + "/index.html", "Zentile Help", "<a href=\"playing.html\">Playing</a>");
    WritePage(folder + "/playing.html", "Playing", "how to play <a href=\"keys.html\">keys</a>");
    WritePage(folder + "/keys.html", "Keys", "every key");
    HelpWindow* window = OpenHelpContents(nullptr, root.filePath("bin/zentile"));
    QVERIFY(window != nullptr);
    QTextBrowser& browser = *window->Browser();
    QCOMPARE(window->windowTitle(), QString("Zentile Help"));

    // Links are relative to the page, as the manual writes them.
    browser.setSource(QUrl("playing.html"));
    QVERIFY(browser.toPlainText().contains("how to play"));
    QCOMPARE(window->windowTitle(), QString("Playing"));
    browser.setSource(QUrl("keys.html"));
    QVERIFY(browser.toPlainText().contains("every key"));
    QVERIFY(browser.isBackwardAvailable());
    browser.backward();
    QVERIFY(browser.toPlainText().contains("how to play"));
    QVERIFY(browser.isForwardAvailable());
    window->GoHome();
    QCOMPARE(browser.source(), QUrl::fromLocalFile(folder + "/index.html"));
    QCOMPARE(window->windowTitle(), QString("Zentile Help"));
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(&browser, Qt::Key_Escape); // closes it from the page
    QVERIFY(!window->isVisible());
}

void HelpAndAboutTests::helpAgainBringsTheSameWindowHome() {
    QTemporaryDir root;
    WritePage(root.filePath("bin/zentile-help/index.html"), "Zentile Help",
              "<a href=\"more.html\">more</a>");
    WritePage(root.filePath("bin/zentile-help/more.html"), "More", "more");
    HelpWindow* first = OpenHelpContents(nullptr, root.filePath("bin/zentile"));
    QVERIFY(first != nullptr);
    first->Browser()->setSource(QUrl("more.html"));
    HelpWindow* second = OpenHelpContents(nullptr, root.filePath("bin/zentile"));
    QCOMPARE(second, first);
    QCOMPARE(second->Browser()->source(),
             QUrl::fromLocalFile(root.filePath("bin/zentile-help/index.html")));
}

void HelpAndAboutTests::missingManualFailsToLaunch() {
    QTemporaryDir root;
    // A folder of the right name without an index page is no manual either.
    QVERIFY(QDir().mkpath(root.filePath("bin/zentile-help")));
    HelpWindow* window = reinterpret_cast<HelpWindow*>(1);
    const Shown shown =
        MessageOf([&] { window = OpenHelpContents(nullptr, root.filePath("bin/zentile")); });
    QCOMPARE(shown.text, QString("Failed to launch help."));
    QCOMPARE(shown.caption, QString("Zentile"));
    QCOMPARE(shown.icon, QMessageBox::Warning);
    QVERIFY(window == nullptr);
}

void HelpAndAboutTests::helpContentsFindsTheManualTheBuildCopied() {
    ShowHelpContents(nullptr);
    HelpWindow* window = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<HelpWindow*>(widget)) window = help;
    QVERIFY(window != nullptr);
    const QString expected = QCoreApplication::applicationDirPath() + "/" +
                             QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() +
                             "-help/index.html";
    QCOMPARE(window->IndexPath(), expected);
    QCOMPARE(window->windowTitle(), QString("Zentile Help"));
    // The copy is the shipped manual, page for page.
    const QDir shipped(ZENTILE_HELP_SOURCE_DIR);
    for (const QString& page : shipped.entryList({"*.html"}, QDir::Files)) {
        QFile source(shipped.filePath(page)), copy(QFileInfo(expected).dir().filePath(page));
        QVERIFY(source.open(QIODevice::ReadOnly));
        QVERIFY2(copy.open(QIODevice::ReadOnly), qPrintable(page));
        QCOMPARE(copy.readAll(), source.readAll());
    }
}

// Every manual, the English and each translation, has the same pages, and its links lead to
// pages and places of its own.
void HelpAndAboutTests::manualLinksLeadToPagesThatExist() {
    const QDir english(ZENTILE_HELP_SOURCE_DIR);
    const QStringList pages = english.entryList({"*.html"}, QDir::Files);
    QVERIFY(pages.contains("index.html"));
    const QRegularExpression link(R"(href="([^"#:]*)(#([^"]*))?")");
    for (const QString& language : QStringList{".", "de", "fr", "es", "it"}) {
        const QDir manual(english.filePath(language));
        QCOMPARE(manual.entryList({"*.html"}, QDir::Files), pages);
        for (const QString& page : pages) {
            QFile file(manual.filePath(page));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            for (const auto& match : link.globalMatch(html)) {
                const QString target = match.captured(1).isEmpty() ? page : match.captured(1);
                QVERIFY2(pages.contains(target), qPrintable(page + " -> " + target));
                if (match.captured(3).isEmpty()) continue;
                QFile linked(manual.filePath(target));
                QVERIFY(linked.open(QIODevice::ReadOnly));
                const QString linkedHtml = QString::fromUtf8(linked.readAll());
                QVERIFY2(
                    linkedHtml.contains("name=\"" + match.captured(3) + "\""),
                    qPrintable(language + "/" + page + " -> " + target + "#" + match.captured(3)));
            }
        }
    }
}

void HelpAndAboutTests::aboutBoxShowsNameVersionAndFeedbackAddress() {
    QString title;
    QStringList texts;
    bool hasIcon = false;
    ModalScript script;
    script.On<CAboutDlg>([&](CAboutDlg& about) {
        title = about.windowTitle();
        for (const QLabel* label : about.findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) texts << label->text();
            if (!label->pixmap().isNull()) hasIcon = true;
        }
        QCOMPARE(about.OkButton()->text(), QString("OK"));
        QTest::mouseClick(about.OkButton(), Qt::LeftButton);
    });
    ShowAbout(nullptr);
    QVERIFY2(script.Finished(), script.Failures());
    QCOMPARE(title, QString("About Zentile"));
    texts.sort();
    QCOMPARE(texts, QStringList({"3.4", "Feedback or questions can be sent to:", "Version:",
                                 "Zentile", "feedback@zentile.example"}));
    QVERIFY(hasIcon);
}

void HelpAndAboutTests::websiteOpensTheMakersPage() {
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler("https", &recorder, "Open");
    GoToWebsite();
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(recorder.urls, QList<QUrl>{QUrl("https://www.zentile.example/")});
}

} // namespace zentile

ZENTILE_DIALOG_TEST_MAIN(zentile::HelpAndAboutTests)
#include "HelpAndAboutTests.moc"
