#include "model/KeyCombo.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <limits>
#include <set>

using namespace vesperon;
using nlohmann::json;

TEST(KeyCombo, DisplayStringPutsModifierSymbolsInFixedOrderThenTheKeyName)
{
    EXPECT_EQ((KeyCombo{0, 0x1000 | 0x0800 | 0x0200 | 0x0100}).displayString(), "⌃⌥⇧⌘A");
    EXPECT_EQ(KeyCombo::defaultBlackoutAll.displayString(), "⇧⌘D");
    EXPECT_EQ((KeyCombo{53, 0x1100}).displayString(), "⌃⌘Esc");
    EXPECT_EQ((KeyCombo{18, 0x1800}).displayString(), "⌃⌥1");
    EXPECT_EQ((KeyCombo{122, 0x0800}).displayString(), "⌥F1");
    EXPECT_EQ((KeyCombo{51, 0}).displayString(), "⌫");
    EXPECT_EQ((KeyCombo{126, 0x0200}).displayString(), "⇧↑");
}

TEST(KeyCombo, UnnamedKeysShowOnlyTheirModifiers)
{
    EXPECT_EQ((KeyCombo{36, 0x0100}).displayString(), "⌘"); // Return
    for (std::uint32_t code : {10u, 36u, 76u, 117u, 119u, 121u, 65u, 79u, 80u, 90u, 4000000000u})
        EXPECT_EQ((KeyCombo{code, 0}).displayString(), "") << code;
}

TEST(KeyCombo, OtherModifierBitsAreNotShownButTakePartInEquality)
{
    const KeyCombo plain{2, 0x0300};
    const KeyCombo extra{2, 0x0300 | 0x0400};
    EXPECT_EQ(extra.displayString(), plain.displayString());
    EXPECT_NE(extra, plain);
    EXPECT_EQ(plain, KeyCombo::defaultBlackoutAll);
}

TEST(KeyCombo, KeyNameTableHasItsSeventyTwoSingleNamesAndSingleCharacterPunctuation)
{
    std::set<std::string> names;
    int named = 0;
    for (std::uint32_t code = 0; code < 256; ++code) {
        if (auto name = KeyCombo::keyName(code)) {
            ++named;
            names.insert(*name);
        }
    }
    EXPECT_EQ(named, 72);
    EXPECT_EQ(names.size(), 72u) << "no two keys share a name";
    EXPECT_EQ(KeyCombo::keyName(42), "\\");
    EXPECT_EQ(KeyCombo::keyName(39), "'");
    EXPECT_EQ(KeyCombo::keyName(50), "`");
    EXPECT_EQ(KeyCombo::keyName(22), "6");
    EXPECT_EQ(KeyCombo::keyName(23), "5");
    EXPECT_EQ(KeyCombo::keyName(64), "F17");
}

TEST(KeyCombo, JsonFormIsTheTwoNamedNumbersKeyCodeFirst)
{
    EXPECT_EQ(KeyCombo::defaultBlackoutAll.toJson().dump(), R"({"keyCode":2,"modifiers":768})");
}

TEST(KeyCombo, JsonRoundTripKeepsExtremeValues)
{
    constexpr auto max = std::numeric_limits<std::uint32_t>::max();
    for (KeyCombo combo : {KeyCombo{0, 0}, KeyCombo{max, max}, KeyCombo{max, 0}, KeyCombo{0, max},
             KeyCombo{0x80000000u, 0x7FFFFFFFu}}) {
        const auto text = combo.toJson().dump();
        EXPECT_EQ(KeyCombo::fromJson(json::parse(text)), combo) << text;
    }
}

TEST(KeyCombo, DecodingAcceptsAnyMemberOrderExtraMembersAndWholeNumbersWrittenAsFloats)
{
    EXPECT_EQ(KeyCombo::fromJson(json::parse(R"({"modifiers":256,"keyCode":12})")), (KeyCombo{12, 256}));
    EXPECT_EQ(KeyCombo::fromJson(json::parse(R"({"keyCode":1,"modifiers":2,"note":"x"})")), (KeyCombo{1, 2}));
    EXPECT_EQ(KeyCombo::fromJson(json::parse(R"({"keyCode":2.0,"modifiers":7.68e2})")), (KeyCombo{2, 768}));
    EXPECT_EQ(KeyCombo::fromJson(json::parse(R"({"keyCode":4294967295,"modifiers":0})")), (KeyCombo{4294967295u, 0}));
}

TEST(KeyCombo, DecodingRejectsMissingMembersNonNumbersAndNumbersOutsideUInt32)
{
    for (const char* text : {
             R"({"keyCode":2})",
             R"({"modifiers":768})",
             R"({})",
             R"({"keyCode":"2","modifiers":768})",
             R"({"keyCode":2,"modifiers":null})",
             R"({"keyCode":true,"modifiers":768})",
             R"({"keyCode":-1,"modifiers":768})",
             R"({"keyCode":2,"modifiers":4294967296})",
             R"({"keyCode":2,"modifiers":18446744073709551615})",
             R"({"keyCode":2.5,"modifiers":768})",
             R"({"keyCode":2,"modifiers":-0.5})",
             R"({"keyCode":1e300,"modifiers":768})",
             R"([2,768])",
             R"("keyCode")",
         })
        EXPECT_EQ(KeyCombo::fromJson(json::parse(text)), std::nullopt) << text;
}
