#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace zentrel::controls {
class UrText;
}

namespace zentrel::basicdata {

// What the copy dialogs share: their status line with the buttons "Kopiraj" (Enter) and
// "Prekliči" (Esc), and the run of a copy that reports in the status line.
class FCopyDialog : public QDialog {
    Q_OBJECT
public:
    explicit FCopyDialog(QWidget *parent = nullptr);

    QLabel *StatusL;
    QPushButton *KopirajB;
    QPushButton *PrekliciB;

protected:
    // Puts the status line and the buttons at the bottom of the layout.
    void addButtons(QVBoxLayout *layout);
    // "Kopiraj": a refusal goes to the status line and the focus to the name; otherwise the
    // status line shows "Kopiranje v teku ...", the copy runs and its outcome is shown. A copy
    // made closes the dialog accepted.
    void runCopy(const QString &refusal, controls::UrText *name, const std::function<bool()> &copy,
                 const std::function<QString()> &outcome);
};

} // namespace zentrel::basicdata
