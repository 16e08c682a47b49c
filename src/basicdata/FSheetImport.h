#pragma once

#include "SheetImport.h"

#include <QWidget>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace zentrel::shell {
class FGlavna;
}

namespace zentrel::basicdata {

// "Datoteka → Uvoz → Iz preglednice…": the kind of data, the curriculum (for assignments) and
// the file; the preview lists every row as it was read with what it will do (add, change,
// unchanged, refused with the reason) before anything is written. "Uvozi" writes the rows in
// one transaction and is enabled only when some row adds or changes and none is refused.
class FSheetImport : public QWidget {
    Q_OBJECT
public:
    explicit FSheetImport(QWidget *parent = nullptr);

    // Closes all work and shows the window in the main window's work area. Null when a work
    // window refused to close.
    static FSheetImport *Show(shell::FGlavna *main);

    QComboBox *VrstaCB;
    QComboBox *RazporedCB;
    QLineEdit *DatotekaE;
    QPushButton *DatotekaB;
    QTableWidget *PredogledG;
    QLabel *PovzetekL;
    QPushButton *UvoziB;
    QPushButton *ZapriB;

    // Reads the file as the chosen kind and shows the preview; false when it could not be read.
    bool ReadFile(const QString &path);
    // "Uvozi": writes the file's rows, then shows the preview again (from the written project).
    bool Import();

private:
    void browse();
    void kindChanged();
    void showPreview();
    SheetKind kind() const;

    std::unique_ptr<SheetImport> m_import;
    QString m_path;
};

} // namespace zentrel::basicdata
