#pragma once

#include "UrFieldControl.h"

#include <QCheckBox>
#include <QColor>

namespace zentrel::controls {

// A yes/no field. A locked check box ignores clicks and keys.
class UrCheckBox : public QCheckBox, public UrFieldControl {
    Q_OBJECT
public:
    explicit UrCheckBox(QWidget *parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString &caption) { setText(caption); }
    bool Value() const { return isChecked(); }
    // Sets the value as the program (not a change by the user).
    void SetValue(bool on);
    void SetBackColor(const QColor &color);
    QColor BackColor() const { return m_back; }

    bool Validate() override;
    void LoadValue(const QVariant &value) override;
    QVariant CurrentValue() const override { return isChecked() ? 1 : 0; }
    QWidget *widget() override { return this; }

signals:
    void MyValidate(bool &pCancel);
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void applyLocked(bool) override {}

private:
    QColor m_back;
};

} // namespace zentrel::controls
