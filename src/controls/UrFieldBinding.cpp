#include "UrFieldBinding.h"

#include "UrCBText.h"
#include "UrComboBox.h"
#include "UrFieldControl.h"
#include "UrMoverBox.h"
#include "UrText.h"

#include <QLabel>

namespace zentrel::controls {

namespace {

void bindLabel(QLabel *label, const QString &caption) {
    if (label)
        label->setText(caption + QStringLiteral(":"));
}

} // namespace

void BindField(QLabel *label, UrFieldControl *control, const QString &field, const QString &caption, int widthInChar) {
    bindLabel(label, caption);
    control->SetDataField(field);
    if (auto *text = dynamic_cast<UrText *>(control); text && widthInChar > 0)
        text->SetWidthInChar(widthInChar);
}

void BindField(QLabel *label, UrComboBox *control, const QString &field, const QString &caption,
               const db::RowSet &rowSource, const QString &listFields, const QString &idField) {
    bindLabel(label, caption);
    control->SetDataField(field);
    control->SetIdField(idField);
    control->SetListFields(listFields);
    control->SetRowSource(rowSource);
}

void BindField(QLabel *label, UrCBText *control, const QString &field, const QString &caption,
               const db::RowSet &rowSource, const QString &listFields, const QString &idField) {
    bindLabel(label, caption);
    control->SetDataField(field);
    control->SetIdField(idField);
    control->SetListFields(listFields);
    control->SetRowSource(rowSource);
}

void BindMover(QLabel *label, UrMoverBox *mover, const QString &caption, const QString &listFieldLeft,
               const db::RowSet &rowSourceLeft, const QString &listFieldRight, const db::RowSet &rowSourceRight) {
    bindLabel(label, caption);
    mover->SetListFieldLeft(listFieldLeft);
    mover->SetRowSourceLeft(rowSourceLeft);
    mover->SetListFieldRight(listFieldRight);
    mover->SetRowSourceRight(rowSourceRight);
}

} // namespace zentrel::controls
