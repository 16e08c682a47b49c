#pragma once

// What the timetable widget tests share: a window shown with the program's command bar below it,
// the key preview that hands every key to the bar first, and the shipped sample school opened as
// the project when a test needs a real school.

#include "controls/UrComndBar.h"
#include "controls/UrKeyPreview.h"
#include "core/AppState.h"
#include "support/SampleProject.h"

#include <QApplication>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

namespace zentrel::test {

// The shipped sample school as the project, on its empty timetable "Urnik za poskus", turnus I.
class VzorcnaSola : public SampleProject {
public:
    VzorcnaSola() {
        core::App().trenutniPredmetnik = 1;
        core::App().trenutniUrnik = 2;
        core::App().trenutniUrnikIme = QStringLiteral("Urnik za poskus");
        core::App().trenutniTurnus = 1;
        core::App().trenutniTurnusOznaka = QStringLiteral("I");
    }
};

class UrnikiHarness {
public:
    UrnikiHarness() { qApp->installEventFilter(&m_preview); }
    ~UrnikiHarness() { qApp->removeEventFilter(&m_preview); }

    // Shows the window with the bar below it, waits until it is active and tells the window
    // that its tab became current.
    template <typename W> W *show(W *window) {
        top = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(top.get());
        window->setParent(top.get());
        layout->addWidget(window, 1);
        bar = new controls::UrComndBar(top.get());
        layout->addWidget(bar);
        top->resize(1200, 800);
        top->show();
        top->activateWindow();
        if (!QTest::qWaitForWindowActive(top.get()))
            qWarning("window not active");
        window->TabActivated();
        return window;
    }
    void finish() { top.reset(); }
    // Makes the window active again with the focus in a widget (a modal dialog that closed
    // offscreen gives the activation back to no one).
    void focus(QWidget *widget) {
        top->activateWindow();
        if (!QTest::qWaitForWindowActive(top.get()))
            qWarning("window not active");
        widget->setFocus();
    }

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : top.get();
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }

    std::unique_ptr<QWidget> top;
    controls::UrComndBar *bar = nullptr;

private:
    controls::UrKeyPreview m_preview;
};

} // namespace zentrel::test
