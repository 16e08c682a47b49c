#include "core/Messages.h"
#include "core/ScriptedPresenter.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::core;

TEST(Messages, PlaceholdersQuoteFlagAndEmptyText) {
    EXPECT_EQ(FormatMessageText(QStringLiteral("Potrdi brisanje stavbe #."), QStringLiteral("G - Glavna")),
              QStringLiteral("Potrdi brisanje stavbe G - Glavna."));
    EXPECT_EQ(FormatMessageText(QStringLiteral("Potrdi brisanje stavbe#."), QStringLiteral("G"), {}, true),
              QStringLiteral("Potrdi brisanje stavbe 'G'."));
    EXPECT_EQ(FormatMessageText(QStringLiteral("A#B#C#"), 1, QStringLiteral("x")), QStringLiteral("A1BxC#"));
    EXPECT_EQ(FormatMessageText(QStringLiteral("Ura#"), 7, {}, true), QStringLiteral("Ura7")) << "numbers stay bare";
    EXPECT_EQ(FormatMessageText(QStringLiteral("[#]"), QString(), {}, true), QStringLiteral("[]"));
    EXPECT_EQ(FormatMessageText(QStringLiteral("[#]")), QStringLiteral("[]"));

    for (int kind = 0; kind <= 5; ++kind)
        EXPECT_EQ(BuildMessage(kind, QString()).text, QStringLiteral("Napaka v delovanju programa.")) << kind;
    EXPECT_EQ(BuildMessage(MsgStatusWarning, QString()).text, QString());
    EXPECT_FALSE(BuildMessage(MsgInformationQuiet, QStringLiteral("x")).beep);
    EXPECT_TRUE(BuildMessage(MsgInformation, QStringLiteral("x")).beep);
    EXPECT_EQ(BuildMessage(MsgError, QStringLiteral("x")).icon, MessageIcon::Stop);
    EXPECT_EQ(BuildMessage(MsgQuestion, QStringLiteral("x")).icon, MessageIcon::Exclamation);
}

TEST(Messages, ErrorKindMapsTheKnownConditions) {
    using core::DbErrorCode;
    EXPECT_EQ(BuildErrorMessage(QStringLiteral("x"), {DbErrorCode::MissingTable, QStringLiteral("no such table")}).text,
              QStringLiteral("Vhodna datoteka nima ustrezne zgradbe."));
    EXPECT_EQ(BuildErrorMessage(QStringLiteral("x"), {DbErrorCode::FileNotFound, {}}, QStringLiteral("a.znt")).text,
              QStringLiteral("Datoteka a.znt ne obstaja."));
    EXPECT_EQ(BuildErrorMessage(QStringLiteral("x"), {DbErrorCode::PermissionDenied, {}}, QStringLiteral("a.znt")).text,
              QStringLiteral("Datoteka a.znt je zaščitena proti pisanju.\nOdstranite zaščito in poskusite znova."));
    const Message other =
        BuildErrorMessage(QStringLiteral("Napaka pri branju."), {DbErrorCode::Other, QStringLiteral("disk I/O error")});
    EXPECT_EQ(other.text, QStringLiteral("Napaka pri branju.\ndisk I/O error (1)"));
    EXPECT_EQ(other.icon, MessageIcon::Stop);
    EXPECT_EQ(BuildErrorMessage(QStringLiteral("x"), {DbErrorCode::MissingTable, {}}).icon, MessageIcon::Exclamation);
}

TEST(Messages, ProgressIsEndedOnceAndStepsAsideForOtherMessages) {
    ScriptedPresenter presenter;
    PresenterScope scope(&presenter);
    EXPECT_EQ(ShowMessage(MsgProgressEnd, QStringLiteral("Konec")), Answer::None);
    EXPECT_TRUE(presenter.messages().isEmpty()) << "nothing to end";
    ShowMessage(MsgProgressBegin, QStringLiteral("Delam"));
    EXPECT_TRUE(ProgressOpen());
    ShowMessage(MsgWarning, QStringLiteral("Pozor"));
    ShowMessage(MsgStatus, QStringLiteral("Stanje"));
    ShowMessage(MsgProgressEnd, QStringLiteral("Končano."));
    EXPECT_FALSE(ProgressOpen());
    ASSERT_EQ(presenter.messages().size(), 4);
    EXPECT_TRUE(presenter.messages().at(1).hidesProgress);
    EXPECT_FALSE(presenter.messages().at(2).hidesProgress);
    EXPECT_EQ(presenter.texts(MsgProgressEnd), QStringList{QStringLiteral("Končano.")});
}

TEST(Messages, QuestionsTakeThePresentersAnswer) {
    ScriptedPresenter presenter;
    PresenterScope scope(&presenter);
    presenter.queueAnswers({Answer::Yes});
    EXPECT_EQ(ShowMessage(MsgQuestion, QStringLiteral("Ali?")), Answer::Yes);
    EXPECT_EQ(ShowMessage(MsgQuestion, QStringLiteral("Ali?")), Answer::No);
    {
        PresenterScope none(nullptr);
        EXPECT_EQ(ShowMessage(MsgQuestion, QStringLiteral("Ali?")), Answer::No);
    }
    EXPECT_EQ(presenter.messages().size(), 2);
}
