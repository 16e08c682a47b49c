#pragma once

#include "UrLabelBase.h"

namespace zentrel::controls {

// A heading label in the large bold font style.
class UrNapis : public UrLabelBase {
    Q_OBJECT
public:
    explicit UrNapis(QWidget *parent = nullptr) : UrLabelBase(parent) { SetFontType(3); }
};

} // namespace zentrel::controls
