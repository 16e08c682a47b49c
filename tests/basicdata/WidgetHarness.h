#pragma once

#include "SmallSchool.h"
#include "basicdata/CurrentRecords.h"
#include "core/AppState.h"
#include "support/WidgetHarness.h"

namespace zentrel::test {

// The record window harness with the current basic-data records cleared at both ends.
class BasicDataHarness : public WidgetHarness {
public:
    void start() override {
        basicdata::ResetTrenutni();
        WidgetHarness::start();
    }
    // A new project holding the small school, its curriculum current.
    void startSmallSchool() {
        start();
        for (const QString &sql : SmallSchoolStatements())
            QVERIFY2(run(sql), qPrintable(sql));
        core::App().trenutniPredmetnik = 1;
    }
    void finish() override {
        WidgetHarness::finish();
        basicdata::ResetTrenutni();
    }
};

} // namespace zentrel::test
