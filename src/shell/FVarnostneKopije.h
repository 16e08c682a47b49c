#pragma once

#include "SafetyCopyList.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace zentrel::shell {

// "Datoteka → Varnostne kopije": the safety copies of the open project (when, operation, size),
// newest first. "Odpri za ogled" opens the chosen copy read-only in the windows (the window
// closes; the project is opened again with "Nazaj na projekt" or from the recent files);
// "Obnovi" restores the project from it (RestoreSafetyCopy). Below, the limits of how many
// copies are kept, stored in zn.INI with "Shrani omejitve".
class FVarnostneKopije : public QDialog {
    Q_OBJECT
public:
    explicit FVarnostneKopije(QWidget *parent = nullptr);

    QTableWidget *KopijeDG;
    QPushButton *OgledB;
    QPushButton *ObnoviB;
    QPushButton *NazajB; // shown while a copy is open for viewing
    QPushButton *ZapriB;
    QSpinBox *ZadnjihE;
    QSpinBox *DniE;
    QSpinBox *MegabajtovE;
    QPushButton *OmejitveB;
    QLabel *MapaL;

    // Reads the list again from the folder.
    void Refresh();
    // The copy of the chosen row; an empty text without one.
    QString ChosenCopy() const;
    void View();
    void Restore();
    void BackToProject();
    void SaveLimits();

private:
    void updateState();

    QList<SafetyCopy> m_copies;
};

} // namespace zentrel::shell
