#include "console/console_board.h"

#include <gtest/gtest.h>

#include "console_kit.h"

namespace brenx::console {
namespace {

using run::BoardText;
using testing::ConsoleKit;

TEST(ConsoleBoard, DrawsTheProgressLineAtMostOncePerInterval) {
    ConsoleKit kit("");
    ConsoleBoard board(kit.output, std::chrono::hours(1));
    board.SetText(BoardText::FileName, "a.txt");
    board.SetText(BoardText::FileName, "b.txt");
    board.SetText(BoardText::Status, "src: x\r\ndst: y\r\n#2 \xE2\x80\x94 9 (0 skips)");
    EXPECT_EQ(kit.Written(), "a.txt\n");
    // The latest state is drawn before anything else is written.
    board.SetBannerLook(run::BannerLook::Success);
    board.SetText(BoardText::Banner, "Hooray! We finished! Succesfully maybe....");
    EXPECT_EQ(kit.Written(),
              "a.txt\nb.txt | #2 \xE2\x80\x94 9 (0 skips)\n** Hooray! We finished! Succesfully "
              "maybe....\n");
}

TEST(ConsoleBoard, WritesTheJobsPlacesOnceEach) {
    ConsoleKit kit("");
    ConsoleBoard board(kit.output, std::chrono::milliseconds(0));
    board.SetText(BoardText::Source, "d:\\src\\");
    board.SetText(BoardText::Source, "d:\\src\\");
    board.SetText(BoardText::DestinationCaption, "Verify log:");
    board.SetText(BoardText::Destination, "d:\\run.log");
    board.SetText(BoardText::Caption, "Copy: BRENX 2/18/2015:xy. ");
    run::OptionEchoCells cells{};
    cells[0] = "recurse";
    cells[3] = "crc";
    board.SetOptionEcho(cells);
    board.SetOptionEcho(cells);
    board.SetBannerLook(run::BannerLook::Failure);
    board.SetText(BoardText::Banner, "Oops sorry about that...");
    // The end of the job and the end of the run both set it: one line.
    board.SetBannerLook(run::BannerLook::Failure);
    board.SetText(BoardText::Banner, "Oops sorry about that...");
    EXPECT_EQ(kit.Written(),
              "Source: d:\\src\\\nVerify log: d:\\run.log\nOptions: recurse  crc\n!! Oops sorry "
              "about that...\n");
    // Another banner is written, and so is the first again after it.
    board.SetText(BoardText::Banner, "timer complaint: overflow");
    board.SetText(BoardText::Banner, "Oops sorry about that...");
    EXPECT_TRUE(
        kit.Written().ends_with("!! timer complaint: overflow\n!! Oops sorry about that...\n"));
}

}  // namespace
}  // namespace brenx::console
