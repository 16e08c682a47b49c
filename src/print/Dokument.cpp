#include "Dokument.h"

#include "Slogi.h"

#include <QLocale>

namespace zentrel::print {

void Dokument::NovDokument(bool lezece) {
    *this = Dokument();
    m_lezece = lezece;
}

void Dokument::NastaviNaslov(const QString &imePorocila, const QString &drugiNaslov) {
    m_imePorocila = imePorocila;
    m_drugiNaslov = drugiNaslov;
}

void Dokument::DodajGlavo(const QString &imeSole, const QString &imePorocila, const QDate &datum, const QString &turnus,
                          const QDate &datumTiska) {
    QString naslov = imePorocila;
    if (!turnus.isEmpty())
        naslov += QStringLiteral(" - Turnus ") + turnus;
    if (m_imePorocila.isEmpty())
        m_imePorocila = naslov;
    m_imaGlavo = true;
    const int half = SirinaVsebine(m_lezece) / 2;
    DodajTabelo(QStringLiteral("Header")).sNaslednjo = true;
    DodajVrstico();
    DodajCelicoZBesedilom(imeSole, half, slog::PrvaGlavaLevo, QStringLiteral("SchoolName"));
    DodajCelicoZBesedilom(QStringLiteral("Izdelano s programom Zentrel"), half, slog::PrvaGlavaDesno,
                          QStringLiteral("CreatedBy"));
    DodajVrstico();
    DodajCelicoZBesedilom(naslov, half, slog::DrugaGlavaLevo, QStringLiteral("ReportName"));
    // Both dates say what they are: the day the report is about and the day it was made.
    DodajCelicoZBesedilom(datum.isValid() ? QStringLiteral("Za dan: ") + DatumTiska(datum) : QString(), half,
                          slog::DrugaGlavaDesno, QStringLiteral("Date"));
    DodajVrstico();
    DodajCelicoZBesedilom(QString(), half, slog::Besedilo);
    DodajCelicoZBesedilom(QStringLiteral("Datum izpisa: ") + DatumTiska(datumTiska), half, slog::DrugaGlavaDesno,
                          QStringLiteral("PrintDate"));
}

Tabela &Dokument::DodajTabelo(const QString &oznaka, bool obroba, bool nedeljiva, const QString &naslov) {
    Tabela t;
    t.oznaka = oznaka;
    t.obroba = obroba;
    t.nedeljiva = nedeljiva;
    t.naslov = naslov;
    m_tabele.append(t);
    return m_tabele.last();
}

Vrstica &Dokument::DodajVrstico(const QString &oznaka, bool obroba) {
    if (m_tabele.isEmpty())
        DodajTabelo();
    Vrstica v;
    v.oznaka = oznaka;
    v.obroba = obroba;
    m_tabele.last().vrstice.append(v);
    return m_tabele.last().vrstice.last();
}

Celica &Dokument::DodajCelico(int sirina, int format, const QString &oznaka, int razpon) {
    if (m_tabele.isEmpty() || m_tabele.last().vrstice.isEmpty())
        DodajVrstico();
    Celica c;
    c.sirina = sirina;
    c.format = format;
    c.oznaka = oznaka;
    c.razpon = razpon;
    m_tabele.last().vrstice.last().celice.append(c);
    return m_tabele.last().vrstice.last().celice.last();
}

VrstaBesedila &Dokument::DodajVrstoBesedila(int format, const QString &oznaka) {
    if (m_tabele.isEmpty() || m_tabele.last().vrstice.isEmpty() || m_tabele.last().vrstice.last().celice.isEmpty())
        DodajCelico(1600);
    VrstaBesedila v;
    v.format = format;
    v.oznaka = oznaka;
    Celica &celica = m_tabele.last().vrstice.last().celice.last();
    celica.vrste.append(v);
    return celica.vrste.last();
}

Besedilo &Dokument::DodajBesedilo(const QString &besedilo, int slog, const QString &oznaka, int sirina) {
    Celica *celica = nullptr;
    if (!m_tabele.isEmpty() && !m_tabele.last().vrstice.isEmpty() && !m_tabele.last().vrstice.last().celice.isEmpty())
        celica = &m_tabele.last().vrstice.last().celice.last();
    if (!celica || celica->vrste.isEmpty())
        DodajVrstoBesedila();
    Besedilo b;
    b.besedilo = besedilo;
    b.slog = slog;
    b.oznaka = oznaka;
    b.sirina = sirina;
    VrstaBesedila &vrsta = m_tabele.last().vrstice.last().celice.last().vrste.last();
    vrsta.besedila.append(b);
    return vrsta.besedila.last();
}

Celica &Dokument::DodajCelicoZBesedilom(const QString &besedilo, int sirina, int slog, const QString &oznaka,
                                        int format) {
    Celica &celica = DodajCelico(sirina, format);
    DodajVrstoBesedila();
    DodajBesedilo(besedilo, slog, oznaka);
    return celica;
}

Tabela &Dokument::DodajTabeloIzPoizvedbe(const db::RowSet &rows, const QList<StolpecSeznama> &stolpci,
                                         const QString &oznakaTabele, const QString &oznakaVrstice) {
    DodajTabelo(oznakaTabele, false, false);
    DodajVrstico(QString());
    for (const StolpecSeznama &s : stolpci)
        DodajCelicoZBesedilom(s.naslov, s.sirina, slog::GlavaTabele, QString(), 1);
    for (int r = 0; r < rows.rowCount(); ++r) {
        DodajVrstico(oznakaVrstice);
        for (int i = 0; i < stolpci.size(); ++i) {
            const StolpecSeznama &s = stolpci.at(i);
            const int column = s.polje.isEmpty() ? i : rows.columnIndex(s.polje);
            const QString name = column >= 0 && column < rows.columnCount() ? rows.columns().at(column) : QString();
            const QVariant value = column >= 0 && column < rows.columnCount() ? rows.value(r, column) : QVariant();
            DodajCelicoZBesedilom(value.isNull() ? QString() : value.toString(), s.sirina, s.slog,
                                  s.oznaka.isEmpty() ? name : s.oznaka);
        }
    }
    return m_tabele.last();
}

QString DatumTiska(const QDate &date) {
    return QLocale(QLocale::Slovenian).toString(date, QStringLiteral("d. MMMM yyyy"));
}

} // namespace zentrel::print
