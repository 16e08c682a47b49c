#include "FKopirajUrnik.h"

#include "FGumbiDialoga.h"
#include "KopiranjeUrnika.h"
#include "core/AppState.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace zentrel::timetable {

FKopirajUrnik::FKopirajUrnik(QWidget *parent) : QDialog(parent), VNovUrnikE(new QLineEdit(this)) {
    setObjectName(QStringLiteral("FKopirajUrnik"));
    setWindowTitle(QStringLiteral("Kopiranje urnika"));
    VNovUrnikE->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('n')) * 30);
    QDialogButtonBox *gumbi = GumbiDialoga(this, QStringLiteral("Kopiraj"));
    connect(gumbi, &QDialogButtonBox::accepted, this, &FKopirajUrnik::kopiraj);
    auto *layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Iz urnika:"), new QLabel(core::App().trenutniUrnikIme, this));
    layout->addRow(QStringLiteral("V nov urnik:"), VNovUrnikE);
    layout->addRow(gumbi);
}

void FKopirajUrnik::kopiraj() {
    m_novi = KopirajUrnik(core::App().trenutniUrnik, VNovUrnikE->text());
    if (m_novi >= 0)
        accept();
    else
        VNovUrnikE->setFocus();
}

} // namespace zentrel::timetable
