#pragma once

namespace zentrel::shell {

// The size class of the screen: a measure of the main window in twips (it grows with the
// system font) above 1035 gives class 2, above 990 class 1, otherwise 0. The record grids take
// their row height from it.
int SizeClassOf(int measureTwips);

} // namespace zentrel::shell
