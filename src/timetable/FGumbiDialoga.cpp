#include "FGumbiDialoga.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace zentrel::timetable {

QDialogButtonBox *GumbiDialoga(QDialog *dialog, const QString &potrdi, bool preklici) {
    auto *gumbi = new QDialogButtonBox(dialog);
    gumbi->addButton(potrdi, QDialogButtonBox::AcceptRole)->setDefault(true);
    if (preklici)
        gumbi->addButton(QStringLiteral("Prekliči"), QDialogButtonBox::RejectRole);
    QObject::connect(gumbi, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return gumbi;
}

} // namespace zentrel::timetable
