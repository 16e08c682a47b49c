#include "UrTermin.h"

#include <QFontMetrics>
#include <QPainter>

namespace zentrel::timetable {

namespace {

// Colours chosen to differ in lightness too, so that grey print keeps them apart.
const QColor Lekcija(0xE3, 0xEC, 0xF7);
const QColor Stalna(0xCF, 0xCF, 0xCF);
const QColor Oznacena(0xFF, 0xF1, 0x9A);
const QColor Konflikt(0xF4, 0xB8, 0xB8);
const QColor Prepovedano(0xFB, 0xDD, 0xB0);
const QColor Prosto(0xD6, 0xF0, 0xD6);
const QColor Zaseden(0x9B, 0x1C, 0x1C);
const QColor Prepoved(0xC0, 0x60, 0x00);

// A small square with a letter: filled, or hollow (and struck through when it marks a forbidden period).
void Oglat(QPainter &p, const QRect &r, const QColor &barva, const QString &crka, bool poln, bool precrtan = false) {
    p.save();
    p.setPen(QPen(barva, poln ? 1 : 2));
    if (poln) {
        p.fillRect(r, barva);
        p.setPen(Qt::white);
    } else {
        p.fillRect(r, Qt::white);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        if (precrtan)
            p.drawLine(r.topRight(), r.bottomLeft());
    }
    QFont f = p.font();
    f.setPixelSize(std::max(6, r.height() - 2));
    f.setBold(true);
    p.setFont(f);
    p.drawText(r, Qt::AlignCenter, crka);
    p.restore();
}

} // namespace

std::array<QRect, 6> UrTermin::Oznake(const QRect &celica) {
    const int s = std::max(6, std::min({14, celica.height() / 4, celica.width() / 9}));
    const int y = celica.bottom() - s - 1;
    std::array<QRect, 6> r;
    for (int i = 0; i < 6; ++i) {
        // Forbidden marks from the left, occupied ones after a gap of one mark.
        const int x = celica.left() + 2 + (i + (i >= 3 ? 1 : 0)) * (s + 1);
        r[size_t(i)] = QRect(x, y, s, s);
    }
    return r;
}

std::array<bool, 6> UrTermin::vidneOznake() const {
    const rocno::ZastavicePrenosa &z = celica.prenos;
    return {z.oddelekPrepovedan, z.uciteljPrepovedan, z.prostorPrepovedan,
            z.oddelekZaseden,    z.uciteljZaseden,    z.prostorZaseden};
}

void UrTermin::narisi(QPainter &p, const QRect &r) const {
    const CelicaUrnika &c = celica;
    const rocno::ZastavicePrenosa &z = c.prenos;
    const bool zaseden = z.oddelekZaseden || z.uciteljZaseden || z.prostorZaseden;
    const bool prepovedan = z.oddelekPrepovedan || z.uciteljPrepovedan || z.prostorPrepovedan;
    QColor ozadje = c.termin >= 1 ? (c.stalenPredmet ? Stalna : Lekcija) : QColor(Qt::white);
    if (nosenje)
        ozadje = zaseden ? Konflikt : prepovedan ? Prepovedano : c.termin < 1 ? Prosto : ozadje;
    if (oznacenTermin)
        ozadje = Oznacena;
    p.fillRect(r, ozadje);
    // A period forbidden for the carried lesson is hatched one way, one forbidden for the class or
    // teacher shown the other way: both read in grey print.
    if (nosenje && prepovedan && !zaseden)
        p.fillRect(r, QBrush(QColor(0xA0, 0x60, 0x10), Qt::FDiagPattern));
    if (c.prepoved)
        p.fillRect(r, QBrush(QColor(0x80, 0x30, 0x30), Qt::BDiagPattern));
    if (c.izpraznjenTermin)
        p.fillRect(r, QBrush(QColor(0x50, 0x50, 0x50), Qt::Dense6Pattern));
    if (c.dvojniPredmet)
        p.fillRect(QRect(r.left(), r.top(), 4, r.height()), QColor(0x30, 0x30, 0x60));

    const QStringList vrstice = c.oznaka.split(u'\n');
    QFont f = p.font();
    f.setItalic(c.nizjiNivo);
    const QFontMetrics fm(f);
    const QRect besedilo = r.adjusted(PredmetOffsetX + (c.dvojniPredmet ? 3 : 0), PredmetOffsetY, -14, -2);
    int y = besedilo.top();
    for (int i = 0; i < vrstice.size() && y + fm.height() <= r.bottom() - 2; ++i) {
        QFont vf = f;
        vf.setBold(i == 0); // the subject
        p.setFont(vf);
        p.setPen(Qt::black);
        // Not clipped to the line: an accent above a capital may reach over the font's ascent.
        p.drawText(QRect(besedilo.left(), y, besedilo.width(), fm.height()),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
                   QFontMetrics(vf).elidedText(vrstice[i], Qt::ElideRight, besedilo.width()));
        y += fm.height();
    }
    p.setFont(f);

    // Corner marks of the lesson: fixed, this turnus only, several teachers, without a room.
    int x = r.right() - 11;
    auto kot = [&](const QString &crka, bool poln) {
        Oglat(p, QRect(x, r.top() + 2, 10, 10), QColor(0x20, 0x20, 0x20), crka, poln);
        x -= 11;
    };
    if (c.stalenPredmet)
        kot(QStringLiteral("S"), true);
    if (c.samoTaTurnus)
        kot(QStringLiteral("T"), false);
    if (c.veckratZaseden)
        kot(QStringLiteral("+"), false);
    if (c.brezProstora)
        kot(QStringLiteral("!"), false);

    const std::array<bool, 6> vidne = vidneOznake();
    const std::array<QRect, 6> mesta = Oznake(r);
    static const char *const crke[] = {"O", "U", "P", "O", "U", "P"};
    for (int i = 0; i < 6; ++i)
        if (vidne[size_t(i)])
            Oglat(p, mesta[size_t(i)], i < 3 ? Prepoved : Zaseden, QString::fromLatin1(crke[i]), i >= 3, i < 3);

    // The frame: heavy for a fixed lesson, blue for the chosen lesson, green where the chain went.
    QPen okvir(QColor(0xA0, 0xA0, 0xA0), 1);
    if (c.stalenPredmet)
        okvir = QPen(Qt::black, 3);
    if (c.podobenPredmet)
        okvir = QPen(QColor(0x20, 0x50, 0xC0), 2, Qt::DashLine);
    if (c.izbranPredmet)
        okvir = QPen(QColor(0x20, 0x50, 0xC0), 3);
    if (c.predZadnjiTermin)
        okvir = QPen(QColor(0x10, 0x80, 0x10), 2, Qt::DashLine);
    if (c.zadnjiTermin)
        okvir = QPen(QColor(0x10, 0x80, 0x10), 3);
    p.setPen(okvir);
    p.setBrush(Qt::NoBrush);
    const int w = okvir.width() / 2;
    p.drawRect(r.adjusted(w, w, -w - 1, -w - 1));
    if (kazalec) {
        p.setPen(QPen(Qt::black, 2, Qt::DotLine));
        p.drawRect(r.adjusted(3, 3, -4, -4));
    }
}

} // namespace zentrel::timetable
