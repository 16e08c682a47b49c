#pragma once

#include "PrikazUrnika.h"

#include <QFrame>

class QCheckBox;
class QLabel;
class QListWidget;

namespace zentrel::timetable {

// Running information on the lesson under the pointer or the cell cursor: the lesson, its
// teachers and rooms, and the rooms of its groups free at that cell. SkrijKabineteCB leaves the
// cabinets out of the free rooms.
class UrSprotniInfo : public QFrame {
    Q_OBJECT
public:
    explicit UrSprotniInfo(QWidget *parent = nullptr);

    void Prikazi(const SprotnaInformacija &info);
    void Clear();
    bool SkrijKabinete() const;
    void SetSkrijKabinete(bool on);
    QCheckBox *SkrijKabineteCB() const { return m_skrij; }
    QListWidget *ProstiProstori() const { return m_prosti; }
    QString Besedilo() const;

signals:
    void SkrijKabineteSpremenjen(bool on);

private:
    QLabel *m_predmet;
    QLabel *m_ucitelji;
    QLabel *m_prostori;
    QListWidget *m_prosti;
    QCheckBox *m_skrij;
};

} // namespace zentrel::timetable
