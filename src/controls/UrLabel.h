#pragma once

#include "UrLabelBase.h"

namespace zentrel::controls {

// The caption label of a field.
class UrLabel : public UrLabelBase {
    Q_OBJECT
public:
    explicit UrLabel(QWidget *parent = nullptr) : UrLabelBase(parent) {}
};

} // namespace zentrel::controls
