// The game in the player's language. The test runs once per language, started under the locale
// its environment gives (LANGUAGE=de, fr, es or it, LANG=de_DE.UTF-8), as the program would be:
// the menus, the status bar, the dialogs, a message box and a printed page speak it, every
// text shown has a translation, and every dialog and the status bar show their texts whole.
// Under LANGUAGE=en, the game's own English, only the status bar's prompts are checked.

#include "UiTestSupport.h"
#include "dialogs/BestResultsPage.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CBestResultsSheet.h"
#include "dialogs/DifficultyDlg.h"
#include "dialogs/GameNumberDlg.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/OptionsDlg.h"
#include "play/CommandIds.h"
#include "play/CommandTable.h"
#include "print/Print.h"
#include "print/PrintBookletDlg.h"
#include "store/StoreAndEditor.h"
#include "ui/CSudokuStatusBar.h"
#include "ui/QtText.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QTranslator>
#include <set>

using namespace zentile;
using namespace zentile::test;

namespace {

// What the game says in each language, a few texts from each place it speaks.
struct Language {
    QString code;
    QString fileMenu;
    QString ready;
    QString newPrompt;
    QString levelPane; // Medium
    QString difficultyTitle;
    QString newGameQuestion;
    QString yes; // Qt's own button
    QString puzzleHeading;
    QString solutionHeading;
    QString footer;
    QString caption;   // Very Hard 4711, as a pattern: PDF text may keep one blank of two
    QString helpTitle; // the manual's own, English where it has no translation
    QString undoKey;
    QString million; // in the Game Number dialog's refusal
};

const Language kLanguages[] = {
    {"de", "&Datei", "Bereit", "Ein neues Spiel beginnen", "Stufe: Mittel", "Schwierigkeitsgrad",
     "Möchten Sie ein neues Spiel beginnen?", "&Ja", "Sudoku-Rätsel", "Sudoku-Lösung",
     "Gedruckt mit Zentile", "Sehr schwer +Nr\\. 4711", "Zentile-Hilfe", "Strg+Z", "1.000.000"},
    {"fr", "&Fichier", "Prêt", "Lancer une nouvelle partie", "Niveau\u00a0: Moyen", "Difficulté",
     "Voulez-vous commencer une nouvelle partie\u00a0?", "&Oui", "Grille de sudoku",
     "Solution du sudoku", "Imprimé par Zentile", "Très difficile +n°.4711", "Aide de Zentile",
     "Ctrl+Z", "1\u202f000\u202f000"},
    {"es", "&Archivo", "Listo", "Empezar una partida nueva", "Nivel: Medio", "Dificultad",
     "¿Quiere empezar una partida nueva?", "&Sí", "Sudoku\n" /* the whole heading line */,
     "Solución del sudoku", "Impreso con Zentile", "Muy difícil +n\\.º.4711", "Ayuda de Zentile",
     "Control+Z", "1000000" /* Qt writes 1000.000 */},
    {"it", "&File", "Pronto", "Inizia una nuova partita", "Livello: Medio", "Difficoltà",
     "Iniziare una nuova partita?", "&Sì", "Schema di sudoku", "Soluzione del sudoku",
     "Stampato con Zentile", "Molto difficile +n\\. 4711", "Guida di Zentile", "Ctrl+Z",
     "1.000.000"},
};

// The game's own contexts, and the one of Qt's print dialog whose gaps the game fills.
const std::set<QString> kGameContexts = {
    "Commands", "Dialogs", "Levels", "Messages", "Print", "Window", "QPrintSettingsOutput"};

// Installed before every other translator, it is asked only what none of them knows, and
// notes each such text of the game's that has letters (times and blanks need none).
class MissingTexts : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        const QString text = QString::fromUtf8(source);
        if (kGameContexts.count(QString::fromUtf8(context)) != 0 &&
            text.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
            missing.insert(QString::fromUtf8(context) + QLatin1String(": ") + text);
        return {};
    }
    bool isEmpty() const override { return false; }

    mutable std::set<QString> missing;
};

// The texts a shown dialog cuts off: labels, buttons and group titles narrower or lower than
// their text needs.
QStringList CutOffTexts(QWidget& dialog) {
    QStringList cut;
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (!widget->isVisible()) continue;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            const bool fits = label->wordWrap()
                                  ? label->height() >= label->heightForWidth(label->width())
                                  : label->width() >= label->sizeHint().width() &&
                                        label->height() >= label->sizeHint().height();
            if (!fits) cut << label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (button->width() < button->sizeHint().width()) cut << button->text();
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            if (group->width() < group->minimumSizeHint().width()) cut << group->title();
        }
    }
    return cut;
}

// A status pane's text within its frame.
bool Fits(const QLabel& pane) {
    return pane.contentsRect().width() >= pane.fontMetrics().horizontalAdvance(pane.text());
}

// The mnemonic letter of a menu text, lower case; none without an "&".
QChar Mnemonic(const QString& text) {
    const qsizetype at = text.indexOf(QLatin1Char('&'));
    return at < 0 || at + 1 >= text.size() ? QChar() : text.at(at + 1).toLower();
}

} // namespace

class TranslationTests : public QObject {
    Q_OBJECT

    IsolatedSettings settings;
    MissingTexts missingTexts;
    std::unique_ptr<RunningGame> game;
    const Language* language = nullptr;

    QAction* Action(CommandId id) { return game->Frame().Action(id); }

    template <typename Dialog> void CheckFits(Dialog& dialog, const char* name) {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QStringList cut = CutOffTexts(dialog);
        if (!cut.isEmpty()) QFAIL(qPrintable(QString::fromLatin1(name) + ": " + cut.join(" | ")));
        dialog.close();
    }

private slots:
    void initTestCase() {
        const QString code = QLocale::system().uiLanguages().value(0).left(2);
        for (const Language& candidate : kLanguages)
            if (candidate.code == code) language = &candidate;
        if (language == nullptr && code != QLatin1String("en"))
            QSKIP("runs under LANGUAGE or LANG of a language the game speaks (de, fr, es, it, en)");
        QCoreApplication::installTranslator(&missingTexts);
        game = std::make_unique<RunningGame>();
        QVERIFY(game->Start());
    }

    // English has no translation to check, only prompts to fit.
    void init() {
        if (language == nullptr &&
            QLatin1String(QTest::currentTestFunction()) != "everyPromptIsWholeAtTheDefaultSize")
            QSKIP("the game's own English: only its prompts are checked");
    }

    void menusSpeakTheLanguageWithUniqueMnemonicsAndTheSameKeys() {
        QCOMPARE(game->Frame().menuBar()->actions().at(0)->text(), language->fileMenu);
        QCOMPARE(Action(cmd::New)->statusTip(), language->newPrompt);

        std::vector<QMenu*> menus;
        std::set<QChar> titles;
        for (QAction* title : game->Frame().menuBar()->actions()) {
            QVERIFY2(titles.insert(Mnemonic(title->text())).second, qPrintable(title->text()));
            menus.push_back(title->menu());
        }
        for (std::size_t i = 0; i < menus.size(); ++i) {
            std::set<QChar> letters;
            for (QAction* item : menus[i]->actions()) {
                if (item->isSeparator()) continue;
                if (item->menu() != nullptr) menus.push_back(item->menu());
                const QChar letter = Mnemonic(item->text());
                QVERIFY2(!letter.isNull() && letters.insert(letter).second,
                         qPrintable(item->text()));
            }
        }
        // The keys stay those of the English game, shown as the desktop writes them.
        for (const CommandRow& row : CommandTable())
            QCOMPARE(Action(row.id)->shortcut(), QKeySequence(ToQString(row.shortcut)));
        QVERIFY(Action(cmd::Undo)->text().endsWith('\t' + language->undoKey));
    }

    void statusBarSpeaksTheLanguageAndItsPanesHoldEveryText() {
        CSudokuStatusBar& status = game->Frame().StatusBar();
        QCOMPARE(status.PaneText(CSudokuStatusBar::MessagePane), language->ready);
        for (int32_t level = 0; level <= kCustomLevel; ++level) {
            game->Session().level = level;
            status.UpdatePanes();
            QVERIFY2(Fits(*status.PaneLabel(CSudokuStatusBar::LevelPane)),
                     qPrintable(status.PaneText(CSudokuStatusBar::LevelPane)));
        }
        game->Session().level = 2;
        status.UpdatePanes();
        QCOMPARE(status.PaneText(CSudokuStatusBar::LevelPane), language->levelPane);
        game->Game().options.TimedGame = true;
        game->Session().clock.face = ClockFace::Creating;
        status.ClockTick();
        QLabel* time = status.PaneLabel(CSudokuStatusBar::TimePane);
        QVERIFY(time->text() != QLatin1String("Creating.."));
        QVERIFY2(Fits(*time), qPrintable(time->text()));
        game->Session().clock.face = ClockFace::Blank;
    }

    // Every command's prompt, shown as a highlighted item shows it, is whole in the window as
    // the game opens it: beside the panes, or in English over them where it needs their room.
    // Where even the whole bar is too narrow it ends in "…"; a screen reader gets it whole.
    void everyPromptIsWholeAtTheDefaultSize() {
        CMainFrame& frame = game->Frame();
        QLabel* message = frame.StatusBar().PaneLabel(CSudokuStatusBar::MessagePane);
        QCOMPARE(frame.size(), CMainFrame::kInitialSize);
        QStringList cut;
        for (const CommandRow& row : CommandTable()) {
            const QString prompt = Action(row.id)->statusTip();
            if (prompt.isEmpty()) continue;
            Action(row.id)->showStatusText(&frame);
            QCoreApplication::processEvents(); // the panes step aside
            const bool overPanes =
                !frame.StatusBar().PaneLabel(CSudokuStatusBar::LevelPane)->isVisible();
            if (message->text() != prompt || (overPanes && language != nullptr) ||
                message->contentsRect().width() <
                    QFontMetricsF(message->font()).horizontalAdvance(prompt))
                cut << prompt;
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));

        QFont large = message->font();
        large.setPointSizeF(large.pointSizeF() * 4);
        message->setFont(large);
        Action(cmd::About)->showStatusText(&frame);
        QVERIFY2(message->text().endsWith(QChar(0x2026)), qPrintable(message->text()));
        QCOMPARE(AccessibleName(message), Action(cmd::About)->statusTip());
        message->setFont(QFont());
        frame.StatusBar().ShowPrompt(QString(), false);
    }

    void aQuestionSpeaksTheLanguageWithQtsOwnButtons() {
        game->Frame().RunCommand(cmd::New);
        QString yesText;
        MessageBoxAnswerer answerer({QMessageBox::No});
        QTimer::singleShot(0, [&yesText] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                yesText = box->button(QMessageBox::Yes)->text();
        });
        game->Frame().RunCommand(cmd::New);
        QCOMPARE(answerer.boxes.size(), std::size_t(1));
        QCOMPARE(answerer.boxes[0].text, language->newGameQuestion);
        QCOMPARE(answerer.boxes[0].caption, QStringLiteral("Zentile"));
        QCOMPARE(yesText, language->yes);
    }

    void everyDialogShowsItsTextsWhole() {
        QWidget* frame = &game->Frame();
        DifficultyDlg difficulty(frame);
        QCOMPARE(difficulty.windowTitle(), language->difficultyTitle);
        CheckFits(difficulty, "Difficulty");
        GameNumberDlg number(frame);
        CheckFits(number, "Game Number");
        OptionsDlg options(frame);
        CheckFits(options, "Options");
        CBestResultsSheet sheet(game->app->Store()->bestResults, frame);
        CheckFits(sheet, "Best Results");
        CAboutDlg about(frame);
        CheckFits(about, "About");
        PrintBookletDlg booklet(frame);
        CheckFits(booklet, "Print Selection");
        QPrinter printer;
        QPrintDialog print(&printer, frame); // Qt's own: only its texts are looked up
        print.show();
        print.close();
    }

    // The Game Number refusal writes its numbers as the language does; the editor's questions
    // and message come in the language too (the last test finds any without a translation).
    void gameNumberAndEditorMessagesSpeakTheLanguage() {
        MessageBoxAnswerer answerer;
        GameNumberDlg number(&game->Frame());
        number.show();
        number.Field()->setText(QStringLiteral("0"));
        number.accept();
        QCOMPARE(answerer.boxes.size(), std::size_t(1));
        QVERIFY2(answerer.boxes[0].text.contains(language->million),
                 qPrintable(answerer.boxes[0].text));
        number.close();

        // A question, the empty grid's "multiple solutions", and a question again.
        game->Frame().RunCommand(cmd::CreateGame);
        game->Frame().RunCommand(cmd::SaveAndPlay);
        game->Frame().RunCommand(cmd::CancelEditMode);
        QCOMPARE(answerer.boxes.size(), std::size_t(4));
    }

    void bestResultsHeadingsStandOverTheirColumns() {
        // Tab stops every nine columns: the headings start at columns 9, 27 and 45 and on the
        // second line two columns further in, as the results below them do.
        const QStringList lines = BestResultsHeading().split('\n');
        QCOMPARE(lines.size(), 3);
        for (int line = 0; line < 2; ++line) {
            QList<int> starts;
            int column = 0;
            bool inText = false;
            for (const QChar c : lines[line]) {
                if (c == '\t') {
                    column = (column / 9 + 1) * 9;
                    inText = false;
                    continue;
                }
                if (!inText && c != ' ') starts << column;
                inText = c != ' ' || inText;
                ++column;
            }
            const QList<int> expected = line == 0 ? QList<int>{9, 27, 45} : QList<int>{11, 29};
            QCOMPARE(starts, expected);
        }
    }

    void printedPagesSpeakTheLanguage() {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (tool.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
        PrintJob job;
        job.AddPuzzle(4, 4711, PuzzleRecord{}, kClassicSymbols);
        job.SetPrintSolutions(true);
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("pages.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        PrintPages(job, printer);

        QProcess process;
        process.start(tool, {pdf, QStringLiteral("-")});
        QVERIFY(process.waitForFinished(30000));
        const QString text = QString::fromUtf8(process.readAllStandardOutput());
        for (const QString& expected : {language->puzzleHeading, language->solutionHeading,
                                        language->footer, language->caption})
            QVERIFY2(text.contains(QRegularExpression(expected)),
                     qPrintable(expected + " not in:\n" + text));
    }

    // Last: everything the tests above showed was looked up in the game's translation.
    // Help Contents (F1) opens the manual of the language, which names its window.
    void helpOpensTheManualOfTheLanguage() {
        game->Frame().RunCommand(cmd::HelpContents);
        HelpWindow* help = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<HelpWindow*>(widget); window && window->isVisible())
                help = window;
        QVERIFY(help != nullptr);
        QTRY_COMPARE(help->windowTitle(), language->helpTitle);
        help->close();
    }

    void everyTextShownHasATranslation() {
        QStringList missing(missingTexts.missing.begin(), missingTexts.missing.end());
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
    }

    void cleanupTestCase() { game.reset(); }
};

QTEST_MAIN(TranslationTests)
#include "TranslationTests.moc"
