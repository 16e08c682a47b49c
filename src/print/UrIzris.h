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

// Lays a document out on pages and draws them. All geometry is in twips: the caller scales the
// painter to its device (printer, PDF, preview), so that every device shows the same pages.
//
// Pagination: tables follow one another; a table marked novaStran opens a page; a table marked
// not to be split opens a page when the running position is past half of the page; such a table
// and one kept together also open a page when they would not fit below but would on a page of
// their own; other tables break between rows, and a list repeats its caption row on the next
// page.
class UrIzris {
public:
    explicit UrIzris(const Dokument &dokument);
    UrIzris(const Dokument &dokument, QSizeF velikostStrani);

    int SteviloStrani() const { return m_pages; }
    QSizeF VelikostStrani() const { return m_page; }
    // Draws page `stran` (1 to SteviloStrani) with its footer; the painter's unit is one twip.
    void NarisiStran(QPainter &painter, int stran) const;

private:
    struct Postavljena {
        int stran = 1;
        double y = 0;
        int tabela = 0;
        int vrstica = 0;
    };
    void layout();
    double rowHeight(const Vrstica &vrstica) const;
    double tableHeight(const Tabela &tabela) const;
    void drawRow(QPainter &painter, const Tabela &tabela, const Vrstica &vrstica, double y) const;
    void drawFooter(QPainter &painter, int stran) const;

    const Dokument &m_doc;
    QSizeF m_page;
    int m_pages = 1;
    QList<Postavljena> m_placed;
};

// The document as a PDF file's bytes: A4 in the document's orientation.
QByteArray NarisiPdf(const Dokument &dokument);
// Makes NarisiPdf the renderer of the PDF exports (call once at start-up).
void RegistrirajPdf();

} // namespace zentrel::print
