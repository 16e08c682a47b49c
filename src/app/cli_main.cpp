#include "basicdata/LoadCommand.h"
#include "calendar/DayCommand.h"
#include "calendar/SubstitutesCommand.h"
#include "core/ConsolePresenter.h"
#include "print/ExportCommand.h"
#include "print/UrIzris.h"
#include "pupils/PupilCommands.h"
#include "sample/SampleCommand.h"
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

int printUsage() {
    QTextStream(stderr)
        << "Uporaba: zentrel-cli UKAZ ...\n"
           "  create POT [--force]  nov projekt (obstoječega prepiše le s --force)\n"
           "  check POT [--yes]     odpre projekt s preverjanji in izpiše povzetek\n"
           "  compact POT [--yes]   skrči projekt (poškodovanega popravi z --yes)\n"
           "  ensure-sample         primer.znt v mapi dokumentov\n"
           "  sample POT [--classes-per-grade N] [--seed S] [--force]\n"
           "                        vzorčna šola OŠ Primer\n"
           "  construct PROJEKT [...]  samodejno sestavi urnik\n"
           "  verify PROJEKT [...]     neodvisno preveri shranjeni urnik\n"
           "  readiness PROJEKT [...]  pregled pred sestavljanjem: kaj bo ure pustilo nerazporejene\n"
           "  load PROJEKT [--csv] [...]  obremenitev učiteljev in enot\n"
           "  day PROJEKT DATUM | --from DATUM --to DATUM  urnik, turnus in dan pouka datuma\n"
           "  show PROJEKT [...] (--class|--teacher|--room OZNAKA)  teden enote, učitelja, prostora\n"
           "  copy-timetable PROJEKT --timetable ID --name IME  kopija urnika\n"
           "  copy-turnus PROJEKT --timetable ID --from ID --to ID [--yes]  kopija turnusa urnika\n"
           "  export PROJEKT [...] IZHOD  izvozi urnike (PDF, HTML, CSV, XML, iCalendar)\n"
           "  substitutes PROJEKT DATUM [--teacher OZNAKA] [--top N] [--json]  kandidati za nadomeščanje\n"
           "  make-defaults POT     tovarniška privzeta baza\n"
           "  new-from IZVOR NOV --part basic|curriculum|timetable [...]  nov projekt iz obstoječega\n"
           "  import-pupils PROJEKT DATOTEKA.csv  uvoz učencev\n"
           "  electives PROJEKT [--set ID] [--apply]  izbirne skupine samodejno\n";
    return 1;
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
        return printUsage();
    const QString name = all.first();
    const QStringList args = all.mid(1);

    if (const auto it = fileCommands().find(name); it != fileCommands().end())
        return it->second(args);
    const auto it = projectCommands().find(name);
    if (it == projectCommands().end())
        return printUsage();

    core::ConsolePresenter console(args.contains(QStringLiteral("--yes")) ? core::Answer::Yes : core::Answer::No);
    core::SetPresenter(&console);
    shell::StartupOptions options;
    options.openInitialProject = false;
    if (!shell::StartUp(QCoreApplication::applicationDirPath(), options))
        return 1;
    return it->second(args);
}
