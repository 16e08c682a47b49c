#include "FAssignmentFields.h"

#include "controls/UrComboBox.h"

#include <QHBoxLayout>
#include <QLabel>

namespace zentrel::basicdata {

void ChoiceField(controls::UrComboBox *box, const QString &listFields, const QString &idField) {
    box->SetListFields(listFields);
    box->SetIdField(idField);
}

qint64 BoundIdOf(const controls::UrComboBox *box) {
    const QVariant id = box->BoundId();
    bool ok = false;
    const qint64 value = id.isValid() && !id.isNull() ? id.toLongLong(&ok) : -1;
    return ok ? value : -1;
}

QWidget *TurnusTotal(controls::UrComboBox *box, QLabel *total) {
    ChoiceField(box, QStringLiteral("OZNAKA"), QStringLiteral("ID"));
    box->SetShowChange(false);
    box->SetInKeyboardOrder(false);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("nnnnn")) + 36);
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box);
    layout->addWidget(total);
    layout->addStretch();
    return row;
}

} // namespace zentrel::basicdata
