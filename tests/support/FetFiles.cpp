#include "FetFiles.h"

#include "core/AppState.h"
#include "fet/FetImport.h"

#include <QFile>

namespace zentrel::test {

QString FetText(const QString &body, int days, int hours, const QString &version) {
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<fet version=\"%1\">\n"
                                  "<Institution_Name>OŠ d'Test</Institution_Name>\n<Days_List>\n")
                       .arg(version);
    for (int d = 0; d < days; ++d)
        text += QStringLiteral("<Day><Name>D%1</Name></Day>\n").arg(d + 1);
    text += QStringLiteral("</Days_List>\n<Hours_List>\n");
    for (int h = 0; h < hours; ++h)
        text += QStringLiteral("<Hour><Name>H%1</Name></Hour>\n").arg(h + 1);
    return text + QStringLiteral("</Hours_List>\n") + body + QStringLiteral("</fet>\n");
}

QString FetActivity(int id, int group, int duration, int total, const QStringList &teachers, const QString &subject,
                    const QStringList &students, bool active) {
    QString text = QStringLiteral("<Activity>");
    for (const QString &t : teachers)
        text += QStringLiteral("<Teacher>%1</Teacher>").arg(t);
    text += QStringLiteral("<Subject>%1</Subject>").arg(subject);
    for (const QString &s : students)
        text += QStringLiteral("<Students>%1</Students>").arg(s);
    return text + QStringLiteral("<Duration>%1</Duration><Total_Duration>%2</Total_Duration><Id>%3</Id>"
                                 "<Activity_Group_Id>%4</Activity_Group_Id><Active>%5</Active></Activity>\n")
                      .arg(duration)
                      .arg(total)
                      .arg(id)
                      .arg(group)
                      .arg(active ? QStringLiteral("true") : QStringLiteral("false"));
}

QString FetStudents(const QStringList &paths) {
    // Paths share their leading parts: "7/7a/7a1" and "7/7a/7a2" are one year with one group.
    QString text = QStringLiteral("<Students_List>\n");
    QStringList open;
    static const QStringList levels{QStringLiteral("Year"), QStringLiteral("Group"), QStringLiteral("Subgroup")};
    for (const QString &path : paths) {
        const QStringList parts = path.split(u'/');
        int same = 0;
        while (same < open.size() && same < parts.size() && open[same] == parts[same])
            ++same;
        while (open.size() > same) {
            open.removeLast();
            text += QStringLiteral("</%1>\n").arg(levels[open.size()]);
        }
        for (int i = same; i < parts.size(); ++i) {
            text += QStringLiteral("<%1><Name>%2</Name>\n").arg(levels[i], parts[i]);
            open << parts[i];
        }
    }
    while (!open.isEmpty()) {
        open.removeLast();
        text += QStringLiteral("</%1>\n").arg(levels[open.size()]);
    }
    return text + QStringLiteral("</Students_List>\n");
}

QString FetNotAvailable(const QString &type, const QString &field, const QString &name,
                        const QList<QPair<int, int>> &cells, int weight) {
    QString times;
    for (const auto &[day, hour] : cells)
        times += QStringLiteral("<%1><Day>D%2</Day><Hour>H%3</Hour></%1>")
                     .arg(type == QLatin1String("ConstraintBreakTimes") ? QStringLiteral("Break_Time")
                                                                         : QStringLiteral("Not_Available_Time"))
                     .arg(day)
                     .arg(hour);
    return FetConstraint(type, field.isEmpty() ? times : QStringLiteral("<%1>%2</%1>").arg(field, name) + times,
                         weight);
}

QString FetConstraint(const QString &type, const QString &fields, int weight) {
    return QStringLiteral("<%1><Weight_Percentage>%2</Weight_Percentage>%3<Active>true</Active></%1>\n")
        .arg(type)
        .arg(weight)
        .arg(fields);
}

bool FetImportTest::import(const QString &text) {
    QFile f(fetPath);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(text.toUtf8());
    f.close();
    const bool ok = fet::ImportFetFile(fetPath, projectPath, core::App().folders.defaultsDatabase(), &report);
    return ok && db.open(projectPath);
}

int FetImportTest::count(const QString &sql, const QVariantList &values) {
    return db.scalar(sql, values).toInt();
}

QStringList FetImportTest::TextsOf(db::Connection &c, const QString &sql, const QVariantList &values) {
    QStringList out;
    const db::RowSet rows = c.query(sql, values);
    for (int r = 0; r < rows.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < rows.columnCount(); ++c)
            cells << rows.value(r, c).toString();
        out << cells.join(u'|');
    }
    return out;
}

} // namespace zentrel::test
