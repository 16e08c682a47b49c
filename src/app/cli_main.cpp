#include "basicdata/LoadCommand.h"
#include "basicdata/SheetCommands.h"
#include "calendar/DayCommand.h"
#include "calendar/SubstitutesCommand.h"
#include "core/ConsolePresenter.h"
#include "fet/FetCommands.h"
#include "print/ExportCommand.h"
#include "print/UrIzris.h"
#include "pupils/PupilCommands.h"
#include "sample/SampleCommand.h"
#include "shell/BackupCommands.h"
#include "shell/NewFromCommand.h"
#include "shell/ProjectCommands.h"
#include "shell/Startup.h"
#include "timetable/ConstructCommand.h"
#include "timetable/TimetableCommands.h"
#include "timetable/VerifyCommand.h"
#include "timetable/ReadinessCommand.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <functional>
#include <map>
#include <memory>

using namespace zentrel;

namespace {

using Command = std::function<int(const QStringList &)>;

// Commands that need the program's start-up (folders, defaults database, settings).
const std::map<QString, Command> &projectCommands() {
    static const std::map<QString, Command> commands{
        {QStringLiteral("create"), shell::RunCreateCommand},
        {QStringLiteral("check"), shell::RunCheckCommand},
        {QStringLiteral("compact"), shell::RunCompactCommand},
        {QStringLiteral("ensure-sample"), shell::RunEnsureSampleCommand},
        {QStringLiteral("construct"), timetable::RunConstructCommand},
        {QStringLiteral("verify"), timetable::RunVerifyCommand},
        {QStringLiteral("readiness"), timetable::RunReadinessCommand},
        {QStringLiteral("load"), basicdata::RunLoadCommand},
        {QStringLiteral("day"), calendar::RunDayCommand},
        {QStringLiteral("show"), timetable::RunShowCommand},
        {QStringLiteral("copy-timetable"), timetable::RunCopyTimetableCommand},
        {QStringLiteral("copy-turnus"), timetable::RunCopyTurnusCommand},
        {QStringLiteral("export"), print::RunExportCommand},
        {QStringLiteral("substitutes"), calendar::RunSubstitutesCommand},
        {QStringLiteral("new-from"), shell::RunNewFromCommand},
        {QStringLiteral("import-pupils"), pupils::RunImportPupilsCommand},
        {QStringLiteral("electives"), pupils::RunElectivesCommand},
        {QStringLiteral("import-csv"), basicdata::RunImportCsvCommand},
        {QStringLiteral("export-csv"), basicdata::RunExportCsvCommand},
        {QStringLiteral("import-fet"), fet::RunImportFetCommand},
        {QStringLiteral("export-fet"), fet::RunExportFetCommand},
        {QStringLiteral("backups"), shell::RunBackupsCommand},
    };
    return commands;
}

// Commands that only write files of their own.
const std::map<QString, Command> &fileCommands() {
    static const std::map<QString, Command> commands{
        {QStringLiteral("make-defaults"), shell::RunMakeDefaultsCommand},
        {QStringLiteral("sample"), sample::RunSampleCommand},
    };
    return commands;
}

void printUsage(FILE *to) {
    QTextStream(to)
        << "Uporaba: zentrel-cli UKAZ ...\n"
           "       zentrel-cli --version | --help\n"
           "  create POT [--force]  nov projekt (obstoječega prepiše le s --force)\n"
           "  check POT [--yes]     odpre projekt s preverjanji in izpiše povzetek\n"
           "  compact POT [--yes]   skrči projekt (poškodovanega popravi z --yes)\n"
           "  ensure-sample         primer.znt v mapi dokumentov\n"
           "  sample POT [--classes-per-grade N] [--seed S] [--force]\n"
           "                        vzorčna šola OŠ Primer\n"
           "  construct PROJEKT [...] [--yes]  samodejno sestavi urnik\n"
           "  verify PROJEKT [...] [--yes]  neodvisno preveri shranjeni urnik\n"
           "  readiness PROJEKT [...]  pregled pred sestavljanjem: kaj bo ure pustilo nerazporejene\n"
           "  load PROJEKT [--csv] [...] [--yes]  obremenitev učiteljev in enot\n"
           "  day PROJEKT DATUM | --from DATUM --to DATUM [--yes]  urnik, turnus in dan pouka datuma\n"
           "  show PROJEKT [...] (--class|--teacher|--room OZNAKA) [--yes]  teden enote, učitelja, prostora\n"
           "  copy-timetable PROJEKT --timetable ID --name IME [--yes]  kopija urnika\n"
           "  copy-turnus PROJEKT --timetable ID --from ID --to ID [--yes]  kopija turnusa urnika\n"
           "  export PROJEKT [...] [--yes] IZHOD  izvozi urnike (PDF, HTML, CSV, XML, iCalendar)\n"
           "  substitutes PROJEKT DATUM [--teacher OZNAKA] [--top N] [--json] [--yes]  kandidati za nadomeščanje\n"
           "  make-defaults POT     tovarniška privzeta baza\n"
           "  new-from IZVOR NOV --part basic|curriculum|timetable [...]  nov projekt iz obstoječega\n"
           "  import-pupils PROJEKT DATOTEKA.csv [--yes]  uvoz učencev\n"
           "  electives PROJEKT [--set ID] [--apply] [--yes]  izbirne skupine samodejno\n"
           "  import-csv PROJEKT --kind VRSTA DATOTEKA.csv [--apply] [--curriculum ID|IME]\n"
           "                        uvoz iz preglednice (brez --apply le predogled)\n"
           "  export-csv PROJEKT --kind VRSTA IZHOD.csv [--curriculum ID|IME]  izvoz v preglednico\n"
           "                        VRSTA: teachers|subjects|rooms|classes|assignments\n"
           "  import-fet DATOTEKA.fet NOV.znt [--force]  nov projekt iz datoteke FET\n"
           "  export-fet PROJEKT --timetable ID --turnus ID IZHOD.fet [--with-timetable]\n"
           "                        izvoz v datoteko FET\n"
           "  backups list PROJEKT  varnostne kopije projekta\n"
           "  backups restore PROJEKT KOPIJA [--yes]  obnovi projekt iz varnostne kopije\n";
}

// A call the tool cannot make sense of: what is wrong, then the usage, on standard error.
int usageError(const QString &what) {
    if (!what.isEmpty())
        QTextStream(stderr) << what << '\n';
    printUsage(stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv) {
    // export draws PDF pages, which needs fonts and so the graphics application; it shows no
    // window, so it runs on the offscreen platform unless told otherwise.
    const bool drawing = argc > 1 && qstrcmp(argv[1], "export") == 0;
    if (drawing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app(drawing ? new QGuiApplication(argc, argv)
                                                        : new QCoreApplication(argc, argv));
    print::RegistrirajPdf();
    const QStringList all = app->arguments().mid(1);
    if (all.isEmpty())
        return usageError(QString());
    const QString name = all.first();
    if (name == QStringLiteral("--version")) {
        QTextStream(stdout) << "zentrel-cli " << ZENTREL_VERSION << '\n';
        return 0;
    }
    if (name == QStringLiteral("--help") || name == QStringLiteral("-h")) {
        printUsage(stdout);
        return 0;
    }
    if (name.startsWith(u'-'))
        return usageError(QStringLiteral("Neznana možnost: ") + name);
    const QStringList args = all.mid(1);

    if (const auto it = fileCommands().find(name); it != fileCommands().end())
        return it->second(args);
    const auto it = projectCommands().find(name);
    if (it == projectCommands().end())
        return usageError(QStringLiteral("Neznan ukaz: ") + name);

    core::ConsolePresenter console(args.contains(QStringLiteral("--yes")) ? core::Answer::Yes : core::Answer::No);
    core::SetPresenter(&console);
    shell::StartupOptions options;
    options.openInitialProject = false;
    if (!shell::StartUp(QCoreApplication::applicationDirPath(), options))
        return 1;
    return it->second(args);
}
