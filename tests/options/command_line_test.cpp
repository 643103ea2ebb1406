#include "options/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "option_test_kit.h"

namespace brenx::options {
namespace {

using testing::OptionWorld;

TEST(CommandLine, PlainArgumentsBecomeFullPathsInTheirRoles) {
    OptionWorld world;
    std::filesystem::create_directories(world.drives.Host("d/photos"));
    const CommandLine line =
        world.Parse({"photos", world.drives.Host("e/backup"), "third", "fourth"});
    EXPECT_EQ(line.settings.source, "d:\\photos");
    EXPECT_EQ(line.settings.destination, "E:\\backup");
    EXPECT_TRUE(line.marks.source);
    EXPECT_TRUE(line.marks.destination);

    const CommandLine host = world.Parse({"/nonexistent-brenx/x/y", "e:\\a\\..\\b"});
#ifdef _WIN32
    // One slash starts at the root of the current drive.
    EXPECT_EQ(host.settings.source, "d:\\nonexistent-brenx\\x\\y");
#else
    // A host path under no mapped drive goes through c:, which is "/".
    EXPECT_EQ(host.settings.source, "C:\\nonexistent-brenx\\x\\y");
#endif
    EXPECT_EQ(host.settings.destination, "e:\\b");
}

TEST(CommandLine, EmptyArgumentKeepsItsPlace) {
    OptionWorld world;
    const CommandLine line = world.Parse({"%UNSET%", "e:\\dst"});
    EXPECT_EQ(line.settings.source, "");
    EXPECT_TRUE(line.marks.source);
    EXPECT_EQ(line.settings.destination, "e:\\dst");

    world.environment["SRC"] = "d:\\from";
    const CommandLine expanded = world.Parse({"%SRC%\\sub", "100%%"});
    EXPECT_EQ(expanded.settings.source, "d:\\from\\sub");
    EXPECT_EQ(expanded.settings.destination, "d:\\100%");
}

TEST(CommandLine, ChecksumOnlyRunAndLaterSwitches) {
    OptionWorld world;
    const CommandLine crc = world.Parse({"-crc", "-t-", "d:\\ignored"});
    EXPECT_TRUE(crc.settings.crc_only);
    EXPECT_TRUE(crc.settings.crc);
    EXPECT_FALSE(crc.settings.nocopy);  // the later -t- wins
    EXPECT_TRUE(crc.settings.recurse);
    EXPECT_FALSE(crc.settings.FixDotCrash);
    EXPECT_EQ(crc.settings.NotCDR, kAllDriveLetters);
    EXPECT_EQ(crc.settings.source, ".");
    EXPECT_EQ(crc.settings.destination, "f:\\");
    EXPECT_EQ(crc.settings.log, "nocopy+.bnx");
    EXPECT_TRUE(crc.settings.nosettings);

    const CommandLine withDirectory = world.Parse({"-crc:d:\\tree", "-t"});
    EXPECT_EQ(withDirectory.settings.source, "d:\\tree\\");
    EXPECT_EQ(withDirectory.settings.log, "d:\\tree\\nocopy+.bnx");
    EXPECT_TRUE(withDirectory.settings.nocopy);
    EXPECT_EQ(world.Parse({"-crcxyz"}).settings.source, ".");
    // A plain argument before -crc is overridden by it.
    EXPECT_EQ(world.Parse({"d:\\x", "-crc"}).settings.source, ".");
    // -c with a name is the cant_file, not -crc.
    EXPECT_EQ(world.Parse({"-ccant.txt"}).settings.cant_file, "cant.txt");
    EXPECT_FALSE(world.Parse({"-ccant.txt"}).settings.crc_only);
}

TEST(CommandLine, SwitchLettersAndSlashes) {
    OptionWorld world;
    const CommandLine line = world.Parse({"/s", "-S", "-Lrun.txt", "-h", "-d", "-a", "-x", "-r",
                                          "-n", "-eprofile", "-fE:\\", "-pprog.exe", "-~"});
    EXPECT_TRUE(line.settings.recurse);
    EXPECT_TRUE(line.marks.recurse);
    EXPECT_EQ(line.settings.log, "run.txt");
    EXPECT_TRUE(line.marks.log);
    EXPECT_TRUE(line.settings.hidden);
    EXPECT_TRUE(line.settings.dst_drive_dir);
    EXPECT_TRUE(line.settings.arconly && line.marks.arconly);
    EXPECT_TRUE(line.settings.nosettings);
    EXPECT_TRUE(line.settings.noprompt && line.marks.noprompt);
    EXPECT_TRUE(line.settings.noskipmsg && line.marks.noskipmsg);
    EXPECT_EQ(line.settingsSection, "profile");
    EXPECT_EQ(line.settings.fakeverify, "E:\\");
    EXPECT_EQ(line.settings.program, "prog.exe");
    EXPECT_TRUE(line.marks.program);
    EXPECT_TRUE(line.settings.cant_all);
    EXPECT_TRUE(line.settings.source.empty());  // no switch was taken as a path

    EXPECT_EQ(world.Parse({"-lrun.txt"}).settings.log, "run.txt");
    EXPECT_TRUE(world.Parse({"-m"}).settings.arconly);
    EXPECT_EQ(world.Parse({"-~_~"}).settings.cant_skip, "_~");
    EXPECT_FALSE(world.Parse({"-~_~"}).settings.cant_all);
    const CommandLine readOnly = world.Parse({"-readonlyXYZ"});
    EXPECT_TRUE(readOnly.settings.ReadOnly && readOnly.settings.atts);
    EXPECT_FALSE(readOnly.settings.noprompt);

    // "/" followed by a host path is a path, not a switch.
    std::filesystem::create_directories(world.drives.Host("d/home"));
    const CommandLine hostPath = world.Parse({world.drives.Host("d/home"), "-s"});
    EXPECT_EQ(hostPath.settings.source, "D:\\home");
    EXPECT_FALSE(hostPath.settings.hidden);
    const CommandLine sayHelp = world.Parse({"/?"});
    EXPECT_TRUE(sayHelp.settings.asked_help);
    EXPECT_TRUE(world.Parse({"a?"}).settings.asked_help);
    EXPECT_FALSE(world.Parse({"ab?"}).settings.asked_help);
    const CommandLine single = world.Parse({"-", "/"});
    EXPECT_EQ(single.settings.source, "d:\\-");
#ifdef _WIN32
    EXPECT_EQ(single.settings.destination, "d:\\");
#else
    EXPECT_EQ(single.settings.destination, "C:\\");
#endif
}

TEST(CommandLine, NotCdrAndNoiseMarks) {
    OptionWorld world;
    const CommandLine letters = world.Parse({"-notcdr:CDE"});
    EXPECT_EQ(letters.settings.NotCDR, "CDE");
    EXPECT_TRUE(letters.marks.NotCDR);
    EXPECT_FALSE(letters.marks.FixDotCrash);
    EXPECT_FALSE(letters.settings.noskipmsg);

    const CommandLine all = world.Parse({"-notcdr"});
    EXPECT_EQ(all.settings.NotCDR, kAllDriveLetters);
    EXPECT_FALSE(all.settings.FixDotCrash);
    EXPECT_TRUE(all.marks.FixDotCrash);

    EXPECT_TRUE(world.Parse({"-b"}).marks.noiseOn);
    const CommandLine offThenOn = world.Parse({"-b-", "-b"});
    EXPECT_TRUE(offThenOn.marks.noiseOn);
    EXPECT_FALSE(offThenOn.marks.noiseOff);
    const CommandLine onThenOff = world.Parse({"-b", "-b-"});
    EXPECT_FALSE(onThenOff.marks.noiseOn);
    EXPECT_TRUE(onThenOff.marks.noiseOff);
}

TEST(CommandLine, VerifyWithOneOrTwoColons) {
    OptionWorld world;
    const CommandLine plain = world.Parse({"-vd:\\a.crc"});
    EXPECT_EQ(plain.settings.verify, "d:\\a.crc");
    EXPECT_TRUE(plain.marks.verify);
    EXPECT_FALSE(plain.settings.nosettings);
    EXPECT_EQ(plain.settings.log, "df~_+.bnx");
    EXPECT_EQ(plain.verifyRoot, "");

    const CommandLine one = world.Parse({"-v:a.crc"});
    EXPECT_EQ(one.settings.verify, "a.crc");
    EXPECT_TRUE(one.settings.nosettings);
    EXPECT_EQ(one.settings.log, "bv~+.bnx");
    EXPECT_EQ(one.verifyRoot, "");

    const CommandLine two = world.Parse({"-v::e:\\logs\\a.crc"});
    EXPECT_EQ(two.settings.verify, "e:\\logs\\a.crc");
    EXPECT_EQ(two.verifyRoot, "e");
    EXPECT_TRUE(two.settings.nosettings);
    EXPECT_EQ(two.settings.log, "bv~+.bnx");

    EXPECT_EQ(world.Parse({"-v::a.crc"}).verifyRoot, "d");  // the current directory's drive
#ifndef _WIN32
    // A host path gets its Windows name (on Windows it has one already).
    const CommandLine host = world.Parse({"-v::" + world.drives.Host("e/a.crc")});
    EXPECT_EQ(host.settings.verify, "E:\\a.crc");
    EXPECT_EQ(host.verifyRoot, "E");
#endif
}

TEST(CommandLine, SettingsFileSwitch) {
    OptionWorld world;
    std::filesystem::create_directories(world.drives.Host("e/cfg"));
    world.drives.Write("e/cfg/my.ini", "[brenx]\r\n");

    const CommandLine moves = world.Parse({"-ie:\\cfg\\my.ini"});
    EXPECT_EQ(moves.settingsFileName, "e:\\cfg\\my.ini");
    EXPECT_FALSE(moves.settings.settings_missing);
    EXPECT_EQ(world.drives.Fs().CurrentDirectory(), "e:\\cfg");

    world.drives.Fs().SetCurrentDirectory("d:\\");
    const CommandLine stays = world.Parse({"-i+e:\\cfg\\my.ini"});
    EXPECT_EQ(stays.settingsFileName, "e:\\cfg\\my.ini");
    EXPECT_EQ(world.drives.Fs().CurrentDirectory(), "d:\\");

    world.op.ExpectError("nothere.ini doesn't exist!");
    EXPECT_TRUE(world.Parse({"-inothere.ini"}).settings.settings_missing);
    world.op.ExpectScriptDone();

    world.op.ExpectError(
        "Couldn't make e:\\gone\\ the current directory for the settings file "
        "e:\\gone\\my.ini!");
    world.op.ExpectError("e:\\gone\\my.ini doesn't exist!");
    EXPECT_TRUE(world.Parse({"-ie:\\gone\\my.ini"}).settings.settings_missing);
}

}  // namespace
}  // namespace brenx::options
