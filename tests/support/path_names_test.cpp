#include "support/path_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/utf8.h"

namespace brenx::support {
namespace {

using Pieces = std::vector<std::string>;

std::string Ensured(std::string path) {
    EnsureTrailingBackslash(path);
    return path;
}

std::string Resolved(void (*resolve)(std::string&, std::string_view), std::string name,
                     const std::string& directory) {
    resolve(name, directory);
    return name;
}

std::string Beside(const std::string& file, std::string name) {
    ResolveBesideFile(file, name);
    return name;
}

// True when every multi-byte sequence in the text is complete.
bool IsWholeUtf8(const std::string& text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (at + length > text.size()) return false;
        for (std::size_t i = 1; i < length; ++i) {
            if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return false;
        }
        at += length;
    }
    return true;
}

std::string Repeat(const std::string& unit, int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += unit;
    return text;
}

TEST(PathNames, TrailingBackslashFamily) {
    EXPECT_EQ(Ensured("C:\\dir"), "C:\\dir\\");
    EXPECT_EQ(Ensured("C:\\dir\\"), "C:\\dir\\");
    EXPECT_EQ(Ensured("C:\\dir\\\\"), "C:\\dir\\\\");
    EXPECT_EQ(Ensured(""), "\\");

    std::string path = "C:\\dir\\\\";
    StripTrailingBackslash(path);
    EXPECT_EQ(path, "C:\\dir\\");

    path.clear();
    EnsureTrailingBackslashIfSet(path);
    EXPECT_EQ(path, "");
    path = "d:";
    EnsureTrailingBackslashIfSet(path);
    EXPECT_EQ(path, "d:\\");

    const std::string original = "C:\\dir";
    EXPECT_EQ(WithTrailingBackslash(original), "C:\\dir\\");
    EXPECT_EQ(original, "C:\\dir");
}

TEST(PathNames, JoinPathKeepsNamesWithPathSyntax) {
    EXPECT_EQ(JoinPath("C:\\dir", "a.txt"), "C:\\dir\\a.txt");
    EXPECT_EQ(JoinPath("C:\\dir\\", "a.txt"), "C:\\dir\\a.txt");
    EXPECT_EQ(JoinPath("C:\\dir", "D:a.txt"), "D:a.txt");
    EXPECT_EQ(JoinPath("C:\\dir", "sub\\a.txt"), "sub\\a.txt");
    EXPECT_TRUE(HasWildcard("*.txt"));
    EXPECT_TRUE(HasWildcard("a?c"));
    EXPECT_FALSE(HasWildcard("C:\\dir\\a.txt"));
}

TEST(PathNames, ResolvingLeavesEmptyAndPathNamesAlone) {
    const std::string work = "E:\\work\\";
    EXPECT_EQ(Resolved(ResolveBareName, "brenx.ini", work), "E:\\work\\brenx.ini");
    EXPECT_EQ(Resolved(ResolveBareName, "", work), "");
    EXPECT_EQ(Resolved(ResolveBareName, "C:brenx.ini", work), "C:brenx.ini");

    EXPECT_EQ(Beside("E:\\jobs\\first.spc", "next.spc"), "E:\\jobs\\next.spc");
    EXPECT_EQ(Beside("E:first.spc", "next.spc"), "E:next.spc");
    EXPECT_EQ(Beside("first.spc", "next.spc"), "next.spc");
    EXPECT_EQ(Beside("E:\\jobs\\first.spc", "sub\\next.spc"), "sub\\next.spc");
    EXPECT_EQ(Beside("E:\\jobs\\first.spc", ""), "");
}

TEST(PathNames, ProgramRelativeNames) {
    const std::string program = "C:\\prog\\";
    const auto resolve = ResolveProgramRelativeName;
    EXPECT_EQ(Resolved(resolve, "\\sound.wav", program), "\\sound.wav");
    EXPECT_EQ(Resolved(resolve, "C:sound.wav", program), "C:sound.wav");
    EXPECT_EQ(Resolved(resolve, "sounds\\a.wav", program), "C:\\prog\\sounds\\a.wav");
    EXPECT_EQ(Resolved(resolve, "a.wav", program), "C:\\prog\\a.wav");
    EXPECT_EQ(Resolved(resolve, "", program), "");
}

TEST(PathNames, RootLengthOfDriveAndNetworkPaths) {
    EXPECT_EQ(RootLength("C:\\dir\\file"), 3u);
    EXPECT_EQ(RootLength("C:"), 2u);
    EXPECT_EQ(RootLength("dir"), 3u);
    EXPECT_EQ(RootLength(""), 0u);
    EXPECT_EQ(RootLength("\\dir"), 1u);
    EXPECT_EQ(RootLength("\\\\server"), 1u);
    EXPECT_EQ(RootLength("\\\\server\\share"), 0u);
    EXPECT_EQ(RootLength("\\\\server\\share\\"), 15u);
    EXPECT_EQ(RootLength("\\\\server\\share\\dir\\x"), 15u);

    EXPECT_EQ(PathRoot("C:\\dir\\file"), "C:\\");
    EXPECT_EQ(PathRoot("\\\\server\\share\\dir"), "\\\\server\\share\\");
    EXPECT_EQ(PathRoot("C:"), "C:");
    EXPECT_EQ(PathRoot("\\\\server\\share"), "");
}

TEST(PathNames, RootOfNetworkPathWithFarShareEndIsWhole) {
    const std::string root = "\\\\" + std::string(300, 's') + "\\" + std::string(300, 'h') + "\\";
    EXPECT_EQ(PathRoot(root + "dir\\file"), root);
}

TEST(PathNames, ForceDirectoryPiecesWithAndWithoutDotRule) {
    Pieces pieces;
    EXPECT_TRUE(ForceDirectoryPieces("E:\\work\\.old\\new", false, pieces));
    EXPECT_EQ(pieces, (Pieces{"E:\\", "work\\", ".old\\", "new"}));
    EXPECT_TRUE(ForceDirectoryPieces("E:\\work\\.old\\new", true, pieces));
    EXPECT_EQ(pieces, (Pieces{"E:\\", "work\\", "\xC3\x9F.old\\", "new"}));
    EXPECT_TRUE(ForceDirectoryPieces("\\\\srv\\share\\a\\", false, pieces));
    EXPECT_EQ(pieces, (Pieces{"\\\\srv\\share\\", "a\\"}));
    EXPECT_TRUE(ForceDirectoryPieces("\\\\srv\\share", false, pieces));
    EXPECT_EQ(pieces, (Pieces{"\\\\srv\\share"}));
    EXPECT_TRUE(ForceDirectoryPieces("", false, pieces));
    EXPECT_TRUE(pieces.empty());
}

TEST(PathNames, ForceDirectoryPiecesRefusesMoreThan200) {
    Pieces pieces;
    const std::string deep199 = "E:\\" + Repeat("d\\", 199);
    EXPECT_TRUE(ForceDirectoryPieces(deep199, false, pieces));
    EXPECT_EQ(pieces.size(), 200u);
    EXPECT_FALSE(ForceDirectoryPieces(deep199 + "x", false, pieces));
    EXPECT_TRUE(pieces.empty());
}

TEST(PathNames, NameWithoutExtension) {
    EXPECT_EQ(NameWithoutExtension("C:\\dir.x\\name.tar.gz"), "name");
    EXPECT_EQ(NameWithoutExtension("C:name"), "name");
    EXPECT_EQ(NameWithoutExtension("C:\\dir\\.profile"), "");
    EXPECT_EQ(NameWithoutExtension("C:\\dir\\"), "");
}

TEST(PathNames, ShortenNameKeepsTheExtension) {
    const std::string name64 = std::string(60, 'a') + ".txt";
    EXPECT_EQ(ShortenName(name64, 64), name64);

    const std::string stem66 = std::string(60, 'a') + "bcdefg";
    EXPECT_EQ(ShortenName(stem66 + ".txt", 64), std::string(60, 'a') + ".txt");

    // Several dots: the middle part goes, the stem loses the excess.
    const std::string dotted = std::string(50, 'a') + ".middle.part.txt";  // 66 characters
    EXPECT_EQ(ShortenName(dotted, 64), std::string(48, 'a') + ".txt");

    EXPECT_EQ(ShortenName(std::string(70, 'n'), 64), std::string(64, 'n'));
    // The stem is too short to absorb the excess: the first 64 characters.
    const std::string longExtension = "ab." + std::string(70, 'e');
    EXPECT_EQ(ShortenName(longExtension, 64), longExtension.substr(0, 64));
    const std::string dotName = "." + std::string(70, 'p');
    EXPECT_EQ(ShortenName(dotName, 64), dotName.substr(0, 64));
}

TEST(PathNames, ShortenNameCountsCharactersNotBytes) {
    const std::string e = "\xC3\xA9";       // two bytes
    const std::string eu = "\xE2\x82\xAC";  // three bytes
    const std::string name64 = Repeat(e, 60) + ".txt";
    EXPECT_EQ(ShortenName(name64, 64), name64);

    const std::string shortened = ShortenName(Repeat(e, 66) + ".txt", 64);
    EXPECT_EQ(shortened, Repeat(e, 60) + ".txt");

    const std::string cut = ShortenName(Repeat(eu, 70) + "x", 64);
    EXPECT_EQ(Utf8Length(cut), 64u);
    EXPECT_TRUE(IsWholeUtf8(cut));

    const std::string dotCut = ShortenName("." + Repeat(e, 70), 64);
    EXPECT_EQ(Utf8Length(dotCut), 64u);
    EXPECT_TRUE(IsWholeUtf8(dotCut));
}

TEST(PathNames, SplitPathComponentsOfDriveAndNetworkPaths) {
    EXPECT_EQ(SplitPathComponents("C:\\dir\\file.txt"),
              (Pieces{"C:", "\\", "dir", "\\", "file.txt"}));
    EXPECT_EQ(SplitPathComponents("C:\\dir\\"), (Pieces{"C:", "\\", "dir", "\\"}));
    EXPECT_EQ(SplitPathComponents("\\\\server\\share\\f"),
              (Pieces{"\\\\s", "erver", "\\", "share", "\\", "f"}));
    // A doubled backslash inside a path does not glue names together.
    EXPECT_EQ(SplitPathComponents("e:\\\\dir"), (Pieces{"e:", "\\", "\\", "dir"}));
    EXPECT_EQ(SplitPathComponents("dir\\f"), (Pieces{"dir", "\\", "f"}));
    EXPECT_TRUE(SplitPathComponents("").empty());
}

TEST(PathNames, ShortenLongComponentsCutsEachLongName) {
    bool changed = true;
    const std::string plain = "E:\\" + std::string(64, 'd') + "\\f.txt";
    EXPECT_EQ(ShortenLongComponents(plain, changed), plain);
    EXPECT_FALSE(changed);

    const std::string longDir = std::string(70, 'd');
    const std::string longFile = std::string(66, 'f') + ".txt";
    EXPECT_EQ(ShortenLongComponents("E:\\" + longDir + "\\" + longFile, changed),
              "E:\\" + std::string(64, 'd') + "\\" + std::string(60, 'f') + ".txt");
    EXPECT_TRUE(changed);

    EXPECT_EQ(ShortenLongComponents("\\\\srv\\share\\" + longDir + "\\", changed),
              "\\\\srv\\share\\" + std::string(64, 'd') + "\\");
    EXPECT_TRUE(changed);
}

}  // namespace
}  // namespace brenx::support
