// UTF-8 and UTF-16 both ways: every Windows name comes back as it was, and
// text that is not UTF-8 is never lost without a trace.
#include "platform/win32/win32_text.h"

#include <gtest/gtest.h>

namespace brenx::platform {
namespace {

TEST(Win32Text, WindowsNamesComeBackUnchanged) {
    const std::wstring names[] = {
        L"",
        L"plain.txt",
        L"caf\u00e9",
        L"\u20ac 100",
        L"\U0001D11E clef",  // a pair of surrogates
        L"a\xD800z",
        L"\xDC00",
        L"end\xDBFF",
        L"\xD800\xD800\xDC00",
        L"\xDC00\xD800",
    };
    for (const std::wstring& name : names) {
        const std::string utf8 = Utf8FromWide(name);
        std::wstring back;
        EXPECT_TRUE(WideFromUtf8(utf8, back)) << utf8;
        EXPECT_EQ(back, name) << utf8;
        EXPECT_EQ(WideFromUtf8(utf8), name) << utf8;
    }
}

TEST(Win32Text, WellFormedTextIsPlainUtf8) {
    EXPECT_EQ(Utf8FromWide(L"caf\u00e9 \U0001D11E"), "caf\xC3\xA9 \xF0\x9D\x84\x9E");
    EXPECT_EQ(Utf8FromWide(L"a\xD800z"), "a\xED\xA0\x80z");
}

TEST(Win32Text, BytesThatStartNoCharacterAreRefusedForNamesAndMarkedInText) {
    struct Case {
        const char* utf8;
        const wchar_t* shown;
    };
    const Case cases[] = {
        {"\xFF", L"\xFFFD"},
        {"a\xC3", L"a\xFFFD"},                              // cut short at the end
        {"\xC3(", L"\xFFFD("},                              // cut short before another
        {"\xC0\xAF", L"\xFFFD\xFFFD"},                      // overlong slash
        {"\xF4\x90\x80\x80", L"\xFFFD\xFFFD\xFFFD\xFFFD"},  // past U+10FFFF
        // Two surrogates' forms that would pair: no name gives them.
        {"\xED\xA0\x80\xED\xB0\x80", L"\xD800\xFFFD\xFFFD\xFFFD"},
    };
    for (const Case& c : cases) {
        std::wstring wide = L"stale";
        EXPECT_FALSE(WideFromUtf8(c.utf8, wide)) << c.utf8;
        EXPECT_TRUE(wide.empty());
        EXPECT_EQ(WideFromUtf8(c.utf8), c.shown) << c.utf8;
    }
}

}  // namespace
}  // namespace brenx::platform
