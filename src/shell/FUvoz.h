#pragma once

#include "Uvoz.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace zentrel::controls {
class UrDataGrid;
}

namespace zentrel::shell {

class FGlavna;

// The import window "Na osnovi obstoječega...": a new project made from a part of an existing
// one. The existing project starts as the open one; "..." chooses another. The lists of
// curricula and timetables are available as far as the chosen part needs them. "Ustvari" asks
// for the new project's name, makes it and opens it, and then all work closes.
class FUvoz : public QWidget {
    Q_OBJECT
public:
    explicit FUvoz(QWidget *parent = nullptr);

    // Closes all work and shows the window in the main window's work area, its function in the
    // caption. Null when a work window refused to close.
    static FUvoz *Show(FGlavna *main);

    QLineEdit *DatotekaE;
    QPushButton *DatotekaB;
    QComboBox *UvozCB;
    controls::UrDataGrid *PredmetnikiDG;
    controls::UrDataGrid *UrnikiDG;
    QPushButton *UstvariB;
    QPushButton *ZapriB;

    // Takes the file as the existing project, as the browse dialog does.
    bool ChooseSource(const QString &path);
    // "Ustvari": the save dialog, then the new project; all work closes once it was tried.
    void Create();

private:
    void browse();
    void showTimetables();
    void updateState();
    qint64 chosenId(controls::UrDataGrid *grid) const;
    void closeAllWork();

    Uvoz m_logic;
};

} // namespace zentrel::shell
