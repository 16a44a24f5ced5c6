#include "key_codes.h"

#include <Qt>
#include <array>

namespace {

struct KeyPair {
    int qtKey;
    int virtualKey;
};

constexpr std::array<KeyPair, 30> namedKeys = {{
    {Qt::Key_Backspace, 8},  {Qt::Key_Tab, 9},       {Qt::Key_Return, 13},  {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},     {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},     {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},  {Qt::Key_Escape, 27},   {Qt::Key_Space, 32},   {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},  {Qt::Key_End, 35},      {Qt::Key_Home, 36},    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},        {Qt::Key_Right, 39},    {Qt::Key_Down, 40},    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},  {Qt::Key_Minus, 189},
    {Qt::Key_Comma, 188},    {Qt::Key_Period, 190},  {Qt::Key_Slash, 191},  {Qt::Key_Semicolon, 186},
    {Qt::Key_Equal, 187},    {Qt::Key_Apostrophe, 222},
}};

}  // namespace

int virtualKeyOf(int qtKey) {
    // Letters and digits share their codes with ASCII upper case.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
    for (const KeyPair& pair : namedKeys)
        if (pair.qtKey == qtKey) return pair.virtualKey;
    return 0;
}
