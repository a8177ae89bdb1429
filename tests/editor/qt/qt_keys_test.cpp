#include "platform/qt/qt_keys.h"

#include <gtest/gtest.h>

namespace vorda {
namespace {

VirtualKey Translate(int key, Qt::KeyboardModifiers mods, quint32 xkb, bool physical) {
  const QKeyEvent e(QEvent::KeyPress, key, mods, xkb, 0, 0);
  return TranslateKeyEvent(e, physical);
}

struct Case {
  int key;
  Qt::KeyboardModifiers mods;
  quint32 xkb;
  std::uint16_t code;
  ShiftState shift;
};

TEST(QtKeys, KeysByTheirCharacterWithoutPositions) {
  const Case cases[] = {
      {Qt::Key_M, Qt::NoModifier, 0, 'M', shift::None},
      {Qt::Key_M, Qt::ShiftModifier, 0, 'M', shift::Shift},
      {Qt::Key_7, Qt::NoModifier, 0, '7', shift::None},
      {Qt::Key_3, Qt::KeypadModifier, 0, vk::Numpad0 + 3, shift::None},
      {Qt::Key_Asterisk, Qt::KeypadModifier, 0, vk::Multiply, shift::None},
      {Qt::Key_Plus, Qt::KeypadModifier, 0, vk::Add, shift::None},
      {Qt::Key_Minus, Qt::KeypadModifier, 0, vk::Subtract, shift::None},
      {Qt::Key_Slash, Qt::KeypadModifier, 0, vk::Divide, shift::None},
      {Qt::Key_Enter, Qt::KeypadModifier, 0, vk::Return, shift::None},
      {Qt::Key_Left, Qt::KeypadModifier, 0, vk::Left, shift::None},  // keypad 4 without Num Lock
      {Qt::Key_Minus, Qt::NoModifier, 0, vk::OemMinus, shift::None},
      {Qt::Key_Return, Qt::NoModifier, 0, vk::Return, shift::None},
      {Qt::Key_Backspace, Qt::NoModifier, 0, vk::Back, shift::None},
      {Qt::Key_F7, Qt::NoModifier, 0, vk::F7, shift::None},
      {Qt::Key_F4, Qt::AltModifier, 0, vk::F4, shift::Alt},
      {Qt::Key_Tab, Qt::ControlModifier, 0, vk::Tab, shift::Ctrl},
      {Qt::Key_X, Qt::GroupSwitchModifier, 0, 'X', ShiftState(shift::Ctrl | shift::Alt)},
      {Qt::Key_Eacute, Qt::NoModifier, 0, vk::OemEacute, shift::None},
      {Qt::Key_Oacute, Qt::NoModifier, 0, vk::OemPlus, shift::None},
      {Qt::Key_Udiaeresis, Qt::NoModifier, 0, vk::OemUdiaeresis, shift::None},
      {Qt::Key_Odiaeresis, Qt::NoModifier, 0, vk::OemOdiaeresis, shift::None},
      {0x150, Qt::NoModifier, 0, vk::OemOdblacute, shift::None},
      {0x170, Qt::NoModifier, 0, vk::OemUdblacute, shift::None},
      {Qt::Key_Uacute, Qt::NoModifier, 0, vk::OemUacute, shift::None},
      {Qt::Key_Aacute, Qt::NoModifier, 0, vk::OemAacute, shift::None},
      {Qt::Key_Iacute, Qt::NoModifier, 0, vk::OemIacute, shift::None},
      {Qt::Key_Dollar, Qt::NoModifier, 0, 0, shift::None},
  };
  for (const auto& c : cases) EXPECT_EQ(Translate(c.key, c.mods, c.xkb, false), (VirtualKey{c.code, c.shift})) << c.key;
}

TEST(QtKeys, MainBlockKeysByTheirPositionWhateverTheLayout) {
  const Case cases[] = {
      // The Hungarian letters' keys: with the Hungarian layout and with a US one.
      {Qt::Key_Eacute, Qt::NoModifier, 47, vk::OemEacute, shift::None},
      {Qt::Key_Semicolon, Qt::NoModifier, 47, vk::OemEacute, shift::None},
      {Qt::Key_Equal, Qt::NoModifier, 21, vk::OemPlus, shift::None},
      {Qt::Key_Minus, Qt::NoModifier, 20, vk::OemUdiaeresis, shift::None},
      {Qt::Key_BracketLeft, Qt::NoModifier, 34, vk::OemOdblacute, shift::None},
      {Qt::Key_Backslash, Qt::NoModifier, 51, vk::OemUdblacute, shift::None},
      {Qt::Key_Apostrophe, Qt::NoModifier, 48, vk::OemAacute, shift::None},
      {Qt::Key_Less, Qt::NoModifier, 94, vk::OemIacute, shift::None},
      {Qt::Key_Odiaeresis, Qt::NoModifier, 19, vk::OemOdiaeresis, shift::None},
      {Qt::Key_Minus, Qt::NoModifier, 61, vk::OemMinus, shift::None},  // Hungarian "-" left of right Shift
      {Qt::Key_Slash, Qt::NoModifier, 61, vk::OemMinus, shift::None},
      // Letters and digits follow the layout...
      {Qt::Key_0, Qt::NoModifier, 19, '0', shift::None},
      {Qt::Key_Z, Qt::NoModifier, 29, 'Z', shift::None},
      {Qt::Key_Y, Qt::NoModifier, 29, 'Y', shift::None},
      // ...but a shifted digit is still its digit key, as the menu's Shift+7 needs.
      {Qt::Key_Ampersand, Qt::ShiftModifier, 16, '7', shift::Shift},
      {Qt::Key_Equal, Qt::ShiftModifier, 16, '7', shift::Shift},
      {Qt::Key_1, Qt::KeypadModifier, 87, vk::Numpad0 + 1, shift::None},
      {Qt::Key_Plus, Qt::KeypadModifier, 86, vk::Add, shift::None},
  };
  for (const auto& c : cases) EXPECT_EQ(Translate(c.key, c.mods, c.xkb, true), (VirtualKey{c.code, c.shift})) << c.key << " at " << c.xkb;
}

TEST(QtKeys, ShiftStatesOfModifiersAndMouseButtons) {
  EXPECT_EQ(ShiftStateOf(Qt::KeypadModifier, Qt::NoButton), shift::None);
  EXPECT_EQ(ShiftStateOf(Qt::ShiftModifier | Qt::ControlModifier, Qt::NoButton), ShiftState(shift::Shift | shift::Ctrl));
  EXPECT_EQ(ShiftStateOf(Qt::NoModifier, Qt::LeftButton | Qt::MiddleButton),
            ShiftState(shift::LeftButton | shift::MiddleButton));
  EXPECT_EQ(ShiftStateOf(Qt::NoModifier, Qt::RightButton), shift::RightButton);
}

}  // namespace
}  // namespace vorda
