#include "controls/UrButton.h"
#include "controls/UrCBText.h"
#include "controls/UrCheckBox.h"
#include "controls/UrComboBox.h"
#include "controls/UrComndBar.h"
#include "controls/UrComndBarClient.h"
#include "controls/UrFrame.h"
#include "controls/UrKeyPreview.h"
#include "controls/UrListBox.h"
#include "controls/UrMoverBox.h"
#include "controls/UrOption.h"
#include "controls/UrText.h"
#include "core/ScriptedPresenter.h"
#include "support/TempProject.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

using namespace zentrel;
using namespace zentrel::controls;

namespace {

db::RowSet rooms() {
    return db::RowSet(
        {QStringLiteral("ID"), QStringLiteral("OZNAKA")}, {QStringLiteral("INTEGER"), QStringLiteral("TEXT")},
        {{1, QStringLiteral("Kemija")}, {2, QStringLiteral("Knjižnica")}, {3, QStringLiteral("Telovadnica")}});
}

} // namespace

// The field controls in a frame that the command bar locks and unlocks, typed into with real keys.
class FieldControlsWidgetTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> top;
    UrComndBar *bar = nullptr;
    UrFrame *frame = nullptr;
    UrComndBarClient *client = nullptr;
    UrText *text = nullptr;
    UrCheckBox *check = nullptr;
    UrComboBox *combo = nullptr;
    UrCBText *cbtext = nullptr;
    UrOption *option = nullptr;
    UrText *last = nullptr;
    UrKeyPreview preview;

    void edit() {
        bar->Init(client, frame, {4, 13, 15});
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : top.get(), Qt::Key_F5);
        QCOMPARE(bar->State(), 1);
    }

private slots:
    void initTestCase() { qApp->installEventFilter(&preview); }

    void init() {
        top = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(top.get());
        frame = new UrFrame(top.get());
        client = new UrComndBarClient(top.get());
        bar = new UrComndBar(top.get());
        auto *body = new QVBoxLayout(frame->Body());
        text = new UrText(frame->Body());
        check = new UrCheckBox(frame->Body());
        combo = new UrComboBox(frame->Body());
        cbtext = new UrCBText(frame->Body());
        option = new UrOption(frame->Body());
        last = new UrText(frame->Body());
        for (QWidget *w : std::initializer_list<QWidget *>{text, check, combo, cbtext, option, last})
            body->addWidget(w);
        for (UrFieldControl *c : std::initializer_list<UrFieldControl *>{text, check, combo, cbtext, option, last})
            frame->AddControl(c);
        combo->SetRowSource(rooms());
        combo->SetListFields(QStringLiteral("OZNAKA"));
        cbtext->SetRowSource(rooms());
        cbtext->SetListFields(QStringLiteral("OZNAKA"));
        layout->addWidget(frame);
        layout->addWidget(bar);
        top->show();
        top->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(top.get()));
        bar->Init(client, frame, {4, 13, 15});
    }

    void cleanup() { top.reset(); }

    void textDefaultsAndRules() {
        UrText fresh;
        QCOMPARE(fresh.DisplayOnly(), false);
        QCOMPARE(fresh.FontType(), 0);
        QCOMPARE(fresh.ForceCase(), 0);
        QCOMPARE(fresh.SelectOnEntry(), 2);
        QCOMPARE(fresh.Text(), QString());
        QCOMPARE(fresh.Locked(), false);
        QCOMPARE(fresh.AllowD(), false);
        QCOMPARE(fresh.ShowChange(), true);

        edit();
        text->setFocus();
        QTest::keyClicks(text, QStringLiteral(" 1a $b"));
        QCOMPARE(text->Text(), QStringLiteral("1a b"));
        QVERIFY(bar->DataChanged());
        QVERIFY(text->ChangedMarkShown());
        text->SetText(QString());
        text->SetOnlyNumeric(true);
        QTest::keyClicks(text, QStringLiteral("x1-2y3"));
        QCOMPARE(text->Text(), QStringLiteral("123"));
        QTest::keyClick(text, Qt::Key_Backspace);
        QCOMPARE(text->Text(), QStringLiteral("12"));
        text->SetOnlyNumeric(false);
        text->SetText(QString());
        text->SetForceCase(ForceCase::Words);
        text->SetAllowD(true);
        QTest::keyClicks(text, QStringLiteral("$ana MARIJA"));
        QCOMPARE(text->Text(), QStringLiteral("$ana Marija"));

        // DisplayOnly never takes input, even while the frame is unlocked.
        last->SetDisplayOnly(true);
        last->SetText(QStringLiteral("stalno"));
        last->setFocus();
        QTest::keyClicks(last, QStringLiteral("xx"));
        QCOMPARE(last->Text(), QStringLiteral("stalno"));
    }

    void withoutShowChangeNothingIsMarked() {
        edit();
        text->SetShowChange(false);
        text->setFocus();
        QTest::keyClicks(text, QStringLiteral("abc"));
        QCOMPARE(text->Text(), QStringLiteral("abc"));
        QVERIFY(!bar->DataChanged());
        QVERIFY(!text->ChangedMarkShown());
    }

    void lockedControlsTakeNoInput() {
        QVERIFY(frame->IsLocked());
        text->SetText(QStringLiteral("A"));
        text->setFocus();
        QTest::keyClicks(text, QStringLiteral("bc"));
        QTest::keyClick(text, Qt::Key_Delete);
        QCOMPARE(text->Text(), QStringLiteral("A"));
        QTest::mouseClick(check, Qt::LeftButton);
        check->setFocus();
        QTest::keyClick(check, Qt::Key_Space);
        QVERIFY(!check->Value());
        combo->setFocus();
        QTest::keyClicks(combo, QStringLiteral("Ke"));
        QCOMPARE(combo->Text(), QString());
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->ListIndex(), -1);
        cbtext->setFocus();
        QTest::keyClicks(cbtext, QStringLiteral("Te"));
        QCOMPARE(cbtext->Text(), QString());
        option->SetCaption(QStringLiteral("Samo dekleta"));
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        QVERIFY(!option->Value());
        QVERIFY(!bar->DataChanged());

        // No keyboard step leads into a locked control.
        text->setFocus();
        QTest::keyClick(text, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), text);
    }

    void keyboardChainSkipsAndValidates() {
        edit();
        QCOMPARE(QApplication::focusWidget(), text);
        check->hide();
        combo->SetLocked(true); // a control locked on its own is skipped too
        QTest::keyClick(text, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), cbtext);
        QTest::keyClick(cbtext, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), text);
        combo->SetLocked(false);
        combo->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), cbtext);
        combo->SetLocked(true);
        text->setFocus();

        bool asked = false;
        connect(text, &UrText::MyValidate, this, [&](bool &cancel) {
            asked = true;
            cancel = text->Text() == QStringLiteral("X");
        });
        QTest::keyClicks(text, QStringLiteral("X"));
        QTest::keyClick(text, Qt::Key_Tab);
        QVERIFY(asked);
        QCOMPARE(QApplication::focusWidget(), text);
        // The refusal also stops the save; the changes stay.
        QTest::keyClick(text, Qt::Key_F12);
        QCOMPARE(bar->State(), 1);
        QVERIFY(bar->DataChanged());
        // A click into another field is refused the same way.
        QTest::mouseClick(last, Qt::LeftButton);
        QTRY_COMPARE(QApplication::focusWidget(), text);
        QTest::keyClick(text, Qt::Key_Backspace);
        QTest::keyClick(text, Qt::Key_Y);
        QTest::keyClick(text, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), cbtext);
    }

    void comboAndTextListComplete() {
        edit();
        QList<QString> unmatched;
        connect(combo, &UrComboBox::OnDontMatchWithList, this, [&](const QString &t) { unmatched << t; });
        bool refuseChoice = false;
        connect(combo, qOverload<bool &>(&UrComboBox::Validate), this, [&](bool &cancel) { cancel = refuseChoice; });
        combo->setFocus();
        QTest::keyClicks(combo, QStringLiteral("kn"));
        QCOMPARE(combo->Text(), QStringLiteral("knjižnica"));
        QVERIFY(combo->Validate());
        QCOMPARE(combo->BoundId().toLongLong(), 2);
        QVERIFY(bar->DataChanged());
        // A text that names no entry is refused with a message, never taken as no value.
        core::ScriptedPresenter messages;
        core::PresenterScope scope(&messages);
        combo->SetText(QStringLiteral("Ni je"));
        QVERIFY(!combo->Validate());
        QCOMPARE(unmatched, QList<QString>{"Ni je"});
        QVERIFY(!combo->BoundId().isValid());
        combo->LoadValue(3);
        QCOMPARE(combo->Text(), QStringLiteral("Telovadnica"));
        refuseChoice = true;
        QVERIFY(!combo->Validate());

        cbtext->setFocus();
        QTest::keyClicks(cbtext, QStringLiteral("Ke"));
        QCOMPARE(cbtext->ListIndex(), 0);
        QVERIFY(cbtext->NiListe());
        QVERIFY(cbtext->ListDropped());
        QVERIFY(cbtext->ProcessKeyDown(40, 0));
        QVERIFY(cbtext->ProcessKeyDown(13, 0));
        QCOMPARE(cbtext->Text(), QStringLiteral("Knjižnica"));
        QCOMPARE(cbtext->BoundId().toLongLong(), 2);
        QVERIFY(!cbtext->NiListe());
        QCOMPARE(cbtext->SteviloZapisov(), 3);
        cbtext->setText(QStringLiteral("Kemijaa"));
        QVERIFY(!cbtext->Validate());
        QCOMPARE(messages.texts(), (QStringList{"Vnos Ni je ni na seznamu.", "Vnos Kemijaa ni na seznamu."}));
        cbtext->Clear();
        cbtext->SetEmptyAllowed(false);
        QVERIFY(!cbtext->Validate());
        cbtext->SetEmptyAllowed(true);
        QVERIFY(cbtext->Validate());
    }

    // A list of several fields shows them all in its drop-down list, side by side; the field
    // itself keeps showing (and matching) the first one.
    void comboListShowsEveryListField() {
        const db::RowSet teachers({QStringLiteral("ID"), QStringLiteral("OZNAKA"), QStringLiteral("RAZREDNIK")},
                                  {QStringLiteral("INTEGER"), QStringLiteral("TEXT"), QStringLiteral("TEXT")},
                                  {{7, QStringLiteral("JerM"), QStringLiteral("Jereb Maja")},
                                   {8, QStringLiteral("D'AT"), QStringLiteral("D'Agostin Tomaž")}});
        combo->SetListFields(QStringLiteral("OZNAKA;RAZREDNIK"));
        combo->SetRowSource(teachers);
        combo->setFixedWidth(60);
        edit();
        combo->setFocus();
        QVERIFY(combo->ProcessKeyDown(115, 0)); // F4 drops the list down
        QTRY_VERIFY(combo->view()->isVisible());
        const QFontMetrics metrics(combo->font());
        const int needed = metrics.horizontalAdvance(QStringLiteral("D'AT")) +
                           metrics.horizontalAdvance(QStringLiteral("D'Agostin Tomaž"));
        QVERIFY2(combo->view()->width() > needed, "the list is too narrow for both columns");
        static_cast<QComboBox *>(combo)->hidePopup();
        combo->LoadValue(8);
        QCOMPARE(combo->Text(), QStringLiteral("D'AT"));
        QCOMPARE(combo->BoundId().toLongLong(), 8);
    }

    void listBoxAndOption() {
        UrListBox list(top.get());
        list.SetCaption(QStringLiteral("Prostori"));
        list.SetListField(QStringLiteral("OZNAKA"));
        list.SetRowSource(rooms());
        list.LoadValue(QStringLiteral("Kemija"));
        QCOMPARE(list.ListIndex(), 0);
        QCOMPARE(list.CurrentValue().toString(), QStringLiteral("Kemija"));
        list.SetLocked(true);
        list.show();
        QTest::mouseClick(list.List()->viewport(), Qt::LeftButton, {},
                          list.List()->visualItemRect(list.List()->item(2)).center());
        QCOMPARE(list.ListIndex(), 0);
        list.SetLocked(false);
        QTest::mouseClick(list.List()->viewport(), Qt::LeftButton, {},
                          list.List()->visualItemRect(list.List()->item(2)).center());
        QCOMPARE(list.CurrentValue().toString(), QStringLiteral("Telovadnica"));

        edit();
        int changes = 0;
        connect(option, &UrOption::Change, this, [&] { ++changes; });
        option->SetCaption(QStringLiteral("Samo dekleta"));
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        QVERIFY(option->Value());
        QCOMPARE(changes, 1);
        QVERIFY(bar->DataChanged());
    }

    void moverCountsAndWritesItsChanges() {
        test::TempProject project;
        QVERIFY(project.db().exec(QStringLiteral("INSERT INTO UCITELJI (ID, OZNAKA) VALUES (7, 'Kos')")));
        QVERIFY(project.db().exec(QStringLiteral(
            "INSERT INTO SKUPINE_PROSTOROV (ID, OZNAKA) VALUES (1, 'Kemija'), (2, 'Knjižnica'), (3, 'Telovadnica')")));
        QVERIFY(project.db().exec(QStringLiteral("INSERT INTO UCITELJ_PROSTOR VALUES (7, 1), (7, 2)")));
        UrMoverBox mover(top.get());
        frame->AddControl(&mover);
        mover.SetRowSourceLeft(project.db().query(QStringLiteral("SELECT ID, OZNAKA FROM SKUPINE_PROSTOROV")));
        mover.SetRowSourceRight(project.db().query(QStringLiteral(
            "SELECT ID, OZNAKA FROM SKUPINE_PROSTOROV INNER JOIN UCITELJ_PROSTOR ON ID = ID_SKUPINE_PROSTOROV "
            "WHERE ID_UCITELJA = 7")));
        mover.SetListFieldLeft(QStringLiteral("OZNAKA"));
        mover.SetListFieldRight(QStringLiteral("OZNAKA"));
        mover.FillIDLIsts();
        QCOMPARE(mover.LeftList()->count(), 1);
        QCOMPARE(mover.ListCount(), 2);
        QCOMPARE(mover.Skupaj()->text(), QStringLiteral("Skupaj: 2"));

        QVERIFY(!mover.MoveRight(3)); // locked with the frame
        edit();
        QVERIFY(mover.MoveRight(3));
        QVERIFY(mover.MoveLeft(1));
        QVERIFY(bar->DataChanged());
        QCOMPARE(mover.AddedItems(), QList<qint64>{3});
        QCOMPARE(mover.RemovedItemsStringList(), QStringList{"1"});
        QCOMPARE(mover.AddedItemsCount(), 1);
        QCOMPARE(mover.RemovedItemsCount(), 1);
        QCOMPARE(mover.Skupaj()->text(), QStringLiteral("Skupaj: 2"));
        QVERIFY(mover.ZapisiVBazo({7}, QStringLiteral("ID_UCITELJA,ID_SKUPINE_PROSTOROV"),
                                  QStringLiteral("UCITELJ_PROSTOR")));
        QCOMPARE(project.db()
                     .scalar(QStringLiteral("SELECT group_concat(ID_SKUPINE_PROSTOROV) FROM (SELECT "
                                            "ID_SKUPINE_PROSTOROV FROM UCITELJ_PROSTOR ORDER BY 1)"))
                     .toString(),
                 QStringLiteral("2,3"));
        QCOMPARE(mover.AddedItemsCount(), 0);
        // By keys: Right moves the current entry of the left list over, Left moves it back.
        mover.LeftList()->setCurrentRow(0);
        QTest::keyClick(mover.LeftList(), Qt::Key_Right);
        QCOMPARE(mover.AddedItems(), QList<qint64>{1});
        mover.RightList()->setCurrentItem(mover.RightList()->findItems(QStringLiteral("Kemija"), Qt::MatchExactly)[0]);
        QTest::keyClick(mover.RightList(), Qt::Key_Left);
        QCOMPARE(mover.AddedItemsCount(), 0);
        mover.MoveAllLeft();
        QCOMPARE(mover.ListCount(), 0);
        QCOMPARE(mover.Skupaj()->text(), QStringLiteral("Skupaj: 0"));
        mover.SetConstantList(true);
        QVERIFY(!mover.MoveRight(1));

        // The lists sort as the grids do: Š after S, not after Z.
        UrMoverBox sorted(top.get());
        sorted.SetRowSourceLeft(db::RowSet({QStringLiteral("ID"), QStringLiteral("OZNAKA")},
                                           {QStringLiteral("INTEGER"), QStringLiteral("TEXT")},
                                           {{1, QStringLiteral("Zbornica")},
                                            {2, QStringLiteral("Šport")},
                                            {3, QStringLiteral("Sever")},
                                            {4, QStringLiteral("čitalnica")},
                                            {5, QStringLiteral("Cerkev")}}));
        sorted.SetListFieldLeft(QStringLiteral("OZNAKA"));
        sorted.FillIDLIsts();
        QStringList order;
        for (int i = 0; i < sorted.LeftList()->count(); ++i)
            order << sorted.LeftList()->item(i)->text();
        QCOMPARE(order, QStringList({"Cerkev", "čitalnica", "Sever", "Šport", "Zbornica"}));
    }

    void buttonsCarryTheirKeys() {
        auto *box = new QWidget(top.get());
        top->layout()->addWidget(box);
        auto *layout = new QVBoxLayout(box);
        auto *ok = new UrButton(box);
        auto *cancel = new UrButton(box);
        auto *field = new QLineEdit(box);
        layout->addWidget(field);
        layout->addWidget(ok);
        layout->addWidget(cancel);
        ok->SetCaption(QStringLiteral("V redu"));
        ok->SetDefaultButton(true);
        cancel->SetCaption(QStringLiteral("Prekliči"));
        cancel->SetCancelButton(true);
        QCOMPARE(ok->toolTip(), QStringLiteral("Tipka Enter"));
        QCOMPARE(cancel->toolTip(), QStringLiteral("Tipka Esc"));
        int okClicks = 0;
        int cancelClicks = 0;
        connect(ok, &UrButton::clicked, this, [&] { ++okClicks; });
        connect(cancel, &UrButton::clicked, this, [&] { ++cancelClicks; });
        box->show();
        field->setFocus();
        bar->Init(client, nullptr, {}); // a bar without keys leaves Enter and Esc to the dialog
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Escape);
        QCOMPARE(okClicks, 1);
        QCOMPARE(cancelClicks, 1);
    }
};

QTEST_MAIN(FieldControlsWidgetTest)
#include "FieldControlsWidgetTest.moc"
