#pragma once

#include <QWidget>
#include <cstdint>
#include <string>

class QPlainTextEdit;

namespace zentile {

// The two heading lines of a results table in the player's language, tabs included; the
// table as a page shows it, these lines above the body FormatBestResults gives.
QString BestResultsHeading();
QString ShownResults(const std::string& resultsText);

// One tab of the Best Results sheet: a level's ranked list as the table of FormatBestResults,
// its tab characters lined up on fixed-pitch tab stops. Read only.
class BestResultsPage : public QWidget {
    Q_OBJECT
public:
    BestResultsPage(int32_t level, std::string resultsText, QWidget* parent = nullptr);

    const int32_t level;
    const std::string resultsText;

    QPlainTextEdit* TextView() const { return view; }

private:
    QPlainTextEdit* view;
};

} // namespace zentile
