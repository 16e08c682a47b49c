#pragma once

#include <QString>
#include <QtGlobal>

namespace zentrel::print {

// A colour as 0xRRGGBB.
using Barva = quint32;

enum Poravnava { Levo = 0, Desno = 1, Sredina = 2 };

// One text style of the printouts: font, sizes on paper and on screen, alignment, colour and
// the class name the HTML exports give it (defined in zn.css).
struct Slog {
    QString pisava; // the font family as the printouts name it ("Arial", "Courier New", ...)
    int velikostTisk = 10;
    int velikostZaslon = 10;
    int poravnava = Levo;
    Barva barva = 0;
    bool krepko = false;
    bool lezece = false;
    QString razred;
};

// A cell's background, frame and HTML class attribute.
struct FormatCelice {
    bool imaOzadje = false;
    Barva ozadje = 0;
    bool imaOkvir = false;
    Barva okvir = 0;
    int debelina = 0;
    QString razred; // " Class=... " or empty
};

// The fixed style table (indices 0 to 24); an index outside it gives style 0.
const Slog &SlogTiska(int index);
int SteviloSlogov();
// The fixed cell formats 0 to 6; outside them format 0 (no settings).
const FormatCelice &FormatCeliceTiska(int index);
// Line format 1 draws a rule over the line in this colour and has this class attribute.
constexpr Barva BarvaNadcrte = 0x101010;
QString RazredVrste(int format);

// The font family installed on this system that has the metrics of the named one (the
// Liberation fonts stand in for Arial, Courier New and Times New Roman).
QString NadomestnaPisava(const QString &pisava);

// Named styles the printout builders use.
namespace slog {
constexpr int Besedilo = 0;
constexpr int Krepko = 1;
constexpr int Sredinsko = 2;
constexpr int SredinskoKrepko = 3;
constexpr int Desno = 4;
constexpr int Rdece = 6;
constexpr int Ucitelj = 7;
constexpr int Predmet = 8;
constexpr int Prostor = 9;
constexpr int Enota = 10;
constexpr int Skupina = 11;
constexpr int Turnus = 12;
constexpr int GlavaTabele = 13;
constexpr int GlavaVrstice = 14;
constexpr int GlavaVrsticeLevo = 15;
constexpr int NogaLevo = 16;
constexpr int NogaDesno = 18;
constexpr int PrvaGlavaLevo = 19;
constexpr int PrvaGlavaDesno = 20;
constexpr int DrugaGlavaLevo = 21;
constexpr int DrugaGlavaDesno = 22;
constexpr int Naslov = 23;
} // namespace slog

} // namespace zentrel::print
