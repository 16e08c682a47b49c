#pragma once

#include "IzbirniModel.h"
#include "basicdata/WriteAction.h"

#include <QStringList>

namespace zentrel::pupils {

// Reads the electives of a curriculum with every choice of every pupil, the teachers of their
// subjects and the elective groups already stored (with their pupils) into the records of the
// automatic assignment. Only the electives of `set` take part when it is given; an elective
// whose largest group is not above 0, or whose smallest is larger than its largest, stays out
// and its code goes into `skipped`. Groups made by hand and places given by hand are fixed.
// False (reported) when reading fails.
bool LoadElectiveModel(db::Connection &connection, qint64 curriculum, qint64 set, ElectiveModel &model,
                       QStringList *skipped = nullptr);

// Replaces every elective group of the curriculum by the blocks of the model, within the
// caller's action: the old groups go with their assignments and lessons, each block with open
// groups is written as an elective group, and every placed pupil is written with the type he
// was read with, or "A" when this run placed him.
bool WriteElectiveModel(basicdata::WriteAction &action, db::Connection &connection, qint64 curriculum,
                        const ElectiveModel &model);

} // namespace zentrel::pupils
