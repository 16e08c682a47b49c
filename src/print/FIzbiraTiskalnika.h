#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace zentrel::print {

// The choice of the program's printer: every installed printer and the PDF printer, the current
// one selected; the button makes the selected one the program's printer.
class FIzbiraTiskalnika : public QDialog {
    Q_OBJECT
public:
    explicit FIzbiraTiskalnika(QWidget *parent = nullptr);

    QListWidget *PrintersLB;
    QPushButton *IzberiB;
    QPushButton *PrekliciB;

    void accept() override;
};

} // namespace zentrel::print
