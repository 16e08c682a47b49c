#pragma once

#include <QObject>

namespace zentrel::controls {

// Key preview: installed on the application (or a main window), it hands every key press to
// the command bar first; keys the bar consumes go no further.
class UrKeyPreview : public QObject {
    Q_OBJECT
public:
    explicit UrKeyPreview(QObject *parent = nullptr) : QObject(parent) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace zentrel::controls
