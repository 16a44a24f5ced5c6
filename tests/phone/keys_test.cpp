#include <gtest/gtest.h>

#include "phone/keys.h"

namespace {
constexpr int vkEnter = 13, vkUp = 38, vkA = 65;
}

TEST(Keys, PhoneKeyReadsItsPcKey) {
    Phone phone;
    EXPECT_EQ(keyPressed(phone, -5), 0);
    keyDown(phone, vkEnter);
    EXPECT_EQ(keyPressed(phone, -5), 1);
    EXPECT_EQ(keyPressed(phone, vkEnter), 1);
    keyUp(phone, vkEnter);
    EXPECT_EQ(keyPressed(phone, -5), 0);
}

TEST(Keys, NumbersOutsideBothRangesAreNeverPressed) {
    Phone phone;
    keyDown(phone, 0);
    EXPECT_EQ(keyPressed(phone, 0), 1);
    EXPECT_EQ(keyPressed(phone, 255), 0);
    EXPECT_EQ(keyPressed(phone, -10), 0);
    keyDown(phone, 300);  // no such virtual key: ignored
    EXPECT_EQ(phone.keys.lastDown, 0);
}

TEST(Keys, KeyNameCoversTheNinePhoneKeysOnly) {
    EXPECT_EQ(std::get<std::string_view>(keyName(-1)), "Up");
    EXPECT_EQ(std::get<std::string_view>(keyName(-7)), "Addressbook");
    EXPECT_EQ(std::get<std::string_view>(keyName(-9)), "Mail");
    EXPECT_EQ(std::get<RunError>(keyName(0)), RunError::OutOfRange);
    EXPECT_EQ(std::get<RunError>(keyName(-10)), RunError::OutOfRange);
}

TEST(Inkey, HeldKeyGivesItsCharacterOrPhoneKeyName) {
    Phone phone;
    keyDown(phone, vkA);
    EXPECT_EQ(inkey(phone), "A");
    keyDown(phone, vkUp);
    EXPECT_EQ(inkey(phone), "Up");
    keyUp(phone, vkA);  // any key-up forgets the last key down, though Up is still held
    EXPECT_EQ(inkey(phone), "");
}

TEST(Inkey, JoypadDirectionsOverrideButtonsAndEachOther) {
    Phone phone;
    phone.joypad.directions[padDown] = true;
    EXPECT_EQ(inkey(phone), "Down");
    phone.joypad = {};
    phone.joypad.buttons[padCalendar] = true;
    phone.joypad.buttons[padMail] = true;
    EXPECT_EQ(inkey(phone), "Mail");
    phone.joypad.directions[padUp] = true;
    EXPECT_EQ(inkey(phone), "Up");
    phone.joypad.directions[padRight] = true;
    EXPECT_EQ(inkey(phone), "Right");
    phone.joypad.directions[padLeft] = true;  // Right still wins: it is looked at last
    EXPECT_EQ(inkey(phone), "Right");
}

TEST(Inkey, AHeldKeyComesBeforeTheJoypad) {
    Phone phone;
    phone.joypad.directions[padDown] = true;
    keyDown(phone, vkA);
    EXPECT_EQ(inkey(phone), "A");
}
