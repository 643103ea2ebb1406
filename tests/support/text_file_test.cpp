#include "support/text_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/memory_stream.h"
#include "support/utf8.h"

namespace brenx::support {
namespace {

const std::string kE = "\xC3\xA9";  // é, two bytes

TEST(ReadTextLine, LinesEndAtCarriageReturn) {
    MemoryStream file("first\r\nsecond\r\n\r\nlast");
    std::string line;
    EXPECT_TRUE(ReadTextLine(file, line));
    EXPECT_EQ(line, "first");
    // The stream stands right after the carriage return; the line feed is
    // skipped by the next call.
    EXPECT_EQ(FilePosition(file), 6);
    EXPECT_TRUE(ReadTextLine(file, line));
    EXPECT_EQ(line, "second");
    EXPECT_TRUE(ReadTextLine(file, line));
    EXPECT_EQ(line, "");
    // The last line has no carriage return: false, its characters left.
    EXPECT_FALSE(ReadTextLine(file, line));
    EXPECT_EQ(line, "last");
    EXPECT_FALSE(ReadTextLine(file, line));
    EXPECT_EQ(line, "");
}

TEST(ReadTextLine, LongLinesComeInPiecesOf401) {
    MemoryStream file(std::string(1000, 'a') + "\r\n");
    std::string line;
    EXPECT_TRUE(ReadTextLine(file, line));
    EXPECT_EQ(line.size(), 401u);
    EXPECT_EQ(FilePosition(file), 401);
    EXPECT_TRUE(ReadTextLine(file, line));
    EXPECT_EQ(line.size(), 401u);
    EXPECT_TRUE(ReadTextLine(file, line));
    EXPECT_EQ(line.size(), 198u);
    EXPECT_FALSE(ReadTextLine(file, line));
    EXPECT_EQ(line, "");

    // A line of exactly 401 characters is followed by an empty piece.
    MemoryStream exact(std::string(401, 'b') + "\r\nc\r\n");
    EXPECT_TRUE(ReadTextLine(exact, line));
    EXPECT_EQ(line, std::string(401, 'b'));
    EXPECT_TRUE(ReadTextLine(exact, line));
    EXPECT_EQ(line, "");
    EXPECT_TRUE(ReadTextLine(exact, line));
    EXPECT_EQ(line, "c");
}

TEST(ReadTextLine, LineFeedsAloneDoNotEndALine) {
    std::string content;
    for (int i = 0; i < 100; ++i)
        content += "line " + std::to_string(1000 + i) + "\n";
    MemoryStream file(content);
    std::string line;
    EXPECT_TRUE(ReadTextLine(file, line));
    EXPECT_EQ(line.size(), 401u);
    EXPECT_EQ(line.substr(0, 20), "line 1000line 1001li");
    EXPECT_TRUE(ReadTextLine(file, line));
    EXPECT_EQ(line.size(), 401u);
    EXPECT_FALSE(ReadTextLine(file, line));
    EXPECT_EQ(line.size(), 98u);
    EXPECT_EQ(line.find('\n'), std::string::npos);
}

TEST(ReadTextLine, PiecesCountCharactersAndNeverSplitOne) {
    // The 401st character is two bytes: the piece takes both.
    MemoryStream file(std::string(400, 'a') + kE + "b\r\n");
    std::string line;
    EXPECT_TRUE(ReadTextLine(file, line));
    EXPECT_EQ(line, std::string(400, 'a') + kE);
    EXPECT_EQ(FilePosition(file), 402);
    EXPECT_TRUE(ReadTextLine(file, line));
    EXPECT_EQ(line, "b");

    std::string accented;
    for (int i = 0; i < 401; ++i)
        accented += kE;
    MemoryStream wide(accented + "z\r");
    EXPECT_TRUE(ReadTextLine(wide, line));
    EXPECT_EQ(line, accented);
    EXPECT_TRUE(ReadTextLine(wide, line));
    EXPECT_EQ(line, "z");

    // A line feed inside a sequence is skipped like any other.
    MemoryStream split(std::string(400, 'a') + "\xE2\n\x82\xAC" + "b\r");
    EXPECT_TRUE(ReadTextLine(split, line));
    EXPECT_EQ(line, std::string(400, 'a') + "\xE2\x82\xAC");
    EXPECT_TRUE(ReadTextLine(split, line));
    EXPECT_EQ(line, "b");
}

// Each byte of a sequence cut short is one character, as Utf8Length counts
// it, so a piece never holds more than 401: what a cut sequence takes past
// that goes back to the stream and begins the next piece.
TEST(ReadTextLine, CutSequencesCountEachByte) {
    struct Case {
        const char* what;
        std::string input;
        std::vector<std::string> pieces;  // the true results, then the false one
        std::int64_t positionAfterFirst;
    };
    const std::string a400(400, 'a');
    const Case cases[] = {
        {"cut by an ASCII byte", a400 + "\xE2" + "bc\r", {a400 + "\xE2", "bc", ""}, 401},
        {"cut after a continuation byte",
         std::string(399, 'a') + "\xE2\x82" + "b\r",
         {std::string(399, 'a') + "\xE2\x82", "b", ""},
         401},
        {"cut by the line end", a400 + "\xE2\x82\r", {a400 + "\xE2", "\x82", ""}, 401},
        {"cut by the end of the file", a400 + "\xF0\x9F\x98", {a400 + "\xF0", "\x9F\x98"}, 401},
        {"cut across a line feed", a400 + "\xE2\nx\r", {a400 + "\xE2", "x", ""}, 401},
        {"cut by a new lead byte", a400 + "\xE2\xC3\xA9\r", {a400 + "\xE2", "\xC3\xA9", ""}, 401},
    };
    for (const Case& c : cases) {
        MemoryStream file(c.input);
        std::string line;
        for (std::size_t i = 0; i < c.pieces.size(); ++i) {
            const bool last = i + 1 == c.pieces.size();
            EXPECT_EQ(ReadTextLine(file, line), !last) << c.what << ", piece " << i;
            EXPECT_EQ(line, c.pieces[i]) << c.what << ", piece " << i;
            EXPECT_LE(Utf8Length(line), kMaxLinePiece) << c.what;
            if (i == 0) {
                EXPECT_EQ(FilePosition(file), c.positionAfterFirst) << c.what;
            }
        }
    }
}

TEST(ReadWholeLine, LinesOfAnyLengthComeWhole) {
    const std::string name = "|e:\\" + std::string(5000, 'n') + "|1A2B";
    MemoryStream file(name + "\r\nsecond\nline\r\n" + std::string(50, 'x'));
    std::string line;
    EXPECT_TRUE(ReadWholeLine(file, line, 1 << 20));
    EXPECT_EQ(line, name);
    // A bare line feed is dropped; only a carriage return ends a line.
    EXPECT_TRUE(ReadWholeLine(file, line, 1 << 20));
    EXPECT_EQ(line, "secondline");
    // Past the kept length the rest of the line is read and dropped.
    EXPECT_FALSE(ReadWholeLine(file, line, 20));
    EXPECT_EQ(line, std::string(20, 'x'));
    EXPECT_EQ(FilePosition(file), static_cast<std::int64_t>(file.Bytes().size()));
    EXPECT_FALSE(ReadWholeLine(file, line, 20));
    EXPECT_EQ(line, "");
}

TEST(ReadTextLine, FailedReadEndsTheInput) {
    MemoryStream file("abcdef\r\nmore\r\n");
    file.FailReadsFrom(3);
    std::string line = "stale";
    EXPECT_FALSE(ReadTextLine(file, line));
    EXPECT_EQ(line, "abc");
    EXPECT_FALSE(ReadTextLine(file, line));
    EXPECT_EQ(line, "");
}

TEST(ReadSpecLine, ExpandsOnlyWhenEvarizeIsOn) {
    const EnvironmentLookup lookup = [](const std::string& name) {
        return name == "SRC" ? std::string("c:\\data") : std::string();
    };
    MemoryStream file("%SRC%|s\r\n%SRC%\\%NOPE%|a\r\n%SRC%");
    std::string line;
    EXPECT_TRUE(ReadSpecLine(file, line, false, lookup));
    EXPECT_EQ(line, "%SRC%|s");
    EXPECT_TRUE(ReadSpecLine(file, line, true, lookup));
    EXPECT_EQ(line, "c:\\data\\|a");
    EXPECT_FALSE(ReadSpecLine(file, line, true, lookup));
    EXPECT_EQ(line, "c:\\data");
}

TEST(WriteFormatted, WritesUpTo2000Characters) {
    MemoryStream file;
    EXPECT_EQ(WriteFormatted(file, "%s", {std::string(2000, 'x')}), 2000);
    EXPECT_EQ(file.Bytes(), std::string(2000, 'x'));
    EXPECT_EQ(WriteFormatted(file, "%s", {std::string(2001, 'y')}), -1);
    EXPECT_EQ(file.Bytes().size(), 2000u);
    // A "%" in the message is written as it is; no line end is added.
    EXPECT_EQ(WriteFormatted(file, "%s\r\n", {"50%d"}), 6);
    EXPECT_EQ(file.Bytes().substr(2000), "50%d\r\n");
    EXPECT_EQ(WriteFormatted(file, ""), 0);

    // The limit counts characters: 2000 two-byte characters are written.
    std::string accented;
    for (int i = 0; i < 2000; ++i)
        accented += kE;
    MemoryStream wide;
    EXPECT_EQ(WriteFormatted(wide, "%s", {accented}), 4000);
    EXPECT_EQ(WriteFormatted(wide, "%s!", {accented}), -1);
    EXPECT_EQ(wide.Bytes().size(), 4000u);
}

TEST(WriteFormatted, ShortAndFailedWrites) {
    MemoryStream shortFile;
    shortFile.LimitWrites(10);
    EXPECT_EQ(WriteFormatted(shortFile, "|%s|%x\r\n", {"e:\\data\\a.txt", 0xABCDu}), -1);
    EXPECT_EQ(shortFile.Bytes(), "|e:\\data\\a");  // the written part stays
    EXPECT_EQ(WriteFormatted(shortFile, "x"), -1);

    MemoryStream failing;
    failing.FailWrites();
    EXPECT_EQ(WriteFormatted(failing, "x"), -1);

    // A format fault writes the report in place of the text.
    MemoryStream file;
    const int written = WriteFormatted(file, "%d", {"text"});
    EXPECT_EQ(written, static_cast<int>(file.Bytes().size()));
    EXPECT_EQ(file.Bytes().rfind("Format() error in program!\r\n", 0), 0u);
}

}  // namespace
}  // namespace brenx::support
