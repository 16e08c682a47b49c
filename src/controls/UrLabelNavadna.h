#pragma once

#include "UrLabelBase.h"

namespace zentrel::controls {

// A plain label without frame.
class UrLabelNavadna : public UrLabelBase {
    Q_OBJECT
public:
    explicit UrLabelNavadna(QWidget *parent = nullptr) : UrLabelBase(parent) {}
};

} // namespace zentrel::controls
