#pragma once

#include "engine/ModelUrnika.h"
#include "controls/TabWindow.h"

#include <QWidget>

class QLabel;
class QTableWidget;
class QVBoxLayout;

namespace zentrel::controls {
class UrComndBarClient;
}

namespace zentrel::timetable {

// A read-only overview of the current timetable ("Vsi urniki", "Nerazporejeni", "Luknje"): each
// time its tab is shown the timetable is read again and the overview filled from it. Without a
// chosen timetable the window says so instead.
class FPregledUrnika : public QWidget, public controls::TabWindow {
    Q_OBJECT
public:
    explicit FPregledUrnika(QWidget *parent = nullptr);

    void TabActivated() override;
    const engine::ModelUrnika &Model() const { return m_model; }

    QLabel *NiUrnikaL;

protected:
    // Fills the overview from the model just read.
    virtual void prikazi() = 0;
    // A table for the overview: read-only, rows selected whole, columns sized to their contents.
    QTableWidget *tabela(const QStringList &naslovi);
    QVBoxLayout *postavitev() const { return m_postavitev; }

    engine::ModelUrnika m_model;

private:
    controls::UrComndBarClient *m_bar;
    QVBoxLayout *m_postavitev;
    QWidget *m_delo;
};

// Sets a read-only cell.
void Celica(QTableWidget *t, int vrstica, int stolpec, const QString &besedilo);

} // namespace zentrel::timetable
