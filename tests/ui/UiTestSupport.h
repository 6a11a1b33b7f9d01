#pragma once

#include "model/Game.h"
#include "ui/CChildView.h"
#include "ui/CMainFrame.h"
#include "ui/CSudokuApp.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWindow>
#include <deque>
#include <memory>
#include <vector>

namespace zentile::test {

inline QString AccessibleName(QObject* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// Points the per-user settings at a folder of its own for as long as it lives, so that no test
// ever reads or writes the real user's settings.
class IsolatedSettings {
public:
    IsolatedSettings() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    }
    QString Path() const { return folder.path(); }
    QString IniFile() const { return folder.filePath(QStringLiteral("Quantelo/Zentile.ini")); }

private:
    QTemporaryDir folder;
};

// Answers the modal message boxes that open while it lives: notes each one and presses the
// next scripted button (OK or Yes when the script has run out).
class MessageBoxAnswerer : public QObject {
public:
    struct Box {
        QString caption;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    explicit MessageBoxAnswerer(std::deque<QMessageBox::StandardButton> answers = {})
        : answers(std::move(answers)) {
        connect(&timer, &QTimer::timeout, this, &MessageBoxAnswerer::Answer);
        timer.start(5);
    }

    std::vector<Box> boxes;

private:
    void Answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        boxes.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
        QMessageBox::StandardButton answer =
            box->standardButtons().testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        if (QAbstractButton* button = box->button(answer)) button->click();
    }

    QTimer timer;
    std::deque<QMessageBox::StandardButton> answers;
};

// The started application, its window shown and active, with the grid laid out by a paint.
struct RunningGame {
    std::unique_ptr<CSudokuApp> app = std::make_unique<CSudokuApp>();

    bool Start() {
        if (!app->InitInstance()) return false;
        Frame().activateWindow();
        if (!QTest::qWaitForWindowActive(&Frame())) return false;
        View().repaint();
        return Game().layout.cellWidth > 0;
    }

    CMainFrame& Frame() { return *app->MainFrame(); }
    CChildView& View() { return Frame().View(); }
    zentile::Game& Game() { return app->GetGame(); }
    GameSession& Session() { return app->GetGame().session; }
    Cell& At(int column, int row) { return Game().grid.At(column, row); }

    // The centre of a cell in view coordinates, as last painted.
    QPoint CellCentre(int column, int row) {
        const Cell& cell = At(column, row);
        return View().contentsRect().topLeft() +
               QPoint(cell.left + cell.width / 2, cell.top + cell.height / 2);
    }
    // Real button presses through the window system, which tells single from double clicks.
    void Click(int column, int row, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(Frame().windowHandle(), button, {},
                          View().mapTo(&Frame(), CellCentre(column, row)));
    }
    void DoubleClick(int column, int row, Qt::MouseButton button) {
        QTest::mouseDClick(Frame().windowHandle(), button, {},
                           View().mapTo(&Frame(), CellCentre(column, row)));
    }
    // A key pressed and released on the window: shortcuts see the press, the view the release.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(Frame().windowHandle(), key, modifiers);
    }
    // The toolbar button of a command, pressed with the mouse.
    void PressButton(CommandId id) {
        QWidget* button = Frame().ToolBar().widgetForAction(Frame().Action(id));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // The picture of the view's client area, as painted now.
    QImage Picture() {
        return View().grab(View().contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
    }
};

inline bool HasColour(const QImage& image, const QRect& area, QRgb colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) return true;
    return false;
}

inline QRect CellRect(const Cell& cell) {
    return QRect(cell.left, cell.top, cell.width, cell.height);
}

} // namespace zentile::test
