#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

namespace zentile::test {

// Answers the modal windows a command opens, in order, from inside the event loop of their
// exec(). Each step waits until the active modal window is of its kind and then acts on it.
// A step that waits too long closes whatever is modal and fails the script, and a message
// box that shows up after the last step is closed and reported, so that a test never hangs.
class ModalScript : public QObject {
public:
    explicit ModalScript(int timeoutMs = 5000) : timeoutMs(timeoutMs) {
        waiting.start();
        Schedule();
    }

    // Adds a step for the next modal window of type W.
    template <typename W, typename Action> ModalScript& On(Action action) {
        steps.push_back({W::staticMetaObject.className(), [action](QWidget* modal) {
                             W* widget = qobject_cast<W*>(modal);
                             if (widget == nullptr) return false;
                             action(*widget);
                             return true;
                         }});
        return *this;
    }

    bool Finished() const { return steps.empty() && failures.isEmpty(); }
    // What went wrong, for the test's failure message.
    QByteArray Failures() const {
        QStringList all = failures;
        for (const Step& step : steps) all << QStringLiteral("step not run: %1").arg(step.kind);
        return all.join("; ").toUtf8();
    }

private:
    struct Step {
        QString kind;
        std::function<bool(QWidget*)> run;
    };

    void Schedule() {
        QTimer::singleShot(10, this, [this] { Poll(); });
    }

    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && !modal->isVisible()) modal = nullptr;
        if (failed) {
            // Unwind whatever is still open, so that the command under test returns.
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
            Schedule();
            return;
        }
        if (steps.empty()) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                failures << QStringLiteral("unexpected message box: %1").arg(box->text());
                failed = true;
            }
            Schedule();
            return;
        }
        // Later steps poll from a timer of their own: this one may not return until the
        // window it acts on has closed.
        Schedule();
        if (modal != nullptr) {
            Step step = steps.front();
            steps.pop_front();
            if (step.run(modal)) {
                waiting.restart();
                return;
            }
            steps.push_front(step);
        }
        if (waiting.hasExpired(timeoutMs)) {
            failures << QStringLiteral("no %1 appeared (modal: %2)")
                            .arg(steps.front().kind,
                                 modal ? modal->metaObject()->className() : "none");
            failed = true;
        }
    }

    int timeoutMs;
    QElapsedTimer waiting;
    std::deque<Step> steps;
    QStringList failures;
    bool failed = false;
};

} // namespace zentile::test
