#pragma once

#include <QDockWidget>

namespace zentrel::controls {

class UrComndBar;

// The docked window along the main window that carries the program's one command bar; it only
// gives the bar its whole client area. It cannot be closed or floated.
class FCommandBar : public QDockWidget {
    Q_OBJECT
public:
    explicit FCommandBar(QWidget *parent = nullptr);
    UrComndBar *CommandBar() const { return m_bar; }

private:
    UrComndBar *m_bar;
};

} // namespace zentrel::controls
