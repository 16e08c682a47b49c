#include "FUcenciSkupinPage.h"

#include "controls/UrDataGrid.h"
#include "controls/UrText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QRadioButton>

namespace zentrel::pupils {

using Vrsta = UcenciSkupin::Vrsta;

FUcenciSkupinPage::FUcenciSkupinPage(Vrsta vrsta, QWidget *parent)
    : FUcenciMoverPage(QStringLiteral("poslušajo predmet"),
                       vrsta == Vrsta::Navadne ? QStringLiteral("Prikaži tudi učence drugih predmetov skupine")
                                               : QStringLiteral("Prikaži tudi učence z dovolj izbirnimi predmeti"),
                       true, parent),
      ImeSkupineUcencevE(new controls::UrText), m_groups(vrsta) {
    grid()->setObjectName(vrsta == Vrsta::Navadne ? QStringLiteral("PredmetiDG")
                                                  : QStringLiteral("RazporedIzbirnihDG"));
    grid()->SetCaption(vrsta == Vrsta::Navadne ? QStringLiteral("Skupine predmetov")
                                               : QStringLiteral("Izbirne skupine"));
    if (vrsta == Vrsta::Navadne) {
        grid()->SetDataField({QStringLiteral("SKUPINE"), QStringLiteral("PREDMETI"), QStringLiteral("TURNUS"),
                              QStringLiteral("IME_SKUPINE_UCENCEV"), QStringLiteral("ST_UCENCEV")});
        grid()->SetDataFieldCaption({QStringLiteral("Skupine"), QStringLiteral("Predmeti"), QStringLiteral("Tur"),
                                     QStringLiteral("Ime skupine"), QStringLiteral("Št. učencev")});
        grid()->SetDataFieldLenChrs({10, 8, 4, 12, 10});
    } else {
        grid()->SetDataField({QStringLiteral("SKUPINE"), QStringLiteral("PREDMETI"),
                              QStringLiteral("IME_SKUPINE_UCENCEV"), QStringLiteral("ST_UCENCEV"),
                              QStringLiteral("NORMATIV_MIN"), QStringLiteral("NORMATIV_MAX")});
        grid()->SetDataFieldCaption({QStringLiteral("Skupina"), QStringLiteral("Predmet"),
                                     QStringLiteral("Ime skupine"), QStringLiteral("Št. učencev"),
                                     QStringLiteral("Min"), QStringLiteral("Max")});
        grid()->SetDataFieldLenChrs({8, 8, 10, 10, 4, 4});
    }
    ImeSkupineUcencevE->setMaxLength(30);
    addField(QStringLiteral("Ime skupine"), ImeSkupineUcencevE, QStringLiteral("IME_SKUPINE_UCENCEV"), 30);
    if (vrsta == Vrsta::Izbirne) {
        SamoIzbraniOB = new QRadioButton(QStringLiteral("Samo izbrani"));
        IzbraniInRezervniOB = new QRadioButton(QStringLiteral("Izbrani in rezervni"));
        VsiUcenciOB = new QRadioButton(QStringLiteral("Vsi"));
        VecKotMinCB = new QCheckBox(QStringLiteral("Samo iz skupin nad najmanjšim številom učencev"));
        auto *row = new QWidget;
        auto *layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        auto *group = new QButtonGroup(row);
        for (QRadioButton *b : {SamoIzbraniOB, IzbraniInRezervniOB, VsiUcenciOB}) {
            group->addButton(b);
            layout->addWidget(b);
        }
        layout->addWidget(VecKotMinCB);
        layout->addStretch(1);
        SamoIzbraniOB->setChecked(true);
        addRow(QString(), row);
        connect(group, &QButtonGroup::buttonToggled, this, [this](QAbstractButton *, bool on) {
            if (on)
                refreshOffer();
        });
        connect(VecKotMinCB, &QCheckBox::toggled, this, &FUcenciSkupinPage::refreshOffer);
    }
}

db::RowSet FUcenciSkupinPage::availableRows(const FilterUcencev &filter, bool widen, const QList<qint64> &chosen) {
    UcenciSkupin::Izbira izbira = UcenciSkupin::Izbira::Vsi;
    if (SamoIzbraniOB && SamoIzbraniOB->isChecked())
        izbira = UcenciSkupin::Izbira::Izbrani;
    else if (IzbraniInRezervniOB && IzbraniInRezervniOB->isChecked())
        izbira = UcenciSkupin::Izbira::IzbraniInRezervni;
    return m_groups.available(filter, widen, chosen, izbira, VecKotMinCB && VecKotMinCB->isChecked());
}

bool FUcenciSkupinPage::saveList(const QList<qint64> &pupils) {
    return m_groups.save(ImeSkupineUcencevE->Text(), pupils);
}

} // namespace zentrel::pupils
