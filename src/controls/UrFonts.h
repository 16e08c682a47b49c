#pragma once

#include <QFont>

namespace zentrel::controls {

// The program's fixed font styles by FontType: 0 normal, 1 bold, 2 small, 3 large bold,
// 4 fixed pitch. Unknown types give the normal font.
QFont FontOfType(int type);

} // namespace zentrel::controls
