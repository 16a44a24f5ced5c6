// Phone keys and the PC keys that stand in for them; key state, KeyPressed,
// KeyName and Inkey.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "errors.h"
#include "phone/phone.h"

struct PhoneKey {
    int number;  // the negative key number of the language
    std::string_view name;
    int pcKey;   // virtual-key code
};

inline constexpr std::array<PhoneKey, 9> phoneKeys = {{
    {-1, "Up", 38},
    {-2, "Down", 40},
    {-3, "Left", 37},
    {-4, "Right", 39},
    {-5, "Select", 13},
    {-6, "Calendar", 112},
    {-7, "Addressbook", 113},
    {-8, "Menu", 114},
    {-9, "Mail", 115},
}};

void keyDown(Phone& phone, int virtualKey);
void keyUp(Phone& phone, int virtualKey);

// 1 while held: PC keys 0..254 by code, phone keys -1..-9 through their PC key.
int keyPressed(const Phone& phone, int key);

// The name of phone key -1..-9.
std::variant<std::string_view, RunError> keyName(int key);

// The held key's name (a phone key) or character, else the joypad's state.
std::string inkey(const Phone& phone);
