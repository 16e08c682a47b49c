#pragma once

#include <QMdiArea>

namespace zentrel::shell {

// The background of the main window: the area the work windows open in, with the school name
// written across it in "Times New Roman".
class FOzadje : public QMdiArea {
    Q_OBJECT
public:
    explicit FOzadje(QWidget *parent = nullptr);

    // Writes the school name on the background; an empty name leaves it blank.
    void NapisiImeSole(const QString &schoolName);
    QString imeSole() const { return m_schoolName; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_schoolName;
};

} // namespace zentrel::shell
