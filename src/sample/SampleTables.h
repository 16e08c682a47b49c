#pragma once

#include "db/RowBatch.h"

namespace zentrel::sample {

// The sample school is written as any generated project is.
using SampleTables = db::RowBatch;

} // namespace zentrel::sample
