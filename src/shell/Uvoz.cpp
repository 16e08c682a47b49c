#include "Uvoz.h"

#include "ProjectFiles.h"
#include "SafetyCopies.h"
#include "core/Messages.h"
#include "core/TextFunctions.h"
#include "db/CreateFromExisting.h"
#include "db/ProjectCopy.h"

namespace zentrel::shell {

using namespace core;

namespace {

// The rows with one more row for "all of them" at the end.
db::RowSet withAll(const db::RowSet &rows, const QString &caption) {
    QVector<QVector<QVariant>> all = rows.rows();
    QVector<QVariant> last(rows.columnCount());
    last[rows.columnIndex(QStringLiteral("ID"))] = db::kCopyAll;
    last[rows.columnIndex(QStringLiteral("IME"))] = caption;
    all.append(last);
    return db::RowSet(rows.columns(), QStringList(rows.columnCount()), all);
}

} // namespace

const QStringList &Uvoz::Choices() {
    static const QStringList choices{
        QStringLiteral("Osnovni podatki (stavbe, prostori, predmeti, ODDELKI, učitelji) brez učencev"),
        QStringLiteral("Razpored (s pripadajočimi učenci)"), QStringLiteral("Urnik")};
    return choices;
}

bool Uvoz::setSource(const QString &path) {
    auto source = std::make_unique<db::SourceProject>();
    if (!source->open(path))
        return false;
    m_curricula = withAll(source->curricula(), QStringLiteral("Vsi razporedi"));
    m_source = std::move(source);
    return true;
}

db::RowSet Uvoz::timetables(qint64 curriculum) {
    if (!m_source)
        return {};
    return withAll(m_source->timetables(curriculum), QStringLiteral("Vsi urniki"));
}

bool Uvoz::acceptsNewName(const QString &path) const {
    return db::NewNameAllowed(sourcePath(), path);
}

bool Uvoz::create(const QString &newPath, int part, qint64 curriculum, qint64 timetable) {
    const QString fileName = SplitPath(newPath).second;
    if (!acceptsNewName(newPath) || !SafetyCopyBeforeReplacing(newPath))
        return false;
    ShowMessage(MsgProgressBegin, QStringLiteral("Ustvarjam nov projekt #"), fileName);
    if (!db::CreateFromExisting(sourcePath(), newPath, part, curriculum, timetable).ok) {
        ShowMessage(MsgProgressEnd, QString());
        return false;
    }
    // Opening ends the progress message, so the last word is a message of its own.
    if (!OpenProjectFile(newPath, true))
        return false;
    ShowMessage(MsgInformation, QStringLiteral("Nov projekt # ustvarjen."), fileName);
    return true;
}

} // namespace zentrel::shell
