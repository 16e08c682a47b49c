#pragma once

namespace zentrel::shell {

// The size class of the screen: a measure of the main window in twips (it grows with the
// system font) above 1035 gives class 2, above 990 class 1, otherwise 0.
int SizeClassOf(int measureTwips);

// Row height of the record grids for a size class, in twips: 300, 270 and 240 for 2, 1 and 0.
int GridRowHeightTwips(int sizeClass);

} // namespace zentrel::shell
