#include "FPregledUrnika.h"

#include "engine/PreberiModelUrnika.h"
#include "UrnikIzbira.h"
#include "controls/UrComndBar.h"
#include "controls/UrComndBarClient.h"
#include "core/Messages.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace zentrel::engine;

namespace zentrel::timetable {

FPregledUrnika::FPregledUrnika(QWidget *parent)
    : QWidget(parent), NiUrnikaL(new QLabel(this)), m_bar(new controls::UrComndBarClient(this)),
      m_postavitev(new QVBoxLayout), m_delo(new QWidget(this)) {
    m_bar->hide();
    NiUrnikaL->hide();
    m_delo->setLayout(m_postavitev);
    m_postavitev->setContentsMargins(0, 0, 0, 0);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(NiUrnikaL, 0, Qt::AlignTop);
    layout->addWidget(m_delo, 1);
}

void FPregledUrnika::TabActivated() {
    if (controls::UrComndBar *bar = controls::UrComndBar::CommandBar())
        bar->Init(m_bar, nullptr, {});
    const QString napaka = PreveriIzbranUrnik();
    NiUrnikaL->setText(napaka);
    NiUrnikaL->setVisible(!napaka.isEmpty());
    m_delo->setVisible(napaka.isEmpty());
    if (!napaka.isEmpty()) {
        core::ShowMessage(core::MsgWarning, QStringLiteral("#"), napaka);
        return;
    }
    if (PreberiModelUrnika(m_model, false))
        prikazi();
}

QTableWidget *FPregledUrnika::tabela(const QStringList &naslovi) {
    auto *t = new QTableWidget(0, int(naslovi.size()), m_delo);
    t->setHorizontalHeaderLabels(naslovi);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return t;
}

void Celica(QTableWidget *t, int vrstica, int stolpec, const QString &besedilo) {
    t->setItem(vrstica, stolpec, new QTableWidgetItem(besedilo));
}

} // namespace zentrel::timetable
