#include "LoadCommand.h"

#include "ChooseRow.h"
#include "Obremenitev.h"
#include "core/AppState.h"
#include "core/TextFunctions.h"
#include "db/MBaza.h"
#include "shell/ProjectFiles.h"

#include <QTextStream>

namespace zentrel::basicdata {

namespace {

int usage(const QString &error) {
    QTextStream err(stderr);
    if (!error.isEmpty())
        err << error << '\n';
    err << "Uporaba: zentrel-cli load PROJEKT [--curriculum ID|IME] [--timetable ID|IME] [--csv] [--yes]\n";
    return 1;
}

// A table of text cells: the header and the rows; columns from `firstNumber` on are numbers.
struct Table {
    QStringList header;
    QList<QStringList> rows;
    int firstNumber = 2;

    void print(QTextStream &out) const {
        QList<int> widths;
        for (const QString &h : header)
            widths << int(h.size());
        for (const QStringList &row : rows)
            for (int c = 0; c < row.size(); ++c)
                widths[c] = std::max(widths[c], int(row[c].size()));
        const auto line = [&](const QStringList &cells) {
            QStringList padded;
            for (int c = 0; c < cells.size(); ++c)
                padded << (c < firstNumber ? cells[c].leftJustified(widths[c]) : cells[c].rightJustified(widths[c]));
            out << padded.join(QStringLiteral("  ")).trimmed() << '\n';
        };
        line(header);
        for (const QStringList &row : rows)
            line(row);
    }
};

QString csvCell(const QString &text) {
    if (!text.contains(u';') && !text.contains(u'"') && !text.contains(u'\n'))
        return text;
    return u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

QStringList numbers(const Obremenitev::Line &line, int week, bool classes, bool placed) {
    QStringList cells{QString::number(line.inTurnus[week])};
    if (classes)
        cells << QString::number(line.withoutTeacher[week]);
    if (placed)
        cells << QString::number(line.placed[week]) << QString::number(line.unplaced[week]);
    return cells;
}

QStringList weekHeader(const Obremenitev &o, bool classes, bool placed) {
    QStringList cells;
    for (const Obremenitev::Week &w : o.weeks) {
        cells << QStringLiteral("V turnusu ") + w.code;
        if (classes)
            cells << QStringLiteral("brez učitelja ") + w.code;
        if (placed)
            cells << QStringLiteral("razporejeno ") + w.code << QStringLiteral("nerazporejeno ") + w.code;
    }
    return cells;
}

Table tableOf(const Obremenitev &o, bool classes) {
    const bool placed = !o.timetableName.isEmpty();
    Table t;
    t.header << QStringLiteral("Oznaka") << (classes ? QStringLiteral("Ime") : QStringLiteral("Učitelj"));
    if (!classes)
        t.header << QStringLiteral("skupaj ur");
    t.header << weekHeader(o, classes, placed);
    for (const Obremenitev::Line &line : classes ? o.classes : o.teachers) {
        QStringList row{line.code, line.name};
        if (!classes)
            row << QString::number(line.total);
        for (int w = 0; w < o.weeks.size(); ++w)
            row << numbers(line, w, classes, placed);
        t.rows << row;
    }
    return t;
}

void printCsv(QTextStream &out, const Obremenitev &o) {
    const bool placed = !o.timetableName.isEmpty();
    QStringList header{QStringLiteral("Vrsta"), QStringLiteral("Oznaka"), QStringLiteral("Ime"),
                       QStringLiteral("skupaj ur")};
    header << weekHeader(o, true, placed);
    out << header.join(u';') << '\n';
    for (bool classes : {false, true})
        for (const Obremenitev::Line &line : classes ? o.classes : o.teachers) {
            QStringList row{classes ? QStringLiteral("Enota") : QStringLiteral("Učitelj"), csvCell(line.code),
                            csvCell(line.name), classes ? QString() : QString::number(line.total)};
            for (int w = 0; w < o.weeks.size(); ++w) {
                QStringList cells = numbers(line, w, classes, placed);
                if (!classes)
                    cells.insert(1, QString()); // a teacher has no "brez učitelja"
                row << cells;
            }
            out << row.join(u';') << '\n';
        }
}

} // namespace

int RunLoadCommand(const QStringList &args) {
    QString project, curriculumArg, timetableArg;
    bool csv = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--csv")) {
            csv = true;
        } else if (a == QLatin1String("--yes")) { // the answer to the questions of the opening
        } else if (a == QLatin1String("--curriculum") || a == QLatin1String("--timetable")) {
            if (i + 1 >= args.size())
                return usage(QStringLiteral("Manjka vrednost za %1.").arg(a));
            (a == QLatin1String("--curriculum") ? curriculumArg : timetableArg) = args[++i];
        } else if (a.startsWith(QLatin1String("--")) || !project.isEmpty()) {
            return usage(a.startsWith(QLatin1String("--")) ? QStringLiteral("Neznana možnost %1.").arg(a) : QString());
        } else {
            project = a;
        }
    }
    if (project.isEmpty())
        return usage({});
    if (!shell::OpenProjectFile(project))
        return 1;
    QTextStream err(stderr);
    const qint64 curriculum = ChooseRow(QStringLiteral("SELECT ID, IME FROM PREDMETNIKI ORDER BY ID"), curriculumArg,
                                     core::App().trenutniPredmetnik);
    if (curriculum < 0) {
        err << (curriculumArg.isEmpty() ? QStringLiteral("V projektu ni razporeda.")
                                        : QStringLiteral("Razporeda %1 ni.").arg(curriculumArg))
            << '\n';
        return 1;
    }
    const qint64 timetable =
        ChooseRow(QStringLiteral("SELECT ID, IME FROM URNIKI WHERE ID_PREDMETNIKA = %1 ORDER BY ID").arg(curriculum),
               timetableArg, core::App().trenutniUrnik);
    Obremenitev o;
    if (!PreberiObremenitev(curriculum, timetable, o))
        return 1;
    if (timetable < 0 && !timetableArg.isEmpty()) {
        err << QStringLiteral("Urnika %1 v razporedu %2 ni.").arg(timetableArg, o.curriculumName) << '\n';
        return 1;
    }
    QTextStream out(stdout);
    if (csv) {
        printCsv(out, o);
        return 0;
    }
    out << "Razpored: " << o.curriculumName << '\n';
    out << "Urnik: " << (timetable < 0 ? QStringLiteral("(razpored nima urnika)") : o.timetableName) << "\n\n";
    out << "Učitelji\n";
    tableOf(o, false).print(out);
    out << "\nEnote\n";
    tableOf(o, true).print(out);
    return 0;
}

} // namespace zentrel::basicdata
