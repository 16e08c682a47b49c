#pragma once

#include <QObject>

namespace zentrel::controls {

// Key preview: installed on the application (or a main window), it hands every key press to
// the tab strip around the focused control (Ctrl and Shift+Ctrl with a digit) and to the
// command bar first; keys they consume go no further.
class UrKeyPreview : public QObject {
    Q_OBJECT
public:
    explicit UrKeyPreview(QObject *parent = nullptr) : QObject(parent) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace zentrel::controls
