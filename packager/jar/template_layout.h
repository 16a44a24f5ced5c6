// The places in the game class template (thegc.dat) that class patching
// relies on. The phone class build produces a template with exactly these;
// the patcher and the template check read them from here.
#pragma once

#include <array>
#include <cstdint>

namespace templateLayout {

inline constexpr int codeName = 226;        // pool index of the text "Code"
inline constexpr int stackMapName = 631;    // pool index of the text "StackMap"
inline constexpr int canvasClass = 180;     // first local of both methods
inline constexpr int secondKindClass = 11;  // java/lang/String
inline constexpr int thirdKindClass = 147;  // program/locals

// method_info from the low byte of name_index to the Code attribute's name index.
inline constexpr std::array<std::uint8_t, 7> mainRecognition = {0x12, 0x00, 0xE7, 0x00, 0x01, 0x00, 0xE2};
inline constexpr std::array<std::uint8_t, 7> procRecognition = {0x14, 0x01, 0x15, 0x00, 0x01, 0x00, 0xE2};
// lload_3 lstore_1 lload_3 lstore_1 return: the main listing goes before the return.
inline constexpr std::array<std::uint8_t, 5> mainEndMarker = {0x21, 0x40, 0x21, 0x40, 0xB1};
// lstore_3 lload 5 lstore_3 lload 5 lstore_3: the procedure listing goes after it.
inline constexpr std::array<std::uint8_t, 7> procInsertMarker = {0x42, 0x16, 0x05, 0x42, 0x16, 0x05, 0x42};
inline constexpr int mainInsertOffset = 72;
inline constexpr int procInsertOffset = 95;
inline constexpr std::uint8_t ireturn = 0xAC;

inline constexpr int maxStack = 128;
inline constexpr int mainMaxLocals = 10;
inline constexpr int procMaxLocals = 14;
inline constexpr int mainFrameSize = 22;
inline constexpr int procFrameSize = 23;

}  // namespace templateLayout
