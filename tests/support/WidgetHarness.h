#pragma once

// What a widget test of a record window needs: a temporary project, the window inside a
// top-level widget together with the program's command bar, the key preview that hands every key
// to the bar first, and key helpers.

#include "controls/UrComndBar.h"
#include "controls/UrKeyPreview.h"
#include "support/TempProject.h"

#include <QApplication>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

namespace zentrel::test {

class WidgetHarness {
public:
    WidgetHarness() { qApp->installEventFilter(&m_preview); }
    virtual ~WidgetHarness() { qApp->removeEventFilter(&m_preview); }

    // A new project; rows are then inserted with run().
    virtual void start() {
        top.reset();
        project = std::make_unique<TempProject>();
    }
    // Shows window with the bar below it and waits until it is active.
    template <typename W> W *show(W *window, QSize size = QSize(900, 600)) {
        top = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(top.get());
        window->setParent(top.get());
        layout->addWidget(window, 1);
        bar = new controls::UrComndBar(top.get());
        layout->addWidget(bar);
        top->resize(size);
        top->show();
        top->activateWindow();
        if (!QTest::qWaitForWindowActive(top.get()))
            qWarning("window not active");
        return window;
    }
    virtual void finish() {
        top.reset();
        project.reset();
    }

    bool run(const QString &sql) { return project->db().exec(sql); }
    qint64 count(const QString &sql) { return project->db().scalar(sql).toLongLong(); }
    QString text(const QString &sql) { return project->db().scalar(sql).toString(); }
    QStringList messages() { return project->messages().texts(); }
    void answer(const QList<core::Answer> &answers) { project->messages().queueAnswers(answers); }

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : top.get();
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }
    // Types text key by key; letters outside ASCII go as key events carrying their text.
    void type(const QString &text) {
        for (const QChar c : text) {
            QWidget *w = QApplication::focusWidget();
            if (c.unicode() < 128) {
                QTest::keyClick(w, char(c.unicode()));
            } else {
                QTest::sendKeyEvent(QTest::Press, w, Qt::Key_A, QString(c), Qt::NoModifier);
                QTest::sendKeyEvent(QTest::Release, w, Qt::Key_A, QString(c), Qt::NoModifier);
            }
        }
    }

    std::unique_ptr<TempProject> project;
    std::unique_ptr<QWidget> top;
    controls::UrComndBar *bar = nullptr;

private:
    controls::UrKeyPreview m_preview;
};

} // namespace zentrel::test
