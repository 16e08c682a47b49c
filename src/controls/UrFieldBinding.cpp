#include "UrFieldBinding.h"

#include "UrFieldControl.h"
#include "UrText.h"

#include <QLabel>

namespace zentrel::controls {

void BindField(QLabel *label, UrFieldControl *control, const QString &field, const QString &caption,
               int widthInChar) {
    if (label)
        label->setText(caption + QStringLiteral(":"));
    control->SetDataField(field);
    if (auto *text = dynamic_cast<UrText *>(control); text && widthInChar > 0)
        text->SetWidthInChar(widthInChar);
}

} // namespace zentrel::controls
