#include "Checks.h"
#include "FuzzTarget.h"
#include "OpenProject.h"
#include "basicdata/InfrastructureImport.h"
#include "db/MBaza.h"

// The import of another project's infrastructure and time grid into a project with buildings,
// rooms, room groups and a second shift; the user agrees to every question. The imported file is
// never written; a refused import leaves the project as it was; an accepted one leaves it sound,
// with its own version.
namespace zentrel::fuzz {

namespace {

const QString kInfrastructure =
    QStringLiteral("INSERT INTO STAVBE VALUES (1,'G','Glavna d''Or'),(2,'T','Telovadnica');"
                   "INSERT INTO PROSTORI VALUES (1,'KEM','Kemija',1,0),(2,'ŠPO','Šport',2,0);"
                   "INSERT INTO SKUPINE_PROSTOROV VALUES (1,'KEM','Kemija'),(3,'VSI','Vsi prostori');"
                   "INSERT INTO PROSTORI_V_SKUPINI VALUES (1,1),(1,3),(2,3);"
                   "INSERT INTO IZMENE VALUES (2,'B');");

Outcome importInfrastructure(const QString &path) {
    test::TempHome home;
    AnsweringPresenter presenter([](const QString &) { return core::Answer::Yes; });
    core::PresenterScope scope(&presenter);
    const QString project = OpenProjectWith(home, kInfrastructure);
    presenter.clear();
    const QByteArray projectBefore = FileBytes(project);
    const QByteArray sourceBefore = FileBytes(path);
    const QString version = db::ReadIni(QStringLiteral("Verzija"));
    Outcome out;
    out.accepted = basicdata::InfrastructureImport().run(path);
    const QString source = ChangedFault(sourceBefore, path, QStringLiteral("the imported file"));
    if (out.accepted) {
        const QString ownVersion =
            db::ReadIni(QStringLiteral("Verzija")) == version
                ? QString()
                : QStringLiteral("the project's version became ") + db::ReadIni(QStringLiteral("Verzija"));
        out.fault = FirstFault({source, MessageFault(presenter, true), ownVersion, DatabaseFault(db::ProjectDb()),
                                ForeignKeyFault(db::ProjectDb())});
    } else {
        out.fault = FirstFault({source, MessageFault(presenter, false),
                                ChangedFault(projectBefore, project, QStringLiteral("the project"))});
    }
    return out;
}

const bool registered = Register(
    {QStringLiteral("infrastructure-import"), InputKind::Database, QStringLiteral(".znt"), importInfrastructure});

} // namespace

} // namespace zentrel::fuzz
