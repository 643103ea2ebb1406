#include "options/option_load.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>

#include "option_test_kit.h"

namespace brenx::options {
namespace {

using namespace std::string_literals;
using testing::kStamp;
using testing::OptionWorld;

struct Loaded {
    explicit Loaded(OptionWorld& world, std::vector<std::string> arguments = {})
        : load(world.drives.Fs(), world.op, world.Inputs(std::move(arguments))) {
        load.LoadJobSettings();
    }
    const JobSettings& s() const { return load.Settings(); }
    OptionLoad load;
};

TEST(OptionLoad, BuiltInDefaultsWithoutFileOrArguments) {
    OptionWorld world;
    Loaded loaded(world);
    const JobSettings& s = loaded.s();
    EXPECT_EQ(s.log, std::string("e:\\prog\\df~_") + kStamp + ".bnx");
    EXPECT_FALSE(loaded.load.LogExplicit());
    EXPECT_TRUE(s.crc && s.NewerOnly && s.AlwaysConfirm && s.VerifyComplete && s.CRCCopy &&
                s.fixbig && s.evarize && s.fix64 && s.auto_dst_drive);
    EXPECT_EQ(s.network_directory_style, kNetworkStyleTwo);
    EXPECT_EQ(s.RandomWait, 240000000);
    EXPECT_EQ(s.RandomTime, 60);
    EXPECT_EQ(s.skips_ok, 1);
    EXPECT_EQ(s.NotCDR, "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(s.sizeini, "e:\\prog\\brenxsize.ini");
    EXPECT_EQ(s.helphtm, "e:\\prog\\brenxhtm\\brenfrm.htm");
    EXPECT_EQ(s.pflag, "d:\\p~flag");
    EXPECT_EQ(s.source, "");
    EXPECT_EQ(s.dst_root, "");
    EXPECT_EQ(s.noise, "");
    EXPECT_FALSE(loaded.load.SpecMode());
    EXPECT_EQ(loaded.load.CantFileNote(), "");
    // Neither d:\brenx.ini nor e:\prog\brenx.ini: the path in the program's directory.
    EXPECT_EQ(loaded.load.SettingsFileState().ResolvedPath(), "e:\\prog\\brenx.ini");
    EXPECT_FALSE(loaded.load.SettingsFileState().Existed());
    EXPECT_FALSE(loaded.load.SettingsFileState().IsOpen());
}

TEST(OptionLoad, SettingsFileInTheCurrentDirectoryWins) {
    OptionWorld world;
    world.drives.Write("d/brenx.ini", "[brenx]\r\nhidden=1\r\n");
    world.drives.Write("e/prog/brenx.ini", "[brenx]\r\nhidden=0\r\nrecurse=1\r\n");
    Loaded loaded(world);
    EXPECT_TRUE(loaded.s().hidden);
    EXPECT_FALSE(loaded.s().recurse);
    EXPECT_EQ(loaded.load.SettingsFileState().ResolvedPath(), "d:\\brenx.ini");
    EXPECT_TRUE(loaded.load.SettingsFileState().Existed());
    EXPECT_EQ(loaded.s().log, std::string("d:\\df~_") + kStamp + ".bnx");

    OptionWorld other;
    other.drives.Write("e/prog/brenx.ini", "[brenx]\r\nrecurse=1\r\n[second]\r\nhidden=1\r\n");
    Loaded program(other, {"-esecond"});
    EXPECT_FALSE(program.s().recurse);
    EXPECT_TRUE(program.s().hidden);
    EXPECT_EQ(program.load.SettingsFileState().ResolvedPath(), "e:\\prog\\brenx.ini");
}

TEST(OptionLoad, CommandLineMarksHoldAgainstTheFile) {
    OptionWorld world;
    world.drives.Write("d/brenx.ini",
                       "[brenx]\r\nsource=d:\\other\r\ndestination=e:\\x\r\nrecurse=0\r\n"
                       "crc=0\r\nnoprompt=0\r\nlog=file.log\r\nNotCDR=AB\r\nFixDotCrash=1\r\n"
                       "DifferentOnly=1\r\nNewerOnly=1\r\nnocopy=1\r\n");
    Loaded loaded(world, {"d:\\src", "-s", "-r", "-Lmine.log", "-notcdr", "-t-"});
    const JobSettings& s = loaded.s();
    EXPECT_EQ(s.source, "d:\\src\\");
    EXPECT_EQ(s.destination, "e:\\x\\");
    EXPECT_EQ(s.dst_root, "e:\\x\\");
    EXPECT_TRUE(s.recurse);
    EXPECT_TRUE(s.noprompt);
    EXPECT_EQ(s.log, "d:\\mine.log");
    EXPECT_EQ(s.NotCDR, "abcdefghijklmnopqrstuvwxyz");
    EXPECT_FALSE(s.FixDotCrash);
    EXPECT_FALSE(s.nocopy);
    EXPECT_FALSE(s.crc);  // no mark: the file turns checksums off
    EXPECT_TRUE(s.DifferentOnly);
    EXPECT_FALSE(s.NewerOnly);

    OptionWorld verify;
    verify.drives.Write("d/brenx.ini", "[brenx]\r\ncrc=0\r\nverify=run.crc\r\n");
    Loaded verifying(verify);
    EXPECT_TRUE(verifying.s().crc);
    EXPECT_EQ(verifying.s().verify, "d:\\run.crc");
}

TEST(OptionLoad, SpecialKeys) {
    OptionWorld world;
    world.drives.Write("d/brenx.ini",
                       "[brenx]\r\nNotCDR=*\r\nnetwork_directory_style=Full\r\n"
                       "auto_dst_drive=1\r\nhelphtm=%HELP%\\page.htm\r\ncounts=counts.txt\r\n"
                       "RandomWait=3000000000\r\nRandomEject=$FFFFFFFF\r\nfakesize=0x10\r\n"
                       "RandomTime=abc\r\nskips_ok=-3\r\n");
    Loaded loaded(world);
    const JobSettings& s = loaded.s();
    EXPECT_EQ(s.NotCDR, "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(s.network_directory_style, kNetworkStyleTwo);
    EXPECT_TRUE(s.dst_drive_dir);
    EXPECT_TRUE(s.auto_dst_drive);
    EXPECT_EQ(s.helphtm, "e:\\prog\\%HELP%\\page.htm");
    EXPECT_EQ(s.counts, "d:\\counts.txt");
    EXPECT_EQ(s.RandomWait, 240000000);
    EXPECT_EQ(s.RandomEject, -1);
    EXPECT_EQ(s.fakesize, 16);
    EXPECT_EQ(s.RandomTime, 60);
    EXPECT_EQ(s.skips_ok, -3);

    OptionWorld full;
    full.drives.Write("d/brenx.ini", "[brenx]\r\nnetwork_directory_style=full\r\n");
    EXPECT_EQ(Loaded(full).s().network_directory_style, kNetworkStyleFull);

    OptionWorld rest;
    rest.drives.Write("d/brenx.ini",
                      "[brenx]\r\nnetwork_directory_style=full\r\nauto_dst_drive=0\r\n");
    Loaded restLoaded(rest);
    EXPECT_EQ(restLoaded.s().network_directory_style, kNetworkStyleRest);
    EXPECT_FALSE(restLoaded.s().auto_dst_drive);
    EXPECT_FALSE(restLoaded.s().dst_drive_dir);
}

TEST(OptionLoad, EnvironmentReferencesInValues) {
    OptionWorld world;
    world.environment["DRIVE"] = "e:";
    world.drives.Write("d/brenx.ini",
                       "[brenx]\r\nsource=%DRIVE%\\%NOPE%\\src\r\ndestination=%NOPE%x\r\n"
                       "srckey=%NOPE%.key\r\ndstkey=%NOPE%.key\r\nNotCDR=ab%NOPE%\r\n"
                       "warning=50%% full %NOPE%\r\n");
    Loaded loaded(world);
    const JobSettings& s = loaded.s();
    EXPECT_EQ(s.source, "e:\\%NOPE%\\src\\");
    EXPECT_EQ(s.destination, "%NOPE%x\\");
    EXPECT_EQ(s.srckey, "%NOPE%.key");
    EXPECT_EQ(s.dstkey, ".key");
    EXPECT_EQ(s.NotCDR, "ab%nope%");
    EXPECT_EQ(s.warning, "50% full ");

    // A command-line value is expanded once, not again by the settings read.
    OptionWorld twice;
    twice.drives.Write("d/brenx.ini", "[brenx]\r\nrecurse=1\r\n");
    EXPECT_EQ(Loaded(twice, {"-f100%%"}).s().fakeverify, "100%");
}

TEST(OptionLoad, LogPlacement) {
    OptionWorld colon;
    colon.drives.Write("d/brenx.ini", "[brenx]\r\nlog=:run.txt\r\n");
    Loaded inCurrent(colon);
    EXPECT_EQ(inCurrent.s().log, "d:\\run.txt");
    EXPECT_TRUE(inCurrent.load.LogExplicit());

    OptionWorld beside;
    std::filesystem::create_directories(beside.drives.Host("e/tools"));
    beside.drives.Write("e/tools/brenx.ini", "[brenx]\r\nlog=run+.txt\r\n");
    Loaded besideFile(beside, {"-i+e:\\tools\\brenx.ini"});
    EXPECT_EQ(besideFile.s().log, std::string("e:\\tools\\run") + kStamp + ".txt");
    EXPECT_FALSE(besideFile.load.LogExplicit());

    OptionWorld explicitPath;
    Loaded withPath(explicitPath, {"-Le:\\logs\\a+b+.txt"});
    EXPECT_EQ(withPath.s().log, std::string("e:\\logs\\a") + kStamp + "b+.txt");
    EXPECT_TRUE(withPath.load.LogExplicit());

    OptionWorld noSettings;
    Loaded withoutFile(noSettings, {"-x", "-Lplain.log"});
    EXPECT_EQ(withoutFile.s().log, "e:\\prog\\plain.log");
    EXPECT_EQ(withoutFile.load.SettingsFileState().ResolvedPath(), "");

    OptionWorld none;
    none.drives.Write("d/brenx.ini", "[brenx]\r\nlog=\r\n");
    Loaded silent(none);
    EXPECT_EQ(silent.s().log, "");
    EXPECT_FALSE(silent.load.LogExplicit());
}

TEST(OptionLoad, DerivedValues) {
    OptionWorld world;
    world.drives.Write(
        "d/brenx.ini",
        "[brenx]\r\nsource=.\r\ndestination=e:\\bak+\\\r\nstartfile=d:\\a\\b\\\r\n"
        "fakeverify=F:\\\r\ncant_file=cant.lst\r\ntidy=tidy.exe\r\nprogram=run.exe\r\n"
        "pflag=e:\\flag\r\nsizeini=\\size.ini\r\nnoise=1\r\n");
    Loaded loaded(world);
    const JobSettings& s = loaded.s();
    EXPECT_EQ(s.source, "d:\\");
    EXPECT_EQ(s.destination, std::string("e:\\bak") + kStamp + "\\");
    EXPECT_EQ(s.dst_root, s.destination);
    EXPECT_EQ(s.startfile, "d:\\a\\b");
    EXPECT_EQ(s.fakeverify, "f:");
    EXPECT_EQ(loaded.load.CantFileNote(), " (cant_file:cant.lst)");
    EXPECT_EQ(s.tidy, "d:\\tidy.exe");
    EXPECT_EQ(s.program, "d:\\run.exe");
    EXPECT_EQ(s.pflag, "e:\\flag");
    EXPECT_EQ(s.sizeini, "\\size.ini");
    EXPECT_EQ(s.noise, "e:\\prog\\AIRNUKLD.WAV");

    OptionWorld jobList;
    jobList.drives.Write("d/brenx.ini", "[brenx]\r\nsource=@jobs.txt\r\n");
    Loaded jobListLoaded(jobList);
    EXPECT_TRUE(jobListLoaded.load.SpecMode());
    EXPECT_EQ(jobListLoaded.s().source, "@jobs.txt\\");
}

TEST(OptionLoad, NoiseSwitches) {
    OptionWorld off;
    off.drives.Write("d/brenx.ini", "[brenx]\r\nnoise=bell.wav\r\n");
    EXPECT_EQ(Loaded(off, {"-b-"}).s().noise, "");

    OptionWorld on;
    EXPECT_EQ(Loaded(on, {"-b"}).s().noise, "e:\\prog\\AIRNUKLD.WAV");

    OptionWorld named;
    named.drives.Write("d/brenx.ini", "[brenx]\r\nnoise=d:\\bell.wav\r\n");
    EXPECT_EQ(Loaded(named, {"-b"}).s().noise, "d:\\bell.wav");
}

TEST(OptionLoad, OddAndBrokenSettingsFiles) {
    OptionWorld odd;
    odd.drives.Write("d/brenx.ini",
                     "hidden=1\n; my settings\n  [ BRENX ]  ; the profile\n"
                     "\tRecurse = 1 \n  NewerOnly=0x0\nRandomTime = $1E\n"
                     "destination = \"e:\\my backup\\\"\nnonsense line\nrecurse=0");
    Loaded oddLoaded(odd);
    EXPECT_FALSE(oddLoaded.s().hidden);
    EXPECT_TRUE(oddLoaded.s().recurse);
    EXPECT_FALSE(oddLoaded.s().NewerOnly);
    EXPECT_EQ(oddLoaded.s().RandomTime, 30);
    EXPECT_EQ(oddLoaded.s().destination, "e:\\my backup\\");

    OptionWorld garbage;
    std::string bytes;
    for (int i = 0; i < 50000; ++i)
        bytes += static_cast<char>((i * 131 + 7) % 255 + 1);  // no NUL: that is no text
    bytes += "\n[brenx]\nrecurse=" + std::string(100000, '1') + "\nhidden=1\n";
    garbage.drives.Write("d/brenx.ini", bytes);
    Loaded garbageLoaded(garbage);
    EXPECT_FALSE(garbageLoaded.s().recurse);  // not a valid integer: the default
    EXPECT_TRUE(garbageLoaded.s().hidden);
    EXPECT_EQ(garbageLoaded.s().RandomWait, 240000000);

    OptionWorld directory;  // a directory where the file should be
    std::filesystem::create_directories(directory.drives.Host("d/brenx.ini"));
    Loaded notAFile(directory);
    EXPECT_TRUE(notAFile.s().NewerOnly);
}

// A settings file that is there but gives no settings is told; the run goes
// on with the built-in and command-line values. A missing one is no trouble.
TEST(OptionLoad, ASettingsFileThatGivesNoSettingsIsTold) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"[other]\r\nhidden=1\r\n", "has no [brenx] section"},
        {"\xFF\xFE[\0b\0]\0"s, "is UTF-16 text, which the program can't read"},
        {"[brenx]\r\nhidden=1\0\r\n"s, "is not text (it holds NUL bytes)"},
#ifndef _WIN32
        {"fifo", "can't be read (access denied)"},
#endif
    };
    for (const auto& [bytes, trouble] : cases) {
        OptionWorld world;
#ifndef _WIN32
        if (bytes == "fifo") {
            ASSERT_EQ(mkfifo(world.drives.Host("d/brenx.ini").c_str(), 0600), 0);
        }
#endif
        if (!bytes.empty() && bytes != "fifo") {
            world.drives.Write("d/brenx.ini", bytes);
        }
        Loaded loaded(world);
        EXPECT_EQ(loaded.load.SettingsWarning(),
                  trouble.empty() ? "" : "Settings file d:\\brenx.ini not used: it " + trouble);
        EXPECT_FALSE(loaded.s().hidden) << bytes;
    }
}

TEST(OptionLoad, SwitchesThatSkipTheSettingsFile) {
    OptionWorld crc;
    crc.drives.Write("d/brenx.ini", "[brenx]\r\nrecurse=0\r\nsource=e:\\x\r\n");
    Loaded crcLoaded(crc, {"-crc"});
    EXPECT_EQ(crcLoaded.s().source, "d:\\");
    EXPECT_EQ(crcLoaded.s().destination, "f:\\");
    EXPECT_EQ(crcLoaded.s().dst_root, "f:\\");
    EXPECT_TRUE(crcLoaded.s().recurse);
    EXPECT_EQ(crcLoaded.s().log, std::string("e:\\prog\\nocopy") + kStamp + ".bnx");
    EXPECT_FALSE(crcLoaded.load.LogExplicit());
    EXPECT_EQ(crcLoaded.load.SettingsFileState().ResolvedPath(), "");

    OptionWorld verify;
    verify.drives.Write("d/brenx.ini", "[brenx]\r\nfakeverify=q:\r\n");
    Loaded verifying(verify, {"-v::e:\\logs\\a.crc"});
    EXPECT_EQ(verifying.s().log, std::string("e:\\prog\\bv~") + kStamp + ".bnx");
    EXPECT_EQ(verifying.s().fakeverify, "");
    EXPECT_EQ(verifying.load.CommandLineState().verifyRoot, "e");
    EXPECT_TRUE(verifying.s().crc);
}

TEST(OptionLoad, RunsOnce) {
    OptionWorld world;
    world.drives.Write("d/brenx.ini", "[brenx]\r\ndestination=e:\\a+\r\n");
    Loaded loaded(world);
    const std::string destination = loaded.s().destination;
    loaded.load.LoadJobSettings();
    EXPECT_EQ(loaded.s().destination, destination);
    EXPECT_TRUE(loaded.load.Loaded());
}

}  // namespace
}  // namespace brenx::options
