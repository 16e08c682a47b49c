#include "UrSprotniInfo.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>

namespace zentrel::timetable {

UrSprotniInfo::UrSprotniInfo(QWidget *parent)
    : QFrame(parent), m_predmet(new QLabel(this)), m_ucitelji(new QLabel(this)), m_prostori(new QLabel(this)),
      m_prosti(new QListWidget(this)), m_skrij(new QCheckBox(QStringLiteral("Skrij kabinete"), this)) {
    setFrameShape(QFrame::StyledPanel);
    m_skrij->setObjectName(QStringLiteral("SkrijKabineteCB"));
    m_prosti->setFocusPolicy(Qt::NoFocus);
    m_prosti->setMaximumHeight(6 * fontMetrics().height());
    m_ucitelji->setWordWrap(true);
    auto *layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Predmet:"), m_predmet);
    layout->addRow(QStringLiteral("Učitelji:"), m_ucitelji);
    layout->addRow(QStringLiteral("Prostori:"), m_prostori);
    layout->addRow(QStringLiteral("Prosti prostori:"), m_prosti);
    layout->addRow(m_skrij);
    connect(m_skrij, &QCheckBox::toggled, this, &UrSprotniInfo::SkrijKabineteSpremenjen);
}

void UrSprotniInfo::Prikazi(const SprotnaInformacija &info) {
    m_predmet->setText(info.predmet);
    m_ucitelji->setText(info.ucitelji.join(QStringLiteral(", ")));
    m_prostori->setText(info.prostori.join(QStringLiteral(", ")));
    m_prosti->clear();
    m_prosti->addItems(info.prostiProstori);
}

void UrSprotniInfo::Clear() {
    Prikazi({});
}

bool UrSprotniInfo::SkrijKabinete() const {
    return m_skrij->isChecked();
}

void UrSprotniInfo::SetSkrijKabinete(bool on) {
    const QSignalBlocker blokada(m_skrij);
    m_skrij->setChecked(on);
}

QString UrSprotniInfo::Besedilo() const {
    QStringList prosti;
    for (int i = 0; i < m_prosti->count(); ++i)
        prosti << m_prosti->item(i)->text();
    return QStringList{m_predmet->text(), m_ucitelji->text(), m_prostori->text(), prosti.join(QStringLiteral(", "))}
        .join(u'|');
}

} // namespace zentrel::timetable
