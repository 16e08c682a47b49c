#include "FetReader.h"

#include "XmlTree.h"

#include <QFile>
#include <algorithm>
#include <QFileInfo>

namespace zentrel::fet {

QStringList FetConstraint::all(const QString &name) const {
    QStringList values = fields.values(name);
    // QMultiHash gives the latest first; the file's order is the one that means something.
    std::reverse(values.begin(), values.end());
    return values;
}

namespace {

// Names of the list's entries: <Day><Name>Monday</Name></Day>, or <Day>Monday</Day> in old files.
QStringList entryNames(const XmlNode &list, const QString &entry) {
    QStringList names;
    for (const XmlNode &e : list.children)
        if (e.name == entry)
            names << (e.child(QStringLiteral("Name")) ? e.childText(QStringLiteral("Name")) : e.text);
    return names;
}

void readStudents(const XmlNode &node, const QString &parent, FetDocument *d) {
    static const QStringList levels{QStringLiteral("Year"), QStringLiteral("Group"), QStringLiteral("Subgroup")};
    for (const XmlNode &set : node.children) {
        if (!levels.contains(set.name))
            continue;
        const QString name = set.childText(QStringLiteral("Name"));
        if (name.isEmpty())
            continue;
        if (!d->setChildren.contains(name)) {
            d->studentSets << name;
            d->setChildren.insert(name, {});
        }
        if (!parent.isEmpty() && !d->setChildren[parent].contains(name))
            d->setChildren[parent] << name;
        readStudents(set, name, d);
    }
}

FetActivity readActivity(const XmlNode &node) {
    FetActivity a;
    a.line = node.line;
    for (const XmlNode &f : node.children) {
        if (f.name == QLatin1String("Teacher"))
            a.teachers << f.text;
        else if (f.name == QLatin1String("Subject"))
            a.subject = f.text;
        else if (f.name == QLatin1String("Students"))
            a.students << f.text;
        else if (f.name == QLatin1String("Duration"))
            a.duration = qMax(1, f.text.toInt());
        else if (f.name == QLatin1String("Total_Duration"))
            a.totalDuration = f.text.toInt();
        else if (f.name == QLatin1String("Id"))
            a.id = f.text.toInt();
        else if (f.name == QLatin1String("Activity_Group_Id"))
            a.groupId = f.text.toInt();
        else if (f.name == QLatin1String("Active"))
            a.active = f.text != QLatin1String("false");
    }
    a.totalDuration = qMax(a.totalDuration, a.duration);
    return a;
}

FetConstraint readConstraint(const XmlNode &node) {
    FetConstraint c;
    c.type = node.name;
    for (const XmlNode &f : node.children) {
        if (f.name == QLatin1String("Weight_Percentage"))
            c.weight = f.text.toDouble();
        else if (f.name == QLatin1String("Active"))
            c.active = f.text != QLatin1String("false");
        else if (f.children.isEmpty())
            c.fields.insert(f.name, f.text);
        else {
            QHash<QString, QString> record;
            for (const XmlNode &g : f.children)
                record.insert(g.name, g.text);
            record.insert(QStringLiteral("#"), f.name);
            c.records.append(record);
        }
    }
    return c;
}

} // namespace

bool ReadFetFile(const QString &path, FetDocument *d, QString *error) {
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Datoteke %1 ni mogoče prebrati.").arg(name);
        return false;
    }
    if (file.size() == 0) {
        *error = QStringLiteral("Datoteka %1 je prazna.").arg(name);
        return false;
    }
    XmlNode root;
    qint64 line = 0, column = 0;
    if (!ReadXmlTree(file, &root, &line, &column)) {
        *error = QStringLiteral("Datoteka %1 ni veljavna datoteka XML: napaka v vrstici %2, stolpec %3.")
                     .arg(name)
                     .arg(line)
                     .arg(column);
        return false;
    }
    if (root.name != QLatin1String("fet")) {
        *error = QStringLiteral("Datoteka %1 ni datoteka FET (njen korenski element je <%2>, ne <fet>).")
                     .arg(name, root.name);
        return false;
    }
    d->versionText = root.attributes.value(QStringLiteral("version"));
    d->majorVersion = d->versionText.section(u'.', 0, 0).toInt();
    if (d->majorVersion != 5 && d->majorVersion != 6) {
        *error = QStringLiteral("Datoteka %1 je zapisana v obliki FET različice %2; uvoziti je mogoče le "
                                "različici 5 in 6.")
                     .arg(name, d->versionText.isEmpty() ? QStringLiteral("(ni navedena)") : d->versionText);
        return false;
    }
    const XmlNode *daysList = root.child(QStringLiteral("Days_List"));
    const XmlNode *hoursList = root.child(QStringLiteral("Hours_List"));
    if (daysList)
        d->days = entryNames(*daysList, QStringLiteral("Day"));
    if (hoursList)
        d->hours = entryNames(*hoursList, QStringLiteral("Hour"));
    if (d->days.isEmpty() || d->hours.isEmpty()) {
        *error = QStringLiteral("V datoteki %1 ni seznama %2 (element <%3>); projekta ni mogoče narediti.")
                     .arg(name, d->days.isEmpty() ? QStringLiteral("dni") : QStringLiteral("ur"),
                          d->days.isEmpty() ? QStringLiteral("Days_List") : QStringLiteral("Hours_List"));
        return false;
    }
    if (d->days.size() > MaxDays) {
        *error = QStringLiteral("Datoteka %1 ima %2 dni v tednu, projekt pa največ %3 (od ponedeljka do petka).")
                     .arg(name)
                     .arg(d->days.size())
                     .arg(MaxDays);
        return false;
    }
    if (d->hours.size() > MaxHours) {
        *error = QStringLiteral("Datoteka %1 ima %2 ur na dan, projekt pa največ %3.")
                     .arg(name)
                     .arg(d->hours.size())
                     .arg(MaxHours);
        return false;
    }
    d->institution = root.childText(QStringLiteral("Institution_Name"));
    for (const XmlNode &section : root.children) {
        if (section.name == QLatin1String("Teachers_List"))
            d->teachers = entryNames(section, QStringLiteral("Teacher"));
        else if (section.name == QLatin1String("Subjects_List"))
            d->subjects = entryNames(section, QStringLiteral("Subject"));
        else if (section.name == QLatin1String("Buildings_List"))
            d->buildings = entryNames(section, QStringLiteral("Building"));
        else if (section.name == QLatin1String("Students_List"))
            readStudents(section, QString(), d);
        else if (section.name == QLatin1String("Rooms_List")) {
            for (const XmlNode &r : section.children)
                if (r.name == QLatin1String("Room")) {
                    bool ok = false;
                    const int capacity = r.childText(QStringLiteral("Capacity")).toInt(&ok);
                    d->rooms.append({r.childText(QStringLiteral("Name")), r.childText(QStringLiteral("Building")),
                                     ok ? capacity : -1,
                                     r.childText(QStringLiteral("Virtual")) == QLatin1String("true")});
                }
        } else if (section.name == QLatin1String("Activities_List")) {
            for (const XmlNode &a : section.children)
                if (a.name == QLatin1String("Activity"))
                    d->activities.append(readActivity(a));
        } else if (section.name == QLatin1String("Time_Constraints_List") ||
                   section.name == QLatin1String("Space_Constraints_List")) {
            auto &list = section.name.startsWith(u'T') ? d->timeConstraints : d->spaceConstraints;
            for (const XmlNode &c : section.children)
                list.append(readConstraint(c));
        }
    }
    return true;
}

} // namespace zentrel::fet
