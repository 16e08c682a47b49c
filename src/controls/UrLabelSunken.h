#pragma once

#include "UrLabelBase.h"

namespace zentrel::controls {

// A label in a sunken panel (values shown beside fields).
class UrLabelSunken : public UrLabelBase {
    Q_OBJECT
public:
    explicit UrLabelSunken(QWidget *parent = nullptr) : UrLabelBase(parent) {
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Sunken);
    }
};

} // namespace zentrel::controls
