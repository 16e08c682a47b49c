#pragma once

#include "core/Messages.h"

#include <QDialog>
#include <QPointer>
#include <functional>

class QLabel;
class QPushButton;

namespace zentrel::shell {

// The program's message window. Kinds 0 to 5 are modal with one button ("V redu") or, for a
// question, "Da" and "Ne"; every button carries its key from the command-bar key table
// (Enter confirms, Esc answers "Ne") and pressing the key presses the button.
class FSporocilo : public QDialog {
    Q_OBJECT
public:
    // Width bounds of the window, in twips (1440 to the inch).
    static constexpr int MinWidthTwips = 3000;
    static constexpr int MaxWidthTwips = 7620;

    explicit FSporocilo(QWidget *parent = nullptr);

    // Prepares the window for a message: icon, buttons and text.
    void Init(const core::Message &message);
    // Sets the text and sizes the window to it within the width bounds.
    void SetText(const QString &text);
    // Shows the window modally and returns the answer: Yes/No for a question, Ok otherwise.
    core::Answer Odgovor();

    QString text() const;
    // Width bounds in device pixels for this window's screen.
    int minimumWidthPixels() const;
    int maximumWidthPixels() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void reject() override;

private:
    void answer(core::Answer a);

    QLabel *m_icon = nullptr;
    QLabel *m_text = nullptr;
    QPushButton *m_confirm = nullptr; // "V redu" or "Da", key Enter
    QPushButton *m_no = nullptr;      // "Ne", key Esc (questions only)
    bool m_question = false;
    core::Answer m_answer = core::Answer::None;
};

// The window shown between a progress message (kind 6) and its end (kind 7): no buttons,
// the text followed by " ...".
class FNapredek : public QDialog {
    Q_OBJECT
public:
    explicit FNapredek(QWidget *parent = nullptr);
    void setMessage(const QString &text);
    QString text() const;

protected:
    void reject() override {} // Esc does not close it; the work ends it
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *m_text = nullptr;
};

// Presents ShowMessage in the program: the FSporocilo dialog for kinds 0 to 5 (and the final text
// of kind 7), the progress window for kinds 6 and 7, the status line of the current window for
// kinds 8 and 9. The progress window steps aside while another message is shown.
class DialogPresenter : public core::MessagePresenter {
public:
    // Receives status texts (kinds 8 and 9); warning is true for kind 9.
    using StatusSink = std::function<void(const QString &text, bool warning)>;

    explicit DialogPresenter(QWidget *parent = nullptr);
    ~DialogPresenter() override;

    core::Answer present(const core::Message &message) override;

    void setParent(QWidget *parent) { m_parent = parent; }
    void setStatusSink(StatusSink sink) { m_statusSink = std::move(sink); }
    // The progress window while a progress message is open; null otherwise.
    FNapredek *progressWindow() const { return m_progress; }

private:
    core::Answer showDialog(const core::Message &message);

    QPointer<QWidget> m_parent;
    QPointer<FNapredek> m_progress;
    StatusSink m_statusSink;
};

} // namespace zentrel::shell
