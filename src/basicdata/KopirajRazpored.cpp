#include "KopirajRazpored.h"

#include "CurriculumCopy.h"
#include "OwnGroups.h"
#include "core/TextFunctions.h"
#include "db/MBaza.h"

namespace zentrel::basicdata {

using Box = CurriculumCopyChoices::Box;

void CurriculumCopyChoices::set(Box box, bool value) {
    if (on[box] == value)
        return;
    on[box] = value;
    // Each rule may set further boxes, whose own rules then follow.
    if (value) {
        switch (box) {
        case IzbiraUcencev:
            set(UcenciEnot, true);
            set(Predmetniki, true);
            break;
        case Razpored:
            set(Predmetniki, true);
            break;
        case Urniki:
            set(Predmetniki, true);
            set(Razpored, true);
            break;
        default:
            break;
        }
    } else {
        switch (box) {
        case Predmetniki:
            set(Razpored, false);
            set(Urniki, false);
            set(IzbiraUcencev, false);
            break;
        case Razpored:
            set(Urniki, false);
            break;
        case UcenciEnot:
            set(IzbiraUcencev, false);
            break;
        default:
            break;
        }
    }
}

const QStringList &CurriculumCopyChoices::captions() {
    static const QStringList texts{QStringLiteral("kopiraj razrednike"),  QStringLiteral("kopiraj učence enot"),
                                   QStringLiteral("kopiraj predmetnike"), QStringLiteral("kopiraj izbiro učencev"),
                                   QStringLiteral("kopiraj razpored"),    QStringLiteral("kopiraj urnike")};
    return texts;
}

KopirajRazpored::KopirajRazpored(qint64 source, QString sourceName)
    : m_source(source), m_sourceName(std::move(sourceName)) {}

int KopirajRazpored::timetableCount() const {
    return int(std::max<qint64>(
        0, CountRows(QStringLiteral("select count(*) as Stevilo from URNIKI where ID_PREDMETNIKA=%1").arg(m_source))));
}

QString KopirajRazpored::check(const QString &name) const {
    if (name.trimmed().isEmpty())
        return QStringLiteral("Ime ne sme biti prazno.");
    const db::RowSet names = db::ProjectDb().query(QStringLiteral("SELECT IME FROM PREDMETNIKI"));
    for (int r = 0; r < names.rowCount(); ++r)
        if (core::SameText(names.text(r, QStringLiteral("IME")), name))
            return QStringLiteral("To ime je že uporabljeno");
    return {};
}

bool KopirajRazpored::copy(const QString &name, const CurriculumCopyChoices &choices) {
    m_status = check(name);
    if (!m_status.isEmpty())
        return false;
    m_new = CopyCurriculum(m_source, name.trimmed(), choices);
    m_status = m_new > 0 ? QString() : QStringLiteral("Kopiranje ni uspelo.");
    return m_new > 0;
}

} // namespace zentrel::basicdata
