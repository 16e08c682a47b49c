#include "shell/FSporocilo.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace zentrel::core;
using namespace zentrel::shell;

namespace {

// What the open message window showed, captured while it waited for its answer.
struct Seen {
    QString text;
    QString caption;
    bool noButtonVisible = false;
    QString confirmCaption;
    int width = 0;
    int minWidth = 0;
    int maxWidth = 0;
    int dpi = 0;
    bool progressVisible = false;
};

// Presses `key` in the message window as soon as it is shown, after noting what it shows.
void AnswerWithKey(int key, Seen &seen, DialogPresenter *presenter = nullptr) {
    QTimer::singleShot(0, [key, &seen, presenter] {
        auto *d = qobject_cast<FSporocilo *>(QApplication::activeModalWidget());
        QVERIFY(d);
        seen.text = d->text();
        seen.caption = d->windowTitle();
        seen.noButtonVisible = d->findChild<QPushButton *>("NeB")->isVisible();
        seen.confirmCaption = d->findChild<QPushButton *>("PotrdiB")->text();
        seen.width = d->width();
        seen.minWidth = d->minimumWidthPixels();
        seen.maxWidth = d->maximumWidthPixels();
        seen.dpi = d->logicalDpiX();
        seen.progressVisible = presenter && presenter->progressWindow() && presenter->progressWindow()->isVisible();
        QWidget *target = d->focusWidget() ? d->focusWidget() : d;
        QTest::keyClick(target, Qt::Key(key));
    });
}

} // namespace

class FSporociloWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void questionsAreAnsweredWithEnterAndEsc() {
        DialogPresenter presenter;
        PresenterScope scope(&presenter);
        Seen seen;
        AnswerWithKey(Qt::Key_Return, seen);
        QCOMPARE(ShowMessage(MsgQuestion, "Potrdi brisanje turnusa #.", "II", {}, true), Answer::Yes);
        QCOMPARE(seen.text, QString("Potrdi brisanje turnusa  'II'."));
        QCOMPARE(seen.caption, QString("Zentrel"));
        QVERIFY(seen.noButtonVisible);
        QCOMPARE(seen.confirmCaption, QString("Enter  Da"));

        AnswerWithKey(Qt::Key_Escape, seen);
        QCOMPARE(ShowMessage(MsgQuestion, "Enota # ima # ur.", "1.a", 5), Answer::No);
        QCOMPARE(seen.text, QString("Enota 1.a ima 5 ur."));
    }

    void informationHasOneButtonAndKeepsItsWidthWithinBounds() {
        DialogPresenter presenter;
        PresenterScope scope(&presenter);
        Seen seen;
        AnswerWithKey(Qt::Key_Return, seen);
        QCOMPARE(ShowMessage(MsgError, ""), Answer::Ok);
        QCOMPARE(seen.text, QString("Napaka v delovanju programa."));
        QVERIFY(!seen.noButtonVisible);
        QCOMPARE(seen.confirmCaption, QString("Enter  V redu"));
        QVERIFY(seen.width >= seen.minWidth && seen.width <= seen.maxWidth);

        AnswerWithKey(Qt::Key_Return, seen);
        QCOMPARE(ShowMessage(MsgInformationQuiet, "Ok."), Answer::Ok);
        QCOMPARE(seen.width, seen.minWidth);

        const QString longText = QString("Zelo dolgo sporočilo ").repeated(30);
        AnswerWithKey(Qt::Key_Escape, seen);
        QCOMPARE(ShowMessage(MsgWarning, longText), Answer::Ok);
        QCOMPARE(seen.text, longText);
        QCOMPARE(seen.width, seen.maxWidth);
        // 3000 and 7620 twips at the screen's resolution.
        QCOMPARE(seen.minWidth, 3000 * seen.dpi / 1440);
        QCOMPARE(seen.maxWidth, 7620 * seen.dpi / 1440);
    }

    void progressStepsAsideForOtherMessagesAndEndsWithItsFinalText() {
        DialogPresenter presenter;
        PresenterScope scope(&presenter);
        ShowMessage(MsgProgressBegin, "Shranjevanje nastavitev");
        QVERIFY(presenter.progressWindow());
        QVERIFY(presenter.progressWindow()->isVisible());
        QCOMPARE(presenter.progressWindow()->text(), QString("Shranjevanje nastavitev ..."));

        Seen seen;
        AnswerWithKey(Qt::Key_Return, seen, &presenter);
        ShowMessage(MsgWarning, "Opozorilo");
        QVERIFY(!seen.progressVisible);
        QVERIFY(presenter.progressWindow()->isVisible());

        AnswerWithKey(Qt::Key_Return, seen, &presenter);
        ShowMessage(MsgProgressEnd, "Nastavitve shranjene.");
        QCOMPARE(seen.text, QString("Nastavitve shranjene."));
        QVERIFY(!seen.progressVisible);
        QVERIFY(!presenter.progressWindow());

        // Ending again, with nothing open, shows nothing (a window would block here).
        ShowMessage(MsgProgressEnd, "Nastavitve shranjene.");
    }

    void statusKindsGoToTheStatusLine() {
        DialogPresenter presenter;
        PresenterScope scope(&presenter);
        QStringList texts;
        QList<bool> warnings;
        presenter.setStatusSink([&](const QString &t, bool w) {
            texts << t;
            warnings << w;
        });
        ShowMessage(MsgStatus, "Shranjeno: #", "Stavba A", {}, true);
        ShowMessage(MsgStatusWarning, "Oznaka ne sme biti prazna.");
        ShowMessage(MsgStatusWarning, "");
        QCOMPARE(texts, (QStringList{"Shranjeno:  'Stavba A'", "Oznaka ne sme biti prazna.", ""}));
        QCOMPARE(warnings, (QList<bool>{false, true, true}));
    }
};

QTEST_MAIN(FSporociloWidgetTest)
#include "FSporociloWidgetTest.moc"
