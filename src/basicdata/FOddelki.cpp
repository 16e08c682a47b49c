#include "FOddelki.h"

#include "FLinkPage.h"
#include "FOddelkiPage.h"

namespace zentrel::basicdata {

FOddelki::FOddelki(QWidget *parent) : FPageWindow(parent) {
    FLinkPage::Binding b;
    b.owner = &m_roomsOwner;
    b.moveOwner = [this](int row) { m_roomsOwner.moveTo(row); };
    b.reopenOwner = [this] { return m_roomsOwner.open(); };
    b.load = [this](qint64 id) { return m_rooms.load(id); };
    b.chosen = [this] { return m_rooms.chosen(); };
    b.available = [this](const QList<qint64> &) { return m_rooms.candidates(); };
    b.save = [this](const QList<qint64> &ids) { return m_rooms.save(ids); };
    b.caption = [this] { return m_roomsOwner.roomsCaption(); };
    b.header = [this] { return m_roomsOwner.frameHeader(false); };
    b.gridCaption = QStringLiteral("Enote");
    addPage(QStringLiteral("Enote"), [this] { return OddelkiPage = new FOddelkiPage; });
    addPage(QStringLiteral("Prostori enote"),
            [this, b] { return ProstoriEnotePage = new FLinkPage(b, QStringLiteral("izbrani")); });
}

} // namespace zentrel::basicdata
