#pragma once

#include "db/RowSet.h"

#include <QDate>
#include <QList>
#include <QString>

namespace zentrel::print {

// One text item: drawn in its style, laid beside the other items of its line.
struct Besedilo {
    QString besedilo;
    int slog = 0;
    int sirina = 0; // width in twips; 0 = as wide as the text
    int vrednost = -1;
    QString oznaka; // XML tag
};

// A line of a cell: its items side by side. Format 1 rules a line over it.
struct VrstaBesedila {
    int format = 0;
    QString oznaka;
    QList<Besedilo> besedila;
};

// A cell: its lines stacked. Width in twips (1440 to the inch); format 0 to 6 (background,
// frame); span 2 covers two columns in HTML.
struct Celica {
    int sirina = 1600;
    int format = 0;
    int razpon = 1;
    QString oznaka;
    QList<VrstaBesedila> vrste;
};

// A row: its cells side by side, as tall as its tallest cell and at least `visina` twips. In a
// table fitted to its page, a row with `najvecVisina` grows up to that height to fill the page.
struct Vrstica {
    bool obroba = false;
    int visina = 0;
    int najvecVisina = 0;
    QString oznaka;
    QList<Celica> celice;
};

// A table: rows stacked. A table that must not be split starts on a new page when the page is
// already past half; one with novaStran always starts a page; one kept together (drziSkupaj)
// starts a page only when it does not fit below but fits a page of its own. A table kept with
// the next (sNaslednjo, a heading) stays on the page where the next one starts. A fitted table
// (prilagodi, a week's grid) fills the rest of its page and is drawn smaller when it does not
// fit (UrIzris says how).
struct Tabela {
    bool obroba = false;
    bool nedeljiva = false;
    bool novaStran = false;
    bool drziSkupaj = false;
    bool sNaslednjo = false;
    bool prilagodi = false;
    QString naslov;
    QString oznaka;
    QList<Vrstica> vrstice;
};

// A column of a list built from a query: caption, width in twips, style of the items.
struct StolpecSeznama {
    QString naslov;
    int sirina = 1600;
    int slog = 0;
    QString polje;  // the query column; empty = the column at the same position
    QString oznaka; // XML tag of the cell; empty = the column's name
};

// The in-memory document every printout is built as, before it goes to the printer, the
// preview or a file. Adding an element makes it current; the next level's elements are added
// to it (a cell goes into the last row of the last table).
class Dokument {
public:
    // Starts an empty document: landscape or portrait.
    void NovDokument(bool lezece = false);
    // The report's name (title, footer) and a second title under it.
    void NastaviNaslov(const QString &imePorocila, const QString &drugiNaslov = QString());
    // The standard page header: school and credit line, report name, the date it is about
    // (none when invalid) and the print date; a turnus label adds " - Turnus X" to the name.
    // It stays on the page where the table after it starts.
    void DodajGlavo(const QString &imeSole, const QString &imePorocila, const QDate &datum = QDate(),
                    const QString &turnus = QString(), const QDate &datumTiska = QDate::currentDate());

    Tabela &DodajTabelo(const QString &oznaka = QString(), bool obroba = false, bool nedeljiva = false,
                        const QString &naslov = QString());
    Vrstica &DodajVrstico(const QString &oznaka = QString(), bool obroba = false);
    Celica &DodajCelico(int sirina, int format = 0, const QString &oznaka = QString(), int razpon = 1);
    VrstaBesedila &DodajVrstoBesedila(int format = 0, const QString &oznaka = QString());
    Besedilo &DodajBesedilo(const QString &besedilo, int slog, const QString &oznaka = QString(), int sirina = 0);
    // A cell holding one line with one item; the tag is the item's.
    Celica &DodajCelicoZBesedilom(const QString &besedilo, int sirina, int slog, const QString &oznaka = QString(),
                                  int format = 0);
    // A list: one header row with the captions (style 13), then one row per record with each
    // field in a cell of the column's width and style. Rows tagged `oznakaVrstice`.
    Tabela &DodajTabeloIzPoizvedbe(const db::RowSet &rows, const QList<StolpecSeznama> &stolpci,
                                   const QString &oznakaTabele = QString(),
                                   const QString &oznakaVrstice = QStringLiteral("Row"));

    bool lezece() const { return m_lezece; }
    bool imaGlavo() const { return m_imaGlavo; }
    const QString &imePorocila() const { return m_imePorocila; }
    const QString &drugiNaslov() const { return m_drugiNaslov; }
    const QList<Tabela> &tabele() const { return m_tabele; }
    bool prazen() const { return m_tabele.isEmpty(); }

private:
    bool m_lezece = false;
    bool m_imaGlavo = false;
    QString m_imePorocila;
    QString m_drugiNaslov;
    QList<Tabela> m_tabele;
};

// The width of a page's content in twips: A4 without 10 mm margins on each side.
constexpr int SirinaVsebine(bool lezece) {
    return lezece ? 15704 : 10772;
}

// Print date as the header shows it: "6. december 2026".
QString DatumTiska(const QDate &date);

} // namespace zentrel::print
