#include "UrIzris.h"

#include "IzhodPdf.h"
#include "Slogi.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace zentrel::print {

namespace {

constexpr double kPadX = 50;
constexpr double kPadY = 25;
constexpr double kItemGap = 70;
constexpr double kTableGap = 240;

QFont fontOf(const Slog &s) {
    QFont font(NadomestnaPisava(s.pisava));
    font.setPixelSize(s.velikostTisk * 20); // points to twips: the painter's unit
    font.setBold(s.krepko);
    font.setItalic(s.lezece);
    return font;
}

constexpr double kRuleGap = 40; // room above a line that is ruled over

double lineHeight(const VrstaBesedila &vrsta) {
    double h = QFontMetricsF(fontOf(SlogTiska(0))).height() * 0.8;
    if (vrsta.format == 1)
        h += kRuleGap;
    for (const Besedilo &b : vrsta.besedila)
        h = std::max(h, QFontMetricsF(fontOf(SlogTiska(b.slog))).height());
    return h;
}

double cellHeight(const Celica &celica) {
    double h = 2 * kPadY;
    for (const VrstaBesedila &v : celica.vrste)
        h += lineHeight(v);
    return h;
}

Qt::Alignment alignmentOf(const Slog &s) {
    switch (s.poravnava) {
    case Desno:
        return Qt::AlignRight;
    case Sredina:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

} // namespace

UrIzris::UrIzris(const Dokument &dokument)
    : UrIzris(dokument, dokument.lezece() ? QSizeF(A4Sirsa, A4Ozja) : QSizeF(A4Ozja, A4Sirsa)) {}

UrIzris::UrIzris(const Dokument &dokument, QSizeF velikostStrani) : m_doc(dokument), m_page(velikostStrani) {
    layout();
}

double UrIzris::rowHeight(const Vrstica &vrstica) const {
    double h = vrstica.visina;
    for (const Celica &c : vrstica.celice)
        h = std::max(h, cellHeight(c));
    return h;
}

double UrIzris::tableHeight(const Tabela &tabela) const {
    double h = 0;
    for (const Vrstica &v : tabela.vrstice)
        h += rowHeight(v);
    return h;
}

void UrIzris::layout() {
    const double top = RobStrani;
    const double bottom = m_page.height() - RobStrani - VisinaNoge;
    const double half = top + (bottom - top) / 2;
    double y = top;
    int page = 1;
    auto newPage = [&] {
        ++page;
        y = top;
    };
    for (int t = 0; t < m_doc.tabele().size(); ++t) {
        const Tabela &tabela = m_doc.tabele().at(t);
        const double height = tableHeight(tabela);
        const bool fitsAPage = height <= bottom - top;
        if (y > top && tabela.novaStran)
            newPage();
        else if (y > top && tabela.nedeljiva && y > half)
            newPage();
        else if (y > top && (tabela.nedeljiva || tabela.drziSkupaj) && y + height > bottom && fitsAPage)
            newPage();
        // A list's caption row: its cells carry the caption format.
        const bool caption = tabela.vrstice.size() > 1 && !tabela.vrstice.first().celice.isEmpty() &&
                             tabela.vrstice.first().celice.first().format == 1 &&
                             tabela.vrstice.first().oznaka.isEmpty();
        for (int r = 0; r < tabela.vrstice.size(); ++r) {
            const double h = rowHeight(tabela.vrstice.at(r));
            if (y > top && y + h > bottom) {
                newPage();
                if (caption && r > 0) {
                    m_placed << Postavljena{page, y, t, 0};
                    y += rowHeight(tabela.vrstice.first());
                }
            }
            m_placed << Postavljena{page, y, t, r};
            y += h;
        }
        y += kTableGap;
    }
    m_pages = page;
}

void UrIzris::drawRow(QPainter &painter, const Tabela &tabela, const Vrstica &vrstica, double y) const {
    const double h = rowHeight(vrstica);
    double x = RobStrani;
    for (const Celica &celica : vrstica.celice) {
        const QRectF box(x, y, celica.sirina, h);
        const FormatCelice &f = FormatCeliceTiska(celica.format);
        if (f.imaOzadje)
            painter.fillRect(box, QColor::fromRgb(f.ozadje));
        if (f.imaOkvir || tabela.obroba || vrstica.obroba) {
            painter.setPen(QPen(QColor::fromRgb(f.imaOkvir ? f.okvir : 0), std::max(1, f.debelina) * 12.0));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box);
        }
        painter.save();
        painter.setClipRect(box.adjusted(0, 0, 0, 0));
        double ly = y + kPadY;
        const double inner = celica.sirina - 2 * kPadX;
        for (const VrstaBesedila &vrsta : celica.vrste) {
            double lh = lineHeight(vrsta);
            if (vrsta.format == 1) {
                painter.setPen(QPen(QColor::fromRgb(BarvaNadcrte), 6.0, Qt::DotLine));
                painter.drawLine(QPointF(x + kPadX, ly + kRuleGap / 2),
                                 QPointF(x + celica.sirina - kPadX, ly + kRuleGap / 2));
                ly += kRuleGap;
                lh -= kRuleGap;
            }
            double ix = x + kPadX;
            for (int i = 0; i < vrsta.besedila.size(); ++i) {
                const Besedilo &b = vrsta.besedila.at(i);
                const Slog &s = SlogTiska(b.slog);
                const QFont font = fontOf(s);
                double w = std::max<double>(b.sirina, QFontMetricsF(font).horizontalAdvance(b.besedilo));
                const bool last = i == vrsta.besedila.size() - 1;
                // A lone item and a right-aligned last item use the rest of the cell.
                if ((vrsta.besedila.size() == 1 && b.sirina == 0) || (last && s.poravnava == Desno))
                    w = std::max(w, x + kPadX + inner - ix);
                painter.setFont(font);
                painter.setPen(QColor::fromRgb(s.barva));
                painter.drawText(QRectF(ix, ly, w, lh), alignmentOf(s) | Qt::AlignVCenter, b.besedilo);
                ix += w + kItemGap;
            }
            ly += lh;
        }
        painter.restore();
        x += celica.sirina;
    }
}

void UrIzris::drawFooter(QPainter &painter, int stran) const {
    const double y = m_page.height() - RobStrani - VisinaNoge * 0.8;
    const QRectF line(RobStrani, y, m_page.width() - 2 * RobStrani, VisinaNoge * 0.8);
    painter.setPen(QPen(Qt::black, 6.0));
    painter.drawLine(line.topLeft(), line.topRight());
    const QString title = m_doc.imePorocila() + QStringLiteral(" - stran %1 od %2").arg(stran).arg(m_pages);
    painter.setFont(fontOf(SlogTiska(slog::NogaLevo)));
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.setFont(fontOf(SlogTiska(slog::NogaDesno)));
    painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, DatumTiska(QDate::currentDate()));
}

void UrIzris::NarisiStran(QPainter &painter, int stran) const {
    for (const Postavljena &p : m_placed)
        if (p.stran == stran) {
            const Tabela &t = m_doc.tabele().at(p.tabela);
            drawRow(painter, t, t.vrstice.at(p.vrstica), p.y);
        }
    drawFooter(painter, stran);
}

QByteArray NarisiPdf(const Dokument &dokument) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                         dokument.lezece() ? QPageLayout::Landscape : QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        writer.setResolution(1440);
        writer.setTitle(dokument.imePorocila());
        writer.setCreator(QStringLiteral("Zentrel"));
        const UrIzris izris(dokument);
        QPainter painter(&writer);
        for (int page = 1; page <= izris.SteviloStrani(); ++page) {
            if (page > 1)
                writer.newPage();
            izris.NarisiStran(painter, page);
        }
    }
    return buffer.data();
}

void RegistrirajPdf() {
    NastaviPisanjePdf(NarisiPdf);
}

} // namespace zentrel::print
