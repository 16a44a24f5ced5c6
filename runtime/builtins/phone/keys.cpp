#include "phone/keys.h"

namespace {

const PhoneKey* phoneKeyByNumber(int number) {
    if (number > -1 || number < -9) return nullptr;
    return &phoneKeys[static_cast<size_t>(-number - 1)];
}

const PhoneKey* phoneKeyByPcKey(int pcKey) {
    for (const PhoneKey& k : phoneKeys)
        if (k.pcKey == pcKey) return &k;
    return nullptr;
}

std::string_view nameOf(int number) { return phoneKeyByNumber(number)->name; }

}  // namespace

void keyDown(Phone& phone, int virtualKey) {
    if (virtualKey < 0 || virtualKey >= keyTableSize) return;
    phone.keys.held[static_cast<size_t>(virtualKey)] = 1;
    phone.keys.lastDown = virtualKey;
}

void keyUp(Phone& phone, int virtualKey) {
    if (virtualKey >= 0 && virtualKey < keyTableSize) phone.keys.held[static_cast<size_t>(virtualKey)] = 0;
    phone.keys.lastDown = 0;
}

int keyPressed(const Phone& phone, int key) {
    if (key >= 0) return key < keyTableSize ? phone.keys.held[static_cast<size_t>(key)] : 0;
    const PhoneKey* k = phoneKeyByNumber(key);
    return k ? phone.keys.held[static_cast<size_t>(k->pcKey)] : 0;
}

std::variant<std::string_view, RunError> keyName(int key) {
    const PhoneKey* k = phoneKeyByNumber(key);
    if (!k) return RunError::OutOfRange;
    return k->name;
}

std::string inkey(const Phone& phone) {
    const int held = phone.keys.lastDown;
    if (held != 0) {
        if (const PhoneKey* k = phoneKeyByPcKey(held)) return std::string(k->name);
        return std::string(1, static_cast<char>(held));
    }
    const Joypad& pad = phone.joypad;
    std::string_view choice;
    if (pad.directions[padUp]) choice = nameOf(-1);
    else if (pad.buttons[padMail]) choice = nameOf(-9);
    else if (pad.buttons[padMenu]) choice = nameOf(-8);
    else if (pad.buttons[padAddressbook]) choice = nameOf(-7);
    else if (pad.buttons[padCalendar]) choice = nameOf(-6);
    if (pad.directions[padDown]) choice = nameOf(-2);
    if (pad.directions[padLeft]) choice = nameOf(-3);
    if (pad.directions[padRight]) choice = nameOf(-4);
    return std::string(choice);
}
