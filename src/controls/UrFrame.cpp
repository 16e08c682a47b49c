#include "UrFrame.h"

#include "UrComndBar.h"
#include "UrFieldControl.h"
#include "db/RowSet.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace zentrel::controls {

UrFrame::UrFrame(QWidget *parent) : QFrame(parent), m_caption(new QLabel(this)), m_body(new QWidget(this)) {
    setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    m_caption->hide();
    layout->addWidget(m_caption);
    layout->addWidget(m_body, 1);
}

UrFrame::~UrFrame() {
    if (UrComndBar *bar = UrComndBar::CommandBar())
        bar->state().ReleaseContainer(this);
}

void UrFrame::SetCaption(const QString &caption) {
    m_caption->setText(caption);
    m_caption->setVisible(!caption.isEmpty());
}

QString UrFrame::Caption() const {
    return m_caption->text();
}

void UrFrame::SetCaptionShown(bool shown) {
    m_caption->setVisible(shown);
}

bool UrFrame::CaptionShown() const {
    return !m_caption->isHidden();
}

void UrFrame::SetFrameType(int type) {
    m_frameType = type;
    setFrameShape(type == 0 ? QFrame::StyledPanel : QFrame::NoFrame);
}

void UrFrame::SetFrameColor(const QColor &color) {
    m_frameColor = color;
    setStyleSheet(color.isValid() ? QStringLiteral("UrFrame { border: 1px solid %1; }").arg(color.name()) : QString());
}

int UrFrame::AddControl(UrFieldControl *control) {
    const int position = int(m_controls.size());
    m_controls << control;
    if (position > 0) {
        m_controls.at(position - 1)->SetNextControl(position);
        control->SetPreviousControl(position - 1);
    } else {
        m_first = 0;
    }
    m_last = position;
    control->focusTarget()->installEventFilter(this);
    if (control->InKeyboardOrder())
        control->SetLocked(!m_editable);
    return position;
}

UrFieldControl *UrFrame::Control(int position) const {
    return position >= 0 && position < m_controls.size() ? m_controls.at(position) : nullptr;
}

// The positions of the chain from FirstControl along NextControl; a loop ends it.
QList<int> UrFrame::chain() const {
    QList<int> out;
    for (int p = m_first; Control(p) && !out.contains(p); p = Control(p)->NextControl()) {
        out << p;
        if (p == m_last)
            break;
    }
    return out;
}

void UrFrame::applyLock(bool editable, bool showChange) {
    const bool wasLocked = !m_editable;
    m_editable = editable;
    m_showChange = showChange;
    for (int p : chain()) {
        UrFieldControl *c = m_controls.at(p);
        if (c->InKeyboardOrder())
            c->SetLocked(!editable);
        c->SetChangeMarking(showChange);
        c->ClearChangeMark();
    }
    if (editable && wasLocked)
        focusFirstAvailable();
}

void UrFrame::focusFirstAvailable() {
    for (int p : chain()) {
        UrFieldControl *c = m_controls.at(p);
        if (c->widget()->isVisible() && !c->Locked() && c->InKeyboardOrder()) {
            c->focusTarget()->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void UrFrame::restoreFocus() {
    if (m_editable && positionOfFocus() < 0)
        focusFirstAvailable();
}

int UrFrame::positionOfFocus() const {
    QWidget *focus = QApplication::focusWidget();
    for (int p = 0; p < m_controls.size(); ++p) {
        QWidget *w = m_controls.at(p)->widget();
        if (focus && (focus == w || w->isAncestorOf(focus)))
            return p;
    }
    return -1;
}

bool UrFrame::ValidateCurrent() {
    UrFieldControl *c = Control(positionOfFocus());
    return !c || c->Locked() || c->Validate();
}

bool UrFrame::Step(int position, bool forward) {
    UrFieldControl *current = Control(position);
    if (!current)
        return false;
    if (!current->Locked() && !current->Validate())
        return false;
    QList<int> seen{position};
    int p = forward ? current->NextControl() : current->PreviousControl();
    while (UrFieldControl *c = Control(p)) {
        if (seen.contains(p))
            break;
        seen << p;
        if (c->widget()->isVisible() && c->InKeyboardOrder() && !c->Locked()) {
            c->focusTarget()->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
        p = forward ? c->NextControl() : c->PreviousControl();
    }
    return true;
}

int UrFrame::positionOfTarget(const QObject *watched) const {
    for (int p = 0; p < m_controls.size(); ++p)
        if (m_controls.at(p)->focusTarget() == watched)
            return p;
    return -1;
}

bool UrFrame::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusIn) {
        const int p = positionOfTarget(watched);
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        UrFieldControl *left = Control(m_lastFocused);
        // A click into another field validates the field being left, as a keyboard step does;
        // a refusal takes the focus back there.
        if (p >= 0 && reason == Qt::MouseFocusReason && left && m_lastFocused != p && !left->Locked() &&
            !left->Validate()) {
            QPointer<QWidget> back = left->focusTarget();
            QTimer::singleShot(0, this, [back] {
                if (back)
                    back->setFocus(Qt::OtherFocusReason);
            });
            return QFrame::eventFilter(watched, event);
        }
        if (p >= 0)
            m_lastFocused = p;
    }
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            for (int p = 0; p < m_controls.size(); ++p)
                if (m_controls.at(p)->focusTarget() == watched) {
                    Step(p, key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
                    return true;
                }
        }
    }
    return QFrame::eventFilter(watched, event);
}

void UrFrame::LoadFields(const db::RowSet &rows, int row) {
    for (UrFieldControl *c : m_controls) {
        if (c->DataField().isEmpty())
            continue;
        const bool valid = row >= 0 && row < rows.rowCount();
        c->LoadValue(valid ? rows.value(row, c->DataField()) : QVariant());
        c->ClearChangeMark();
    }
}

void UrFrame::ClearFields() {
    for (UrFieldControl *c : m_controls) {
        c->LoadValue(QVariant());
        c->ClearChangeMark();
    }
}

UrFieldControl *UrFrame::ControlOfField(const QString &field) const {
    for (UrFieldControl *c : m_controls)
        if (c->DataField().compare(field, Qt::CaseInsensitive) == 0)
            return c;
    return nullptr;
}

QVariant UrFrame::FieldValue(const QString &field) const {
    UrFieldControl *c = ControlOfField(field);
    return c ? c->CurrentValue() : QVariant();
}

} // namespace zentrel::controls
