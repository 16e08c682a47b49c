#pragma once

#include <QApplication>
#include <QDialog>
#include <QtTest>
#include <functional>

namespace zentrel::test {

// Stands in for QDialog::exec in widget tests: shows the dialog modal (so that its keys stay its
// own, as under exec), makes it the active window, hands it to the script and closes it if the
// script left it open.
inline void RunDialogScript(QDialog &dialog, const std::function<void(QDialog &)> &script) {
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    if (!QTest::qWaitForWindowActive(&dialog))
        qWarning("dialog not active");
    script(dialog);
    if (dialog.isVisible())
        dialog.reject();
}

} // namespace zentrel::test
