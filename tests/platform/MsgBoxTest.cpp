#include <tarvex/platform/MsgBox.h>

#include <gtest/gtest.h>

#include <memory>

using namespace Tarvex;

TEST(MsgBox, RecorderKeepsEveryCallAnswersWithTheDefaultButtonAndEndsIntoTheHandlerBeforeIt)
{
    MsgBoxRecorder outer;
    {
        MsgBoxRecorder recorder;
        EXPECT_EQ(MsgBoxResult::OK, MsgBox(QStringLiteral("Saved.")));
        EXPECT_EQ(MsgBoxResult::No, MsgBox(QStringLiteral("Delete?"), MsgBoxStyle::YesNo | MsgBoxStyle::DefaultButton2, QStringLiteral("Delete")));
        recorder.Answer(MsgBoxResult::Retry);
        EXPECT_EQ(MsgBoxResult::Retry, MsgBox(QStringLiteral("Disk full"), MsgBoxStyle::RetryCancel | MsgBoxStyle::Critical));

        ASSERT_EQ(3u, recorder.Calls().size());
        EXPECT_EQ(QStringLiteral("Delete?"), recorder.Calls()[1].Prompt);
        EXPECT_EQ(QStringLiteral("Delete"), recorder.Calls()[1].Title);
        EXPECT_EQ(MsgBoxStyle::RetryCancel | MsgBoxStyle::Critical, recorder.Calls()[2].Buttons);
    }
    MsgBox(QStringLiteral("outer"));
    ASSERT_EQ(1u, outer.Calls().size());
    EXPECT_EQ(QStringLiteral("outer"), outer.Calls()[0].Prompt);
}

TEST(MsgBox, DefaultHandlerDoesNotWaitWithoutAScreen)
{
    EXPECT_EQ(MsgBoxResult::Cancel, MsgBox(QStringLiteral("Continue?"), MsgBoxStyle::YesNoCancel | MsgBoxStyle::DefaultButton3));
    EXPECT_EQ(MsgBoxResult::Abort, DefaultMsgBoxAnswer(MsgBoxStyle::AbortRetryIgnore));
    EXPECT_EQ(MsgBoxResult::OK, DefaultMsgBoxAnswer(MsgBoxStyle::OKOnly | MsgBoxStyle::DefaultButton3));
}

TEST(MsgBox, OneShotHandlerMayPutThePreviousHandlerBackWhileAnswering)
{
    MsgBoxRecorder recorder;
    auto previous = std::make_shared<MsgBoxHandler>();
    *previous = SetMsgBoxHandler([previous, expected = QStringLiteral("Overwrite?")](const QString& Prompt, int, const QString&) {
        SetMsgBoxHandler(std::move(*previous));
        // Still reads its own captures after giving up its place.
        return Prompt == expected ? MsgBoxResult::Yes : MsgBoxResult::No;
    });

    EXPECT_EQ(MsgBoxResult::Yes, MsgBox(QStringLiteral("Overwrite?"), MsgBoxStyle::YesNo));
    EXPECT_EQ(MsgBoxResult::OK, MsgBox(QStringLiteral("Saved.")));
    ASSERT_EQ(1u, recorder.Calls().size());
    EXPECT_EQ(QStringLiteral("Saved."), recorder.Calls()[0].Prompt);
}
