#include "SettingsFile.h"

#include "IniFile.h"
#include "SafetyCopyList.h"
#include "core/AppState.h"
#include "db/MBaza.h"

#include <cmath>

namespace zentrel::shell {

using namespace core;

namespace {

QString firstLine(const QStringList &values) {
    return values.isEmpty() ? QString() : values.first();
}

// A section that exists has at least one line before the closing empty entry.
bool sectionPresent(const QString &file, const QString &section, QStringList *values) {
    *values = ReadIniSection(file, section);
    return values->size() > 1;
}

qint64 idOrDefault(const QString &line, qint64 fallback) {
    const qint64 v = db::ToLong(line);
    return line.trimmed().isEmpty() || v == -1 ? fallback : v;
}

} // namespace

const QStringList &FolderSections() {
    static const QStringList s{QStringLiteral("[inport directory]"),
                               QStringLiteral("[export directory ementary data]"),
                               QStringLiteral("[export directory arrangements]"),
                               QStringLiteral("[export directory menagement]"),
                               QStringLiteral("[export directory timetables]"),
                               QStringLiteral("[export directory html]"),
                               QStringLiteral("[open file]"),
                               QStringLiteral("[export directory replacement]"),
                               QStringLiteral("[inport directory zentrel]")};
    return s;
}

const QStringList &CheckBoxSections() {
    static const QStringList s{QStringLiteral("[individual units]"),
                               QStringLiteral("[individual student]"),
                               QStringLiteral("[individual teachers]"),
                               QStringLiteral("[free students]"),
                               QStringLiteral("[individual rooms]"),
                               QStringLiteral("[tabular units]"),
                               QStringLiteral("[tabular rooms]"),
                               QStringLiteral("[tabular teachers]"),
                               QStringLiteral("[construction]"),
                               QStringLiteral("[timetable deletion]"),
                               QStringLiteral("[unassigned warning]"),
                               QStringLiteral("[manual timetable]"),
                               QStringLiteral("[elective]"),
                               QStringLiteral("[print]")};
    return s;
}

double MagnificationFactor(const QString &line) {
    bool ok = false;
    const double v = line.trimmed().toDouble(&ok);
    if (!ok)
        return 1.0;
    const double f = v / 100.0;
    return (f > 1.51 || f < 0.49) ? 1.0 : f;
}

QRect WindowGeometry(const QStringList &lines) {
    int v[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = lines.value(i).trimmed().toInt(&ok);
        if (!ok || v[i] < -100000 || v[i] > 100000)
            return {};
    }
    if (v[2] < 200 || v[3] < 150)
        return {};
    return {v[0], v[1], v[2], v[3]};
}

void ReadSettings() {
    AppState &app = App();
    const QString file = app.folders.settingsFile();

    QStringList recent = ReadIniSection(file, QStringLiteral("[recent files]"));
    recent.removeLast(); // the closing empty entry
    if (recent.size() >= 5) {
        recent = recent.mid(0, 5);
    } else {
        recent << QString();
    }
    app.recentFiles = recent;

    for (int slot = 0; slot < FolderSections().size(); ++slot)
        app.settings.folders[slot] = firstLine(ReadIniSection(file, FolderSections().at(slot)));

    const QStringList mag = ReadIniSection(file, QStringLiteral("[magnification]"));
    app.settings.magnificationX = mag.size() > 1 ? MagnificationFactor(mag.at(0)) : 1.0;
    app.settings.magnificationY = mag.size() > 2 ? MagnificationFactor(mag.at(1)) : 1.0;
    app.settings.previewOn = !(mag.size() > 3 && mag.at(2) == QLatin1String("N"));

    app.settings.checkBoxes.clear();
    for (const QString &section : CheckBoxSections()) {
        QStringList values;
        if (!sectionPresent(file, section, &values))
            continue;
        values.removeLast();
        QList<bool> states;
        for (const QString &v : values)
            states << (v == QLatin1String("Y"));
        app.settings.checkBoxes.insert(section, states);
    }

    app.settings.construction = ReadIniSection(file, QStringLiteral("[construction]"));
    app.settings.construction.removeLast(); // the closing empty entry

    const QStringList window = ReadIniSection(file, QStringLiteral("[main window]"));
    app.settings.mainWindow = WindowGeometry(window);
    app.settings.mainWindowMaximized = window.value(4) == QLatin1String("Y");

    QStringList limits = ReadIniSection(file, SafetyCopySection());
    limits.removeLast(); // the closing empty entry
    CopyState().limits = SafetyCopyLimitsFromLines(limits);

    QStringList values;
    app.trenutniPredmetnik = idOrDefault(firstLine(ReadIniSection(file, QStringLiteral("[arrangement]"))), -1);
    if (!sectionPresent(file, QStringLiteral("[timetable]"), &values))
        app.trenutniUrnik = -4;
    else
        app.trenutniUrnik = idOrDefault(values.first(), -5);
    app.trenutniTurnus = idOrDefault(firstLine(ReadIniSection(file, QStringLiteral("[turn]"))), -1);
}

bool WriteSettings() {
    AppState &app = App();
    const QString file = app.folders.settingsFile();
    bool ok = true;
    for (int slot = 0; slot < FolderSections().size(); ++slot)
        ok &= WriteIniSection(file, FolderSections().at(slot), {app.settings.folders[slot]});
    auto percent = [](double f) { return QString::number(std::llround(std::round(f * 10000.0) / 10000.0 * 100.0)); };
    ok &= WriteIniSection(file, QStringLiteral("[magnification]"),
                          {percent(app.settings.magnificationX), percent(app.settings.magnificationY),
                           app.settings.previewOn ? QStringLiteral("Y") : QStringLiteral("N")});
    for (auto it = app.settings.checkBoxes.constBegin(); it != app.settings.checkBoxes.constEnd(); ++it) {
        QStringList lines;
        for (bool b : it.value())
            lines << (b ? QStringLiteral("Y") : QStringLiteral("N"));
        ok &= WriteIniSection(file, it.key(), lines);
    }
    // Written after the check boxes: its numbers would not survive as "Y"/"N".
    if (!app.settings.construction.isEmpty())
        ok &= WriteIniSection(file, QStringLiteral("[construction]"), app.settings.construction);
    if (app.settings.mainWindow.isValid()) {
        const QRect &w = app.settings.mainWindow;
        ok &= WriteIniSection(file, QStringLiteral("[main window]"),
                              {QString::number(w.x()), QString::number(w.y()), QString::number(w.width()),
                               QString::number(w.height()),
                               app.settings.mainWindowMaximized ? QStringLiteral("Y") : QStringLiteral("N")});
    }
    ok &= WriteIniSection(file, SafetyCopySection(), SafetyCopyLimitsLines(CopyState().limits));
    ok &= WriteIniSection(file, QStringLiteral("[arrangement]"), {QString::number(app.trenutniPredmetnik)});
    ok &= WriteIniSection(file, QStringLiteral("[timetable]"), {QString::number(app.trenutniUrnik)});
    ok &= WriteIniSection(file, QStringLiteral("[turn]"), {QString::number(app.trenutniTurnus)});
    return ok;
}

QList<bool> CheckBoxStates(const QString &section, const QList<bool> &defaults) {
    const auto it = App().settings.checkBoxes.constFind(section);
    if (it != App().settings.checkBoxes.constEnd() && it->size() == defaults.size())
        return *it;
    return defaults;
}

void SetCheckBoxStates(const QString &section, const QList<bool> &states) {
    App().settings.checkBoxes.insert(section, states);
}

} // namespace zentrel::shell
