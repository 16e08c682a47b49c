#pragma once

#include <QChar>
#include <QString>

namespace zentrel::controls {

// ForceCase values of a text field.
namespace ForceCase {
constexpr int None = 0;
constexpr int Upper = 1;
constexpr int Lower = 2;
constexpr int Words = 3;      // upper case at the start or after a space, lower elsewhere
constexpr int DigitsOnly = 4; // every character that is not a digit is dropped
constexpr int FirstUpper = 5; // the first character of the text in upper case
} // namespace ForceCase

struct TextInputOptions {
    int forceCase = ForceCase::None;
    bool onlyNumeric = false;
    bool allowD = false; // "$" may be typed (codes of user-defined groups begin with it)
};

// The rules applied to every typed character. `text` is the field's text without the selected
// part that the character replaces, `position` where the character goes. Returns the character
// to insert, or a null QChar when it is dropped.
QChar FilterTypedChar(QChar c, const QString &text, int position, const TextInputOptions &options);

// Applies the rules to a pasted or inserted text, character by character.
QString FilterTypedText(const QString &typed, const QString &text, int position, const TextInputOptions &options);

// Whether a field of this declared column type takes digits only by itself (unsigned tiny
// integers).
bool IsNumericOnlyColumnType(const QString &declaredType);

} // namespace zentrel::controls
