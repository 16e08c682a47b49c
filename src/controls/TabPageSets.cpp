#include "TabPageSets.h"

#include <array>

namespace zentrel::controls {

namespace {

constexpr std::array<int, PageSet::SetCount> kFirstTab{0, 4, 7, 27, 44, 51, 64, 78, 94, 108, 111};

// A top tab and its second-row captions.
struct TopSpec {
    const char *caption;
    QList<const char *> second;
};

QList<TopSpec> specOf(int set, const PageSetContext &context) {
    switch (set) {
    case 0:
        return {{"Ime šole", {}}, {"Stavbe", {}}, {"Prostori", {}}, {"Skupine prostorov", {}}};
    case 1:
        return {{"Splošne nastavitve", {}}, {"Ure", {}}, {"Prve ure", {}}};
    case 2:
        return {{"Prostori", {"Skupine prostorov", "Prepovedi prostorov"}},
                {"Predmeti", {"Predmeti in prostori", "Učitelji predmetov"}},
                {"Enote", {"Prostori enote", "Prepovedi enot"}},
                {"Učitelji", {"Želi prostore", "Uči predmete", "Prepovedi učiteljev"}},
                {"Učenci", {}}};
    case 3:
        return {
            {"Izbira", {}},
            {"Enote", {"Razredniki in izmene", "Učenci enote"}},
            {"Predmetniki", {"Predmeti v predmetniku", "Enote predmetnika", "Skupine", "Učenci skupin"}},
            {"Izbirni postopek",
             context.electivesAutomaticStage
                 ? QList<const char *>{"Avtomatsko", "Izbirne skupine", "Učenci izbirnih skupin", "Predmeti učencev",
                                       "Nedokončani"}
                 : QList<const char *>{"Izbirni nabori", "Predmeti v naboru", "Na izbiro v enotah", "Izbira učencev"}},
            {"Razpored", {"Razpored enote", "Razpored učitelja"}}};
    case 4:
        return {
            {"Izbira", {}}, {"Prve ure", {}}, {"Avtomatsko", {}}, {"Ročno", {"Vsi urniki", "Nerazporejeni", "Luknje"}}};
    case 5:
        return {{"Koledar", {"Veljavnost urnika", "Prosti dnevi", "Sprememba dne"}},
                {"Odsotnosti", {"Učitelji", "Enote", "Prostori"}},
                {"Nadomeščanja", {}}};
    case 6:
        return {{"Stavbe", {}},
                {"Prostori", {}},
                {"Skupine prostorov", {}},
                {"Predmeti", {}},
                {"Predmeti in prostori", {}},
                {"Enote", {}},
                {"Skupine enot", {}},
                {"Učitelji", {}},
                {"Učitelji in prostori", {}},
                {"Učitelji in predmeti", {}},
                {"Učenci", {}},
                {"Učenci enote", {}},
                {"Učenci skupin", {}}};
    case 7:
        return {{"Predmetniki enot", {}},
                {"Predmeti v predmetniku", {}},
                {"Skupine", {}},
                {"Razredniki in izmene", {}},
                {"Razpored", {}},
                {"Razpored enot", {}},
                {"Razpored učiteljev", {}},
                {"Poročilo", {}},
                {"Poročilo o izbiri", {}},
                {"Obvestila o dodeljenih", {}},
                {"Obrazci za nedodeljene", {}},
                {"Obrazci za izbiro", {}}};
    case 8:
        return {{"Urniki", {"Enote", "Učitelji", "Učenci", "Prosti učenci", "Prostori"}},
                {"Seznami", {"Učitelji", "Prostori", "Predmeti"}},
                {"Prepovedi", {"Enote", "Učitelji", "Prostori"}}};
    case 9:
        return {{"Veljavnost urnikov", {}}, {"Prosti dnevi", {}}, {"Odsotnosti", {}}};
    case 10:
        return {{"Nadomeščanja", {}}, {"Sproščene ure", {}}, {"Realizacija", {}}};
    default:
        return {};
    }
}

} // namespace

int FirstTabIndex(int set) {
    return set >= 0 && set < PageSet::SetCount ? kFirstTab[set] : -1;
}

PageSet PageSet::Build(int set, const PageSetContext &context) {
    PageSet ps;
    if (FirstTabIndex(set) < 0)
        return ps;
    ps.m_set = set;
    int next = FirstTabIndex(set);
    for (const TopSpec &top : specOf(set, context)) {
        const int topId = next++;
        ps.m_tabs << TabDef{topId, QString::fromUtf8(top.caption), -1};
        const bool automatic =
            set == 3 && context.electivesAutomaticStage && top.caption == QByteArrayLiteral("Izbirni postopek");
        int childId = automatic ? ElectiveAutomaticFirstId : next;
        for (const char *child : top.second)
            ps.m_tabs << TabDef{childId++, QString::fromUtf8(child), topId};
        // The stages share their place in the strip: the ids after them follow the longer one.
        if (set == 3 && top.caption == QByteArrayLiteral("Izbirni postopek"))
            next += 4;
        else
            next = childId;
    }
    if (set == TimetableSet && context.timetableCount <= 0)
        for (const TabDef &t : ps.m_tabs)
            if (t.caption != QStringLiteral("Izbira"))
                ps.m_unavailable << t.id;
    return ps;
}

QList<TabDef> PageSet::topTabs() const {
    QList<TabDef> out;
    for (const TabDef &t : m_tabs)
        if (t.parent < 0)
            out << t;
    return out;
}

QList<TabDef> PageSet::secondRow(int topId) const {
    QList<TabDef> out;
    if (topId < 0)
        return out;
    for (const TabDef &t : m_tabs)
        if (t.parent == topId)
            out << t;
    return out;
}

const TabDef *PageSet::tab(int id) const {
    for (const TabDef &t : m_tabs)
        if (t.id == id)
            return &t;
    return nullptr;
}

int PageSet::find(const QString &topCaption, const QString &secondCaption) const {
    for (const TabDef &top : topTabs()) {
        if (top.caption != topCaption)
            continue;
        if (secondCaption.isEmpty())
            return top.id;
        for (const TabDef &child : secondRow(top.id))
            if (child.caption == secondCaption)
                return child.id;
    }
    return -1;
}

QString TabToolTip(bool secondRow, int position, const QString &caption) {
    const QString what = QStringLiteral("Odpre zavihek »") + caption + QStringLiteral("«");
    const int digit = TabKeyDigit(position);
    if (digit == 0)
        return what;
    return (secondRow ? QStringLiteral("Tipka Shift+Ctrl+") : QStringLiteral("Tipka Ctrl+")) + QString::number(digit) +
           QStringLiteral(": ") + what;
}

int TabKeyDigit(int position) {
    return position >= 0 && position < 9 ? position + 1 : 0;
}

int CountTimetables(db::Connection &connection) {
    const db::RowSet rows = connection.query(QStringLiteral("Select count(*) as ST from URNIKI"));
    return rows.isEmpty() ? 0 : int(rows.integer(0, QStringLiteral("ST"), 0));
}

} // namespace zentrel::controls
