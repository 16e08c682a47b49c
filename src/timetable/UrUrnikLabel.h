#pragma once

#include <QFrame>

class QLabel;

namespace zentrel::timetable {

// The caption above the week grid: a small top line (what is shown: "Enota", "Učitelj"), the
// label of the class or teacher in large letters at the left, and a caption beside it (the
// class's shift, "Izmena A").
class UrUrnikLabel : public QFrame {
    Q_OBJECT
public:
    explicit UrUrnikLabel(QWidget *parent = nullptr);

    QString TopLabel() const;
    void SetTopLabel(const QString &text);
    QString LeftLabel() const;
    void SetLeftLabel(const QString &text);
    QString Caption() const;
    void SetCaption(const QString &text);

private:
    QLabel *m_top;
    QLabel *m_left;
    QLabel *m_caption;
};

} // namespace zentrel::timetable
