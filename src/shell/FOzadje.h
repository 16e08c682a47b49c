#pragma once

#include <QMdiArea>

class QLabel;

namespace zentrel::shell {

// An entry of the first steps on the background: a link that does it, and, for a step of the
// year, whether it is done and what the project holds.
struct PrviKorak {
    QString caption;
    QString detail;
    QString link;
    bool done = false;
};

// The background of the main window: the area the work windows open in, with the school name
// written across it in "Times New Roman" and, while nothing is open on it, the first steps: what
// can be done without a project, or the steps of the year still missing in the project.
class FOzadje : public QMdiArea {
    Q_OBJECT
public:
    explicit FOzadje(QWidget *parent = nullptr);

    // Writes the school name on the background; an empty name leaves it blank.
    void NapisiImeSole(const QString &schoolName);
    QString imeSole() const { return m_schoolName; }

    // Shows the first steps under a heading; with steps marked done, the marks show. An empty
    // list hides them.
    void PokaziKorake(const QString &heading, const QList<PrviKorak> &steps);
    QLabel *Koraki() const { return m_steps; }

signals:
    // A link of the first steps was chosen.
    void korakIzbran(const QString &link);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeSteps();

    QString m_schoolName;
    QLabel *m_steps;
};

} // namespace zentrel::shell
