#pragma once

#include <QLabel>

namespace zentrel::controls {

// The header line above a window's fields (typically the label of the current record).
class UrHeaderLine : public QLabel {
    Q_OBJECT
public:
    explicit UrHeaderLine(QWidget *parent = nullptr);
    QString Text() const { return text(); }
    void SetText(const QString &text) { setText(text); }
};

} // namespace zentrel::controls
