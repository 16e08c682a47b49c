#pragma once

#include "basicdata/CurrentRecords.h"
#include "support/WidgetHarness.h"

namespace zentrel::test {

// The record window harness with the current basic-data records cleared at both ends.
class BasicDataHarness : public WidgetHarness {
public:
    void start() override {
        basicdata::ResetTrenutni();
        WidgetHarness::start();
    }
    void finish() override {
        WidgetHarness::finish();
        basicdata::ResetTrenutni();
    }
};

} // namespace zentrel::test
