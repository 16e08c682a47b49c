#include "SampleCommand.h"

#include "SampleSchool.h"
#include "ShippedSample.h"
#include "core/ConsolePresenter.h"
#include "db/ProjectTarget.h"
#include "shell/ProjectCommands.h"

#include <QTextStream>

namespace zentrel::sample {

namespace {

int usage(const QString &problem) {
    QTextStream err(stderr);
    if (!problem.isEmpty())
        err << problem << "\n";
    err << "Uporaba: zentrel-cli sample POT [--classes-per-grade N] [--seed S] [--shipped] [--force]\n";
    return 1;
}

} // namespace

int RunSampleCommand(const QStringList &args) {
    SampleOptions options;
    QString path;
    bool shipped = false;
    bool force = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--classes-per-grade") || a == QLatin1String("--seed")) {
            if (i + 1 >= args.size())
                return usage(QStringLiteral("Manjka vrednost za %1.").arg(a));
            bool ok = false;
            const QString value = args[++i];
            if (a == QLatin1String("--seed")) {
                options.seed = value.toUInt(&ok);
            } else {
                options.classesPerGrade = value.toInt(&ok);
                ok = ok && options.classesPerGrade >= 1 && options.classesPerGrade <= MaxClassesPerGrade;
            }
            if (!ok)
                return usage(QStringLiteral("Napačna vrednost %1 za %2.").arg(value, a));
        } else if (a == QLatin1String("--shipped")) {
            shipped = true;
        } else if (a == QLatin1String("--force")) {
            force = true;
        } else if (a.startsWith(QLatin1String("--")) || !path.isEmpty()) {
            return usage(QStringLiteral("Neznan argument %1.").arg(a));
        } else {
            path = a;
        }
    }
    if (path.isEmpty())
        return usage(QStringLiteral("Manjka pot do datoteke."));
    if (shell::RefuseOverwrite(path, force))
        return 1;
    core::ConsolePresenter console(core::Answer::No);
    core::PresenterScope scope(&console);
    db::ProjectTarget target; // held until the sample has taken the name
    if (!target.claim(path))
        return 1;
    QString error;
    if (!(shipped ? MakeShippedSample(path, options, &error) : GenerateSampleSchool(path, options, &error))) {
        QTextStream(stderr) << "Vzorčne šole ni bilo mogoče zapisati v " << path << ": " << error << "\n";
        return 1;
    }
    return 0;
}

} // namespace zentrel::sample
