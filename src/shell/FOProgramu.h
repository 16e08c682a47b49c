#pragma once

#include <QDialog>

namespace zentrel::shell {

// The about window: program name, version and what the program is for.
class FOProgramu : public QDialog {
    Q_OBJECT
public:
    explicit FOProgramu(QWidget *parent = nullptr);
};

} // namespace zentrel::shell
