#include "model/KeyCombo.h"
#include "platform/x11/KeyCodeTable.h"
#include "platform/x11/X11InputTap.h"

#include <gtest/gtest.h>

using namespace vesperon;

TEST(KeyCodeTable, EveryKeyOfTheTableMapsBothWays)
{
    int mapped = 0;
    for (int x = 8; x < 256; ++x) {
        const auto code = KeyCodeTable::fromX11(static_cast<std::uint8_t>(x));
        if (!code)
            continue;
        ++mapped;
        EXPECT_EQ(KeyCodeTable::toX11(*code), x) << "key code " << *code;
    }
    EXPECT_EQ(mapped, 100);
}

TEST(KeyCodeTable, PositionsOfWellKnownKeys)
{
    // X keycode = evdev code + 8.
    EXPECT_EQ(KeyCodeTable::fromX11(38), 0);    // A
    EXPECT_EQ(KeyCodeTable::fromX11(40), 2);    // D
    EXPECT_EQ(KeyCodeTable::fromX11(9), 53);    // Escape
    EXPECT_EQ(KeyCodeTable::fromX11(65), 49);   // Space
    EXPECT_EQ(KeyCodeTable::fromX11(36), 36);   // Return
    EXPECT_EQ(KeyCodeTable::fromX11(104), 76);  // keypad Enter
    EXPECT_EQ(KeyCodeTable::fromX11(22), 51);   // Backspace
    EXPECT_EQ(KeyCodeTable::fromX11(119), 117); // forward Delete
    EXPECT_EQ(KeyCodeTable::fromX11(67), 122);  // F1
    EXPECT_EQ(KeyCodeTable::fromX11(96), 111);  // F12
    EXPECT_EQ(KeyCodeTable::fromX11(198), 90);  // F20
    EXPECT_EQ(KeyCodeTable::fromX11(113), 123); // Left
    EXPECT_EQ(KeyCodeTable::fromX11(10), 18);   // 1
    EXPECT_EQ(KeyCodeTable::fromX11(13), 21);   // 4
    EXPECT_EQ(KeyCodeTable::fromX11(14), 23);   // 5: the numbering is not in key order here
    EXPECT_EQ(KeyCodeTable::fromX11(15), 22);   // 6
}

TEST(KeyCodeTable, EveryNamedKeyOfAKeyComboCanBeGrabbed)
{
    for (std::uint32_t code = 0; code < 128; ++code) {
        if (KeyCombo::keyName(code)) {
            EXPECT_TRUE(KeyCodeTable::toX11(code)) << KeyCombo::keyName(code).value();
        }
    }
}

TEST(KeyCodeTable, ModifiersAndLocksAreNoKeysAndHaveNoCode)
{
    for (std::uint8_t x : {37, 105, 50, 62, 64, 108, 133, 134, 66, 77}) {
        EXPECT_TRUE(KeyCodeTable::isModifier(x)) << int(x);
        EXPECT_FALSE(KeyCodeTable::fromX11(x)) << int(x);
    }
    EXPECT_FALSE(KeyCodeTable::isModifier(38));
    EXPECT_FALSE(KeyCodeTable::fromX11(135)) << "Menu is a key without a code";
    EXPECT_FALSE(KeyCodeTable::toX11(KeyCodeTable::unknownKey));
}

TEST(RawMotion, ScrollAxesAreScrollAndNeverMovement)
{
    const std::set<std::uint16_t> touchpad{2, 3}; // x, y, then horizontal and vertical scrolling
    const auto kind = [&](std::uint32_t mask, const std::set<std::uint16_t>* axes = nullptr) {
        const auto k = X11InputTap::classifyMotion(&mask, 1, axes);
        return std::pair(k.moved, k.scrolled);
    };
    EXPECT_EQ(kind(0b0011, &touchpad), std::pair(true, false));  // x and y
    EXPECT_EQ(kind(0b1000, &touchpad), std::pair(false, true));  // two-finger scroll only
    EXPECT_EQ(kind(0b1100, &touchpad), std::pair(false, true));
    EXPECT_EQ(kind(0b1010, &touchpad), std::pair(true, true));   // both at once
    EXPECT_EQ(kind(0b1000), std::pair(true, false)) << "a device without scroll axes only moves";
    const std::uint32_t wide[] = {0, 1u << 1}; // axis 33, on the second mask word
    const std::set<std::uint16_t> far{33};
    EXPECT_TRUE(X11InputTap::classifyMotion(wide, 2, &far).scrolled);
    EXPECT_FALSE(X11InputTap::classifyMotion(wide, 2, &far).moved);
}
