#include "console/answers.h"

#include <gtest/gtest.h>

namespace brenx::console {
namespace {

TEST(Answers, MessageQuestionsTakeYesNoAndEnter) {
    EXPECT_EQ(ParseConfirmReply("y"), ConfirmReply::Ok);
    EXPECT_EQ(ParseConfirmReply("  YES \r"), ConfirmReply::Ok);
    EXPECT_EQ(ParseConfirmReply(""), ConfirmReply::Ok);  // Enter: the default button
    EXPECT_EQ(ParseConfirmReply("n"), ConfirmReply::No);
    EXPECT_EQ(ParseConfirmReply("No"), ConfirmReply::No);
    EXPECT_EQ(ParseConfirmReply("s"), ConfirmReply::Unknown);
    EXPECT_EQ(ParseConfirmReply("yn"), ConfirmReply::Unknown);
}

TEST(Answers, TheMediaQuestionTakesOnlyTheAnswersItOffers) {
    run::MediaQuestion bare;
    EXPECT_EQ(ParseMediaReply("", bare), MediaReply::TryAgain);
    EXPECT_EQ(ParseMediaReply("Y", bare), MediaReply::TryAgain);
    EXPECT_EQ(ParseMediaReply("n", bare), MediaReply::GiveUp);
    EXPECT_EQ(ParseMediaReply("c", bare), MediaReply::Clip);
    for (const char* hidden : {"s", "w", "f", "x", "skip", "q"}) {
        EXPECT_EQ(ParseMediaReply(hidden, bare), MediaReply::Unknown) << hidden;
    }
    run::MediaQuestion full;
    full.showSkip = full.showMinuteWait = full.showFormat = full.showFixSource = true;
    EXPECT_EQ(ParseMediaReply(" s ", full), MediaReply::Skip);
    EXPECT_EQ(ParseMediaReply("w", full), MediaReply::MinuteWait);
    EXPECT_EQ(ParseMediaReply("F", full), MediaReply::Format);
    EXPECT_EQ(ParseMediaReply("x", full), MediaReply::FixSource);
}

TEST(Answers, DriveLetterCommands) {
    using Kind = DriveCommand::Kind;
    EXPECT_EQ(ParseDriveCommand("+").kind, Kind::Up);
    EXPECT_EQ(ParseDriveCommand("-").kind, Kind::Down);
    EXPECT_EQ(ParseDriveCommand("t").kind, Kind::ThisDir);
    EXPECT_EQ(ParseDriveCommand("").kind, Kind::Ok);
    EXPECT_EQ(ParseDriveCommand("o").kind, Kind::Ok);
    EXPECT_EQ(ParseDriveCommand("n").kind, Kind::Dont);
    const DriveCommand letter = ParseDriveCommand("E:");
    EXPECT_EQ(letter.kind, Kind::Letter);
    EXPECT_EQ(letter.letter, 'e');
    for (const char* bad : {"e", "1:", "ee:", "e:\\"}) {
        EXPECT_EQ(ParseDriveCommand(bad).kind, Kind::Unknown) << bad;
    }
}

TEST(Answers, AFileIsPickedByItsNumberOnTheList) {
    EXPECT_EQ(ParsePickReply("1", 3).kind, PickReply::Kind::Chosen);
    EXPECT_EQ(ParsePickReply("1", 3).index, 0u);
    EXPECT_EQ(ParsePickReply(" 3 ", 3).index, 2u);
    EXPECT_EQ(ParsePickReply("c", 3).kind, PickReply::Kind::Cancel);
    for (const char* bad : {"0", "4", "", "-1", "2x", "99999999999999999999999"}) {
        EXPECT_EQ(ParsePickReply(bad, 3).kind, PickReply::Kind::Unknown) << bad;
    }
}

}  // namespace
}  // namespace brenx::console
