#include "FIzpisUrnikovNastavitve.h"

#include "UrTiskalnik.h"
#include "controls/FTabStrip.h"
#include "controls/TabPageSets.h"
#include "controls/UrComndBarClient.h"
#include "controls/UrMoverBox.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "db/MBaza.h"
#include "shell/SettingsFile.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zentrel::print {

namespace {

db::RowSet objectRows(const QList<Objekt> &objekti) {
    QVector<QVector<QVariant>> rows;
    for (const Objekt &o : objekti)
        rows.append({o.id, o.naziv});
    return db::RowSet({QStringLiteral("ID"), QStringLiteral("NAZIV")}, {}, rows);
}

QString sectionOf(VrstaObjekta vrsta) {
    switch (vrsta) {
    case VrstaObjekta::Ucitelji:
        return QStringLiteral("[individual teachers]");
    case VrstaObjekta::Ucenci:
        return QStringLiteral("[individual student]");
    case VrstaObjekta::Prostori:
        return QStringLiteral("[individual rooms]");
    case VrstaObjekta::Enote:
        break;
    }
    return QStringLiteral("[individual units]");
}

} // namespace

FIzpisUrnikovNastavitve::FIzpisUrnikovNastavitve(const Stran &stran, QWidget *parent)
    : QWidget(parent), m_stran(stran),
      m_logic(std::make_unique<IzpisUrnikov>(db::ProjectDb(), core::App().trenutniUrnik, core::App().trenutniTurnus)) {
    setObjectName(QStringLiteral("FIzpisUrnikovNastavitve"));
    IzpisBar = new controls::UrComndBarClient(this);
    TiskalnikL = new QLabel(VrsticaTiskalnika(), this);
    TiskalnikL->setObjectName(QStringLiteral("TiskalnikL"));
    const core::AppState &app = core::App();
    UrnikL = new QLabel(app.trenutniUrnik < 0 ? QStringLiteral("Ni izbranega urnika.")
                                              : QStringLiteral("Urnik: ") + app.trenutniUrnikIme,
                        this);
    UrnikL->setObjectName(QStringLiteral("UrnikL"));
    auto *layout = new QGridLayout(this);
    layout->addWidget(UrnikL, 0, 0);
    layout->addWidget(TiskalnikL, 0, 1);

    const bool objects = stran.vsebina != Vsebina::Seznam;
    if (objects) {
        const VrstaObjekta vrsta = stran.vsebina == Vsebina::ProstiUcenci ? VrstaObjekta::Ucenci : stran.vrsta;
        ObjektiMov = new controls::UrMoverBox(this);
        ObjektiMov->setObjectName(QStringLiteral("ObjektiMov"));
        ObjektiMov->SetCaptions(QStringLiteral("na voljo"), QStringLiteral("izbrani"));
        ObjektiMov->SetListFieldLeft(QStringLiteral("NAZIV"));
        ObjektiMov->SetListFieldRight(QStringLiteral("NAZIV"));
        ObjektiMov->SetRowSourceLeft(objectRows(m_logic->Objekti(vrsta)));
        ObjektiMov->SetRowSourceRight(objectRows({}));
        ObjektiMov->FillIDLIsts();
        layout->addWidget(ObjektiMov, 1, 0);
    }

    auto *options = new QGroupBox(QStringLiteral("Možnosti"), this);
    auto *box = new QVBoxLayout(options);
    if (stran.vsebina == Vsebina::Tedni) {
        // Without a current rotation week every turnus is printed.
        const bool turnus = core::App().trenutniTurnus > 0;
        VsiTurnusiCB = new QCheckBox(
            QStringLiteral("Vsi turnusi") +
                (turnus ? QStringLiteral(" (sicer le turnus ") + core::App().trenutniTurnusOznaka + u')' : QString()),
            options);
        VsiTurnusiCB->setObjectName(QStringLiteral("VsiTurnusiCB"));
        VsiTurnusiCB->setEnabled(turnus);
        box->addWidget(VsiTurnusiCB);
        if (stran.vrsta != VrstaObjekta::Ucenci) {
            OznaciNatisnjeneCB = new QCheckBox(QStringLiteral("Po izpisu označi kot natisnjene"), options);
            OznaciNatisnjeneCB->setObjectName(QStringLiteral("OznaciNatisnjeneCB"));
            box->addWidget(OznaciNatisnjeneCB);
            NenatisnjeniB = new QPushButton(QStringLiteral("Izberi nenatisnjene"), options);
            NenatisnjeniB->setObjectName(QStringLiteral("NenatisnjeniB"));
            box->addWidget(NenatisnjeniB);
            connect(NenatisnjeniB, &QPushButton::clicked, this, [this] {
                for (const qint64 id : m_logic->Nenatisnjeni(m_stran.vrsta))
                    ObjektiMov->MoveRight(id);
            });
            // What changed since the last printout is what is usually printed next.
            for (const qint64 id : m_logic->Nenatisnjeni(m_stran.vrsta))
                ObjektiMov->MoveRight(id);
        }
        const QList<bool> states = shell::CheckBoxStates(optionsSection(), {true, false});
        VsiTurnusiCB->setChecked(states.value(0) || !VsiTurnusiCB->isEnabled());
        if (OznaciNatisnjeneCB)
            OznaciNatisnjeneCB->setChecked(states.value(1));
    } else if (stran.vsebina == Vsebina::ProstiUcenci) {
        ProstiUcenciOB = new QRadioButton(ImeAnalize(AnalizaUcencev::ProstiUcenci), options);
        LuknjeOB = new QRadioButton(ImeAnalize(AnalizaUcencev::Luknje), options);
        ProsteUreOB = new QRadioButton(ImeAnalize(AnalizaUcencev::ProsteUre), options);
        ProstiUcenciOB->setObjectName(QStringLiteral("ProstiUcenciOB"));
        LuknjeOB->setObjectName(QStringLiteral("LuknjeOB"));
        ProsteUreOB->setObjectName(QStringLiteral("ProsteUreOB"));
        const QList<bool> states = shell::CheckBoxStates(optionsSection(), {true, false, false});
        ProstiUcenciOB->setChecked(states.value(0));
        LuknjeOB->setChecked(states.value(1));
        ProsteUreOB->setChecked(states.value(2));
        for (QRadioButton *b : {ProstiUcenciOB, LuknjeOB, ProsteUreOB})
            box->addWidget(b);
    } else {
        auto *what = new QLabel(stran.vsebina == Vsebina::Seznam ? SeznamiUrnika().at(stran.seznam).naslov
                                                                 : QStringLiteral("Prepovedane ure izbranih"),
                                options);
        box->addWidget(what);
    }
    box->addStretch(1);
    layout->addWidget(options, 1, objects ? 1 : 0);
    layout->setColumnStretch(objects ? 0 : 1, 1);
    layout->setRowStretch(1, 1);

    connect(IzpisBar, &controls::UrComndBarClient::buttonClick, this, [this](int &type, bool &) { Izhod(type); });
}

FIzpisUrnikovNastavitve::~FIzpisUrnikovNastavitve() {
    saveOptions();
}

void FIzpisUrnikovNastavitve::TabActivated() {
    AktivirajOrodjarno(IzpisBar);
}

QString FIzpisUrnikovNastavitve::optionsSection() const {
    return m_stran.vsebina == Vsebina::ProstiUcenci ? QStringLiteral("[free students]") : sectionOf(m_stran.vrsta);
}

void FIzpisUrnikovNastavitve::saveOptions() {
    if (VsiTurnusiCB)
        shell::SetCheckBoxStates(optionsSection(),
                                 {VsiTurnusiCB->isChecked(), OznaciNatisnjeneCB && OznaciNatisnjeneCB->isChecked()});
    if (ProstiUcenciOB)
        shell::SetCheckBoxStates(optionsSection(),
                                 {ProstiUcenciOB->isChecked(), LuknjeOB->isChecked(), ProsteUreOB->isChecked()});
}

std::optional<Dokument> FIzpisUrnikovNastavitve::document(bool list) {
    const QList<qint64> chosen = ObjektiMov ? ObjektiMov->GetList() : QList<qint64>();
    switch (m_stran.vsebina) {
    case Vsebina::Tedni: {
        // The weeks of many pupils take a while to read.
        const bool pupils = m_stran.vrsta == VrstaObjekta::Ucenci && !chosen.isEmpty();
        if (pupils)
            core::ShowMessage(core::MsgProgressBegin,
                              QStringLiteral("Počakaj, poizvedba laho traja tudi več minut..."));
        std::optional<Dokument> d = list ? m_logic->SeznamUr(m_stran.vrsta, chosen, VsiTurnusiCB->isChecked())
                                         : m_logic->Tedni(m_stran.vrsta, chosen, VsiTurnusiCB->isChecked());
        if (pupils)
            core::ShowMessage(core::MsgProgressEnd, QString());
        return d;
    }
    case Vsebina::ProstiUcenci:
        return m_logic->Ucenci(LuknjeOB->isChecked()      ? AnalizaUcencev::Luknje
                               : ProsteUreOB->isChecked() ? AnalizaUcencev::ProsteUre
                                                          : AnalizaUcencev::ProstiUcenci,
                               chosen);
    case Vsebina::Seznam:
        return m_logic->Seznam(m_stran.seznam);
    case Vsebina::Prepovedi:
        return m_logic->Prepovedi(m_stran.vrsta, chosen);
    }
    return std::nullopt;
}

QString FIzpisUrnikovNastavitve::defaultName(const QString &separator) const {
    const QString kind =
        m_stran.vsebina == Vsebina::Seznam ? SeznamiUrnika().at(m_stran.seznam).vrsta : ImeVrste(m_stran.vrsta);
    return core::App().schoolName + separator + core::App().trenutniUrnikIme + separator + kind;
}

void FIzpisUrnikovNastavitve::Izhod(int command) {
    if (command == ukaz::Tiskalnik) {
        if (IzberiTiskalnik(this))
            TiskalnikL->setText(VrsticaTiskalnika());
        return;
    }
    // Everything but the forbidden periods belongs to a timetable.
    if (core::App().trenutniUrnik < 0 && m_stran.vsebina != Vsebina::Prepovedi) {
        core::ShowMessage(core::MsgWarning, QStringLiteral("Ni izbranega urnika."));
        return;
    }
    const bool weeks = m_stran.vsebina == Vsebina::Tedni;
    bool done = false;
    if (command == ukaz::Html && weeks) {
        // The weeks go out as the linked site: the chosen file is its index page.
        const QList<qint64> chosen = ObjektiMov->GetList();
        if (chosen.isEmpty()) {
            core::ShowMessage(core::MsgWarning, QStringLiteral("Ničesar niste izbrali.."));
            return;
        }
        const QString path =
            ImeIzvoza(this, print::Izhod::Html, 5, core::App().schoolName + u'_' + ImeVrste(m_stran.vrsta));
        if (path.isEmpty())
            return;
        IzborUrnikov izbor;
        izbor.vrsta = m_stran.vrsta;
        izbor.turnus = VsiTurnusiCB->isChecked() ? -1 : core::App().trenutniTurnus;
        for (const Objekt &o : m_logic->Objekti(m_stran.vrsta))
            if (chosen.contains(o.id))
                izbor.objekti << o;
        done = IzvoziUrnike(m_logic->urniki(), izbor, OblikaIzvoza::Html, path);
    } else if (command == ukaz::Predogled || command == ukaz::Csv || command == ukaz::Xml || command == ukaz::Html) {
        const std::optional<Dokument> d = document(weeks && (command == ukaz::Csv || command == ukaz::Xml));
        if (!d)
            return;
        done =
            IzvediIzhod(this, *d, IzhodUkaza(command), command == ukaz::Html ? 5 : 4, defaultName(QStringLiteral(" ")));
    }
    if (done && weeks && OznaciNatisnjeneCB && OznaciNatisnjeneCB->isChecked())
        m_logic->OznaciNatisnjene(m_stran.vrsta, ObjektiMov->GetList(), VsiTurnusiCB->isChecked());
}

void RegisterTimetablePrintTabs() {
    const controls::PageSet set = controls::PageSet::Build(8);
    auto reg = [&set](const QString &top, const QString &second, const FIzpisUrnikovNastavitve::Stran &stran) {
        const int id = set.find(top, second);
        if (id >= 0)
            controls::RegisterTabWindow(
                id, [stran](QWidget *parent) { return new FIzpisUrnikovNastavitve(stran, parent); });
    };
    using V = FIzpisUrnikovNastavitve::Vsebina;
    const QString urniki = QStringLiteral("Urniki"), seznami = QStringLiteral("Seznami"),
                  prepovedi = QStringLiteral("Prepovedi");
    reg(urniki, {}, {V::Tedni, VrstaObjekta::Enote, 0});
    reg(urniki, QStringLiteral("Enote"), {V::Tedni, VrstaObjekta::Enote, 0});
    reg(urniki, QStringLiteral("Učitelji"), {V::Tedni, VrstaObjekta::Ucitelji, 0});
    reg(urniki, QStringLiteral("Učenci"), {V::Tedni, VrstaObjekta::Ucenci, 0});
    reg(urniki, QStringLiteral("Prosti učenci"), {V::ProstiUcenci, VrstaObjekta::Ucenci, 0});
    reg(urniki, QStringLiteral("Prostori"), {V::Tedni, VrstaObjekta::Prostori, 0});
    reg(seznami, {}, {V::Seznam, VrstaObjekta::Ucitelji, 0});
    reg(seznami, QStringLiteral("Učitelji"), {V::Seznam, VrstaObjekta::Ucitelji, 0});
    reg(seznami, QStringLiteral("Prostori"), {V::Seznam, VrstaObjekta::Prostori, 1});
    reg(seznami, QStringLiteral("Predmeti"), {V::Seznam, VrstaObjekta::Enote, 2});
    reg(prepovedi, {}, {V::Prepovedi, VrstaObjekta::Enote, 0});
    reg(prepovedi, QStringLiteral("Enote"), {V::Prepovedi, VrstaObjekta::Enote, 0});
    reg(prepovedi, QStringLiteral("Učitelji"), {V::Prepovedi, VrstaObjekta::Ucitelji, 0});
    reg(prepovedi, QStringLiteral("Prostori"), {V::Prepovedi, VrstaObjekta::Prostori, 0});
}

} // namespace zentrel::print
