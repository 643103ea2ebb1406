#include "copy/destination_name.h"

#include <gtest/gtest.h>

#include <string>

#include "copy/copy_world.h"
#include "platform/directory_search.h"
#include "support/path_names.h"
#include "support/utf8.h"

namespace brenx::copy {
namespace {

using testing::CopyWorld;

platform::SearchEntry Entry(const std::string& name,
                            std::uint32_t attributes = platform::kAttrArchive) {
    platform::SearchEntry entry;
    entry.name = name;
    entry.attributes = attributes;
    return entry;
}

std::string Letters(char first, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += static_cast<char>(first + i % 26);
    return text;
}

TEST(ShortenLongName, KeepsTheExtensionAndMarksTheCut) {
    CopyWorld world;
    // 66 characters of base and ".txt": 55 of them, "!", four letters, ".txt".
    const std::string base = Letters('a', 66);
    const std::string shortened = ShortenLongName(world.run, base + ".txt");
    EXPECT_EQ(shortened, base.substr(0, 55) + "!aawf.txt");  // the run's first random name
    EXPECT_EQ(shortened.size(), kCdrNameLimit);
    EXPECT_EQ(ShortenLongName(world.run, base + ".txt"), base.substr(0, 55) + "!hrie.txt");

    // A base under eight characters: the extension is cut instead.
    const std::string extension = Letters('k', 80);
    EXPECT_EQ(ShortenLongName(world.run, "abc." + extension),
              "abc." + extension.substr(0, 55) + "!jlcm");

    // The part between the first and the last dot is dropped.
    const std::string name = "abcdefghij." + Letters('a', 60) + ".tar.gz";
    const std::string dropped = ShortenLongName(world.run, name);
    EXPECT_EQ(dropped.substr(0, 1), "!");  // 10 - 14 - 5 characters of base: none
    EXPECT_EQ(dropped.substr(5), ".gz");

    // A very long extension still gives 64 characters at most.
    const std::string tooLong = ShortenLongName(world.run, "abcdefghij." + Letters('a', 90));
    EXPECT_EQ(support::Utf8Length(tooLong), kCdrNameLimit);
    EXPECT_EQ(tooLong.substr(0, 1), "!");
}

TEST(ShortenLongName, CountsCharactersNotBytes) {
    CopyWorld world;
    std::string base;
    for (int i = 0; i < 66; ++i)
        base += "\xC3\xA9";  // e acute
    const std::string shortened = ShortenLongName(world.run, base + ".txt");
    EXPECT_EQ(support::Utf8Length(shortened), kCdrNameLimit);
    EXPECT_EQ(shortened, base.substr(0, 110) + "!aawf.txt");
}

TEST(MakeDestinationName, ChangesNamesOnlyOnCdrMedia) {
    CopyWorld world;
    const std::string longName = Letters('a', 70) + ";1.txt";
    std::string newName;
    ASSERT_TRUE(MakeDestinationName(world.run, Entry(longName), newName));
    EXPECT_EQ(newName, longName);
    world.Settings().FixDotCrash = true;
    ASSERT_TRUE(MakeDestinationName(world.run, Entry(".profile"), newName));
    EXPECT_EQ(newName, ".profile");

    world.run.copySession.cdrMode = true;
    ASSERT_TRUE(MakeDestinationName(world.run, Entry("a;b.txt"), newName));
    EXPECT_EQ(newName, "a_b.txt");
    ASSERT_TRUE(MakeDestinationName(world.run, Entry(".profile"), newName));
    EXPECT_EQ(newName, std::string(support::kDotCrashPrefix) + ".profile");
    ASSERT_TRUE(MakeDestinationName(world.run, Entry(longName), newName));
    EXPECT_EQ(support::Utf8Length(newName), kCdrNameLimit);
    EXPECT_EQ(newName.find(';'), std::string::npos);

    // fixbig off: long names and semicolons stay; FixDotCrash off: dots stay.
    world.Settings().fixbig = false;
    world.Settings().FixDotCrash = false;
    ASSERT_TRUE(MakeDestinationName(world.run, Entry(longName), newName));
    EXPECT_EQ(newName, longName);
    ASSERT_TRUE(MakeDestinationName(world.run, Entry(".profile"), newName));
    EXPECT_EQ(newName, ".profile");
}

TEST(MakeDestinationName, ArconlyPassesOverFilesWithoutTheArchiveBit) {
    CopyWorld world;
    std::string newName;
    EXPECT_TRUE(MakeDestinationName(world.run, Entry("a.txt", 0), newName));
    world.Settings().arconly = true;
    EXPECT_FALSE(MakeDestinationName(world.run, Entry("a.txt", 0), newName));
    EXPECT_FALSE(MakeDestinationName(world.run, Entry("a.txt", platform::kAttrReadOnly), newName));
    EXPECT_TRUE(MakeDestinationName(world.run, Entry("a.txt"), newName));
    EXPECT_TRUE(MakeDestinationName(world.run, Entry("d", platform::kAttrDirectory), newName));
}

}  // namespace
}  // namespace brenx::copy
