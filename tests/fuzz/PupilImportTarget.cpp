#include "Checks.h"
#include "FuzzTarget.h"
#include "OpenProject.h"
#include "core/SpreadsheetFile.h"
#include "db/MBaza.h"
#include "pupils/UvozUcencev.h"

// The import of a pupil register into a project that already holds two pupils. A refused file
// leaves the project as it was; an accepted one adds exactly one pupil per line, each with a
// code, a surname and a sex the program knows.
namespace zentrel::fuzz {

namespace {

const QString kPupils =
    QStringLiteral("INSERT INTO ERD_UCENEC (ID,OZNAKA,IME,PRIIMEK,SPOL) VALUES (1,'1001','Špela','Horvat','Z'),"
                   "(2,'A-7','Jure','d''Arco','M');");

int registerSize() {
    return db::ProjectDb().scalar(QStringLiteral("SELECT count(*) FROM ERD_UCENEC")).toInt();
}

QString acceptedFault(int before, int imported, const QByteArray &bytes) {
    core::SpreadsheetFile file;
    const int lines = file.readBytes(bytes) ? int(file.records().size()) - 1 : -1;
    if (imported != lines)
        return QStringLiteral("%1 pupils imported from %2 lines").arg(imported).arg(lines);
    if (registerSize() != before + imported)
        return QStringLiteral("%1 pupils imported, %2 more in the register").arg(imported).arg(registerSize() - before);
    const int bad = db::ProjectDb()
                        .scalar(QStringLiteral("SELECT count(*) FROM ERD_UCENEC WHERE coalesce(OZNAKA,'')='' OR "
                                               "coalesce(PRIIMEK,'')='' OR coalesce(SPOL,'') NOT IN ('M','Z')"))
                        .toInt();
    if (bad > 0)
        return QStringLiteral("%1 imported pupils lack a code, a surname or a known sex").arg(bad);
    return ForeignKeyFault(db::ProjectDb());
}

Outcome importPupils(const QString &path) {
    test::TempHome home;
    AnsweringPresenter presenter([](const QString &) { return core::Answer::Yes; });
    core::PresenterScope scope(&presenter);
    const QString project = OpenProjectWith(home, kPupils);
    presenter.clear();
    const QByteArray projectBefore = FileBytes(project);
    const int before = registerSize();
    pupils::UvozUcencev import([](const QString &) {});
    Outcome out;
    out.accepted = import.importFile(path);
    if (out.accepted)
        out.fault =
            FirstFault({MessageFault(presenter, true), acceptedFault(before, import.imported(), FileBytes(path))});
    else
        out.fault = FirstFault(
            {MessageFault(presenter, false), ChangedFault(projectBefore, project, QStringLiteral("the project"))});
    return out;
}

const bool registered =
    Register({QStringLiteral("pupil-import"), InputKind::Text, QStringLiteral(".csv"), importPupils});

} // namespace

} // namespace zentrel::fuzz
