// The fuzz runner: feeds every reader of outside input its seed files and, for a fixed number of
// cases, mutated copies of them, and checks what the reader made of each. A case is numbered; its
// mutation follows from the target's name and that number alone, so any case can be run again.
//
//   zentrel_fuzz --corpus DIR [--target NAME]... [--cases N] [--first N] [--case N]
//                [--input FILE] [--failures DIR] [--timeout SECONDS] [--verbose] [--write FILE]
//
// Exits with 1 when a case found a fault (each is saved in the failures folder, ready to be
// added to the corpus), 2 when the run could not start; a crash or a hang ends it at once.
#include "CaseGuard.h"
#include "Checks.h"
#include "FuzzTarget.h"
#include "Mutator.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

using namespace zentrel::fuzz;

namespace {

struct Options {
    QString corpus;
    QStringList targets;
    qint64 cases = 100;
    qint64 first = 0;
    qint64 only = -1;
    QString input;
    QString write; // with --case: the mutated input is written there instead of being run
    QString failures = QDir::currentPath() + QStringLiteral("/fuzz-failures");
    int timeout = 10;
};

struct Tally {
    qint64 cases = 0;
    qint64 accepted = 0;
    qint64 faults = 0;
};

// FNV-1a: a target's cases differ from another target's with the same numbers.
quint64 nameHash(const QString &name) {
    quint64 h = 14695981039346656037ull;
    for (const char c : name.toUtf8()) {
        h ^= quint8(c);
        h *= 1099511628211ull;
    }
    return h;
}

QList<QByteArray> readCorpus(const QString &folder, QStringList &names, qint64 &bytes) {
    QList<QByteArray> seeds;
    for (const QFileInfo &f : QDir(folder).entryInfoList(QDir::Files, QDir::Name)) {
        QFile file(f.filePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        seeds << file.readAll();
        names << f.fileName();
        bytes += seeds.last().size();
    }
    return seeds;
}

// Runs one case in a folder of its own and reports a fault.
void runCase(const Target &target, const QString &label, const QByteArray &bytes, const Options &options,
             CaseGuard &guard, Tally &tally) {
    QTemporaryDir folder;
    // A name with a space, an apostrophe and Slovenian letters: paths reach SQL and messages.
    const QString path = folder.filePath(QStringLiteral("Šola d'Or") + target.suffix);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            fprintf(stderr, "fuzz: cannot write %s\n", qPrintable(path));
            std::exit(2);
        }
    }
    const QString saved = options.failures + u'/' + target.name + u'-' + label + target.suffix;
    guard.begin(saved, bytes);
    const Outcome outcome = target.run(path);
    guard.end();
    ++tally.cases;
    tally.accepted += outcome.accepted ? 1 : 0;
    if (outcome.fault.isEmpty())
        return;
    ++tally.faults;
    QFile file(saved);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    fprintf(stderr, "fuzz: FAULT %s %s: %s\n      saved as %s\n", qPrintable(target.name), qPrintable(label),
            qPrintable(outcome.fault), qPrintable(saved));
}

bool parse(const QStringList &args, Options &o) {
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--verbose")) {
            AnsweringPresenter::verbose = true;
            continue;
        }
        const QString value = args.value(i + 1);
        if (a == QLatin1String("--corpus"))
            o.corpus = value;
        else if (a == QLatin1String("--target"))
            o.targets << value;
        else if (a == QLatin1String("--cases"))
            o.cases = value.toLongLong();
        else if (a == QLatin1String("--first"))
            o.first = value.toLongLong();
        else if (a == QLatin1String("--case"))
            o.only = value.toLongLong();
        else if (a == QLatin1String("--input"))
            o.input = value;
        else if (a == QLatin1String("--write"))
            o.write = value;
        else if (a == QLatin1String("--failures"))
            o.failures = value;
        else if (a == QLatin1String("--timeout"))
            o.timeout = value.toInt();
        else
            return false;
        ++i;
    }
    return !o.corpus.isEmpty() || !o.input.isEmpty();
}

Tally runTarget(const Target &target, const Options &options, CaseGuard &guard) {
    Tally tally;
    if (!options.input.isEmpty()) {
        QFile file(options.input);
        if (!file.open(QIODevice::ReadOnly)) {
            fprintf(stderr, "fuzz: cannot read %s\n", qPrintable(options.input));
            std::exit(2);
        }
        runCase(target, QStringLiteral("input"), file.readAll(), options, guard, tally);
        return tally;
    }
    QStringList names;
    qint64 bytes = 0;
    const QList<QByteArray> seeds = readCorpus(options.corpus + u'/' + target.name, names, bytes);
    if (seeds.isEmpty()) {
        fprintf(stderr, "fuzz: no corpus for %s in %s\n", qPrintable(target.name), qPrintable(options.corpus));
        std::exit(2);
    }
    QElapsedTimer timer;
    timer.start();
    // The seeds as they are first: among them every case that has ever failed.
    if (options.only < 0)
        for (qsizetype i = 0; i < seeds.size(); ++i)
            runCase(target, QStringLiteral("seed-") + names[i], seeds[i], options, guard, tally);
    const qint64 from = options.only >= 0 ? options.only : options.first;
    const qint64 to = options.only >= 0 ? options.only + 1 : options.first + options.cases;
    for (qint64 n = from; n < to; ++n) {
        Random pick(nameHash(target.name) ^ quint64(n) * 0x9E3779B97F4A7C15ull);
        const qsizetype seed = qsizetype(pick.below(quint64(seeds.size())));
        Mutator mutator(pick.below(~0ull));
        const QByteArray bytes = mutator.mutate(seeds[seed], target.kind);
        if (!options.write.isEmpty()) {
            QFile file(options.write);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                std::exit(2);
            continue;
        }
        runCase(target, QStringLiteral("case%1").arg(n), bytes, options, guard, tally);
    }
    printf("%-22s corpus %2lld files %7lld bytes  cases %6lld  accepted %6lld  refused %6lld  faults %lld  %.1f s\n",
           qPrintable(target.name), qint64(seeds.size()), bytes, tally.cases, tally.accepted,
           tally.cases - tally.accepted, tally.faults, double(timer.elapsed()) / 1000.0);
    fflush(stdout);
    return tally;
}

} // namespace

int main(int argc, char **argv) {
    // Every case writes and commits project files; on a disk their flushes take most of a case's
    // time, so the cases run in memory where the system offers it.
    if (qEnvironmentVariableIsEmpty("TMPDIR") && QFileInfo(QStringLiteral("/dev/shm")).isWritable())
        qputenv("TMPDIR", "/dev/shm");
    QCoreApplication app(argc, argv);
    Options options;
    if (!parse(app.arguments(), options)) {
        fprintf(stderr, "Usage: zentrel_fuzz --corpus DIR [--target NAME]... [--cases N] [--first N] [--case N] "
                        "[--input FILE] [--failures DIR] [--timeout SECONDS] [--verbose] [--write FILE]\n");
        return 2;
    }
    QList<Target> chosen;
    for (const Target &t : Targets())
        if (options.targets.isEmpty() || options.targets.contains(t.name))
            chosen << t;
    if (chosen.size() != (options.targets.isEmpty() ? Targets().size() : options.targets.size())) {
        QStringList known;
        for (const Target &t : Targets())
            known << t.name;
        fprintf(stderr, "fuzz: unknown target; the targets are %s\n", qPrintable(known.join(u' ')));
        return 2;
    }
    CaseGuard guard(options.failures, options.timeout);
    qint64 faults = 0;
    for (const Target &t : chosen)
        faults += runTarget(t, options, guard).faults;
    return faults > 0 ? 1 : 0;
}
