#include "IzvozXml.h"

#include "Kodiranje.h"

namespace zentrel::print {

namespace {

class XmlTree {
public:
    QString out;

    void open(const QString &tag, int level) {
        if (!tag.isEmpty())
            out += indent(level) + u'<' + tag + QStringLiteral(">\n");
    }
    void close(const QString &tag, int level) {
        if (!tag.isEmpty())
            out += indent(level) + QStringLiteral("</") + tag + QStringLiteral(">\n");
    }
    void item(const Besedilo &b, int level) {
        if (!b.oznaka.isEmpty())
            out += indent(level) + u'<' + b.oznaka + u'>' + XmlText(b.besedilo) + QStringLiteral("</") + b.oznaka +
                   QStringLiteral(">\n");
    }

private:
    static QString indent(int level) { return QString(level * 2, u' '); }
};

} // namespace

QString XmlText(const QString &text) {
    QString out = text;
    out.replace(u'&', QStringLiteral("&amp;"));
    out.replace(u'<', QStringLiteral("&lt;"));
    out.replace(u'>', QStringLiteral("&gt;"));
    return out;
}

QByteArray IzvoziXML(const Dokument &dokument) {
    XmlTree x;
    x.out = QStringLiteral("<?xml version=\"1.0\" encoding=\"windows-1250\" ?>\n<root>\n");
    // Each level is indented one step deeper than the last written ancestor.
    for (const Tabela &t : dokument.tabele()) {
        const int lt = 1;
        x.open(t.oznaka, lt);
        for (const Vrstica &v : t.vrstice) {
            const int lv = lt + (t.oznaka.isEmpty() ? 0 : 1);
            x.open(v.oznaka, lv);
            for (const Celica &c : v.celice) {
                const int lc = lv + (v.oznaka.isEmpty() ? 0 : 1);
                x.open(c.oznaka, lc);
                for (const VrstaBesedila &vb : c.vrste) {
                    const int ll = lc + (c.oznaka.isEmpty() ? 0 : 1);
                    x.open(vb.oznaka, ll);
                    for (const Besedilo &b : vb.besedila)
                        x.item(b, ll + (vb.oznaka.isEmpty() ? 0 : 1));
                    x.close(vb.oznaka, ll);
                }
                x.close(c.oznaka, lc);
            }
            x.close(v.oznaka, lv);
        }
        x.close(t.oznaka, lt);
    }
    x.out += QStringLiteral("</root>\n");
    return KodirajZReferencami(x.out, Windows1250);
}

} // namespace zentrel::print
