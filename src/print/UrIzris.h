#pragma once

#include "Dokument.h"

#include <QList>
#include <QSizeF>

class QPainter;

namespace zentrel::print {

// Page sizes in twips (1440 to the inch).
inline constexpr double A4Ozja = 11906;   // 210 mm
inline constexpr double A4Sirsa = 16838;  // 297 mm
inline constexpr double RobStrani = 567;  // 10 mm on every side
inline constexpr double VisinaNoge = 360; // the footer line under the content

// The smallest scale a fitted table is drawn at: the 8-point text of a week's cells is then
// 6 points, which still reads on paper at arm's length.
inline constexpr double NajmanjseMerilo = 0.75;

// Lays a document out on pages and draws them. All geometry is in twips: the caller scales the
// painter to its device (printer, PDF, preview), so that every device shows the same pages.
//
// Pagination: tables follow one another; a table marked novaStran opens a page; a table marked
// not to be split opens a page when the running position is past half of the page; such a table,
// one kept together, a fitted one and a heading kept with the next also open a page when they
// (a heading with the start of the table after it) would not fit below but would on a page of
// their own; a table after a heading kept with it never opens a page, so that no page holds a
// heading alone. Other tables and the rest break between rows, and a table that starts with a
// caption row repeats it on the next page.
//
// Sheets across: a document wider than the printable width is cut into sheets at the cell edges
// of its widest row, each sheet at most the printable width; every page of the layout is then
// printed as that many sheets, left to right, and the footer names the sheet: "stran R od M
// (R,C) K x M)" for the sheet in row R and column C of K columns and M rows. Nothing is cut off.
//
// A fitted table (a week's grid) takes the rest of its page: when its rows fit, those that may
// grow are raised evenly, the shortest first, so that the periods share the page as equally as
// their lessons allow; when they do not fit, the whole table (text, spacing, rows) is drawn at
// the largest of the scales 0.95, 0.9, ... NajmanjseMerilo at which it fits; beyond that it stays
// at the smallest and breaks between rows.
class UrIzris {
public:
    explicit UrIzris(const Dokument &dokument);
    UrIzris(const Dokument &dokument, QSizeF velikostStrani);

    // Sheets to print: pages down times sheets across, numbered row by row.
    int SteviloStrani() const { return m_pages * int(m_sheets.size()); }
    // Sheets across each page (1 when the document fits the printable width).
    int SteviloStolpcev() const { return int(m_sheets.size()); }
    QSizeF VelikostStrani() const { return m_page; }
    // The scale table `tabela` is drawn at: 1 for all but a fitted table that had to shrink.
    double Merilo(int tabela) const;
    // Draws page `stran` (1 to SteviloStrani) with its footer; the painter's unit is one twip.
    void NarisiStran(QPainter &painter, int stran) const;

private:
    // The measures of drawing at one scale: the line height of each style.
    struct Mere {
        double merilo = 1;
        QList<double> visineSlogov;
    };
    struct Postavljena {
        int stran = 1;
        double y = 0;
        int tabela = 0;
        int vrstica = 0;
        double visina = 0;
    };
    void layout();
    // The height of one line of a cell whose inner width is `inner`: a lone text wider than the
    // cell wraps at word boundaries onto as many lines as it needs, so that no text is cut off.
    double lineHeight(const VrstaBesedila &vrsta, const Mere &mere, double inner) const;
    double rowHeight(const Vrstica &vrstica, const Mere &mere) const;
    QList<double> rowHeights(const Tabela &tabela, const Mere &mere) const;
    double leadHeight(int tabela) const;
    // Draws the cells of a row that reach into the strip [from, to) of the content's width.
    void drawRow(QPainter &painter, const Tabela &tabela, const Vrstica &vrstica, double y, double h,
                 const Mere &mere, double from, double to) const;
    void drawFooter(QPainter &painter, int row, int column) const;
    void cutSheets();

    const Dokument &m_doc;
    QSizeF m_page;
    int m_pages = 1;
    QList<Mere> m_mere;       // by scale, from 1 down to NajmanjseMerilo
    QList<int> m_merilaTabel; // each table's index into m_mere
    QList<Postavljena> m_placed;
    struct Sheet {
        double offset = 0; // twips from the left edge of the content
        double width = 0;
    };
    QList<Sheet> m_sheets; // across, left to right
};

// The document as a PDF file's bytes: A4 in the document's orientation.
QByteArray NarisiPdf(const Dokument &dokument);
// Makes NarisiPdf the renderer of the PDF exports (call once at start-up).
void RegistrirajPdf();

} // namespace zentrel::print
