#include "support/environment_references.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace brenx::support {
namespace {

EnvironmentLookup FakeEnvironment() {
    const std::map<std::string, std::string> variables = {
        {"TEMP", "C:\\T"}, {"EMPTY", ""}, {"A%B", "odd"}};
    return [variables](const std::string& name) {
        const auto found = variables.find(name);
        return found == variables.end() ? std::string() : found->second;
    };
}

std::string Expand(const std::string& text, bool keepUnset = false) {
    return ExpandEnvironmentReferences(text, keepUnset, FakeEnvironment());
}

TEST(EnvironmentReferences, DropUnset) {
    EXPECT_EQ(Expand("%TEMP%\\x"), "C:\\T\\x");
    EXPECT_EQ(Expand("50%%"), "50%");
    EXPECT_EQ(Expand("a%NOPE%b"), "ab");
    EXPECT_EQ(Expand("a%EMPTY%b"), "ab");
    EXPECT_EQ(Expand("100%"), "100");
    EXPECT_EQ(Expand("x%TEMP"), "x");
    EXPECT_EQ(Expand("%TEMP%\\%TEMP%"), "C:\\T\\C:\\T");
    EXPECT_EQ(Expand("no references"), "no references");
    EXPECT_EQ(Expand(""), "");
}

TEST(EnvironmentReferences, KeepUnset) {
    EXPECT_EQ(Expand("a%NOPE%b", true), "a%NOPE%b");
    EXPECT_EQ(Expand("%EMPTY%", true), "%EMPTY%");
    EXPECT_EQ(Expand("%TEMP%\\x", true), "C:\\T\\x");
    EXPECT_EQ(Expand("100%", true), "100");
}

TEST(EnvironmentReferences, DoublePercentInsideAndOutside) {
    // After at least one name character, "%%" puts a "%" into the name, so two
    // references written back to back read as one name.
    EXPECT_EQ(Expand("%A%%B%"), "odd");
    EXPECT_EQ(Expand("%TEMP%%TEMP%"), "");
    EXPECT_EQ(Expand("%TEMP%%TEMP%", true), "%TEMP%TEMP%");
    EXPECT_EQ(Expand("%A%%C%", true), "%A%C%");
    // With an empty name, "%%" is a literal "%" and the text goes on outside.
    EXPECT_EQ(Expand("%%TEMP%%"), "%TEMP%");
}

TEST(EnvironmentReferences, EmptyLookupMeansUnset) {
    EXPECT_EQ(ExpandEnvironmentReferences("x%TEMP%y", false, {}), "xy");
    EXPECT_EQ(ExpandEnvironmentReferences("x%TEMP%y", true, {}), "x%TEMP%y");
}

TEST(EnvironmentReferences, ExpandIfEvarize) {
    std::string text = "%TEMP%\\%NOPE%";
    ExpandIfEvarize(text, false, FakeEnvironment());
    EXPECT_EQ(text, "%TEMP%\\%NOPE%");
    ExpandIfEvarize(text, true, FakeEnvironment());
    EXPECT_EQ(text, "C:\\T\\");
}

}  // namespace
}  // namespace brenx::support
