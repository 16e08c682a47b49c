#include "UrFilterUcencev.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

namespace zentrel::pupils {

namespace {

// Fills a choice list from one or two columns (shown text, key), keeping the chosen key.
void fill(QComboBox *box, const db::RowSet &rows, const QString &textColumn, const QString &keyColumn,
          bool withAll = false) {
    const QVariant kept = box->currentData();
    box->clear();
    if (withAll)
        box->addItem(QStringLiteral("(vse)"), QString());
    for (int r = 0; r < rows.rowCount(); ++r)
        box->addItem(rows.text(r, textColumn), rows.value(r, keyColumn));
    const int index = box->findData(kept);
    box->setCurrentIndex(index >= 0 ? index : 0);
}

} // namespace

UrFilterUcencev::UrFilterUcencev(bool withSexAndOrientation, QWidget *parent)
    : QWidget(parent), SamoNerazporejeniOB(new QRadioButton(QStringLiteral("Samo nerazporejeni"))),
      PoLetnikuOB(new QRadioButton(QStringLiteral("Izbrani po letniku"))),
      IzRazporedaOB(new QRadioButton(QStringLiteral("Izbrani iz razporeda"))), LetoCB(new QComboBox),
      ParalelkaCB(new QComboBox), PredmetnikCB(new QComboBox), OddelekCB(new QComboBox) {
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *modes = new QButtonGroup(this);
    modes->addButton(SamoNerazporejeniOB);
    modes->addButton(PoLetnikuOB);
    modes->addButton(IzRazporedaOB);
    SamoNerazporejeniOB->setChecked(true);
    layout->addWidget(SamoNerazporejeniOB, 0, 0);
    layout->addWidget(PoLetnikuOB, 1, 0);
    layout->addWidget(LetoCB, 1, 1);
    layout->addWidget(ParalelkaCB, 1, 2);
    layout->addWidget(IzRazporedaOB, 2, 0);
    layout->addWidget(PredmetnikCB, 2, 1);
    layout->addWidget(OddelekCB, 2, 2);
    LetoCB->setMinimumContentsLength(6);
    ParalelkaCB->setMinimumContentsLength(4);
    PredmetnikCB->setMinimumContentsLength(14);
    OddelekCB->setMinimumContentsLength(6);
    if (withSexAndOrientation) {
        VsiOB = new QRadioButton(QStringLiteral("Vsi"));
        SamoFantjeOB = new QRadioButton(QStringLiteral("Samo fantje"));
        SamoDekletaOB = new QRadioButton(QStringLiteral("Samo dekleta"));
        UsmeritevCB = new QComboBox;
        UsmeritevCB->setMinimumContentsLength(12);
        auto *sexes = new QButtonGroup(this);
        for (QRadioButton *b : {VsiOB, SamoFantjeOB, SamoDekletaOB})
            sexes->addButton(b);
        VsiOB->setChecked(true);
        layout->addWidget(VsiOB, 0, 3);
        layout->addWidget(SamoFantjeOB, 1, 3);
        layout->addWidget(SamoDekletaOB, 2, 3);
        layout->addWidget(new QLabel(QStringLiteral("Usmeritev:")), 0, 4);
        layout->addWidget(UsmeritevCB, 1, 4);
        connect(sexes, &QButtonGroup::buttonToggled, this, [this](QAbstractButton *, bool on) {
            if (on)
                emit Changed();
        });
        connect(UsmeritevCB, &QComboBox::currentIndexChanged, this, [this] {
            if (!m_filling)
                emit Changed();
        });
    }
    layout->setColumnStretch(5, 1);
    connect(modes, &QButtonGroup::buttonToggled, this, [this](QAbstractButton *, bool on) {
        if (on)
            emit Changed();
    });
    connect(LetoCB, &QComboBox::currentIndexChanged, this, [this] {
        if (m_filling)
            return;
        fillParallels();
        emit Changed();
    });
    for (QComboBox *box : {ParalelkaCB, PredmetnikCB, OddelekCB})
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            if (!m_filling)
                emit Changed();
        });
}

void UrFilterUcencev::fillParallels() {
    const bool filling = m_filling;
    m_filling = true;
    fill(ParalelkaCB, FilterUcencev::parallels(LetoCB->currentText()), QStringLiteral("PARALELKA"),
         QStringLiteral("PARALELKA"));
    m_filling = filling;
}

void UrFilterUcencev::Reload() {
    m_filling = true;
    fill(LetoCB, FilterUcencev::years(), QStringLiteral("LETOVPISA"), QStringLiteral("LETOVPISA"));
    fillParallels();
    fill(PredmetnikCB, FilterUcencev::curricula(), QStringLiteral("IME"), QStringLiteral("ID"));
    fill(OddelekCB, FilterUcencev::units(), QStringLiteral("OZNAKA"), QStringLiteral("ID"));
    if (UsmeritevCB)
        fill(UsmeritevCB, FilterUcencev::orientations(), QStringLiteral("USMERITEV"), QStringLiteral("USMERITEV"),
             true);
    m_filling = false;
}

FilterUcencev UrFilterUcencev::Filter() const {
    FilterUcencev f;
    f.nacin = PoLetnikuOB->isChecked()     ? FilterUcencev::PoLetniku
              : IzRazporedaOB->isChecked() ? FilterUcencev::IzRazporeda
                                           : FilterUcencev::SamoNerazporejeni;
    f.leto = LetoCB->currentText();
    f.paralelka = ParalelkaCB->currentText();
    f.predmetnik = PredmetnikCB->currentData().isValid() ? PredmetnikCB->currentData().toLongLong() : -1;
    f.oddelek = OddelekCB->currentData().isValid() ? OddelekCB->currentData().toLongLong() : -1;
    if (SamoFantjeOB && SamoFantjeOB->isChecked())
        f.spol = QStringLiteral("M");
    else if (SamoDekletaOB && SamoDekletaOB->isChecked())
        f.spol = QStringLiteral("Z");
    if (UsmeritevCB)
        f.usmeritev = UsmeritevCB->currentData().toString();
    return f;
}

} // namespace zentrel::pupils
