#pragma once

// What the timetable widget tests share: the record window harness (a window shown with the
// program's command bar below it, the key preview that hands every key to the bar first), and
// the shipped sample school opened as the project when a test needs a real school.

#include "core/AppState.h"
#include "support/SampleProject.h"
#include "support/WidgetHarness.h"

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

class UrnikiHarness : public WidgetHarness {
public:
    // Shows the window large enough for the week's grid and tells it that its tab became current.
    template <typename W> W *show(W *window) {
        WidgetHarness::show(window, QSize(1200, 800));
        window->TabActivated();
        return window;
    }
    // Makes the window active again with the focus in a widget (a modal dialog that closed
    // offscreen gives the activation back to no one).
    void focus(QWidget *widget) {
        top->activateWindow();
        if (!QTest::qWaitForWindowActive(top.get()))
            qWarning("window not active");
        widget->setFocus();
    }
};

} // namespace zentrel::test
