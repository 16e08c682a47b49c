#include "IzvozCsv.h"

#include "core/ControlCharacters.h"

#include <algorithm>

namespace zentrel::print {

namespace {

int fieldsOf(const Celica &celica) {
    int n = 1;
    for (const VrstaBesedila &v : celica.vrste)
        n = std::max(n, int(v.besedila.size()));
    return n;
}

} // namespace

QString CsvPolje(const QString &raw) {
    const QString text = core::BlankControlCharacters(raw);
    if (!text.contains(u';') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QByteArray IzvoziCSV(const Dokument &dokument) {
    QString out;
    bool first = true;
    for (const Tabela &tabela : dokument.tabele()) {
        if (!first)
            out += QStringLiteral("\r\n");
        first = false;
        for (const Vrstica &vrstica : tabela.vrstice) {
            int lines = 1;
            for (const Celica &c : vrstica.celice)
                lines = std::max(lines, int(c.vrste.size()));
            for (int k = 0; k < lines; ++k) {
                QStringList fields;
                for (const Celica &c : vrstica.celice) {
                    const int n = fieldsOf(c);
                    for (int j = 0; j < n; ++j) {
                        const bool has = k < c.vrste.size() && j < c.vrste.at(k).besedila.size();
                        fields << (has ? CsvPolje(c.vrste.at(k).besedila.at(j).besedilo) : QString());
                    }
                }
                out += fields.join(u';') + QStringLiteral("\r\n");
            }
        }
    }
    return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
}

} // namespace zentrel::print
