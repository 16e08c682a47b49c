#include "HelpTopics.h"

#include "controls/TabPageSets.h"

#include <QHash>

namespace zentrel::shell {

namespace {

// A tab by its page set and captions (second empty for a top tab's own page) and its help.
struct TabEntry {
    int set;
    const char *top;
    const char *second;
    const char *page;
    const char *section;
};

// Printouts share their pages with the area's menu item: one page per menu area.
constexpr TabEntry kTabs[] = {
    {0, "Ime šole", "", "infrastruktura.html", "ime-sole"},
    {0, "Stavbe", "", "infrastruktura.html", "stavbe"},
    {0, "Prostori", "", "infrastruktura.html", "prostori"},
    {0, "Skupine prostorov", "", "infrastruktura.html", "skupine-prostorov"},

    {1, "Splošne nastavitve", "", "nastavitve.html", "splosne-nastavitve"},
    {1, "Ure", "", "nastavitve.html", "ure"},
    {1, "Prve ure", "", "nastavitve.html", "prve-ure"},

    {2, "Prostori", "", "osnovni-podatki.html", "prostori"},
    {2, "Prostori", "Skupine prostorov", "osnovni-podatki.html", "skupine-prostorov"},
    {2, "Prostori", "Prepovedi prostorov", "osnovni-podatki.html", "prepovedi-prostorov"},
    {2, "Predmeti", "", "osnovni-podatki.html", "predmeti"},
    {2, "Predmeti", "Predmeti in prostori", "osnovni-podatki.html", "predmeti-in-prostori"},
    {2, "Predmeti", "Učitelji predmetov", "osnovni-podatki.html", "ucitelji-predmetov"},
    {2, "Enote", "", "osnovni-podatki.html", "enote"},
    {2, "Enote", "Prostori enote", "osnovni-podatki.html", "prostori-enote"},
    {2, "Enote", "Prepovedi enot", "osnovni-podatki.html", "prepovedi-enot"},
    {2, "Učitelji", "", "osnovni-podatki.html", "ucitelji"},
    {2, "Učitelji", "Želi prostore", "osnovni-podatki.html", "zeli-prostore"},
    {2, "Učitelji", "Uči predmete", "osnovni-podatki.html", "uci-predmete"},
    {2, "Učitelji", "Prepovedi učiteljev", "osnovni-podatki.html", "prepovedi-uciteljev"},
    {2, "Učenci", "", "osnovni-podatki.html", "ucenci"},

    {3, "Izbira", "", "razporedi.html", "izbira"},
    {3, "Enote", "", "razporedi.html", "enote"},
    {3, "Enote", "Razredniki in izmene", "razporedi.html", "razredniki-in-izmene"},
    {3, "Enote", "Učenci enote", "razporedi.html", "ucenci-enote"},
    {3, "Predmetniki", "", "razporedi.html", "predmetniki"},
    {3, "Predmetniki", "Predmeti v predmetniku", "razporedi.html", "predmeti-v-predmetniku"},
    {3, "Predmetniki", "Enote predmetnika", "razporedi.html", "enote-predmetnika"},
    {3, "Predmetniki", "Skupine", "razporedi.html", "skupine"},
    {3, "Predmetniki", "Učenci skupin", "razporedi.html", "ucenci-skupin"},
    {3, "Izbirni postopek", "", "izbirni.html", "izbirni-postopek"},
    {3, "Izbirni postopek", "Izbirni nabori", "izbirni.html", "izbirni-nabori"},
    {3, "Izbirni postopek", "Predmeti v naboru", "izbirni.html", "predmeti-v-naboru"},
    {3, "Izbirni postopek", "Na izbiro v enotah", "izbirni.html", "na-izbiro-v-enotah"},
    {3, "Izbirni postopek", "Izbira učencev", "izbirni.html", "izbira-ucencev"},
    {3, "Izbirni postopek", "Avtomatsko", "izbirni.html", "avtomatsko"},
    {3, "Izbirni postopek", "Izbirne skupine", "izbirni.html", "izbirne-skupine"},
    {3, "Izbirni postopek", "Učenci izbirnih skupin", "izbirni.html", "ucenci-izbirnih-skupin"},
    {3, "Izbirni postopek", "Predmeti učencev", "izbirni.html", "predmeti-ucencev"},
    {3, "Izbirni postopek", "Nedokončani", "izbirni.html", "nedokoncani"},
    {3, "Razpored", "", "razporedi.html", "razpored"},
    {3, "Razpored", "Razpored enote", "razporedi.html", "razpored-enote"},
    {3, "Razpored", "Razpored učitelja", "razporedi.html", "razpored-ucitelja"},

    {4, "Izbira", "", "urniki.html", "izbira"},
    {4, "Prve ure", "", "urniki.html", "prve-ure"},
    {4, "Avtomatsko", "", "urniki.html", "avtomatsko"},
    {4, "Ročno", "", "urniki.html", "rocno"},
    {4, "Ročno", "Vsi urniki", "urniki.html", "vsi-urniki"},
    {4, "Ročno", "Nerazporejeni", "urniki.html", "nerazporejeni"},
    {4, "Ročno", "Luknje", "urniki.html", "luknje"},

    {5, "Koledar", "", "spremljanje.html", "koledar"},
    {5, "Koledar", "Veljavnost urnika", "spremljanje.html", "veljavnost-urnika"},
    {5, "Koledar", "Prosti dnevi", "spremljanje.html", "prosti-dnevi"},
    {5, "Koledar", "Sprememba dne", "spremljanje.html", "sprememba-dne"},
    {5, "Odsotnosti", "", "spremljanje.html", "odsotnosti"},
    {5, "Odsotnosti", "Učitelji", "spremljanje.html", "odsotnosti-uciteljev"},
    {5, "Odsotnosti", "Enote", "spremljanje.html", "odsotnosti-enot"},
    {5, "Odsotnosti", "Prostori", "spremljanje.html", "odsotnosti-prostorov"},
    {5, "Nadomeščanja", "", "spremljanje.html", "nadomescanja"},

    {6, "Stavbe", "", "izpisi-osnovnih.html", "stavbe"},
    {6, "Prostori", "", "izpisi-osnovnih.html", "prostori"},
    {6, "Skupine prostorov", "", "izpisi-osnovnih.html", "skupine-prostorov"},
    {6, "Predmeti", "", "izpisi-osnovnih.html", "predmeti"},
    {6, "Predmeti in prostori", "", "izpisi-osnovnih.html", "predmeti-in-prostori"},
    {6, "Enote", "", "izpisi-osnovnih.html", "enote"},
    {6, "Skupine enot", "", "izpisi-osnovnih.html", "skupine-enot"},
    {6, "Učitelji", "", "izpisi-osnovnih.html", "ucitelji"},
    {6, "Učitelji in prostori", "", "izpisi-osnovnih.html", "ucitelji-in-prostori"},
    {6, "Učitelji in predmeti", "", "izpisi-osnovnih.html", "ucitelji-in-predmeti"},
    {6, "Učenci", "", "izpisi-osnovnih.html", "ucenci"},
    {6, "Učenci enote", "", "izpisi-osnovnih.html", "ucenci-enote"},
    {6, "Učenci skupin", "", "izpisi-osnovnih.html", "ucenci-skupin"},

    {7, "Predmetniki enot", "", "izpisi-razporedov.html", "predmetniki-enot"},
    {7, "Predmeti v predmetniku", "", "izpisi-razporedov.html", "predmeti-v-predmetniku"},
    {7, "Skupine", "", "izpisi-razporedov.html", "skupine"},
    {7, "Razredniki in izmene", "", "izpisi-razporedov.html", "razredniki-in-izmene"},
    {7, "Razpored", "", "izpisi-razporedov.html", "razpored"},
    {7, "Razpored enot", "", "izpisi-razporedov.html", "razpored-enot"},
    {7, "Razpored učiteljev", "", "izpisi-razporedov.html", "razpored-uciteljev"},
    {7, "Poročilo", "", "izpisi-razporedov.html", "porocilo"},
    {7, "Poročilo o izbiri", "", "izpisi-razporedov.html", "porocilo-o-izbiri"},
    {7, "Obvestila o dodeljenih", "", "izpisi-razporedov.html", "obvestila-o-dodeljenih"},
    {7, "Obrazci za nedodeljene", "", "izpisi-razporedov.html", "obrazci-za-nedodeljene"},
    {7, "Obrazci za izbiro", "", "izpisi-razporedov.html", "obrazci-za-izbiro"},

    {8, "Urniki", "", "izpisi-urnikov.html", "urniki"},
    {8, "Urniki", "Enote", "izpisi-urnikov.html", "urniki-enot"},
    {8, "Urniki", "Učitelji", "izpisi-urnikov.html", "urniki-uciteljev"},
    {8, "Urniki", "Učenci", "izpisi-urnikov.html", "urniki-ucencev"},
    {8, "Urniki", "Prosti učenci", "izpisi-urnikov.html", "prosti-ucenci"},
    {8, "Urniki", "Prostori", "izpisi-urnikov.html", "urniki-prostorov"},
    {8, "Seznami", "", "izpisi-urnikov.html", "seznami"},
    {8, "Seznami", "Učitelji", "izpisi-urnikov.html", "seznami-uciteljev"},
    {8, "Seznami", "Prostori", "izpisi-urnikov.html", "seznami-prostorov"},
    {8, "Seznami", "Predmeti", "izpisi-urnikov.html", "seznami-predmetov"},
    {8, "Prepovedi", "", "izpisi-urnikov.html", "prepovedi"},
    {8, "Prepovedi", "Enote", "izpisi-urnikov.html", "prepovedi-enot"},
    {8, "Prepovedi", "Učitelji", "izpisi-urnikov.html", "prepovedi-uciteljev"},
    {8, "Prepovedi", "Prostori", "izpisi-urnikov.html", "prepovedi-prostorov"},

    {9, "Veljavnost urnikov", "", "izpisi-spremljanja.html", "veljavnost-urnikov"},
    {9, "Prosti dnevi", "", "izpisi-spremljanja.html", "prosti-dnevi"},
    {9, "Odsotnosti", "", "izpisi-spremljanja.html", "odsotnosti"},

    {10, "Nadomeščanja", "", "izpisi-spremljanja.html", "nadomescanja"},
    {10, "Sproščene ure", "", "izpisi-spremljanja.html", "sproscene-ure"},
    {10, "Realizacija", "", "izpisi-spremljanja.html", "realizacija"},
};

struct WindowEntry {
    const char *className;
    const char *page;
    const char *section;
};

constexpr WindowEntry kWindows[] = {
    {"FUvoz", "projekt.html", "na-osnovi-obstojecega"},
    {"FSheetImport", "projekt.html", "uvoz-iz-preglednice"},
    {"FVarnostneKopije", "projekt.html", "varnostne-kopije"},
    {"FOProgramu", "projekt.html", "o-programu"},
    {"FIskanje", "zacetek.html", "iskanje"},
    {"FKopirajPredmetnik", "razporedi.html", "kopiranje-predmetnika"},
    {"FKopirajRazpored", "razporedi.html", "kopiranje-razporeda"},
    {"FBrisanjeLetnika", "osnovni-podatki.html", "brisanje-letnika"},
    {"FKopirajUrnik", "urniki.html", "kopiranje-urnika"},
    {"FKopirajTurnus", "urniki.html", "kopiranje-turnusa"},
    {"FBrisanjeUrnikaOddelka", "urniki.html", "brisanje-urnika-enote"},
    {"FDolocitevProstora", "urniki.html", "dolocitev-prostora"},
    {"FAvtomatskoTretjiKrog", "urniki.html", "tretji-krog"},
    {"FOpozoriloNerazporejenih", "urniki.html", "opozorilo-nerazporejenih"},
    {"FDodajVeljavnost", "spremljanje.html", "dodaj-veljavnost"},
    {"FBrisiVeljavnost", "spremljanje.html", "brisi-veljavnost"},
    {"FBrisiVeljavnostBloka", "spremljanje.html", "brisi-veljavnost"},
    {"FDodajProsteDni", "spremljanje.html", "dodaj-proste-dni"},
    {"FBrisiProsteDni", "spremljanje.html", "dodaj-proste-dni"},
    {"FSpremeniDan", "spremljanje.html", "spremeni-dan"},
    {"FPotrdiOdsotnosti", "spremljanje.html", "potrdi-odsotnosti"},
    {"Fpreview", "izpisi-urnikov.html", "predogled"},
    {"FIzbiraTiskalnika", "izpisi-urnikov.html", "izbira-tiskalnika"},
    {"FIzpisUrnikovNastavitve", "izpisi-urnikov.html", "nastavitve-izpisa"},
    {"FIzpisOsnovnihNastavitve", "izpisi-osnovnih.html", "nastavitve-izpisa"},
};

HelpTopic topicOf(const char *page, const char *section) {
    return {QString::fromUtf8(page), QString::fromUtf8(section)};
}

// Tab id to topic, built once from the captions of both stages of the elective process.
const QHash<int, HelpTopic> &tabTopics() {
    static const QHash<int, HelpTopic> topics = [] {
        QHash<int, HelpTopic> out;
        for (bool automatic : {false, true}) {
            controls::PageSetContext context;
            context.timetableCount = 1;
            context.electivesAutomaticStage = automatic;
            for (const TabEntry &e : kTabs) {
                const int id = controls::PageSet::Build(e.set, context)
                                   .find(QString::fromUtf8(e.top), QString::fromUtf8(e.second));
                if (id >= 0)
                    out.insert(id, topicOf(e.page, e.section));
            }
        }
        return out;
    }();
    return topics;
}

} // namespace

QString HelpTopic::link() const {
    return section.isEmpty() ? page : page + u'#' + section;
}

QString HelpTopics::Folder(const QString &programFolder) {
    return programFolder + QStringLiteral("/pomoc");
}

HelpTopic HelpTopics::Start() {
    return {QStringLiteral("zacetek.html"), QString()};
}

HelpTopic HelpTopics::ForTab(int tabId) {
    return tabTopics().value(tabId);
}

HelpTopic HelpTopics::ForWindow(const QString &className) {
    for (const WindowEntry &e : kWindows)
        if (className == QLatin1String(e.className))
            return topicOf(e.page, e.section);
    return {};
}

QList<WindowHelp> HelpTopics::Windows() {
    QList<WindowHelp> out;
    for (const WindowEntry &e : kWindows)
        out << WindowHelp{QString::fromUtf8(e.className), topicOf(e.page, e.section)};
    return out;
}

QStringList HelpTopics::Pages() {
    return {QStringLiteral("zacetek.html"),
            QStringLiteral("prvi-urnik.html"),
            QStringLiteral("projekt.html"),
            QStringLiteral("infrastruktura.html"),
            QStringLiteral("nastavitve.html"),
            QStringLiteral("osnovni-podatki.html"),
            QStringLiteral("razporedi.html"),
            QStringLiteral("izbirni.html"),
            QStringLiteral("urniki.html"),
            QStringLiteral("zakaj-ura-ni-razporejena.html"),
            QStringLiteral("spremljanje.html"),
            QStringLiteral("izpisi-osnovnih.html"),
            QStringLiteral("izpisi-razporedov.html"),
            QStringLiteral("izpisi-urnikov.html"),
            QStringLiteral("izpisi-spremljanja.html")};
}

} // namespace zentrel::shell
