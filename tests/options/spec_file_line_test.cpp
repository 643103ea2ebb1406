#include "options/spec_file_line.h"

#include <gtest/gtest.h>

#include "options/job_settings.h"

namespace brenx::options {
namespace {

TEST(SpecLetters, SetClearAndBadLetters) {
    EXPECT_EQ(ParseSpecLetters("", 0), 0);
    EXPECT_EQ(ParseSpecLetters("s", 0), kSpecRecurse);
    EXPECT_EQ(ParseSpecLetters("sa", 0), kSpecRecurse | kSpecArchiveOnly);
    EXPECT_EQ(ParseSpecLetters("d", 0), kSpecDestination);
    EXPECT_EQ(ParseSpecLetters("k", 0), kSpecDestinationKey);
    EXPECT_EQ(ParseSpecLetters("x", 0), kSpecSourceKey);
    // Letters start from the default flags; "-" clears one.
    EXPECT_EQ(ParseSpecLetters("s-", kSpecRecurse), 0);
    EXPECT_EQ(ParseSpecLetters("s-a", kSpecRecurse), kSpecArchiveOnly);
    EXPECT_EQ(ParseSpecLetters("a", kSpecRecurse), kSpecRecurse | kSpecArchiveOnly);
    EXPECT_EQ(ParseSpecLetters("a-", kSpecRecurse | kSpecArchiveOnly), kSpecRecurse);
    // Anything outside the table is a bad letter: capitals, blanks, a "-" alone.
    EXPECT_EQ(ParseSpecLetters("S", 0), kSpecBadLetter);
    EXPECT_EQ(ParseSpecLetters("s ", 0), kSpecRecurse | kSpecBadLetter);
    EXPECT_EQ(ParseSpecLetters("-", 0), kSpecBadLetter);
    // A bad letter takes its "-" with it, so the next letter still counts.
    EXPECT_EQ(ParseSpecLetters("q-s", 0), kSpecBadLetter | kSpecRecurse);
    EXPECT_EQ(ParseSpecLetters("--", kSpecRecurse), kSpecRecurse | kSpecBadLetter);
    // A bad bit already in the defaults stays.
    EXPECT_EQ(ParseSpecLetters("s", kSpecBadLetter), kSpecBadLetter | kSpecRecurse);
}

TEST(SpecDestination, NetworkPathsByStyle) {
    const std::string path = "\\\\srv\\share\\dir\\";
    EXPECT_EQ(MapSpecDestination("d:\\b", path, kNetworkStyleFull, false),
              "d:\\b\\srv\\share\\dir\\");
    EXPECT_EQ(MapSpecDestination("d:\\b", path, kNetworkStyleTwo, false), "d:\\b\\share\\dir\\");
    EXPECT_EQ(MapSpecDestination("d:\\b", path, kNetworkStyleRest, false), "d:\\b\\dir\\");
    // The share root itself, and paths too short for a style.
    EXPECT_EQ(MapSpecDestination("d:\\b", "\\\\srv\\share\\", kNetworkStyleRest, false), "d:\\b\\");
    EXPECT_EQ(MapSpecDestination("d:\\b", "\\\\srv\\share", kNetworkStyleRest, false),
              "d:\\b\\\\srv\\share");
    EXPECT_EQ(MapSpecDestination("d:\\b", "\\\\srv", kNetworkStyleTwo, false), "d:\\b\\srv");
    // The drive option has no effect on network paths.
    EXPECT_EQ(MapSpecDestination("d:\\b", path, kNetworkStyleTwo, true), "d:\\b\\share\\dir\\");
}

TEST(SpecDestination, DrivePathsAndOthers) {
    EXPECT_EQ(MapSpecDestination("d:\\backup", "c:\\data\\", kNetworkStyleTwo, false),
              "d:\\backup\\data\\");
    EXPECT_EQ(MapSpecDestination("d:\\backup", "c:\\data\\", kNetworkStyleTwo, true),
              "d:\\backup\\c\\data\\");
    EXPECT_EQ(MapSpecDestination("d:\\backup", "C:\\data\\", kNetworkStyleTwo, true),
              "d:\\backup\\C\\data\\");
    EXPECT_EQ(MapSpecDestination("d:\\backup", "c:\\", kNetworkStyleTwo, false), "d:\\backup\\");
    EXPECT_EQ(MapSpecDestination("d:\\backup", "\\data\\", kNetworkStyleTwo, true),
              "d:\\backup\\data\\");
    EXPECT_EQ(MapSpecDestination("d:\\backup", "data\\", kNetworkStyleTwo, false),
              "d:\\backup\\data\\");
    EXPECT_EQ(MapSpecDestination("d:\\backup", "c:data\\", kNetworkStyleTwo, true),
              "d:\\backup\\c:data\\");
}

}  // namespace
}  // namespace brenx::options
