#pragma once

namespace zentrel::pupils {

// The stage of the elective process in the current curriculum: the choice stage (sets, their
// electives and units, the pupils' choices) or the automatic stage (the assignment and the
// elective groups). The stage chosen by the user is kept in the project per curriculum; until
// one is chosen, a curriculum with elective groups is in the automatic stage.
bool ElectivesAutomaticStage();
// Keeps the stage for the current curriculum; false (reported) when it cannot be stored.
bool SetElectivesAutomaticStage(bool automatic);

} // namespace zentrel::pupils
