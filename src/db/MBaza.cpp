#include "MBaza.h"

#include "ProjectLock.h"
#include "Schema.h"
#include "SqlText.h"
#include "core/AppState.h"
#include "core/Messages.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <cmath>
#include <unistd.h>

namespace zentrel::db {

using core::App;
using core::ShowMessage;

Connection &ProjectDb() {
    static Connection project;
    return project;
}

Connection &SettingsDb() {
    static Connection settings;
    return settings;
}

bool ProjectOpen() {
    return ProjectDb().isOpen();
}

void CloseProgramConnections() {
    ProjectDb().close();
    ProjectFileLock().release();
    SettingsDb().close();
}

QString OpenFailureText(DbErrorCode code) {
    switch (code) {
    case DbErrorCode::FileNotFound:
        return QStringLiteral("Ni datoteke #.");
    case DbErrorCode::IsDirectory:
        return QStringLiteral("# je mapa, ne datoteka projekta.");
    case DbErrorCode::NotReadable:
        return QStringLiteral("Datoteke # ni mogoče brati, ker za to nimate dovoljenja.");
    case DbErrorCode::InUse:
        return QStringLiteral("Datoteko # ima zaklenjeno drug program. Poskusite znova pozneje.");
    case DbErrorCode::Corrupt:
        return QStringLiteral("Datoteka # je poškodovana.");
    default:
        return QStringLiteral("Datoteka # ni ustreznega formata ali pa je pokvarjena.");
    }
}

bool OpenConnection(Connection &connection, const QString &path, bool report, Connection::Access access) {
    if (connection.open(path, access))
        return true;
    const DbErrorCode code = connection.lastError().code;
    if (code != DbErrorCode::FileNotFound || report)
        ShowMessage(core::MsgError, OpenFailureText(code), path);
    return false;
}

void CloseConnection(Connection &connection) {
    connection.close();
}

QString FieldText(const RowSet &rows, int row, const QString &column) {
    const int c = rows.columnIndex(column);
    if (c < 0)
        return {};
    const QVariant &v = rows.value(row, c);
    if (rows.isBooleanColumn(c))
        return v.isNull() ? QStringLiteral("0") : (v.toLongLong() != 0 ? QStringLiteral("1") : QStringLiteral("0"));
    return v.isNull() ? QString() : v.toString();
}

QString FieldDaNe(const RowSet &rows, int row, const QString &column) {
    const int c = rows.columnIndex(column);
    if (c < 0)
        return {};
    const QVariant &v = rows.value(row, c);
    if (rows.isBooleanColumn(c))
        return !v.isNull() && v.toLongLong() != 0 ? QStringLiteral("Da") : QStringLiteral("Ne");
    return v.isNull() ? QString() : v.toString();
}

QString SqlLiteral(const QVariant &value) {
    if (!value.isValid() || value.isNull())
        return QStringLiteral("Null");
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return value.toString();
    default:
        return SqlText::Quote(value.toString());
    }
}

QString SqlLiteral(const RowSet &rows, int row, const QString &column) {
    const int c = rows.columnIndex(column);
    if (c < 0)
        return QStringLiteral("Null");
    const QVariant &v = rows.value(row, c);
    if (rows.isBooleanColumn(c))
        return !v.isNull() && v.toLongLong() != 0 ? QStringLiteral("1") : QStringLiteral("0");
    return SqlLiteral(v);
}

QString ReadIni(const QString &key, Connection &connection) {
    const RowSet rows = connection.query(QStringLiteral("Select * from INI where atribut = ") + SqlText::Quote(key));
    return rows.isEmpty() ? QString() : rows.text(0, QStringLiteral("VREDNOST"));
}

bool WriteIni(const QString &value, const QString &key, Connection &connection) {
    const QString k = SqlText::Quote(key);
    if (value.isEmpty())
        return connection.exec(QStringLiteral("DELETE From INI Where ATRIBUT = ") + k);
    const RowSet rows = connection.query(QStringLiteral("SELECT ATRIBUT,VREDNOST From INI Where ATRIBUT = ") + k);
    if (connection.lastError().isError())
        return false;
    if (!rows.isEmpty())
        return connection.exec(QStringLiteral("UPDATE INI SET VREDNOST = ") + SqlText::Quote(value) +
                               QStringLiteral(" WHERE ATRIBUT = ") + k);
    return connection.exec(QStringLiteral("INSERT INTO INI (ATRIBUT,VREDNOST) VALUES (") + k + u',' +
                           SqlText::Quote(value) + u')');
}

qint64 NextId(const QString &table, Connection &connection) {
    const RowSet rows = connection.query(QStringLiteral("Select Max(ID) as MaxID FROM ") + table);
    const qint64 max = rows.isEmpty() ? 0 : rows.integer(0, QStringLiteral("MaxId"), 0);
    return max + 1;
}

qint64 NextIdOver(Connection &connection, const QString &firstTable, const QString &column,
                  const QString &secondTable) {
    auto maxOf = [&](const QString &table) -> qint64 {
        const RowSet rows = connection.query(QStringLiteral("SELECT Max(%1) as Naj FROM %2").arg(column, table));
        return rows.isEmpty() ? 0 : rows.integer(0, QStringLiteral("Naj"), 0);
    };
    qint64 max = maxOf(firstTable);
    if (!secondTable.isEmpty())
        max = std::max(max, maxOf(secondTable));
    return max + 1;
}

qint64 ToLong(const QVariant &value) {
    if (!value.isValid() || value.isNull())
        return -1;
    bool ok = false;
    const double d = value.toString().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return -1;
    return qint64(std::llround(d));
}

int SchemaVersion(Connection &connection) {
    const qint64 v = ToLong(ReadIni(QStringLiteral("Verzija"), connection));
    return v < 0 ? 1 : int(v);
}

bool RefuseNewerProject(int version, const QString &path) {
    if (version <= CurrentSchemaVersion)
        return false;
    ShowMessage(core::MsgError,
                QStringLiteral("Projekt # je narejen z novejšo verzijo programa, zato ga ta verzija ne more odpreti."),
                QFileInfo(path).fileName());
    return true;
}

QString FreeBackupName(const QString &path) {
    QString name = path + QStringLiteral(".bak");
    for (int i = 1; QFileInfo::exists(name); ++i)
        name = path + QStringLiteral(".bak") + QString::number(i);
    return name;
}

QString MakeBackup(const QString &path) {
    const QString name = FreeBackupName(path);
    return QFile::rename(path, name) ? name : QString();
}

QString KeepAsBackup(const QString &path) {
    const QString backup = FreeBackupName(path);
    if (::link(QFile::encodeName(path).constData(), QFile::encodeName(backup).constData()) == 0 ||
        QFile::copy(path, backup))
        return backup;
    return QString();
}

bool WriteTest(Connection &connection) {
    const RowSet rows = connection.query(QStringLiteral("SELECT ATRIBUT FROM INI LIMIT 1"));
    if (connection.lastError().isError())
        return false;
    // The write goes into the rollback journal beside the file (so a folder that is not writable
    // fails too) and is then rolled back: the file itself is never changed by the test.
    Transaction t(connection);
    if (!t.isActive())
        return false;
    if (rows.isEmpty()) // an empty table: a write that changes nothing still needs the write lock
        return connection.exec(QStringLiteral("DELETE FROM INI WHERE 1=2"));
    return connection.exec(QStringLiteral("UPDATE INI SET ATRIBUT = ATRIBUT WHERE ATRIBUT = ") +
                           SqlText::Quote(rows.text(0, QStringLiteral("ATRIBUT"))));
}

AttachedFile::AttachedFile(Connection &connection, const QString &path, const QString &alias, bool readOnly)
    : m_connection(connection), m_alias(alias) {
    if (!QFileInfo::exists(path))
        return;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString name = readOnly
                             ? QStringLiteral("file:") + QString::fromLatin1(QUrl::toPercentEncoding(absolute, "/")) +
                                   QStringLiteral("?mode=ro")
                             : absolute;
    m_attached = connection.exec(QStringLiteral("ATTACH DATABASE ? AS ") + alias, {name});
    if (m_attached && !connection.exec(QStringLiteral("SELECT count(*) FROM %1.sqlite_master").arg(alias))) {
        connection.exec(QStringLiteral("DETACH DATABASE ") + alias);
        m_attached = false;
    }
}

AttachedFile::~AttachedFile() {
    if (m_attached)
        m_connection.exec(QStringLiteral("DETACH DATABASE ") + m_alias);
}

QStringList TableColumns(Connection &connection, const QString &schema, const QString &table) {
    QStringList names;
    const RowSet rows = connection.query(QStringLiteral("PRAGMA %1.table_info(%2)").arg(schema, table));
    for (int i = 0; i < rows.rowCount(); ++i)
        names << rows.text(i, QStringLiteral("name"));
    return names;
}

bool CopyAttachedTable(Connection &target, const QString &alias, const QString &table, const QString &condition,
                       bool emptyFirst) {
    const QStringList sourceColumns = TableColumns(target, alias, table);
    if (sourceColumns.isEmpty()) {
        target.exec(QStringLiteral("SELECT * FROM %1.%2").arg(alias, table)); // sets the missing-table error
        return false;
    }
    QStringList common;
    for (const QString &c : TableColumns(target, QStringLiteral("main"), table))
        if (sourceColumns.contains(c, Qt::CaseInsensitive))
            common << c;
    if (emptyFirst && !target.exec(QStringLiteral("DELETE FROM main.") + table))
        return false;
    if (common.isEmpty())
        return true;
    const QString list = common.join(u',');
    return target.exec(
        QStringLiteral("INSERT INTO main.%1 (%2) SELECT %2 FROM %3.%1 %4").arg(table, list, alias, condition));
}

bool CopyTable(const QString &table, const QString &sourceFile, Connection &target, const QString &condition,
               bool emptyFirst) {
    AttachedFile source(target, sourceFile);
    if (!source.isAttached())
        return false;
    Transaction t(target);
    return CopyAttachedTable(target, source.alias(), table, condition, emptyFirst) && t.commit();
}

} // namespace zentrel::db
