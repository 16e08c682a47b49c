#pragma once

#include <QString>

namespace zentrel::controls {

// Platform virtual-key codes used by the command bar and the keys it handles.
namespace Keys {
constexpr int Enter = 13;
constexpr int Esc = 27;
constexpr int PgUp = 33;
constexpr int PgDn = 34;
constexpr int Insert = 45;
constexpr int F1 = 112;
constexpr int F2 = 113;
constexpr int F3 = 114;
constexpr int F4 = 115;
constexpr int F5 = 116;
constexpr int F6 = 117;
constexpr int F7 = 118;
constexpr int F8 = 119;
constexpr int F9 = 120;
constexpr int F10 = 121;
constexpr int F11 = 122;
constexpr int F12 = 123;
} // namespace Keys

// Shift state bits of a key, as the key preview passes them.
namespace ShiftBits {
constexpr int Shift = 1;
constexpr int Ctrl = 2;
constexpr int Alt = 4;
} // namespace ShiftBits

// Command codes with a fixed meaning in the record-editing state machine; every other code is
// only passed to the window.
namespace Commands {
constexpr int Find = 1;
constexpr int New = 3;
constexpr int Edit = 4;
constexpr int Copy = 5;
constexpr int CopyShift = 6;
constexpr int Delete = 7;
constexpr int Save = 8;
constexpr int AcceptPending = 9; // internal: accept pending changes before a record move
constexpr int SaveAndNext = 10;  // PgDn while adding: save and start the next new record
constexpr int Undo = 11;
} // namespace Commands

// One row of the command table: which key presses the button and what the button does.
struct CommandDef {
    int keyCode = 0;
    QString keyCaption;
    int command = 0;
    QString caption;
    bool passThrough = false; // only raises ButtonClick; bypasses the state machine
    QString action;           // what the button does, in full, for its tool tip
};

// Number of rows of the command table (rows 0 to 58; some numbers are unused).
constexpr int CommandTableSize = 59;

// The row of that number, or nullptr for an unused or out-of-range number.
const CommandDef *CommandRow(int row);

// The platform virtual-key code of a Qt key (0 when the command bar has no use for it).
int VirtualKeyOfQtKey(int qtKey);

} // namespace zentrel::controls
