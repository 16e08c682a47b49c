#include "FPredmetnikiOddelki.h"

#include "FLinkPage.h"

namespace zentrel::basicdata {

FPredmetnikiOddelki::FPredmetnikiOddelki(QWidget *parent) : FPageWindow(parent) {
    FLinkPage::Binding b;
    b.owner = &m_owner;
    b.moveOwner = [this](int row) { m_owner.moveTo(row); };
    b.reopenOwner = [this] { return m_owner.open(); };
    b.load = [this](qint64 id) { return m_enote.load(m_owner.curriculum(), id); };
    b.chosen = [this] { return m_enote.chosen(); };
    b.available = [this](const QList<qint64> &ids) { return m_enote.available(ids); };
    b.save = [this](const QList<qint64> &ids) { return m_enote.save(ids); };
    b.mayRemove = [this](qint64 id) { return m_enote.mayRemove(id); };
    b.caption = [] { return PredmetnikiOddelki::moverCaption(); };
    b.header = [this] { return m_owner.frameHeader(false); };
    b.gridCaption = QStringLiteral("Predmetniki");
    b.columnCaptions = {QStringLiteral("Ime"), QStringLiteral("Opomba")};
    b.columnWidths = {12, 30};
    b.idField = QStringLiteral("ID_SKUPINE_ODDELKOV");
    b.labelField = QStringLiteral("SKUPINA");
    addPage(QStringLiteral("Enote predmetnika"),
            [this, b] { return EnotePage = new FLinkPage(b, QStringLiteral("v predmetniku")); });
}

} // namespace zentrel::basicdata
