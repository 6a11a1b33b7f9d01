#include "dialogs/BestResultsPage.h"

#include "dialogs/DialogTexts.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <utility>

namespace zentile {

namespace {

// The table's tabs line its columns up when the headings ("Original" fills eight columns)
// and the times ("01:02:05") stay short of a tab stop: so a stop every nine columns. The
// widest line, the rule, then reaches column 75; the list has three heading lines and ten
// results.
constexpr int kTabColumns = 9;
constexpr int kTableColumns = 77;
constexpr int kTableLines = 14;

// A heading line built column by column: each heading starts at its tab stop, reached with
// tabs, so that the headings of every language stand over their columns.
class HeadingLine {
public:
    HeadingLine& At(int stop, const QString& heading) {
        const int target = stop * kTabColumns;
        while (column < target) {
            text += QLatin1Char('\t');
            column = (column / kTabColumns + 1) * kTabColumns;
        }
        text += heading;
        column += static_cast<int>(heading.size());
        return *this;
    }
    QString Text() const { return text + QLatin1Char('\n'); }

private:
    QString text;
    int column = 0;
};

} // namespace

QString BestResultsHeading() {
    using namespace dialog_text;
    const QString indent(2, QLatin1Char(' ')); // the second line stands two columns in
    return HeadingLine()
               .At(1, Translate(kOriginalHeading))
               .At(3, Translate(kPenaltyHeading))
               .At(5, Translate(kTotalHeading))
               .Text() +
           HeadingLine()
               .At(1, indent + Translate(kOriginalHeading2))
               .At(3, indent + Translate(kPenaltyHeading2))
               .Text();
}

QString ShownResults(const std::string& resultsText) {
    return BestResultsHeading() + ToQString(resultsText);
}

BestResultsPage::BestResultsPage(int32_t level, std::string resultsText, QWidget* parent)
    : QWidget(parent), level(level), resultsText(std::move(resultsText)),
      view(new QPlainTextEdit(this)) {
    view->setReadOnly(true);
    // Reached with Tab and read line by line with the arrow keys, as a screen reader does.
    view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    view->setTabChangesFocus(true);
    view->setAccessibleName(Translate(dialog_text::kBestResultsName).arg(LevelText(level)));
    view->setFrameShape(QFrame::NoFrame);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The page is made as large as the longest list, so there is nothing to scroll to.
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Drawn straight on the page, as a label would be.
    view->viewport()->setAutoFillBackground(false);

    const QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    view->setFont(font);
    const QFontMetricsF metrics(font);
    const qreal column = metrics.horizontalAdvance(QLatin1Char('0'));
    view->setTabStopDistance(column * kTabColumns);
    const qreal margins = 2 * view->document()->documentMargin();
    view->setMinimumSize(static_cast<int>(column * kTableColumns + margins),
                         static_cast<int>(metrics.lineSpacing() * kTableLines + margins));
    view->setPlainText(ShownResults(this->resultsText));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view);
}

} // namespace zentile
