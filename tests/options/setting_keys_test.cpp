#include "options/setting_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <vector>

namespace brenx::options {
namespace {

// Keys are looked up without regard to case, so two that differ only in case
// would read the same line; and two keys for one option would let the later
// silently undo the earlier.
TEST(SettingKeys, EachKeyHasANameAndAnOptionOfItsOwn) {
    std::set<std::string> names;
    std::vector<SettingField> fields;
    for (const SettingKey& key : SettingKeys()) {
        std::string folded = key.name;
        for (char& c : folded)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_TRUE(names.insert(folded).second) << key.name;
        if (key.rule != nullptr) {
            EXPECT_TRUE(std::holds_alternative<std::monostate>(key.field)) << key.name;
            continue;
        }
        EXPECT_FALSE(std::holds_alternative<std::monostate>(key.field)) << key.name;
        EXPECT_EQ(std::find(fields.begin(), fields.end(), key.field), fields.end())
            << key.name << " sets another key's option";
        fields.push_back(key.field);
    }
}

}  // namespace
}  // namespace brenx::options
