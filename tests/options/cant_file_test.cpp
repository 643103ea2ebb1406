#include "options/cant_file.h"

#include <gtest/gtest.h>

#include "platform/temp_drives.h"

namespace brenx::options {
namespace {

TEST(CantFile, PatternsOfTheListMatchNamesInTheDirectory) {
    platform::testing::TempDrives drives;
    drives.Write("d/Report.DOC", "x");
    drives.Write("d/data.bin", "x");
    drives.Write("d/notes.txt", "x");
    drives.Write("d/cant.lst", "; files we may lose\r\n\r\n   *.doc  \r\n  ;data.bin\nnot*");
    JobSettings settings;
    EXPECT_FALSE(IsListedInCantFile(drives.Fs(), settings, "d:\\", "report.doc"));

    settings.cant_file = "cant.lst";
    EXPECT_TRUE(IsListedInCantFile(drives.Fs(), settings, "d:\\", "report.doc"));
    EXPECT_TRUE(IsListedInCantFile(drives.Fs(), settings, "d:\\", "REPORT.doc"));
    EXPECT_FALSE(IsListedInCantFile(drives.Fs(), settings, "d:\\", "data.bin"));
    // The last line has no line end and counts all the same.
    EXPECT_TRUE(IsListedInCantFile(drives.Fs(), settings, "d:\\", "notes.txt"));
    // A name the pattern would match but that is not in the directory.
    EXPECT_FALSE(IsListedInCantFile(drives.Fs(), settings, "d:\\", "other.doc"));

    settings.cant_file = "missing.lst";
    EXPECT_FALSE(IsListedInCantFile(drives.Fs(), settings, "d:\\", "report.doc"));
}

TEST(CantFile, GarbageListIsHarmless) {
    platform::testing::TempDrives drives;
    drives.Write("d/a.txt", "x");
    std::string garbage;
    for (int i = 0; i < 100000; ++i)
        garbage += static_cast<char>((i * 31 + 3) % 256);
    drives.Write("d/cant.lst", garbage + "\r\n" + std::string(5000, '?'));
    JobSettings settings;
    settings.cant_file = "cant.lst";
    EXPECT_FALSE(IsListedInCantFile(drives.Fs(), settings, "d:\\", "zzz.txt"));
}

}  // namespace
}  // namespace brenx::options
