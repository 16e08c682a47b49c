#include "FBrisanjeUrnikaOddelka.h"

#include "FGumbiDialoga.h"
#include "NastavitveUrnikov.h"
#include "core/AppState.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>

namespace zentrel::timetable {

FBrisanjeUrnikaOddelka::FBrisanjeUrnikaOddelka(bool ucitelj, const QString &oznaka, QWidget *parent)
    : QDialog(parent), BrisiStalneCB(new QCheckBox(QStringLiteral("Briši stalne predmete"), this)) {
    setObjectName(QStringLiteral("FBrisanjeUrnikaOddelka"));
    setWindowTitle(QStringLiteral("Brisanje predmetov iz urnika"));
    const core::AppState &app = core::App();
    auto *layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Razpored:"), new QLabel(app.trenutniPredmetnikIme, this));
    layout->addRow(QStringLiteral("Urnik:"), new QLabel(app.trenutniUrnikIme, this));
    layout->addRow(QStringLiteral("Turnus:"), new QLabel(app.trenutniTurnusOznaka, this));
    layout->addRow(ucitelj ? QStringLiteral("Učitelj:") : QStringLiteral("Enota:"), new QLabel(oznaka, this));
    BrisiStalneCB->setChecked(nastavitve::BrisiStalne());
    layout->addRow(BrisiStalneCB);
    QDialogButtonBox *gumbi = GumbiDialoga(this, QStringLiteral("Briši"));
    connect(gumbi, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(BrisiStalneCB, &QCheckBox::toggled, this, [](bool on) { nastavitve::NastaviBrisiStalne(on); });
    layout->addRow(gumbi);
}

bool FBrisanjeUrnikaOddelka::BrisiStalne() const {
    return BrisiStalneCB->isChecked();
}

} // namespace zentrel::timetable
