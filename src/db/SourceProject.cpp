#include "SourceProject.h"

#include "CopyRows.h"
#include "MBaza.h"
#include "Schema.h"
#include "core/Messages.h"

#include <QFileInfo>

namespace zentrel::db {

using core::ShowMessage;

namespace {

// Tables every version of a project has had; later ones may be missing from an older file.
const QStringList kTablesOfEveryVersion{
    QStringLiteral("INI"),         QStringLiteral("ODDELKI"),  QStringLiteral("PREDMETI"),
    QStringLiteral("UCITELJI"),    QStringLiteral("TURNUSI"),  QStringLiteral("URE"),
    QStringLiteral("PREDMETNIKI"), QStringLiteral("PROGRAMI"), QStringLiteral("RAZPORED")};

const QString kSource = QString::fromLatin1(kSourceAlias);

} // namespace

bool SourceProject::open(const QString &path) {
    close();
    const QFileInfo info(path);
    if (!info.exists()) {
        ShowMessage(core::MsgError, QStringLiteral("Ni datoteke #."), path);
        return false;
    }
    if (info.isFile() && !info.isReadable()) {
        ShowMessage(core::MsgError, QStringLiteral("Datoteke # ni mogoče odpreti."), path);
        return false;
    }
    bool ok = info.isFile() && m_memory.create(QStringLiteral(":memory:"));
    if (ok) {
        m_source = std::make_unique<AttachedFile>(m_memory, path, kSource, true);
        ok = m_source->isAttached();
    }
    // Reading the schema tells a database from any other file, the quick check a damaged one.
    ok = ok && m_memory.scalar(QStringLiteral("PRAGMA %1.quick_check").arg(kSource)).toString() == QLatin1String("ok");
    if (ok) {
        m_version = SchemaVersion(m_memory);
        if (RefuseNewerProject(m_version, path)) {
            close();
            return false;
        }
        const QStringList &required = m_version >= CurrentSchemaVersion ? SchemaTables() : kTablesOfEveryVersion;
        for (const QString &table : required)
            ok = ok && hasTable(table);
    }
    if (!ok) {
        close();
        ShowMessage(core::MsgError, QStringLiteral("Datoteka # ni ustreznega formata ali pa je pokvarjena."), path);
        return false;
    }
    m_path = info.absoluteFilePath();
    return true;
}

bool SourceProject::hasTable(const QString &table) {
    return m_memory
               .scalar(QStringLiteral("SELECT count(*) FROM %1.sqlite_master WHERE type = 'table' AND name = ? "
                                      "COLLATE NOCASE")
                           .arg(kSource),
                       {table})
               .toInt() > 0;
}

void SourceProject::close() {
    m_source.reset();
    m_memory.close();
    m_path.clear();
    m_version = 0;
}

RowSet SourceProject::curricula() {
    return m_memory.query(
        QStringLiteral("SELECT ID, IME FROM %1.PREDMETNIKI ORDER BY IME COLLATE SLOVENSKO, ID").arg(kSource));
}

RowSet SourceProject::timetables(qint64 curriculum) {
    const QString where = curriculum < 0 ? QString() : QStringLiteral(" WHERE ID_PREDMETNIKA = %1").arg(curriculum);
    return m_memory.query(
        QStringLiteral("SELECT ID, IME, ID_PREDMETNIKA FROM %1.URNIKI%2 ORDER BY IME COLLATE SLOVENSKO, ID")
            .arg(kSource, where));
}

bool SourceProject::checkChoice(qint64 curriculum, qint64 timetable) {
    if (curriculum >= 0 &&
        m_memory.scalar(QStringLiteral("SELECT count(*) FROM %1.PREDMETNIKI WHERE ID = ?").arg(kSource), {curriculum})
                .toInt() == 0) {
        ShowMessage(core::MsgError, QStringLiteral("V projektu ni razporeda #."), curriculum);
        return false;
    }
    if (timetable < 0)
        return true;
    const RowSet rows = m_memory.query(
        QStringLiteral("SELECT IME, ID_PREDMETNIKA FROM %1.URNIKI WHERE ID = ?").arg(kSource), {timetable});
    if (rows.isEmpty()) {
        ShowMessage(core::MsgError, QStringLiteral("V projektu ni urnika #."), timetable);
        return false;
    }
    if (curriculum >= 0 && rows.integer(0, QStringLiteral("ID_PREDMETNIKA")) != curriculum) {
        ShowMessage(core::MsgError, QStringLiteral("Urnik # ne pripada izbranemu razporedu."),
                    rows.text(0, QStringLiteral("IME")));
        return false;
    }
    return true;
}

} // namespace zentrel::db
