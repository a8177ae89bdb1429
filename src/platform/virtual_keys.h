#pragma once
// Keys as the editor's handlers see them: Windows virtual-key codes and the
// shift states of a key event. The Qt layer translates its key events into
// these; tests feed them directly.
//
// The numeric keypad's digits and "*", "+", "-", "/" are keys of their own,
// distinct from the main keyboard's. The codes of the Hungarian keyboard's
// accented letters are those of their keys' positions (the OEM codes below).
#include <cstdint>

namespace vorda {

namespace vk {
inline constexpr std::uint16_t Back = 8;
inline constexpr std::uint16_t Tab = 9;
inline constexpr std::uint16_t Clear = 12;  // keypad 5 without Num Lock
inline constexpr std::uint16_t Return = 13;
inline constexpr std::uint16_t Shift = 16;
inline constexpr std::uint16_t Control = 17;
inline constexpr std::uint16_t Menu = 18;  // Alt
inline constexpr std::uint16_t Pause = 19;
inline constexpr std::uint16_t Capital = 20;  // Caps Lock
inline constexpr std::uint16_t Escape = 27;
inline constexpr std::uint16_t Space = 32;
inline constexpr std::uint16_t Prior = 33;  // Page Up
inline constexpr std::uint16_t Next = 34;   // Page Down
inline constexpr std::uint16_t End = 35;
inline constexpr std::uint16_t Home = 36;
inline constexpr std::uint16_t Left = 37;
inline constexpr std::uint16_t Up = 38;
inline constexpr std::uint16_t Right = 39;
inline constexpr std::uint16_t Down = 40;
inline constexpr std::uint16_t Insert = 45;
inline constexpr std::uint16_t Delete = 46;
inline constexpr std::uint16_t Digit0 = 48;  // '0'..'9' are 48..57
inline constexpr std::uint16_t Digit9 = 57;
inline constexpr std::uint16_t LetterA = 65;  // 'A'..'Z' are 65..90
inline constexpr std::uint16_t LetterZ = 90;
inline constexpr std::uint16_t LeftWin = 91;
inline constexpr std::uint16_t Numpad0 = 96;  // keypad digits 96..105
inline constexpr std::uint16_t Numpad9 = 105;
inline constexpr std::uint16_t Multiply = 106;  // keypad "*"
inline constexpr std::uint16_t Add = 107;       // keypad "+"
inline constexpr std::uint16_t Subtract = 109;  // keypad "-"
inline constexpr std::uint16_t Decimal = 110;   // keypad "."
inline constexpr std::uint16_t Divide = 111;    // keypad "/"
inline constexpr std::uint16_t F1 = 112;        // F1..F24 are 112..135
inline constexpr std::uint16_t F2 = 113;
inline constexpr std::uint16_t F3 = 114;
inline constexpr std::uint16_t F4 = 115;
inline constexpr std::uint16_t F5 = 116;
inline constexpr std::uint16_t F6 = 117;
inline constexpr std::uint16_t F7 = 118;
inline constexpr std::uint16_t F8 = 119;
inline constexpr std::uint16_t F9 = 120;
inline constexpr std::uint16_t F10 = 121;
inline constexpr std::uint16_t F11 = 122;
inline constexpr std::uint16_t F24 = 135;
// The OEM keys, named by what the Hungarian keyboard has on them.
inline constexpr std::uint16_t OemEacute = 186;      // é (VK_OEM_1)
inline constexpr std::uint16_t OemPlus = 187;        // ó (VK_OEM_PLUS)
inline constexpr std::uint16_t OemComma = 188;       // ,
inline constexpr std::uint16_t OemUdiaeresis = 189;  // ü (VK_OEM_MINUS)
inline constexpr std::uint16_t OemPeriod = 190;      // .
inline constexpr std::uint16_t OemMinus = 191;       // - (VK_OEM_2)
inline constexpr std::uint16_t OemOdiaeresis = 192;  // ö (VK_OEM_3)
inline constexpr std::uint16_t OemOdblacute = 219;   // ő (VK_OEM_4)
inline constexpr std::uint16_t OemUdblacute = 220;   // ű (VK_OEM_5)
inline constexpr std::uint16_t OemUacute = 221;      // ú (VK_OEM_6)
inline constexpr std::uint16_t OemAacute = 222;      // á (VK_OEM_7)
inline constexpr std::uint16_t OemIacute = 226;      // í (VK_OEM_102)
}  // namespace vk

// The shift states of a key event, as a set of bits. Any of them set means the
// key is left to the menu shortcuts. The keypad is no shift state.
using ShiftState = std::uint8_t;
namespace shift {
inline constexpr ShiftState None = 0;
inline constexpr ShiftState Shift = 1;
inline constexpr ShiftState Alt = 2;
inline constexpr ShiftState Ctrl = 4;
inline constexpr ShiftState LeftButton = 8;
inline constexpr ShiftState RightButton = 16;
inline constexpr ShiftState MiddleButton = 32;
}  // namespace shift

}  // namespace vorda
