#include "Slogi.h"

#include <array>

namespace zentrel::print {

namespace {

const QString kArial = QStringLiteral("Arial");
const QString kCourier = QStringLiteral("Courier New");
const QString kTimes = QStringLiteral("Times New Roman");

Slog s(const QString &font, int tisk, int zaslon, int align, Barva colour, const char *cls, bool bold = false,
       bool italic = false) {
    return Slog{font, tisk, zaslon, align, colour, bold, italic, QString::fromLatin1(cls)};
}

const std::array<Slog, 25> &styles() {
    static const std::array<Slog, 25> table{
        s(kArial, 10, 10, Levo, 0, "TextLeft"),
        s(kArial, 10, 10, Levo, 0, "textLeftBold", true),
        s(kArial, 10, 10, Sredina, 0, "textCenter"),
        s(kArial, 10, 10, Sredina, 0, "TextCenterBold", true),
        s(kArial, 10, 10, Desno, 0, "TextRight"),
        s(kArial, 10, 10, Levo, 0, "TextLeft"),
        s(kArial, 10, 10, Levo, 0xFF0000, "TextLeft"),
        s(kCourier, 8, 6, Levo, 0, "Teacher"),
        s(kCourier, 8, 6, Levo, 0xBB0000, "Subject", true),
        s(kCourier, 8, 6, Levo, 0x000077, "Room", false, true),
        s(kCourier, 8, 6, Levo, 0x005500, "Unit"),
        s(kCourier, 8, 6, Levo, 0x707070, "Group", true),
        s(kTimes, 6, 5, Desno, 0x606060, "Turn", true),
        s(kArial, 10, 8, Sredina, 0, "TableHeader"),
        s(kArial, 8, 6, Sredina, 0, "RowHeader"),
        s(kArial, 8, 6, Levo, 0, "TableRowHeader"),
        s(kArial, 8, 8, Levo, 0, "PageFooterLeft"),
        s(kArial, 10, 10, Sredina, 0, "SecondHeaderCenter", true),
        s(kArial, 8, 8, Desno, 0, "PageFooterRight"),
        s(kArial, 10, 10, Levo, 0, "FirstHeaderLeft"),
        s(kArial, 9, 9, Desno, 0, "FirstHeaderRight"),
        s(kArial, 10, 10, Levo, 0, "SecondHeaderLeft", true),
        s(kArial, 9, 9, Desno, 0, "SecondHeaderRight"),
        s(kArial, 12, 12, Sredina, 0, "SecondHeaderCenter", true),
        s(kArial, 8, 6, Levo, 0, "RowHeader"),
    };
    return table;
}

FormatCelice f(bool bg, Barva background, bool frame, Barva frameColour, int width, const char *cls) {
    return FormatCelice{bg, background, frame, frameColour, width, QString::fromLatin1(cls)};
}

const std::array<FormatCelice, 7> &cellFormats() {
    static const std::array<FormatCelice, 7> table{
        FormatCelice{},
        f(true, 0xF4F4F4, true, 0xF4F4F4, 1, " Class=MarkBorder "),
        f(false, 0, true, 0, 1, " Class=NormalBackground "),
        f(false, 0, true, 0, 2, " Class=NormalBackground "),
        f(true, 0xF9FBEE, true, 0, 1, " Class=Full "),
        f(true, 0xF0F9EE, true, 0, 1, ""),
        f(true, 0xFF0000, true, 0, 1, " Class=Full "),
    };
    return table;
}

} // namespace

const Slog &SlogTiska(int index) {
    return styles()[index >= 0 && index < int(styles().size()) ? index : 0];
}

int SteviloSlogov() {
    return int(styles().size());
}

const FormatCelice &FormatCeliceTiska(int index) {
    return cellFormats()[index >= 0 && index < int(cellFormats().size()) ? index : 0];
}

QString RazredVrste(int format) {
    return format == 1 ? QStringLiteral(" Class=Overline ") : QString();
}

QString NadomestnaPisava(const QString &pisava) {
    if (pisava == kCourier)
        return QStringLiteral("Liberation Mono");
    if (pisava == kTimes)
        return QStringLiteral("Liberation Serif");
    return QStringLiteral("Liberation Sans");
}

} // namespace zentrel::print
