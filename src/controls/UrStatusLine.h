#pragma once

#include "StatusIndicator.h"

#include <QWidget>

class QLabel;
class QProgressBar;

namespace zentrel::controls {

// The status line inside the command bar: the change mark, one message text in one of three
// styles, two short status fields, a progress percentage and a busy indication.
class UrStatusLine : public QWidget, public StatusIndicator {
    Q_OBJECT
public:
    explicit UrStatusLine(QWidget *parent = nullptr);

    // Shows or hides the change mark.
    void SetDataChanged(bool changed);
    bool DataChangedShown() const { return m_changed; }

    // The message text in its three styles; an empty text clears the line.
    void SetText(const QString &text);
    void SetWarningText(const QString &text);
    void SetEmphasisedText(const QString &text);
    QString Text() const;
    // True while a message text is shown.
    bool TextSet() const { return !Text().isEmpty(); }
    bool WarningShown() const { return m_warning && TextSet(); }
    void Clear() { SetText(QString()); }

    void SetStatus1(const QString &text);
    void SetStatus2(const QString &text);
    QString Status1() const;
    QString Status2() const;
    bool StatusShown() const { return !Status1().isEmpty() || !Status2().isEmpty(); }

    // Progress in percent (0 to 100); a negative value hides it.
    void ShowProgress(int percent);
    int Progress() const;
    // Shows a busy indication with a text during a long operation, and removes it.
    void ShowDelam(const QString &text = QString());
    void ZakljuciDelam();
    bool Busy() const { return m_busy; }

    // StatusIndicator
    void showDataChanged(bool changed) override { SetDataChanged(changed); }
    // A warning shown in the line stops Enter from moving on to the next record.
    bool pendingCondition() const override { return WarningShown(); }

private:
    void setMessage(const QString &text, const QString &style, bool warning);

    QLabel *m_mark;
    QLabel *m_text;
    QLabel *m_status1;
    QLabel *m_status2;
    QProgressBar *m_progress;
    QLabel *m_busyLabel;
    bool m_changed = false;
    bool m_warning = false;
    bool m_busy = false;
};

// Puts a message of kind 8 (status) or 9 (status warning; an empty text clears the line) into
// the status line of the current window, that is the command bar's. Returns false when there
// is no command bar or the kind is neither.
bool PutStatusText(int kind, const QString &text);

} // namespace zentrel::controls
