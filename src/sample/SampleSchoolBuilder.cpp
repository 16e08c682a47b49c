#include "SampleSchoolBuilder.h"

#include "SampleCalendar.h"

#include <algorithm>

namespace zentrel::sample {

namespace {

const QVariant Null;

QString letter(int parallel) {
    return QString(QChar(u'a' + parallel));
}

// Who teaches a subject of the programme of a grade.
QString familyOf(int grade, const QString &subject) {
    if (grade <= 5) {
        if (subject == QLatin1String("TJA"))
            return QStringLiteral("TJA");
        if (subject == QLatin1String("GUM") && grade >= 4)
            return QStringLiteral("GUM");
        if (subject == QLatin1String("GOS"))
            return QStringLiteral("NAR");
        return QStringLiteral("RAZ");
    }
    if (subject == QLatin1String("GEO") || subject == QLatin1String("DKE"))
        return QStringLiteral("GEO");
    if (subject == QLatin1String("NAR") || subject == QLatin1String("BIO") || subject == QLatin1String("GOS"))
        return QStringLiteral("NAR");
    if (subject == QLatin1String("KEM") || subject == QLatin1String("FIZ"))
        return QStringLiteral("KEM");
    if (subject == QLatin1String("ODS"))
        return QStringLiteral("RAZ");
    return subject;
}

RoomPool poolOf(int grade, const QString &subject) {
    if (subject == QLatin1String("LUM"))
        return grade >= 6 ? RoomPool::Art : RoomPool::Home;
    if (subject == QLatin1String("GUM"))
        return grade >= 4 ? RoomPool::Music : RoomPool::Home;
    if (subject == QLatin1String("GOS"))
        return RoomPool::Kitchen;
    if (subject == QLatin1String("NAR"))
        return RoomPool::Science;
    if (subject == QLatin1String("BIO") || subject == QLatin1String("KEM"))
        return RoomPool::Lab;
    if (subject == QLatin1String("FIZ"))
        return RoomPool::Physics;
    if (subject == QStringLiteral("ŠPO"))
        return RoomPool::Gym;
    return RoomPool::Home;
}

// Lesson length: double periods where the subject is usually taught in blocks.
int lengthOf(int grade, const QString &subject, int periods) {
    if (periods >= 2 && ((subject == QLatin1String("LUM") && (grade == 4 || grade == 5)) ||
                         (subject == QLatin1String("TIT") && grade == 6)))
        return 2;
    return 1;
}

} // namespace

SampleSchoolBuilder::SampleSchoolBuilder(const SampleOptions &options) : m_options(options), m_random(options.seed) {
    const QDate day = options.referenceDate.isValid() ? options.referenceDate : QDate::currentDate();
    m_schoolYear = SchoolYearStart(day);
}

SampleTables SampleSchoolBuilder::build() {
    defineTables();
    m_tables.add(QStringLiteral("INI"), {QStringLiteral("Ime_Sole"), QStringLiteral("OŠ Primer")});
    makeTimeGrid();
    makeClasses();
    makeSubjects();
    m_tables.add(
        QStringLiteral("PREDMETNIKI"),
        {CurriculumId,
         QStringLiteral("Razpored %1/%2").arg(m_schoolYear).arg((m_schoolYear + 1) % 100, 2, 10, QLatin1Char('0')),
         QStringLiteral("Izberi dva izbirna predmeta in enega rezervnega. Obkroži jih na seznamu."),
         QStringLiteral("Dodeljeni so ti naslednji izbirni predmeti:"),
         QStringLiteral("Naslednjih izbranih predmetov ti ni bilo mogoče dodeliti:")});
    makeProgrammes();
    makeRooms();
    makeTeachers();
    writeTeachers();
    writeAssignments();
    makeTimetable();
    makeCalendar();
    makePupils();
    makeElectives();
    return m_tables;
}

void SampleSchoolBuilder::defineTables() {
    auto cols = [](const char *text) { return QString::fromLatin1(text).split(QLatin1Char(',')); };
    m_tables.define(QStringLiteral("INI"), cols("ATRIBUT,VREDNOST"));
    m_tables.define(QStringLiteral("STAVBE"), cols("ID,OZNAKA,IME"));
    m_tables.define(QStringLiteral("PROSTORI"), cols("ID,OZNAKA,IME,ID_STAVBE,KABINET"));
    m_tables.define(QStringLiteral("SKUPINE_PROSTOROV"), cols("ID,OZNAKA,IME"));
    m_tables.define(QStringLiteral("PROSTORI_V_SKUPINI"), cols("ID_PROSTORA,ID_SKUPINE"));
    m_tables.define(QStringLiteral("TURNUSI"), cols("ID,OZNAKA"));
    m_tables.define(QStringLiteral("IZMENE"), cols("ID,OZNAKA"));
    m_tables.define(QStringLiteral("IZMENA_TURNUS"),
                    cols("ID_TURNUSA,ID_IZMENE,PRVA_URA_PON,PRVA_URA_TOR,PRVA_URA_SRE,PRVA_URA_CET,PRVA_URA_PET"));
    m_tables.define(QStringLiteral("UCITELJI"), cols("ID,OZNAKA,IME,VMESNOIME,PRIIMEK"));
    m_tables.define(QStringLiteral("ODDELKI"), cols("ID,OZNAKA,IME"));
    m_tables.define(QStringLiteral("PREDMETNIKI"),
                    cols("ID,IME,NAVODILO_IZBIRA,NAVODILO_DODELJENI,NAVODILO_NEDODELJENI"));
    m_tables.define(QStringLiteral("PREDMETI"), cols("ID,OZNAKA,IME,TIP,KABINETNI"));
    m_tables.define(QStringLiteral("PROGRAMI"), cols("ID,OZNAKA,IME,ID_RAZ_PREDMETNIKA,ID_IZBIRNEGA_NABORA"));
    m_tables.define(QStringLiteral("SKUPINE_ODDELKOV"), cols("ID,OZNAKA,IME,ID_RAZ_PREDMETNIKA,ID_IZBIRNEGA_PROGRAMA"));
    m_tables.define(QStringLiteral("ODDELKI_V_SKUPINI"), cols("ID_SKUPINE,ID_ODDELKA"));
    m_tables.define(QStringLiteral("SKUPINE_PREDMETOV"),
                    cols("ID,OZNAKA,IME,ID_RAZ_PREDMETNIKA,ID_IZBIRNEGA_PROGRAMA"));
    m_tables.define(QStringLiteral("PREDMETI_V_SKUPINI"), cols("ID,ID_SKUPINE,ID_PREDMETA,IME_SKUPINE_UCENCEV"));
    m_tables.define(QStringLiteral("UCITELJ_PREDMET"), cols("ID_UCITELJA,ID_PREDMETA"));
    m_tables.define(QStringLiteral("UCITELJ_PROSTOR"), cols("ID_UCITELJA,ID_SKUPINE_PROSTOROV"));
    m_tables.define(QStringLiteral("PREDMET_PROSTOR"), cols("ID_PREDMETA,ID_SKUPINE_PROSTOROV"));
    m_tables.define(QStringLiteral("ODDELEK_PROSTOR"), cols("ID_ODDELKA,ID_PROSTORA"));
    m_tables.define(QStringLiteral("PREPOVEDI_UCITELJEV"), cols("ID_UCITELJA,DAN,URA"));
    m_tables.define(QStringLiteral("ODDELKI_V_PREDMETNIKU"),
                    cols("ID_ODDELKA,ID_PREDMETNIKA,ID_RAZREDNIKA,KODA,ID_IZMENE"));
    m_tables.define(QStringLiteral("PROGRAM_SKUPINE"), cols("ID_SKUPINE_ODDELKOV,ID_PREDMETNIKA,ID_PROGRAMA"));
    m_tables.define(QStringLiteral("PREDMETI_V_PROGRAMU"),
                    cols("ID_PROGRAMA,ID_SKUPINE_PREDMETOV,ID_TURNUSA,STEVILO_UR,DOLZINA_TERMINA,ZAHTEVNOST"));
    m_tables.define(QStringLiteral("RAZPORED"),
                    cols("ID,ID_PREDMETNIKA,ID_SKUPINE_ODDELKOV,ID_PROGRAMA,ID_SKUPINE_PREDMETOV,ID_PREDMETA,"
                         "ID_UCITELJA,ID_SKUPINE_PROSTOROV,ID_TURNUSA,ID_PREDMETI_V_SKUPINI"));
    m_tables.define(QStringLiteral("URNIKI"), cols("ID,IME,ID_PREDMETNIKA"));
    m_tables.define(QStringLiteral("ODDELKI_OKVIR"), cols("ID_URNIKA,ID_ODDELKA,DAN,ID_TURNUSA,PRVA_URA"));
    m_tables.define(QStringLiteral("PROSTI_DNEVI"), cols("ID,DATUM_OD,DATUM_DO,RAZLOG"));
    m_tables.define(QStringLiteral("ERD_UCENEC"), cols("ID,OZNAKA,IME,PRIIMEK,DATUMROJSTVA,SPOL,LETOVPISA,PARALELKA"));
    m_tables.define(QStringLiteral("ERD_UCENCI_ODDELKA"), cols("ID,ID_ODDELKA,ID_UCENCA,ID_PREDMETNIKA"));
    m_tables.define(
        QStringLiteral("ERD_UCENCI_PREDMETA"),
        cols("ID,ID_SKUPINE_ODDELKOV,ID_PREDMETNIKA,ID_PROGRAMA,ID_PREDMETI_V_SKUPINI,ID_TURNUSA,ID_UCENCA"));
    m_tables.define(QStringLiteral("IZBIRNI_NABORI"), cols("ID,IME,PREDPONA,ID_TURNUSA,ID_RAZ_PREDMETNIKA,STEVILO_UR"));
    m_tables.define(QStringLiteral("IZBIRNI_NABORI_ODDELKI"), cols("ID_ODDELKA,ID_IZBIRNEGA_NABORA"));
    m_tables.define(QStringLiteral("IZBIRNI_PREDMETI"),
                    cols("ID,ID_PREDMETA,ID_IZBIRNEGA_NABORA,NORMATIV_MAX,NORMATIV_MIN,STEVILO_UCITELJEV,STEVILO_UR"));
    m_tables.define(QStringLiteral("IZBIRNI_PREDMETI_UCENCI"), cols("ID,ID_UCENCI_ODDELKA,ID_IZBIRNEGA_PREDMETA,TIP"));
}

void SampleSchoolBuilder::makeTimeGrid() {
    // The defaults database holds turnus 0 and I and shift A starting at period 1 in turnus I.
    // Turnus II carries the half periods of the curriculum; shift B (grades 6 to 9) starts
    // with the early period 0 on Monday and Wednesday.
    m_tables.add(QStringLiteral("TURNUSI"), {2, QStringLiteral("II")});
    m_tables.add(QStringLiteral("IZMENE"), {2, QStringLiteral("B")});
    m_tables.add(QStringLiteral("IZMENA_TURNUS"), {2, 1, 1, 1, 1, 1, 1});
    m_tables.add(QStringLiteral("IZMENA_TURNUS"), {1, 2, 0, 1, 0, 1, 1});
    m_tables.add(QStringLiteral("IZMENA_TURNUS"), {2, 2, 0, 1, 0, 1, 1});
}

void SampleSchoolBuilder::makeClasses() {
    for (int grade = 1; grade <= 9; ++grade)
        for (int p = 0; p < m_options.classesPerGrade; ++p) {
            ClassInfo c;
            c.id = m_classes.size() + 1;
            c.grade = grade;
            c.parallel = p;
            c.code = QStringLiteral("%1.%2").arg(grade).arg(letter(p));
            c.shift = grade <= 5 ? 1 : 2;
            m_classes.append(c);
            const QString name = QStringLiteral("%1. razred %2").arg(grade).arg(letter(p));
            m_tables.add(QStringLiteral("ODDELKI"), {c.id, c.code, name});
            m_tables.add(QStringLiteral("SKUPINE_ODDELKOV"), {c.id, c.code, name, Null, Null});
            m_tables.add(QStringLiteral("ODDELKI_V_SKUPINI"), {c.id, c.id});
        }
    m_nextClassGroup = m_classes.size() + 1;
}

void SampleSchoolBuilder::makeSubjects() {
    const auto &subjects = Subjects();
    for (int i = 0; i < subjects.size(); ++i) {
        const qint64 id = i + 1;
        const auto &s = subjects[i];
        m_tables.add(QStringLiteral("PREDMETI"), {id, s.code, s.name, Null, s.cabinet ? 1 : 0});
        m_tables.add(QStringLiteral("SKUPINE_PREDMETOV"), {id, s.code, s.name, Null, Null});
        m_tables.add(QStringLiteral("PREDMETI_V_SKUPINI"), {m_nextPvs++, id, id, Null});
    }
    m_nextSubjectGroup = subjects.size() + 1;
}

QVector<int> SampleSchoolBuilder::classesOfGrade(int grade) const {
    QVector<int> result;
    for (int i = 0; i < m_classes.size(); ++i)
        if (m_classes[i].grade == grade)
            result.append(i);
    return result;
}

void SampleSchoolBuilder::makeProgrammes() {
    for (int grade = 1; grade <= 9; ++grade)
        addOrdinaryProgramme(grade);
    m_nextProgramme = 10;
    for (int grade = 6; grade <= 9; ++grade)
        addSportGroups(grade);
    for (int grade = 6; grade <= 8; ++grade)
        addTechnicsGroups(grade);
    for (int grade = 8; grade <= 9; ++grade)
        addLanguageGroups(grade);
}

void SampleSchoolBuilder::addOrdinaryProgramme(int grade) {
    const qint64 programme = grade;
    m_tables.add(QStringLiteral("PROGRAMI"),
                 {programme, QStringLiteral("%1. razred").arg(grade),
                  QStringLiteral("Predmetnik devetletne osnovne šole"), CurriculumId, Null});
    const QVector<int> classes = classesOfGrade(grade);
    for (int c : classes)
        m_tables.add(QStringLiteral("PROGRAM_SKUPINE"), {m_classes[c].id, CurriculumId, programme});

    int halfCount = 0;
    for (const auto &row : WeeklyPeriods()) {
        const int halves = row.halves[grade - 1];
        if (halves == 0)
            continue;
        // Taught in combined or split groups instead of the class's own programme.
        if ((row.subject == QStringLiteral("ŠPO") && grade >= 6) || (row.subject == QLatin1String("TIT")) ||
            (row.subject == QLatin1String("TJA") && grade >= 8))
            continue;
        const int subject = SubjectIndex(row.subject);
        const qint64 group = subject + 1;
        const int difficulty = Subjects()[subject].difficulty;
        // A half period is one period in every second week: turnus I and II take turns.
        QVector<QPair<int, int>> parts; // (turnus, periods)
        if (halves / 2 > 0)
            parts.append({0, halves / 2});
        if (halves % 2 == 1)
            parts.append({1 + (halfCount++ % 2), 1});
        for (const auto &[turnus, periods] : parts) {
            const int length = lengthOf(grade, row.subject, periods);
            m_tables.add(QStringLiteral("PREDMETI_V_PROGRAMU"),
                         {programme, group, turnus, periods, length, difficulty});
            for (int c : classes) {
                Unit u;
                u.classGroup = m_classes[c].id;
                u.classes = {c};
                u.programme = programme;
                u.subjectGroup = group;
                u.turnus = turnus;
                u.periods = periods;
                u.length = length;
                u.difficulty = difficulty;
                Entry e;
                e.subject = subject;
                e.pvs = group; // the own group's member row has the subject's identifier
                e.family = familyOf(grade, row.subject);
                e.pool = poolOf(grade, row.subject);
                e.homeClass = c;
                u.entries.append(e);
                // The first grade has a second teacher in the lessons of the basic subjects.
                if (grade == 1 && (row.subject == QLatin1String("SLJ") || row.subject == QLatin1String("MAT") ||
                                   row.subject == QLatin1String("SPO"))) {
                    Entry second = e;
                    second.family = QStringLiteral("DRUGI");
                    second.pool = RoomPool::None;
                    u.entries.append(second);
                }
                m_units.append(u);
            }
        }
    }
}

qint64 SampleSchoolBuilder::addCombinedGroup(const QString &code, const QString &name, const QVector<int> &classes,
                                             const QVector<QPair<int, QString>> &members, QVector<qint64> *pvsIds) {
    // As the window for combined groups stores them: a local programme, subject group and class
    // group of the curriculum, the class group taking the subject group's code.
    const qint64 programme = m_nextProgramme++;
    const qint64 subjectGroup = m_nextSubjectGroup++;
    const qint64 classGroup = m_nextClassGroup++;
    m_tables.add(QStringLiteral("PROGRAMI"), {programme, code, name, CurriculumId, Null});
    m_tables.add(QStringLiteral("SKUPINE_PREDMETOV"), {subjectGroup, code, name, CurriculumId, Null});
    for (const auto &[subject, groupName] : members) {
        const qint64 pvs = m_nextPvs++;
        m_tables.add(QStringLiteral("PREDMETI_V_SKUPINI"), {pvs, subjectGroup, subject + 1, groupName});
        pvsIds->append(pvs);
    }
    m_tables.add(QStringLiteral("SKUPINE_ODDELKOV"), {classGroup, code, name, CurriculumId, Null});
    for (int c : classes)
        m_tables.add(QStringLiteral("ODDELKI_V_SKUPINI"), {classGroup, m_classes[c].id});
    m_tables.add(QStringLiteral("PROGRAM_SKUPINE"), {classGroup, CurriculumId, programme});
    return programme;
}

namespace {
// Parallel classes in pairs (a+b, c+d, ...); an odd last class stays alone.
QVector<QVector<int>> pairsOf(const QVector<int> &classes) {
    QVector<QVector<int>> pairs;
    for (int i = 0; i < classes.size(); i += 2)
        pairs.append(i + 1 < classes.size() ? QVector<int>{classes[i], classes[i + 1]} : QVector<int>{classes[i]});
    return pairs;
}
} // namespace

void SampleSchoolBuilder::addSportGroups(int grade) {
    const int sport = SubjectIndex(QStringLiteral("ŠPO"));
    const int periods = HalfPeriods(QStringLiteral("ŠPO"), grade) / 2;
    for (const auto &pair : pairsOf(classesOfGrade(grade))) {
        QString letters, list;
        for (int c : pair) {
            letters += letter(m_classes[c].parallel);
            list += (list.isEmpty() ? QString() : QStringLiteral(" in ")) + m_classes[c].code;
        }
        const QString code = QStringLiteral("$ŠPO%1%2").arg(grade).arg(letters);
        QVector<qint64> pvs;
        const qint64 programme =
            addCombinedGroup(code, QStringLiteral("Šport %1, dekleta in fantje").arg(list), pair,
                             {{sport, QStringLiteral("dekleta")}, {sport, QStringLiteral("fantje")}}, &pvs);
        Unit u;
        u.classGroup = m_nextClassGroup - 1;
        u.classes = pair;
        u.programme = programme;
        u.subjectGroup = m_nextSubjectGroup - 1;
        u.periods = periods;
        u.difficulty = Subjects()[sport].difficulty;
        u.kind = QStringLiteral("ŠPO");
        const QStringList families{QStringLiteral("ŠPO-Ž"), QStringLiteral("ŠPO-M")};
        for (int i = 0; i < 2; ++i) {
            Entry e;
            e.subject = sport;
            e.pvs = pvs[i];
            e.family = families[i];
            e.pool = RoomPool::Gym;
            u.entries.append(e);
        }
        m_tables.add(QStringLiteral("PREDMETI_V_PROGRAMU"), {programme, u.subjectGroup, 0, u.periods, 1, u.difficulty});
        m_units.append(u);
    }
}

void SampleSchoolBuilder::addTechnicsGroups(int grade) {
    // Technics in half classes: one half in the workshop, the other at the computers.
    const int tit = SubjectIndex(QStringLiteral("TIT"));
    const int periods = HalfPeriods(QStringLiteral("TIT"), grade) / 2;
    for (int c : classesOfGrade(grade)) {
        const QString code = QStringLiteral("$TIT%1%2").arg(grade).arg(letter(m_classes[c].parallel));
        QVector<qint64> pvs;
        const qint64 programme =
            addCombinedGroup(code, QStringLiteral("Tehnika in tehnologija %1 v dveh skupinah").arg(m_classes[c].code),
                             {c}, {{tit, QStringLiteral("1. skupina")}, {tit, QStringLiteral("2. skupina")}}, &pvs);
        Unit u;
        u.classGroup = m_nextClassGroup - 1;
        u.classes = {c};
        u.programme = programme;
        u.subjectGroup = m_nextSubjectGroup - 1;
        u.periods = periods;
        u.length = lengthOf(grade, QStringLiteral("TIT"), periods);
        u.difficulty = Subjects()[tit].difficulty;
        u.kind = QStringLiteral("TIT");
        const RoomPool pools[2] = {RoomPool::Tech, RoomPool::Computer};
        for (int i = 0; i < 2; ++i) {
            Entry e;
            e.subject = tit;
            e.pvs = pvs[i];
            e.family = QStringLiteral("TIT");
            e.pool = pools[i];
            u.entries.append(e);
        }
        m_tables.add(QStringLiteral("PREDMETI_V_PROGRAMU"),
                     {programme, u.subjectGroup, 0, u.periods, u.length, u.difficulty});
        m_units.append(u);
    }
}

void SampleSchoolBuilder::addLanguageGroups(int grade) {
    // English in grades 8 and 9 in level groups across two parallel classes: one group more
    // than classes, the extra one in the language room.
    const int tja = SubjectIndex(QStringLiteral("TJA"));
    const int periods = HalfPeriods(QStringLiteral("TJA"), grade) / 2;
    for (const auto &pair : pairsOf(classesOfGrade(grade))) {
        QString letters, list;
        for (int c : pair) {
            letters += letter(m_classes[c].parallel);
            list += (list.isEmpty() ? QString() : QStringLiteral(" in ")) + m_classes[c].code;
        }
        const QString code = QStringLiteral("$TJA%1%2").arg(grade).arg(letters);
        QVector<QPair<int, QString>> members;
        for (int i = 0; i <= pair.size(); ++i)
            members.append({tja, QStringLiteral("%1. skupina").arg(i + 1)});
        QVector<qint64> pvs;
        const qint64 programme =
            addCombinedGroup(code, QStringLiteral("Angleščina %1 v skupinah").arg(list), pair, members, &pvs);
        Unit u;
        u.classGroup = m_nextClassGroup - 1;
        u.classes = pair;
        u.programme = programme;
        u.subjectGroup = m_nextSubjectGroup - 1;
        u.periods = periods;
        u.difficulty = Subjects()[tja].difficulty;
        u.kind = QStringLiteral("TJA");
        for (int i = 0; i < pvs.size(); ++i) {
            Entry e;
            e.subject = tja;
            e.pvs = pvs[i];
            e.family = QStringLiteral("TJA");
            e.pool = i < pair.size() ? RoomPool::Home : RoomPool::Language;
            e.homeClass = i < pair.size() ? pair[i] : -1;
            u.entries.append(e);
        }
        m_tables.add(QStringLiteral("PREDMETI_V_PROGRAMU"), {programme, u.subjectGroup, 0, u.periods, 1, u.difficulty});
        m_units.append(u);
    }
}

} // namespace zentrel::sample
