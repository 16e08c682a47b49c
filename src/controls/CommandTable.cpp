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
    const char *action;
};

// The table is filled once; windows choose their buttons by row number.
constexpr RowText kRows[] = {
    {0, Keys::F3, "F3", 1, "Najdi", false, "Najde zapis po delu oznake ali imena"},
    {1, Keys::F3, "F3", 2, "Najdi", true, "Najde zapis po delu oznake ali imena"},
    {2, Keys::F6, "F6", 3, "Nov", false, "Doda nov zapis"},
    {3, Keys::F6, "F6", 3, "Nova", false, "Doda nov zapis"},
    {4, Keys::F5, "F5", 4, "Uredi", false, "Začne urejati izbrani zapis"},
    {5, Keys::F7, "F7", 5, "Kopiraj", false, "Kopira izbrani zapis"},
    {6, Keys::F7, "F7", 5, "Kop. urnik", false, "Kopira izbrani urnik"},
    {7, Keys::F8, "F8", 6, "Kop. turnus", false, "Kopira turnus urnika v drug turnus"},
    {8, Keys::F9, "F9", 7, "Briši", false, "Briše izbrani zapis"},
    {9, Keys::F10, "F10", 7, "Briši vse", false, "Briše vse zapise"},
    {10, Keys::F10, "F10", 33, "Briši letnik", true, "Briše letnik učencev"},
    {11, Keys::F10, "F10", 34, "Briši vse", true, "Briše vse"},
    {12, Keys::F9, "F9", 35, "Briši avt.", true, "Briše avtomatsko dodeljene"},
    {13, Keys::F12, "F12", 8, "Shrani", false, "Shrani spremembe"},
    {14, Keys::F10, "F10", 12, "Prekini", false, "Prekine urejanje in zavrže spremembe"},
    {15, Keys::F11, "F11", 11, "Razveljavi", false, "Razveljavi zadnjo spremembo"},
    {16, Keys::F6, "F6", 3, "Dodaj", false, "Doda zapis"},
    {17, Keys::F9, "F9", 7, "Odstrani", false, "Odstrani izbrani zapis"},
    {18, Keys::F5, "F5", 13, "Sestavi", true, "Začne sestavljanje"},
    {19, Keys::F5, "F5", 14, "Nadaljuj", true, "Nadaljuje prekinjeno sestavljanje"},
    {20, Keys::F5, "F5", 37, "Zaključi", true, "Zaključi postopek"},
    {21, Keys::Insert, "Ins", 15, "Dodaj", true, "Doda izbrano"},
    {22, Keys::F9, "F9", 16, "Odstrani", true, "Odstrani izbrano"},
    {23, Keys::F5, "F5", 18, "Tiskalnik", true, "Pripravi izpis za tiskalnik (s predogledom)"},
    {24, Keys::F6, "F6", 20, "CSV", true, "Zapiše izpis v datoteko CSV"},
    {25, Keys::F6, "F6", 21, "Datoteka", true, "Zapiše izpis v datoteko"},
    {26, Keys::F12, "F12", 19, "Izb. tisk.", true, "Izbere tiskalnik"},
    {27, Keys::F11, "F11", 22, "HTML", true, "Zapiše izpis v datoteke HTML"},
    {28, Keys::F10, "F10", 23, "XML", true, "Zapiše izpis v datoteko XML"},
    {29, Keys::F2, "F2", 17, "Novi", true, "Ustvari nove zapise"},
    {30, Keys::F10, "F10", 25, "Briši tur.", true, "Briše turnus urnika"},
    {31, Keys::F5, "F5", 13, "Dodeli", true, "Dodeli"},
    {32, Keys::Esc, "Esc", 12, "Prekliči", false, "Prekliče in zapre okno"},
    {33, Keys::Enter, "Enter", 26, "V redu", true, "Potrdi in zapre okno"},
    {34, Keys::Esc, "Esc", 29, "Prekini", true, "Prekine"},
    {35, Keys::Insert, "Ins", 0, "Dodaj označene", true, "Doda označene"},
    {36, Keys::F11, "F11", 0, "Briši označene", true, "Briše označene"},
    {37, Keys::F9, "F9", 0, "Briši izbrane", true, "Briše izbrane"},
    {38, Keys::Insert, "Ins", 0, "Spremeni dan", true, "Spremeni dan"},
    {39, Keys::Insert, "Ins", 0, "Potrdi", true, "Potrdi"},
    {40, Keys::F2, "F2", 0, "Potrdi", true, "Potrdi"},
    {41, Keys::F7, "F7", 0, "Potrdi", true, "Potrdi"},
    {42, Keys::F9, "F9", 0, "Potrdi", true, "Potrdi"},
    {43, Keys::F11, "F11", 0, "Potrdi", true, "Potrdi"},
    {44, Keys::F11, "F11", 0, "Briši", false, "Briše"},
    {45, Keys::F10, "F10", 0, "Briši", false, "Briše"},
    {46, Keys::Insert, "Ins", 0, "Dodaj", true, "Doda"},
    {47, Keys::Enter, "Enter", 26, "Da", true, "Potrdi (Da)"},
    {48, Keys::Esc, "Esc", 12, "Ne", true, "Zavrne (Ne)"},
    {50, Keys::F11, "F11", 27, "Prebrskaj", true, "Izbere datoteko ali mapo"},
    {51, Keys::F4, "F4", 0, "Menjava", false, "Zamenja izbiro"},
    {53, Keys::F7, "F7", 32, "Uvozi", true, "Uvozi podatke"},
    {57, Keys::F7, "F7", 32, "Uvozi", true, "Uvozi podatke"},
    {58, Keys::F10, "F10", 10, "Prekini", true, "Prekine"},
};

const std::array<std::optional<CommandDef>, CommandTableSize> &table() {
    static const auto filled = [] {
        std::array<std::optional<CommandDef>, CommandTableSize> t;
        for (const RowText &r : kRows)
            t[r.row] =
                CommandDef{r.key,         QString::fromUtf8(r.keyCaption), r.command, QString::fromUtf8(r.caption),
                           r.passThrough, QString::fromUtf8(r.action)};
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
