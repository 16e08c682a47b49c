#include "FPredmeti.h"

#include "FLinkPage.h"
#include "FPredmetiPage.h"
#include "FSkupinePage.h"

namespace zentrel::basicdata {

namespace {

FLinkPage::Binding subjectLinks(Predmeti &owner, LinkList &links, std::function<QString()> caption) {
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
    b.gridCaption = QStringLiteral("Predmeti");
    return b;
}

} // namespace

FPredmeti::FPredmeti(QWidget *parent) : FPageWindow(parent) {
    addPage(QStringLiteral("Predmeti"), [this] { return PredmetiPage = new FPredmetiPage; });
    addPage(QStringLiteral("Predmeti in prostori"), [this] {
        return ProstoriPage =
                   new FLinkPage(subjectLinks(m_roomsOwner, m_rooms, [this] { return m_roomsOwner.roomsCaption(); }),
                                 QStringLiteral("za predmet"));
    });
    addPage(QStringLiteral("Učitelji predmetov"), [this] {
        return UciteljiPage = new FLinkPage(
                   subjectLinks(m_teachersOwner, m_teachers, [this] { return m_teachersOwner.teachersCaption(); }),
                   QStringLiteral("Učijo"));
    });
    addPage(QStringLiteral("Skupine"), [this] { return SkupinePage = new FSkupinePage; });
}

} // namespace zentrel::basicdata
