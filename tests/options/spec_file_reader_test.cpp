#include "options/spec_file_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "option_test_kit.h"
#include "options/log_lines.h"
#include "testkit/steady_operator.h"

namespace brenx::options {
namespace {

using testing::kStamp;
using testing::OptionWorld;

class SpecReaderTest : public ::testing::Test {
  protected:
    void Load(const std::string& settings, std::vector<std::string> arguments = {},
              Operator* op = nullptr) {
        Operator& asked = op ? *op : static_cast<Operator&>(world.op);
        world.drives.Write("d/brenx.ini", "[brenx]\r\n" + settings);
        load = std::make_unique<OptionLoad>(world.drives.Fs(), asked,
                                            world.Inputs(std::move(arguments)));
        load->LoadJobSettings();
        log = std::make_unique<Log>(world.drives.Fs(), "d:\\run.log");
        reader = std::make_unique<SpecFileReader>(world.drives.Fs(), asked, *log, *load);
    }
    void Jobs(const std::string& text) { world.drives.Write("d/jobs.txt", text); }
    const JobSettings& s() const { return load->Settings(); }
    SpecStep::Kind Next() { return reader->NextSpecJob().kind; }

    OptionWorld world;
    std::unique_ptr<OptionLoad> load;
    std::unique_ptr<Log> log;
    std::unique_ptr<SpecFileReader> reader;
};

constexpr auto kJob = SpecStep::Kind::kJob;
constexpr auto kEnd = SpecStep::Kind::kEnd;
constexpr auto kFailed = SpecStep::Kind::kFailed;

TEST_F(SpecReaderTest, JobListWithDefaultFlagsAndClearedLetter) {
    Jobs("default|s\r\nd:\\backup|d\r\nc:\\data|a\r\nc:\\tmp|s-\r\n");
    Load("source=@jobs.txt\r\ndestination=e:\\first\r\n");
    ASSERT_TRUE(reader->StartSpecJobs());
    EXPECT_EQ(reader->DestinationBase(), "e:\\first\\");
    EXPECT_EQ(world.drives.Read("d/run.log"), std::string(kLogSeparator) + "\r\n" +
                                                  std::string(kLogSeparator) + "\r\n" +
                                                  std::string(kLogSeparator) + "\r\n" +
                                                  "brenx specification file d:\\jobs.txt\r\n\r\n");

    ASSERT_EQ(Next(), kJob);
    EXPECT_EQ(s().source, "c:\\data\\");
    EXPECT_EQ(s().destination, "d:\\backup\\data\\");
    EXPECT_EQ(s().dst_root, "d:\\backup\\");
    EXPECT_TRUE(s().recurse);
    EXPECT_TRUE(s().arconly);
    EXPECT_EQ(reader->LineNumber(), 3);

    ASSERT_EQ(Next(), kJob);
    EXPECT_EQ(s().source, "c:\\tmp\\");
    EXPECT_EQ(s().destination, "d:\\backup\\tmp\\");
    EXPECT_FALSE(s().recurse);
    EXPECT_FALSE(s().arconly);

    EXPECT_EQ(Next(), kEnd);
    EXPECT_FALSE(reader->Active());
    EXPECT_EQ(Next(), kEnd);
}

TEST_F(SpecReaderTest, DestinationMappingByOptions) {
    Jobs("d:\\backup|d\r\nc:\\data|\r\n");
    Load("source=@jobs.txt\r\n", {"-d"});
    ASSERT_TRUE(reader->StartSpecJobs());
    ASSERT_EQ(Next(), kJob);
    EXPECT_EQ(s().destination, "d:\\backup\\c\\data\\");
    EXPECT_FALSE(s().recurse);
}

TEST_F(SpecReaderTest, NetworkStyles) {
    Jobs("d:\\b|d\r\n\\\\srv\\share\\dir|\r\n");
    const std::pair<std::string, std::string> cases[] = {
        {"", "d:\\b\\share\\dir\\"},
        {"network_directory_style=full\r\n", "d:\\b\\srv\\share\\dir\\"},
        {"auto_dst_drive=0\r\n", "d:\\b\\dir\\"},
    };
    for (const auto& [settings, expected] : cases) {
        Load("source=@jobs.txt\r\n" + settings);
        ASSERT_TRUE(reader->StartSpecJobs());
        ASSERT_EQ(Next(), kJob);
        EXPECT_EQ(s().destination, expected) << settings;
    }
}

TEST_F(SpecReaderTest, MissingBarQuestion) {
    Jobs("default|s\r\nc:\\data\r\nc:\\more\r\n");
    Load("source=@jobs.txt\r\ndestination=e:\\dst\r\n");
    ASSERT_TRUE(reader->StartSpecJobs());
    world.op.ExpectConfirm(
        "missing | on line 2 of @d:\\jobs.txt: \"c:\\data\"; OK to pretend it's there anyway? "
        "(I clipped it)",
        true, true);
    ASSERT_EQ(Next(), kJob);
    EXPECT_EQ(world.op.Clipboard(), "missing | on line 2 of @d:\\jobs.txt: \"c:\\data\"");
    EXPECT_EQ(s().source, "c:\\data\\");
    EXPECT_EQ(s().destination, "e:\\dst\\data\\");
    EXPECT_TRUE(s().recurse);

    world.op.ExpectConfirm(
        "missing | on line 3 of @d:\\jobs.txt: \"c:\\more\"; OK to pretend it's there anyway? "
        "(I clipped it)",
        false);
    const SpecStep refused = reader->NextSpecJob();
    EXPECT_EQ(refused.kind, kFailed);
    EXPECT_EQ(refused.exitCode, kExitSpecMissingBar);
    EXPECT_EQ(refused.failureReason, "missing | on line 3 of @d:\\jobs.txt: \"c:\\more\"");
    EXPECT_FALSE(reader->Active());
}

TEST_F(SpecReaderTest, BadLetterQuestions) {
    Jobs("; jobs\r\n\r\n   \r\n  ; indented comment\r\nc:\\x|s \r\ndefault|q\r\n");
    Load("source=@jobs.txt\r\ndestination=e:\\dst\r\n");
    ASSERT_TRUE(reader->StartSpecJobs());
    world.op.ExpectConfirm(
        "bad option on line 5 of @d:\\jobs.txt: \"c:\\x|s \"; ok to ignore? (I clipped it)", true,
        true);
    ASSERT_EQ(Next(), kJob);
    EXPECT_TRUE(s().recurse);
    world.op.ExpectConfirm(
        "bad option on line 6 of @d:\\jobs.txt: \"default|q\"; ok to ignore? (I clipped it)",
        false);
    const SpecStep refused = reader->NextSpecJob();
    EXPECT_EQ(refused.kind, kFailed);
    EXPECT_EQ(refused.exitCode, kExitSpecBadDefaultLetter);
    EXPECT_EQ(refused.failureReason, "bad option on line 6 of @d:\\jobs.txt: \"default|q\"");

    Jobs("c:\\y|Z\r\n");
    Load("source=@jobs.txt\r\n");
    ASSERT_TRUE(reader->StartSpecJobs());
    world.op.ExpectConfirm(
        "bad option on line 1 of @d:\\jobs.txt: \"c:\\y|Z\"; ok to ignore? (I clipped it)", false);
    EXPECT_EQ(reader->NextSpecJob().exitCode, kExitSpecBadLetter);
}

TEST_F(SpecReaderTest, BadDefaultLettersAskOnEveryLine) {
    Jobs("default|s?\r\nc:\\a|\r\nc:\\b|a\r\n");
    Load("source=@jobs.txt\r\n");
    ASSERT_TRUE(reader->StartSpecJobs());
    world.op.ExpectConfirm(
        "bad option on line 1 of @d:\\jobs.txt: \"default|s?\"; ok to ignore? (I clipped it)",
        true);
    world.op.ExpectConfirm(
        "bad option on line 2 of @d:\\jobs.txt: \"c:\\a|\"; ok to ignore? (I clipped it)", true);
    ASSERT_EQ(Next(), kJob);
    EXPECT_TRUE(s().recurse);
    world.op.ExpectConfirm(
        "bad option on line 3 of @d:\\jobs.txt: \"c:\\b|a\"; ok to ignore? (I clipped it)", true);
    ASSERT_EQ(Next(), kJob);
    EXPECT_TRUE(s().recurse && s().arconly);
    EXPECT_EQ(Next(), kEnd);
}

TEST_F(SpecReaderTest, KeyFilesDestinationsAndStamp) {
    Jobs(
        "e:\\bak+|d\r\ne:\\dst.key|k\r\n\"c:\\my src.key\"|x ; the source's key\r\n"
        "c:\\c++|\r\n\"c:\\my data\"|s\r\n");
    Load("source=@jobs.txt\r\n");
    ASSERT_TRUE(reader->StartSpecJobs());
    ASSERT_EQ(Next(), kJob);
    const std::string base = std::string("e:\\bak") + kStamp + "\\";
    EXPECT_EQ(reader->DestinationBase(), base);
    EXPECT_EQ(s().dst_root, base);
    EXPECT_EQ(s().dstkey, "e:\\dst.key");
    EXPECT_EQ(s().srckey, "c:\\my src.key");
    EXPECT_EQ(s().source, "c:\\c++\\");
    EXPECT_EQ(s().destination, base + "c++\\");
    ASSERT_EQ(Next(), kJob);
    EXPECT_EQ(s().source, "c:\\my data\\");
    EXPECT_EQ(s().destination, base + "my data\\");
}

TEST_F(SpecReaderTest, EnvironmentReferencesFollowEvarize) {
    world.environment["SRC"] = "c:\\data";
    Jobs("%SRC%|\r\n");
    Load("source=@jobs.txt\r\ndestination=e:\\d\r\n");
    ASSERT_TRUE(reader->StartSpecJobs());
    ASSERT_EQ(Next(), kJob);
    EXPECT_EQ(s().source, "c:\\data\\");

    Load("source=@jobs.txt\r\ndestination=e:\\d\r\nevarize=0\r\n");
    ASSERT_TRUE(reader->StartSpecJobs());
    ASSERT_EQ(Next(), kJob);
    EXPECT_EQ(s().source, "%SRC%\\");
}

TEST_F(SpecReaderTest, NestedSpecFiles) {
    Jobs("c:\\a|\r\n@more.txt ; go on there\r\nc:\\never|\r\n");
    world.drives.Write("d/more.txt", "; comment\r\nc:\\b|s\r\n");
    Load("source=@jobs.txt\r\ndestination=e:\\d\r\n");
    ASSERT_TRUE(reader->StartSpecJobs());
    ASSERT_EQ(Next(), kJob);
    EXPECT_EQ(s().source, "c:\\a\\");
    ASSERT_EQ(Next(), kJob);
    EXPECT_EQ(s().source, "c:\\b\\");
    EXPECT_TRUE(s().recurse);
    EXPECT_EQ(reader->SpecFileName(), "d:\\more.txt");
    EXPECT_EQ(reader->LineNumber(), 2);
    EXPECT_EQ(Next(), kEnd);
    EXPECT_NE(world.drives.Read("d/run.log").find("brenx specification file d:\\more.txt"),
              std::string::npos);

    Jobs("c:\\a|\r\n@gone.txt\r\n");
    Load("source=@jobs.txt\r\n");
    ASSERT_TRUE(reader->StartSpecJobs());
    ASSERT_EQ(Next(), kJob);
    world.op.ExpectError("Couldn't open specification file d:\\gone.txt for read");
    const SpecStep failed = reader->NextSpecJob();
    EXPECT_EQ(failed.kind, kFailed);
    EXPECT_EQ(failed.exitCode, kExitSpecNestedOpen);
    EXPECT_EQ(failed.failureReason, "@ failure with @d:\\gone.txt");
    EXPECT_FALSE(reader->Active());
}

// An "@" file already opened by the list, whether the list names itself or
// comes back to it through another, ends the list: it would repeat for ever.
TEST_F(SpecReaderTest, ListThatComesBackToAnOpenedFileFails) {
    Jobs("; loops\r\n@jobs.txt\r\n");
    Load("source=@jobs.txt\r\n");
    ASSERT_TRUE(reader->StartSpecJobs());
    world.op.ExpectError(
        "Specification file d:\\jobs.txt names @d:\\jobs.txt, which this list has already "
        "opened; it would go round for ever");
    SpecStep step = reader->NextSpecJob();
    EXPECT_EQ(step.kind, kFailed);
    EXPECT_EQ(step.exitCode, kExitSpecNestedOpen);
    EXPECT_EQ(step.failureReason, "@ failure with @d:\\jobs.txt");

    Jobs("c:\\a|\r\n@more.txt\r\n");
    // The same file under another name (a hard link: every host has them).
    std::filesystem::create_hard_link(world.drives.Host("d/jobs.txt"),
                                      world.drives.Host("e/jobs.txt"));
    world.drives.Write("d/more.txt", "c:\\b|\r\n@e:\\jobs.txt\r\n");
    Load("source=@jobs.txt\r\n");
    ASSERT_TRUE(reader->StartSpecJobs());
    ASSERT_EQ(Next(), kJob);
    ASSERT_EQ(Next(), kJob);
    EXPECT_EQ(s().source, "c:\\b\\");
    world.op.ExpectError(
        "Specification file d:\\more.txt names @e:\\jobs.txt, which this list has already "
        "opened; it would go round for ever");
    step = reader->NextSpecJob();
    EXPECT_EQ(step.exitCode, kExitSpecNestedOpen);
    EXPECT_EQ(step.failureReason, "@ failure with @e:\\jobs.txt");
    EXPECT_FALSE(reader->Active());
}

TEST_F(SpecReaderTest, AListGoneBetweenJobsFails) {
    Jobs("c:\\a|\r\nc:\\b|\r\n");
    Load("source=@jobs.txt\r\n");
    ASSERT_TRUE(reader->StartSpecJobs());
    ASSERT_EQ(Next(), kJob);
    std::filesystem::remove(world.drives.Host("d/jobs.txt"));
    world.op.ExpectError("Couldn't open specification file d:\\jobs.txt for read");
    const SpecStep step = reader->NextSpecJob();
    EXPECT_EQ(step.kind, kFailed);
    EXPECT_EQ(step.exitCode, kExitSpecNestedOpen);
    EXPECT_EQ(step.failureReason, "@ failure with @d:\\jobs.txt");

    Load("source=@nolist.txt\r\n");
    world.op.ExpectError("Couldn't open specification file d:\\nolist.txt for read");
    EXPECT_FALSE(reader->StartSpecJobs());
    EXPECT_EQ(reader->OpenFailed().failureReason, "@ failure with @d:\\nolist.txt");
}

TEST_F(SpecReaderTest, LinuxLineEndsAndUnterminatedLastLine) {
    Jobs("default|s\nd:\\b|d\nc:\\x|a\n\nc:\\y|");
    Load("source=@jobs.txt\r\n");
    ASSERT_TRUE(reader->StartSpecJobs());
    ASSERT_EQ(Next(), kJob);
    EXPECT_EQ(s().destination, "d:\\b\\x\\");
    EXPECT_TRUE(s().recurse && s().arconly);
    ASSERT_EQ(Next(), kJob);
    EXPECT_EQ(s().destination, "d:\\b\\y\\");
    EXPECT_EQ(reader->LineNumber(), 5);
    EXPECT_EQ(Next(), kEnd);
}

TEST_F(SpecReaderTest, NoListWithoutSpecModeOrFile) {
    Load("source=d:\\plain\r\n");
    EXPECT_FALSE(reader->StartSpecJobs());
    EXPECT_EQ(Next(), kEnd);

    Load("source=@missing.txt\r\n");
    world.op.ExpectError("Couldn't open specification file d:\\missing.txt for read");
    EXPECT_FALSE(reader->StartSpecJobs());
    EXPECT_FALSE(reader->Active());
}

TEST_F(SpecReaderTest, GarbageAndHugeLinesGiveQuestionsNotCrashes) {
    Jobs(std::string(100000, 'x') + "\r\nc:\\ok|\r\n");
    Load("source=@jobs.txt\r\n");
    ASSERT_TRUE(reader->StartSpecJobs());
    world.op.ExpectConfirm("missing | on line 1 of @d:\\jobs.txt: \"" + std::string(401, 'x') +
                               "\"; OK to pretend it's there anyway? (I clipped it)",
                           false);
    EXPECT_EQ(reader->NextSpecJob().exitCode, kExitSpecMissingBar);

    std::string garbage;
    for (int i = 0; i < 200000; ++i)
        garbage += static_cast<char>((i * 7919 + i / 13) % 256);
    Jobs(garbage);
    for (bool answer : {false, true}) {
        testkit::SteadyOperator op(run::MediaAnswer::GiveUp, answer);
        Load("source=@jobs.txt\r\n", {}, &op);
        ASSERT_TRUE(reader->StartSpecJobs());
        SpecStep step;
        int jobs = 0;
        do {
            step = reader->NextSpecJob();
            jobs += step.kind == kJob;
        } while (step.kind == kJob && jobs < 100000);
        EXPECT_LT(jobs, 100000);
        EXPECT_GT(op.confirmations + static_cast<int>(op.errors.size()), 0);
        if (step.kind == kFailed) {
            EXPECT_TRUE(
                step.exitCode == kExitSpecMissingBar || step.exitCode == kExitSpecBadLetter ||
                step.exitCode == kExitSpecBadDefaultLetter || step.exitCode == kExitSpecNestedOpen);
        }
        EXPECT_FALSE(reader->Active());
    }
}

}  // namespace
}  // namespace brenx::options
