#include "CommandTable.h"

#include <Qt>
#include <array>
#include <optional>

namespace zentrel::controls {

namespace {

struct RowText {
    int row;
    int key;
    const char *keyCaption;
    int command;
    const char *caption;
    bool passThrough;
};

// The table is filled once; windows choose their buttons by row number.
constexpr RowText kRows[] = {
    {0, Keys::F3, "F3", 1, "Najdi", false},
    {1, Keys::F3, "F3", 2, "Najdi", true},
    {2, Keys::F6, "F6", 3, "Nov", false},
    {3, Keys::F6, "F6", 3, "Nova", false},
    {4, Keys::F5, "F5", 4, "Uredi", false},
    {5, Keys::F7, "F7", 5, "Kopiraj", false},
    {6, Keys::F7, "F7", 5, "Kop. urnik", false},
    {7, Keys::F8, "F8", 6, "Kop. turnus", false},
    {8, Keys::F9, "F9", 7, "Briši", false},
    {9, Keys::F10, "F10", 7, "Briši vse", false},
    {10, Keys::F10, "F10", 33, "Briši letnik", true},
    {11, Keys::F10, "F10", 34, "Briši vse", true},
    {12, Keys::F9, "F9", 35, "Briši avt.", true},
    {13, Keys::F12, "F12", 8, "Shrani", false},
    {14, Keys::F10, "F10", 12, "Prekini", false},
    {15, Keys::F11, "F11", 11, "Razveljavi", false},
    {16, Keys::F6, "F6", 3, "Dodaj", false},
    {17, Keys::F9, "F9", 7, "Odstrani", false},
    {18, Keys::F5, "F5", 13, "Sestavi", true},
    {19, Keys::F5, "F5", 14, "Nadaljuj", true},
    {20, Keys::F5, "F5", 37, "Zaključi", true},
    {21, Keys::Insert, "Ins", 15, "Dodaj", true},
    {22, Keys::F9, "F9", 16, "Odstrani", true},
    {23, Keys::F5, "F5", 18, "Tiskalnik", true},
    {24, Keys::F6, "F6", 20, "CSV", true},
    {25, Keys::F6, "F6", 21, "Datoteka", true},
    {26, Keys::F12, "F12", 19, "Izb. tisk.", true},
    {27, Keys::F11, "F11", 22, "HTML", true},
    {28, Keys::F10, "F10", 23, "XML", true},
    {29, Keys::F2, "F2", 17, "Novi", true},
    {30, Keys::F10, "F10", 25, "Briši tur.", true},
    {31, Keys::F5, "F5", 13, "Dodeli", true},
    {32, Keys::Esc, "Esc", 12, "Prekliči", false},
    {33, Keys::Enter, "Enter", 26, "V redu", true},
    {34, Keys::Esc, "Esc", 29, "Prekini", true},
    {35, Keys::Insert, "Ins", 0, "Dodaj označene", true},
    {36, Keys::F11, "F11", 0, "Briši označene", true},
    {37, Keys::F9, "F9", 0, "Briši izbrane", true},
    {38, Keys::Insert, "Ins", 0, "Spremeni dan", true},
    {39, Keys::Insert, "Ins", 0, "Potrdi", true},
    {40, Keys::F2, "F2", 0, "Potrdi", true},
    {41, Keys::F7, "F7", 0, "Potrdi", true},
    {42, Keys::F9, "F9", 0, "Potrdi", true},
    {43, Keys::F11, "F11", 0, "Potrdi", true},
    {44, Keys::F11, "F11", 0, "Briši", false},
    {45, Keys::F10, "F10", 0, "Briši", false},
    {46, Keys::Insert, "Ins", 0, "Dodaj", true},
    {47, Keys::Enter, "Enter", 26, "Da", true},
    {48, Keys::Esc, "Esc", 12, "Ne", true},
    {50, Keys::F11, "F11", 27, "Prebrskaj", true},
    {51, Keys::F4, "F4", 0, "Menjava", false},
    {53, Keys::F7, "F7", 32, "Uvozi", true},
    {57, Keys::F7, "F7", 32, "Uvozi", true},
    {58, Keys::F10, "F10", 10, "Prekini", true},
};

const std::array<std::optional<CommandDef>, CommandTableSize> &table() {
    static const auto filled = [] {
        std::array<std::optional<CommandDef>, CommandTableSize> t;
        for (const RowText &r : kRows)
            t[r.row] = CommandDef{r.key, QString::fromUtf8(r.keyCaption), r.command, QString::fromUtf8(r.caption),
                                  r.passThrough};
        return t;
    }();
    return filled;
}

} // namespace

const CommandDef *CommandRow(int row) {
    if (row < 0 || row >= CommandTableSize)
        return nullptr;
    const auto &entry = table()[row];
    return entry ? &*entry : nullptr;
}

int VirtualKeyOfQtKey(int qtKey) {
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return Keys::F1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Keys::Enter;
    case Qt::Key_Escape:
        return Keys::Esc;
    case Qt::Key_PageUp:
        return Keys::PgUp;
    case Qt::Key_PageDown:
        return Keys::PgDn;
    case Qt::Key_Insert:
        return Keys::Insert;
    default:
        return 0;
    }
}

} // namespace zentrel::controls
