#include "run/option_echo.h"

#include <gtest/gtest.h>

#include "options/job_settings.h"
#include "run/run_state.h"
#include "run/run_world.h"

namespace brenx::run {
namespace {

OptionEchoCells Cells(std::initializer_list<std::string> texts) {
    OptionEchoCells cells{};
    std::size_t i = 0;
    for (const std::string& text : texts)
        cells[i++] = text;
    return cells;
}

EchoFacts Facts(std::string section = "brenx") {
    EchoFacts facts;
    facts.section = std::move(section);
    return facts;
}

TEST(OptionEcho, ShowsTheDefaultsInOrder) {
    options::JobSettings settings;
    settings.log = "d:\\logs\\df~_2612061806.bnx";
    EXPECT_EQ(BuildOptionEcho(settings, Facts()),
              Cells({"log: df~_2612061806.bnx", "crc", "NewerOnly", "NewerLog=0", "VerifyComplete",
                     "rwait: 240,000,000", "rtime: 60", "NotCDR: ABCDEFGHIJKLMNOPQRSTUVWXYZ",
                     "CRCcopy"}));
    // A section that differs only in letter case adds nothing.
    EXPECT_EQ(BuildOptionEcho(settings, Facts("BRENX")), BuildOptionEcho(settings, Facts()));
}

TEST(OptionEcho, TheSixteenthEntryOverwritesTheFirst) {
    options::JobSettings s;
    s.FixDotCrash = s.recurse = s.arconly = s.nocopy = s.nodata = true;
    s.log = "run.log";
    s.startfile = "d:\\src\\start.txt";
    s.BLRautoSkip = true;
    s.NewerOnly = false;
    s.DifferentOnly = true;
    s.NewerComplaint = true;
    s.RandomEject = 100000000;
    s.ReadOnly = true;
    s.atts = true;
    s.tidy = "c:\\bin\\tidy.exe";
    const EchoKeys keys{"KEY.D", "KEY.S"};
    EchoFacts facts = Facts("work");
    facts.waitingForStartFile = true;
    facts.keys = &keys;
    facts.autoSkips = 3;
    // Entries 1-15 run from FixDotCrash to VerifyComplete; the sixteenth
    // (rwait) lands in the first cell and the rest follow it.
    EXPECT_EQ(BuildOptionEcho(s, facts),
              Cells({"rwait: 240,000,000", "rtime: 60", "reject: 100,000,000",
                     "NotCDR: ABCDEFGHIJKLMNOPQRSTUVWXYZ", "ReadOnly", "[work]", "CRCcopy",
                     "tidy: tidy.exe", "atts +r/o", "crc", "BLRautoSkip:3", "DifOnly", "NewerLog=0",
                     "New/difComplaint", "VerifyComplete"}));
}

TEST(OptionEcho, ShowsTheRareOptionsAndReachesTheBoard) {
    testing::RunWorld world;
    options::JobSettings& s = world.Settings();
    s = options::JobSettings{};
    s.log.clear();
    s.crc = s.NewerOnly = s.VerifyComplete = s.CRCCopy = false;
    s.RandomWait = 0;
    s.NotCDR.clear();
    s.stopbak = s.atts = s.noskipmsg = s.noprompt = true;
    s.NewerLog = true;
    s.DifferentOnly = true;
    s.cant_skip = "*.tmp";
    s.cant_file = "nocopy.lst";
    s.dstkey.assign(1, 'K');  // (a one-letter literal trips a false -Wrestrict of GCC 12 at -O3)
    world.run.TakeEchoKeys();
    s.dstkey.clear();  // found and cleared by the key-file check: the echo keeps it
    ShowOptionEcho(world.run);
    EXPECT_EQ(world.board.Echo(), Cells({"dstkey: K", "DifOnly", "stopbak", "atts", "noskipmsg",
                                         "noprompt", "cant_skip:*.tmp", "cant_file:nocopy.lst"}));
}

}  // namespace
}  // namespace brenx::run
