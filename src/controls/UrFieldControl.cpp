#include "UrFieldControl.h"

#include "UrComndBar.h"
#include "UrComndBarClient.h"
#include "UrFonts.h"

#include <QWidget>

namespace zentrel::controls {

void UrFieldControl::SetLocked(bool locked) {
    m_locked = locked;
    applyLocked(Locked());
}

void UrFieldControl::SetForceLock(bool on) {
    m_forceLock = on;
    applyLocked(Locked());
}

void UrFieldControl::ClearChangeMark() {
    if (m_changedMark) {
        m_changedMark = false;
        showChangedMark(false);
    }
}

void UrFieldControl::SetFontType(int type) {
    m_fontType = type;
    widget()->setFont(FontOfType(type));
}

void UrFieldControl::noteUserChange() {
    if (Locked() || !m_showChange || !m_marking)
        return;
    UrComndBar *bar = UrComndBar::CommandBar();
    if (!m_changedMark) {
        m_changedMark = true;
        showChangedMark(true);
    }
    // Only the fields of the window that owns the bar edit its record: a field of a dialog
    // (a validity, a copy's name) is not a change of that record.
    const QWidget *owner = bar ? bar->client() : nullptr;
    if (owner && owner->window() == widget()->window() && !bar->DataChanged())
        bar->SetDataChanged();
}

void UrFieldControl::showChangedMark(bool changed) {
    QWidget *w = widget();
    QFont f = w->font();
    f.setItalic(changed);
    w->setFont(f);
}

} // namespace zentrel::controls
