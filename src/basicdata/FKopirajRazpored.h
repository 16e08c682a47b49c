#pragma once

#include "FCopyDialog.h"
#include "KopirajRazpored.h"

#include <QList>

class QCheckBox;

namespace zentrel::controls {
class UrText;
}

namespace zentrel::basicdata {

// The dialog "Kopiranje razporeda": from the current curriculum into a new one, with the six
// boxes that say what goes along (checking or unchecking one sets those that depend on it).
// Reports in its own status line; closes accepted once the copy is made.
class FKopirajRazpored : public FCopyDialog {
    Q_OBJECT
public:
    FKopirajRazpored(qint64 source, const QString &sourceName, QWidget *parent = nullptr);

    controls::UrText *ImeE;
    QList<QCheckBox *> KopirajCB; // in the order of CurriculumCopyChoices::Box

    const CurriculumCopyChoices &choices() const { return m_choices; }
    qint64 newCurriculum() const { return m_logic.newCurriculum(); }

private:
    void showChoices();
    void copy();

    KopirajRazpored m_logic;
    CurriculumCopyChoices m_choices;
};

} // namespace zentrel::basicdata
