#pragma once

#include "NastavitveUre.h"

#include <QWidget>

namespace zentrel::controls {
class UrComndBarClient;
class UrDataGrid;
class UrFrame;
class UrLabel;
class UrText;
} // namespace zentrel::controls

namespace zentrel::shell {

// The page "Ure" of the settings window: the periods of a day in a grid, the code and name of
// the current one in the fields. Periods are only found and edited ("Najdi", "Uredi",
// "Razveljavi", "Shrani"); their number is fixed.
class FNastavitveUre : public QWidget {
    Q_OBJECT
public:
    explicit FNastavitveUre(QWidget *parent = nullptr);

    // Hands the command bar to this page (whenever it becomes the active one).
    void Activate();

    controls::UrDataGrid *UreDG;
    controls::UrFrame *UreFrame;
    controls::UrLabel *OznakaL;
    controls::UrText *OznakaE;
    controls::UrLabel *ImeL;
    controls::UrText *ImeE;
    controls::UrComndBarClient *UreBar;

private:
    void loadFields();
    bool acceptEdit();

    NastavitveUre m_logic;
};

} // namespace zentrel::shell
