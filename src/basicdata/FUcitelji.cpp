#include "FUcitelji.h"

#include "FLinkPage.h"
#include "FUciteljiPage.h"

namespace zentrel::basicdata {

namespace {

FLinkPage::Binding teacherLinks(Ucitelji &owner, LinkList &links, std::function<QString()> caption) {
    FLinkPage::Binding b;
    b.owner = &owner;
    b.moveOwner = [&owner](int row) { owner.moveTo(row); };
    b.reopenOwner = [&owner] { return owner.open(); };
    b.load = [&links](qint64 id) { return links.load(id); };
    b.chosen = [&links] { return links.chosen(); };
    b.available = [&links](const QList<qint64> &) { return links.candidates(); };
    b.save = [&links](const QList<qint64> &ids) { return links.save(ids); };
    b.caption = std::move(caption);
    b.header = [&owner] { return owner.frameHeader(false); };
    b.gridCaption = QStringLiteral("Učitelji");
    // As in the tab "Učitelji": surname before first name.
    b.columnFields = {QStringLiteral("OZNAKA"), QStringLiteral("PRIIMEK"), QStringLiteral("IME")};
    b.columnCaptions = {QStringLiteral("Oznaka"), QStringLiteral("Priimek"), QStringLiteral("Ime")};
    b.columnWidths = {8, 16, 12};
    return b;
}

} // namespace

FUcitelji::FUcitelji(QWidget *parent) : FPageWindow(parent) {
    addPage(QStringLiteral("Učitelji"), [this] { return UciteljiPage = new FUciteljiPage; });
    addPage(QStringLiteral("Želi prostore"), [this] {
        return ZeliProstorePage =
                   new FLinkPage(teacherLinks(m_roomsOwner, m_rooms, [this] { return m_roomsOwner.roomsCaption(); }),
                                 QStringLiteral("želi"));
    });
    addPage(QStringLiteral("Uči predmete"), [this] {
        return UciPredmetePage = new FLinkPage(
                   teacherLinks(m_subjectsOwner, m_subjects, [this] { return m_subjectsOwner.subjectsCaption(); }),
                   QStringLiteral("uči"));
    });
}

} // namespace zentrel::basicdata
