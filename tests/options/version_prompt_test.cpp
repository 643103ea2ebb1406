#include "options/version_prompt.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/document_opener.h"
#include "platform/temp_drives.h"
#include "testkit/recording_process_starter.h"
#include "testkit/scripted_run_operator.h"

namespace brenx::options {
namespace {

std::string Opening(const std::string& document) {
    return std::string(platform::DocumentOpener()) + " " + document;
}

// The address of a temporary folder's file: "file:///tmp/..." on Linux,
// "file:///C:/..." on Windows.
std::string Address(std::string hostPath) {
    std::string address = "file://";
    if (hostPath[0] != '/') address += '/';
    for (const char c : hostPath)
        address += c == '\\' ? std::string("/") : c == ' ' ? std::string("%20") : std::string(1, c);
    return address;
}

TEST(VersionPrompt, NamesTheReasonAndOffersHelp) {
    testkit::ScriptedRunOperator op;
    testkit::RecordingProcessStarter starter;
    starter.succeed = false;
    op.ExpectConfirm(
        "Unknown option (no source); brenx version 2/18/2015; see html help "
        "(e:\\prog\\help page.htm)?",
        false, true);
    const VersionPromptResult declined =
        ShowVersionPrompt(op, starter, "e:\\prog\\help page.htm", "no source");
    EXPECT_EQ(declined.exitCode, 153);
    EXPECT_EQ(declined.failureReason, "Unknown option (no source)");
    EXPECT_TRUE(starter.started.empty());

    op.ExpectConfirm(
        "miscellaneous fatal error; brenx version 2/18/2015; see html help "
        "(e:\\prog\\help page.htm)?",
        true);
    const VersionPromptResult accepted =
        ShowVersionPrompt(op, starter, "e:\\prog\\help page.htm", "");
    EXPECT_EQ(accepted.exitCode, 153);
    EXPECT_EQ(accepted.failureReason, "miscellaneous fatal error");
    EXPECT_EQ(starter.started, (std::vector<std::string>{Opening("\"e:\\prog\\help page.htm\"")}));
}

TEST(HelpSection, OpensThePageByItsAddressAtTheSection) {
    platform::testing::TempDrives drives;
    testkit::RecordingProcessStarter starter;
    starter.succeed = false;
    OpenHelpSection(starter, drives.Fs(), "d:\\help\\brenx page.htm", kMediaHelpSection);
    ASSERT_EQ(starter.started.size(), 1u);
    EXPECT_EQ(starter.started[0],
              Opening("\"" + Address(drives.Host("d/help/brenx page.htm")) + "#media\""));

    // A page on a drive without a mapping has no address: it opens as a page.
    OpenHelpSection(starter, drives.Fs(), "q:\\help.htm", kMediaHelpSection);
    EXPECT_EQ(starter.started[1], Opening("\"q:\\help.htm\""));
}

}  // namespace
}  // namespace brenx::options
