#pragma once

#include <QString>

namespace zentrel::basicdata {

// The dialog "Kopiranje predmetnika": copies a programme with its subject rows (not its
// classes) into a new programme of the same curriculum. The dialog reports in its own status
// line, so the outcome is a text rather than a message box.
class KopirajPredmetnik {
public:
    KopirajPredmetnik(qint64 curriculum, qint64 source, QString sourceName);

    static QString caption() { return QStringLiteral("Kopiranje predmetnika"); }
    const QString &sourceName() const { return m_sourceName; }

    // "Oznaka ne sme biti prazna." or "To ime je že uporabljeno"; empty when the name may be used.
    QString check(const QString &name) const;
    // Checks, then copies in one transaction. Returns true when copied; status() holds the text
    // for the status line ("Kopiranje v teku ..." while it runs is shown by the dialog).
    bool copy(const QString &name, const QString &note);
    const QString &status() const { return m_status; }
    qint64 newProgramme() const { return m_new; }

private:
    qint64 m_curriculum;
    qint64 m_source;
    QString m_sourceName;
    QString m_status;
    qint64 m_new = -1;
};

} // namespace zentrel::basicdata
