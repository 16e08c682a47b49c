#pragma once

#include "UrFieldControl.h"

#include <QRadioButton>

namespace zentrel::controls {

// An option button; locked it keeps its value and shows the locked look (UrOptionLocked).
class UrOption : public QRadioButton, public UrFieldControl {
    Q_OBJECT
public:
    explicit UrOption(QWidget *parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString &caption) { setText(caption); }
    bool Value() const { return isChecked(); }
    // Sets the value as the program.
    void SetValue(bool on) { setChecked(on); }

    void LoadValue(const QVariant &value) override;
    QVariant CurrentValue() const override { return isChecked() ? 1 : 0; }
    QWidget *widget() override { return this; }

signals:
    void Change();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void applyLocked(bool locked) override;
};

} // namespace zentrel::controls
