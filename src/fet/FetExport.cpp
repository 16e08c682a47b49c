#include "FetExport.h"

#include "FetExportModel.h"
#include "core/Messages.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamWriter>

namespace zentrel::fet {

using namespace core;

namespace {

const QStringList &dayNames() {
    static const QStringList days{QStringLiteral("Ponedeljek"), QStringLiteral("Torek"), QStringLiteral("Sreda"),
                                  QStringLiteral("Četrtek"), QStringLiteral("Petek")};
    return days;
}

// Writes the elements of a FET file in the order FET reads them.
class Writer {
public:
    Writer(QIODevice *device, const FetExportModel &model, bool withTimetable)
        : x(device), m(model), m_withTimetable(withTimetable) {
        x.setAutoFormatting(true);
        x.setAutoFormattingIndent(1);
    }

    void write() {
        x.writeStartDocument();
        x.writeStartElement(QStringLiteral("fet"));
        x.writeAttribute(QStringLiteral("version"), QStringLiteral("5.44.0"));
        x.writeTextElement(QStringLiteral("Institution_Name"), m.school);
        x.writeTextElement(QStringLiteral("Comments"), QStringLiteral("Izvoz iz programa Zentrel"));
        list(QStringLiteral("Days_List"), QStringLiteral("Day"), QStringLiteral("Number_of_Days"), dayNames());
        list(QStringLiteral("Hours_List"), QStringLiteral("Hour"), QStringLiteral("Number_of_Hours"), m.hours);
        list(QStringLiteral("Subjects_List"), QStringLiteral("Subject"), QString(), m.subjects);
        x.writeStartElement(QStringLiteral("Activity_Tags_List"));
        x.writeEndElement();
        list(QStringLiteral("Teachers_List"), QStringLiteral("Teacher"), QString(), m.teachers);
        x.writeStartElement(QStringLiteral("Students_List"));
        for (const QString &c : m.classes) {
            x.writeStartElement(QStringLiteral("Year"));
            x.writeTextElement(QStringLiteral("Name"), c);
            x.writeTextElement(QStringLiteral("Number_of_Students"), QStringLiteral("0"));
            x.writeEndElement();
        }
        x.writeEndElement();
        activities();
        list(QStringLiteral("Buildings_List"), QStringLiteral("Building"), QString(), m.buildings);
        x.writeStartElement(QStringLiteral("Rooms_List"));
        for (const FetRoom &r : m.rooms) {
            x.writeStartElement(QStringLiteral("Room"));
            x.writeTextElement(QStringLiteral("Name"), r.name);
            x.writeTextElement(QStringLiteral("Building"), r.building);
            // The project keeps no capacity: no lesson is ever too large for its room.
            x.writeTextElement(QStringLiteral("Capacity"), QStringLiteral("30000"));
            x.writeEndElement();
        }
        x.writeEndElement();
        timeConstraints();
        spaceConstraints();
        x.writeEndElement();
        x.writeEndDocument();
    }

private:
    struct Activity {
        int id;
        int unit;
        int entry;
        int component;
    };

    void list(const QString &name, const QString &entry, const QString &count, const QStringList &names) {
        x.writeStartElement(name);
        if (!count.isEmpty())
            x.writeTextElement(count, QString::number(names.size()));
        for (const QString &n : names) {
            x.writeStartElement(entry);
            x.writeTextElement(QStringLiteral("Name"), n);
            x.writeEndElement();
        }
        x.writeEndElement();
    }

    // Component durations of a unit: blocks of its length, the rest in a last shorter block. A
    // unit keeps to one run of periods a day; with more blocks than days, the surplus blocks
    // lengthen the first days' runs, so that FET can keep every block on a day of its own.
    static QVector<int> blocks(const ExportUnit &u) {
        QVector<int> out(u.periods / u.length, u.length);
        if (u.periods % u.length)
            out << u.periods % u.length;
        for (int i = 0; out.size() > dayNames().size(); i = (i + 1) % int(out.size() - 1))
            out[i] += out.takeLast();
        return out;
    }

    void activities() {
        x.writeStartElement(QStringLiteral("Activities_List"));
        int next = 1;
        for (int ui = 0; ui < m.units.size(); ++ui) {
            const ExportUnit &u = m.units[ui];
            const QVector<int> durations = blocks(u);
            for (int ei = 0; ei < u.entries.size(); ++ei) {
                const ExportEntry &e = u.entries[ei];
                const int group = durations.size() > 1 ? next : 0;
                for (int ci = 0; ci < durations.size(); ++ci) {
                    m_activities.append({next, ui, ei, ci});
                    x.writeStartElement(QStringLiteral("Activity"));
                    if (!e.teacher.isEmpty())
                        x.writeTextElement(QStringLiteral("Teacher"), e.teacher);
                    x.writeTextElement(QStringLiteral("Subject"), e.subject);
                    // Further teachers teach the same students at the same time: only the first
                    // entry names them, or FET would see the students twice in one period.
                    if (ei == 0)
                        for (const QString &s : u.students)
                            x.writeTextElement(QStringLiteral("Students"), s);
                    x.writeTextElement(QStringLiteral("Duration"), QString::number(durations[ci]));
                    x.writeTextElement(QStringLiteral("Total_Duration"), QString::number(u.periods));
                    x.writeTextElement(QStringLiteral("Id"), QString::number(next++));
                    x.writeTextElement(QStringLiteral("Activity_Group_Id"), QString::number(group));
                    x.writeTextElement(QStringLiteral("Active"), QStringLiteral("true"));
                    x.writeEndElement();
                }
            }
        }
        x.writeEndElement();
    }

    void begin(const QString &type) {
        x.writeStartElement(type);
        x.writeTextElement(QStringLiteral("Weight_Percentage"), QStringLiteral("100"));
    }
    void end() {
        x.writeTextElement(QStringLiteral("Active"), QStringLiteral("true"));
        x.writeEndElement();
    }

    void notAvailable(const QString &type, const QString &field, const QHash<QString, QSet<Cell>> &off) {
        QStringList names = off.keys();
        names.sort();
        for (const QString &name : std::as_const(names)) {
            QList<Cell> cells = off.value(name).values();
            if (cells.isEmpty())
                continue;
            std::sort(cells.begin(), cells.end());
            begin(type);
            x.writeTextElement(field, name);
            x.writeTextElement(QStringLiteral("Number_of_Not_Available_Times"), QString::number(cells.size()));
            for (const Cell &cell : std::as_const(cells)) {
                x.writeStartElement(QStringLiteral("Not_Available_Time"));
                x.writeTextElement(QStringLiteral("Day"), dayNames()[cell.first]);
                x.writeTextElement(QStringLiteral("Hour"), m.hours[cell.second]);
                x.writeEndElement();
            }
            end();
        }
    }

    // Where the unit was placed, as blocks: runs of consecutive periods of a day, cut into its
    // lesson length; (start, length) in day and period order.
    static QVector<QPair<Cell, int>> placedBlocks(const ExportUnit &u) {
        QVector<QPair<Cell, int>> out;
        for (int i = 0; i < u.placed.size(); ++i) {
            const bool continues = i > 0 && u.placed[i].first == u.placed[i - 1].first &&
                                   u.placed[i].second == u.placed[i - 1].second + 1 && out.last().second < u.length;
            if (continues)
                ++out.last().second;
            else
                out.append({u.placed[i], 1});
        }
        return out;
    }

    void timeConstraints() {
        x.writeStartElement(QStringLiteral("Time_Constraints_List"));
        begin(QStringLiteral("ConstraintBasicCompulsoryTime"));
        end();
        notAvailable(QStringLiteral("ConstraintTeacherNotAvailableTimes"), QStringLiteral("Teacher"), m.teacherOff);
        notAvailable(QStringLiteral("ConstraintStudentsSetNotAvailableTimes"), QStringLiteral("Students"), m.classOff);
        // Per unit: one day between its blocks; its entries' blocks at the same time; placed blocks locked.
        QHash<int, QVector<QVector<int>>> ids; // unit -> entry -> activity ids
        for (const Activity &a : std::as_const(m_activities)) {
            auto &entries = ids[a.unit];
            entries.resize(qMax(int(entries.size()), a.entry + 1));
            entries[a.entry] << a.id;
        }
        for (int ui = 0; ui < m.units.size(); ++ui) {
            const QVector<QVector<int>> &entries = ids.value(ui);
            const QVector<int> &lead = entries.first();
            if (lead.size() > 1) {
                begin(QStringLiteral("ConstraintMinDaysBetweenActivities"));
                x.writeTextElement(QStringLiteral("Consecutive_If_Same_Day"), QStringLiteral("true"));
                x.writeTextElement(QStringLiteral("Number_of_Activities"), QString::number(lead.size()));
                for (int id : lead)
                    x.writeTextElement(QStringLiteral("Activity_Id"), QString::number(id));
                x.writeTextElement(QStringLiteral("MinDays"), QStringLiteral("1"));
                end();
            }
            for (int ci = 0; entries.size() > 1 && ci < lead.size(); ++ci) {
                begin(QStringLiteral("ConstraintActivitiesSameStartingTime"));
                x.writeTextElement(QStringLiteral("Number_of_Activities"), QString::number(entries.size()));
                for (const QVector<int> &e : entries)
                    x.writeTextElement(QStringLiteral("Activity_Id"), QString::number(e[ci]));
                end();
            }
            if (!m_withTimetable)
                continue;
            // Each placed block locks a free component of its length.
            const QVector<int> durations = blocks(m.units[ui]);
            QVector<bool> locked(durations.size(), false);
            for (const auto &[start, length] : placedBlocks(m.units[ui])) {
                int ci = 0;
                while (ci < durations.size() && (locked[ci] || durations[ci] != length))
                    ++ci;
                if (ci == durations.size())
                    continue;
                locked[ci] = true;
                begin(QStringLiteral("ConstraintActivityPreferredStartingTime"));
                x.writeTextElement(QStringLiteral("Activity_Id"), QString::number(lead[ci]));
                x.writeTextElement(QStringLiteral("Preferred_Day"), dayNames()[start.first]);
                x.writeTextElement(QStringLiteral("Preferred_Hour"), m.hours[start.second]);
                x.writeTextElement(QStringLiteral("Permanently_Locked"), QStringLiteral("true"));
                end();
                m_startOf.insert(lead[ci], start);
            }
        }
        x.writeEndElement();
    }

    void spaceConstraints() {
        x.writeStartElement(QStringLiteral("Space_Constraints_List"));
        begin(QStringLiteral("ConstraintBasicCompulsorySpace"));
        end();
        QHash<QString, QSet<Cell>> roomOff = m.roomOff;
        notAvailable(QStringLiteral("ConstraintRoomNotAvailableTimes"), QStringLiteral("Room"), roomOff);
        for (const Activity &a : std::as_const(m_activities)) {
            const ExportEntry &e = m.units[a.unit].entries[a.entry];
            if (e.rooms.isEmpty())
                continue;
            // The block's start is that of the unit's first entry (they start together).
            const int leadId = a.id - a.entry * int(blocks(m.units[a.unit]).size());
            const QString placed = m_startOf.contains(leadId) ? e.placedRooms.value(m_startOf.value(leadId)) : QString();
            if (e.rooms.size() == 1 || !placed.isEmpty()) {
                begin(QStringLiteral("ConstraintActivityPreferredRoom"));
                x.writeTextElement(QStringLiteral("Activity_Id"), QString::number(a.id));
                x.writeTextElement(QStringLiteral("Room"), placed.isEmpty() ? e.rooms.first() : placed);
                x.writeTextElement(QStringLiteral("Permanently_Locked"),
                                   placed.isEmpty() ? QStringLiteral("false") : QStringLiteral("true"));
                end();
            }
            if (e.rooms.size() > 1) {
                begin(QStringLiteral("ConstraintActivityPreferredRooms"));
                x.writeTextElement(QStringLiteral("Activity_Id"), QString::number(a.id));
                x.writeTextElement(QStringLiteral("Number_of_Preferred_Rooms"), QString::number(e.rooms.size()));
                for (const QString &r : e.rooms)
                    x.writeTextElement(QStringLiteral("Preferred_Room"), r);
                end();
            }
        }
        x.writeEndElement();
    }

    QXmlStreamWriter x;
    const FetExportModel &m;
    bool m_withTimetable;
    QVector<Activity> m_activities;
    QHash<int, Cell> m_startOf; // lead activity -> its locked start
};

} // namespace

bool ExportFetFile(db::Connection &project, const FetExportOptions &options, const QString &outPath) {
    FetExportModel model;
    if (!LoadExportModel(project, options, &model))
        return false;
    // Written beside the target and renamed over it when complete.
    QSaveFile file(outPath);
    if (!file.open(QIODevice::WriteOnly)) {
        ShowMessage(MsgError, QStringLiteral("Datoteke # ni mogoče zapisati."), outPath);
        return false;
    }
    Writer(&file, model, options.withTimetable).write();
    if (!file.commit()) {
        ShowMessage(MsgError, QStringLiteral("Datoteke # ni mogoče zapisati."), outPath);
        return false;
    }
    return true;
}

} // namespace zentrel::fet
