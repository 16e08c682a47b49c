#include "UrIzris.h"

#include "IzhodPdf.h"
#include "Slogi.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <numeric>

namespace zentrel::print {

namespace {

constexpr double kPadX = 50;
constexpr double kPadY = 25;
constexpr double kItemGap = 70;
constexpr double kTableGap = 240;
constexpr double kRuleGap = 40; // room above a line that is ruled over
constexpr double kScaleStep = 0.05;

QFont fontOf(const Slog &s, double scale) {
    QFont font(NadomestnaPisava(s.pisava));
    font.setPixelSize(qRound(s.velikostTisk * 20 * scale)); // points to twips: the painter's unit
    font.setBold(s.krepko);
    font.setItalic(s.lezece);
    return font;
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

// A caption row opens a list or a grid: its cells carry the caption format and it has no tag.
bool startsWithCaption(const Tabela &tabela) {
    return tabela.vrstice.size() > 1 && !tabela.vrstice.first().celice.isEmpty() &&
           tabela.vrstice.first().celice.first().format == 1 && tabela.vrstice.first().oznaka.isEmpty();
}

double sum(const QList<double> &values) {
    return std::accumulate(values.begin(), values.end(), 0.0);
}

// Raises the rows that may grow towards their limit to fill `free`: all to one common level
// where their content and limits allow (found by halving), so that no row grows while a
// shorter one could.
void spread(const Tabela &tabela, QList<double> &heights, double free) {
    auto raised = [&](double level) {
        QList<double> out = heights;
        for (int r = 0; r < out.size(); ++r)
            out[r] = std::max(out.at(r), std::min<double>(level, tabela.vrstice.at(r).najvecVisina));
        return out;
    };
    double low = 0;
    double high = 0;
    for (const Vrstica &v : tabela.vrstice)
        high = std::max<double>(high, v.najvecVisina);
    if (sum(heights) >= free || high <= 0)
        return;
    if (sum(raised(high)) <= free)
        low = high;
    for (int i = 0; i < 40 && low < high; ++i) {
        const double mid = (low + high) / 2;
        (sum(raised(mid)) > free ? high : low) = mid;
    }
    heights = raised(low);
}

} // namespace

UrIzris::UrIzris(const Dokument &dokument)
    : UrIzris(dokument, dokument.lezece() ? QSizeF(A4Sirsa, A4Ozja) : QSizeF(A4Ozja, A4Sirsa)) {}

UrIzris::UrIzris(const Dokument &dokument, QSizeF velikostStrani) : m_doc(dokument), m_page(velikostStrani) {
    const int steps = qRound((1 - NajmanjseMerilo) / kScaleStep);
    for (int i = 0; i <= steps; ++i) {
        const double scale = i == steps ? NajmanjseMerilo : 1 - i * kScaleStep;
        Mere mere{scale, {}};
        for (int s = 0; s < SteviloSlogov(); ++s)
            mere.visineSlogov << QFontMetricsF(fontOf(SlogTiska(s), scale)).height();
        m_mere << mere;
    }
    layout();
    cutSheets();
}

void UrIzris::cutSheets() {
    const double printable = m_page.width() - 2 * RobStrani;
    // The widest row decides the cuts: a sheet ends at the last of its cell edges that fits.
    QList<double> edges;
    double widest = 0;
    for (const Tabela &tabela : m_doc.tabele())
        for (const Vrstica &vrstica : tabela.vrstice) {
            QList<double> rowEdges;
            double x = 0;
            for (const Celica &celica : vrstica.celice)
                rowEdges << (x += celica.sirina);
            if (x > widest) {
                widest = x;
                edges = rowEdges;
            }
        }
    m_sheets.clear();
    double start = 0;
    do {
        double end = start + printable;
        if (end < widest) {
            double cut = start;
            for (double e : edges)
                if (e > start + 1 && e <= end)
                    cut = e;
            if (cut > start)
                end = cut;
        }
        m_sheets << Sheet{start, end - start};
        start = end;
    } while (start < widest - 1);
}

double UrIzris::Merilo(int tabela) const {
    return m_mere.at(m_merilaTabel.value(tabela, 0)).merilo;
}

namespace {

// A line that is one text of no width of its own: it takes the whole cell and may wrap.
bool loneText(const VrstaBesedila &vrsta) {
    return vrsta.besedila.size() == 1 && vrsta.besedila.first().sirina == 0;
}

} // namespace

double UrIzris::lineHeight(const VrstaBesedila &vrsta, const Mere &mere, double inner) const {
    double h = mere.visineSlogov.at(slog::Besedilo) * 0.8;
    for (const Besedilo &b : vrsta.besedila)
        h = std::max(h, mere.visineSlogov.value(b.slog, mere.visineSlogov.first()));
    if (loneText(vrsta) && inner > 0) {
        const Besedilo &b = vrsta.besedila.first();
        const QFontMetricsF metrics(fontOf(SlogTiska(b.slog), mere.merilo));
        if (metrics.horizontalAdvance(b.besedilo) > inner)
            h = std::max(h, metrics.boundingRect(QRectF(0, 0, inner, 1e7), Qt::TextWordWrap, b.besedilo).height());
    }
    if (vrsta.format == 1)
        h += kRuleGap * mere.merilo;
    return h;
}

double UrIzris::rowHeight(const Vrstica &vrstica, const Mere &mere) const {
    double h = vrstica.visina * mere.merilo;
    for (const Celica &c : vrstica.celice) {
        double cell = 2 * kPadY * mere.merilo;
        for (const VrstaBesedila &v : c.vrste)
            cell += lineHeight(v, mere, c.sirina - 2 * kPadX * mere.merilo);
        h = std::max(h, cell);
    }
    return h;
}

QList<double> UrIzris::rowHeights(const Tabela &tabela, const Mere &mere) const {
    QList<double> heights;
    for (const Vrstica &v : tabela.vrstice)
        heights << rowHeight(v, mere);
    return heights;
}

double UrIzris::leadHeight(int t) const {
    const Tabela &tabela = m_doc.tabele().at(t);
    const QList<double> heights = rowHeights(tabela, tabela.prilagodi ? m_mere.last() : m_mere.first());
    double h = sum(heights);
    if (!tabela.nedeljiva && !tabela.drziSkupaj && !tabela.prilagodi && !tabela.sNaslednjo)
        h = sum(heights.mid(0, startsWithCaption(tabela) ? 2 : 1));
    if (tabela.sNaslednjo && t + 1 < m_doc.tabele().size())
        h += kTableGap + leadHeight(t + 1);
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
        const bool afterHeading = t > 0 && m_doc.tabele().at(t - 1).sNaslednjo && !m_placed.isEmpty() &&
                                  m_placed.last().tabela == t - 1 && m_placed.last().stran == page;
        if (y > top && !afterHeading) {
            const bool whole = tabela.nedeljiva || tabela.drziSkupaj || tabela.prilagodi || tabela.sNaslednjo;
            const double lead = whole ? leadHeight(t) : 0;
            if (tabela.novaStran || (tabela.nedeljiva && y > half) ||
                (whole && y + lead > bottom && lead <= bottom - top))
                newPage();
        }
        // A fitted table takes the largest scale at which it fits below, and fills the page.
        int scale = 0;
        QList<double> heights = rowHeights(tabela, m_mere.first());
        if (tabela.prilagodi) {
            while (scale + 1 < m_mere.size() && sum(heights) > bottom - y)
                heights = rowHeights(tabela, m_mere.at(++scale));
            spread(tabela, heights, bottom - y - kTableGap / 2); // a little air above the footer
        }
        m_merilaTabel << scale;
        const bool caption = startsWithCaption(tabela);
        for (int r = 0; r < tabela.vrstice.size(); ++r) {
            const double h = heights.at(r);
            if (y > top && y + h > bottom) {
                newPage();
                if (caption && r > 0) {
                    m_placed << Postavljena{page, y, t, 0, heights.first()};
                    y += heights.first();
                }
            }
            m_placed << Postavljena{page, y, t, r, h};
            y += h;
        }
        y += kTableGap;
    }
    m_pages = page;
}

void UrIzris::drawRow(QPainter &painter, const Tabela &tabela, const Vrstica &vrstica, double y, double h,
                      const Mere &mere, double from, double to) const {
    const double padX = kPadX * mere.merilo;
    const double ruleGap = kRuleGap * mere.merilo;
    double x = RobStrani;
    for (const Celica &celica : vrstica.celice) {
        if (x - RobStrani >= to || x - RobStrani + celica.sirina <= from) {
            x += celica.sirina; // on another sheet
            continue;
        }
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
        painter.setClipRect(box, Qt::IntersectClip);
        double ly = y + kPadY * mere.merilo;
        const double inner = celica.sirina - 2 * padX;
        for (const VrstaBesedila &vrsta : celica.vrste) {
            double lh = lineHeight(vrsta, mere, inner);
            if (vrsta.format == 1) {
                painter.setPen(QPen(QColor::fromRgb(BarvaNadcrte), 6.0, Qt::DotLine));
                painter.drawLine(QPointF(x + padX, ly + ruleGap / 2),
                                 QPointF(x + celica.sirina - padX, ly + ruleGap / 2));
                ly += ruleGap;
                lh -= ruleGap;
            }
            double ix = x + padX;
            for (int i = 0; i < vrsta.besedila.size(); ++i) {
                const Besedilo &b = vrsta.besedila.at(i);
                const Slog &s = SlogTiska(b.slog);
                const QFont font = fontOf(s, mere.merilo);
                double w = std::max<double>(b.sirina, QFontMetricsF(font).horizontalAdvance(b.besedilo));
                const bool last = i == vrsta.besedila.size() - 1;
                // A lone item takes the cell's width and wraps there; a right-aligned last item
                // uses the rest of the cell.
                const bool lone = loneText(vrsta);
                if (lone)
                    w = inner;
                else if (last && s.poravnava == Desno)
                    w = std::max(w, x + padX + inner - ix);
                painter.setFont(font);
                painter.setPen(QColor::fromRgb(s.barva));
                painter.drawText(QRectF(ix, ly, w, lh),
                                 alignmentOf(s) | Qt::AlignVCenter | (lone ? Qt::TextWordWrap : 0), b.besedilo);
                ix += w + kItemGap * mere.merilo;
            }
            ly += lh;
        }
        painter.restore();
        x += celica.sirina;
    }
}

void UrIzris::drawFooter(QPainter &painter, int row, int column) const {
    const double y = m_page.height() - RobStrani - VisinaNoge * 0.8;
    const QRectF line(RobStrani, y, m_page.width() - 2 * RobStrani, VisinaNoge * 0.8);
    painter.setPen(QPen(Qt::black, 6.0));
    painter.drawLine(line.topLeft(), line.topRight());
    QString title = m_doc.imePorocila() + QStringLiteral(" - stran %1 od %2").arg(row).arg(m_pages);
    if (m_sheets.size() > 1)
        title += QStringLiteral(" (%1,%2) %3 x %4)").arg(row).arg(column).arg(m_sheets.size()).arg(m_pages);
    painter.setFont(fontOf(SlogTiska(slog::NogaLevo), 1));
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.setFont(fontOf(SlogTiska(slog::NogaDesno), 1));
    painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, DatumTiska(QDate::currentDate()));
}

void UrIzris::NarisiStran(QPainter &painter, int stran) const {
    const int across = int(m_sheets.size());
    const int row = (stran - 1) / across + 1;
    const int column = (stran - 1) % across + 1;
    const Sheet &sheet = m_sheets.at(column - 1);
    painter.save();
    // Only this sheet's strip of the content shows, moved to the left margin.
    painter.setClipRect(QRectF(RobStrani, 0, sheet.width, m_page.height() - RobStrani - VisinaNoge));
    painter.translate(-sheet.offset, 0);
    for (const Postavljena &p : m_placed)
        if (p.stran == row) {
            const Tabela &t = m_doc.tabele().at(p.tabela);
            drawRow(painter, t, t.vrstice.at(p.vrstica), p.y, p.visina, m_mere.at(m_merilaTabel.at(p.tabela)),
                    sheet.offset, sheet.offset + sheet.width);
        }
    painter.restore();
    drawFooter(painter, row, column);
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
