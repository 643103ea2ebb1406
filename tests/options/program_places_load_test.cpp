// The option load with an installed program's places: the rules that name
// the program's directory find each kind of file in its own place.
#include <gtest/gtest.h>

#include "option_test_kit.h"
#include "options/option_load.h"

namespace brenx::options {
namespace {

using testing::kStamp;
using testing::OptionWorld;

platform::ProgramPlaces Installed() {
    platform::ProgramPlaces places("e:\\bin");
    places.resources = "e:\\share";
    places.logs = "e:\\state";
    places.placement = "e:\\config";
    places.settings = {"e:\\config", "e:\\etc"};
    return places;
}

struct InstalledLoad {
    explicit InstalledLoad(OptionWorld& world, std::vector<std::string> arguments = {})
        : load(world.drives.Fs(), world.op,
               OptionInputs{std::move(arguments), world.Environment(), Installed(), kStamp}) {
        load.LoadJobSettings();
    }
    const JobSettings& s() const { return load.Settings(); }
    const SettingsFile& file() const { return load.SettingsFileState(); }
    OptionLoad load;
};

TEST(InstalledPlaces, EachKindOfFileIsFoundInItsOwnPlace) {
    OptionWorld world;
    InstalledLoad loaded(world, {"-b"});
    EXPECT_EQ(loaded.file().ResolvedPath(), "e:\\config\\brenx.ini");
    EXPECT_FALSE(loaded.file().Existed());
    EXPECT_EQ(loaded.s().log, std::string("e:\\state\\df~_") + kStamp + ".bnx");
    EXPECT_FALSE(loaded.load.LogExplicit());
    EXPECT_EQ(loaded.s().sizeini, "e:\\config\\brenxsize.ini");
    EXPECT_EQ(loaded.s().helphtm, "e:\\share\\brenxhtm\\brenfrm.htm");
    EXPECT_EQ(loaded.s().noise, "e:\\share\\AIRNUKLD.WAV");
    EXPECT_EQ(loaded.load.ProgramDirectory(), "e:\\bin");
}

TEST(InstalledPlaces, TheUsersSettingsComeBeforeTheSystemsAndLogsNeverGoBesideThem) {
    OptionWorld system;
    system.Put("e/etc/brenx.ini", "[brenx]\r\nhidden=1\r\nlog=run+.log\r\n");
    InstalledLoad fromSystem(system);
    EXPECT_EQ(fromSystem.file().ResolvedPath(), "e:\\etc\\brenx.ini");
    EXPECT_TRUE(fromSystem.file().Existed());
    EXPECT_TRUE(fromSystem.s().hidden);
    EXPECT_EQ(fromSystem.s().log, std::string("e:\\state\\run") + kStamp + ".log");

    OptionWorld both;
    both.Put("e/etc/brenx.ini", "[brenx]\r\nhidden=1\r\n");
    both.Put("e/config/brenx.ini", "[brenx]\r\nrecurse=1\r\n");
    InstalledLoad fromUser(both);
    EXPECT_EQ(fromUser.file().ResolvedPath(), "e:\\config\\brenx.ini");
    EXPECT_TRUE(fromUser.s().recurse);
    EXPECT_FALSE(fromUser.s().hidden);
    EXPECT_EQ(fromUser.s().log, std::string("e:\\state\\df~_") + kStamp + ".bnx");
}

TEST(InstalledPlaces, ASettingsFileTheUserNamesKeepsItsLogBesideIt) {
    OptionWorld current;
    current.Put("d/brenx.ini", "[brenx]\r\nrecurse=1\r\n");
    current.Put("e/config/brenx.ini", "[brenx]\r\nhidden=1\r\n");
    InstalledLoad here(current);
    EXPECT_EQ(here.file().ResolvedPath(), "d:\\brenx.ini");
    EXPECT_EQ(here.s().log, std::string("d:\\df~_") + kStamp + ".bnx");

    OptionWorld named;
    named.Put("d/cfg/my.ini", "[brenx]\r\nrecurse=1\r\n");
    InstalledLoad given(named, {"-i+d:\\cfg\\my.ini"});
    EXPECT_TRUE(given.s().recurse);
    EXPECT_EQ(given.s().log, std::string("d:\\cfg\\df~_") + kStamp + ".bnx");

    // Without a settings file the log has no file to lie beside.
    OptionWorld none;
    none.Put("d/brenx.ini", "[brenx]\r\n");
    EXPECT_EQ(InstalledLoad(none, {"-x"}).s().log,
              std::string("e:\\state\\df~_") + kStamp + ".bnx");
}

}  // namespace
}  // namespace brenx::options
