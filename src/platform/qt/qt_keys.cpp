#include "platform/qt/qt_keys.h"

#include <QGuiApplication>
#include <array>
#include <utility>

namespace vorda {

namespace {

// Where a key of the main block stands, by its XKB key code (the evdev code
// + 8), and what the Hungarian keyboard gives there.
struct PhysicalKey {
  quint32 xkb;
  std::uint16_t code;
  bool letter_or_digit;  // the active layout's letter or digit wins on this key
};

constexpr std::array<PhysicalKey, 48> kPhysicalKeys = {{
    {49, '0', true},  // left of 1: the Hungarian 0
    {10, '1', false}, {11, '2', false}, {12, '3', false}, {13, '4', false}, {14, '5', false},
    {15, '6', false}, {16, '7', false}, {17, '8', false}, {18, '9', false},
    {19, vk::OemOdiaeresis, true},  // ö
    {20, vk::OemUdiaeresis, true},  // ü
    {21, vk::OemPlus, true},        // ó
    {24, 'Q', true}, {25, 'W', true}, {26, 'E', true}, {27, 'R', true}, {28, 'T', true},
    {29, 'Z', true}, {30, 'U', true}, {31, 'I', true}, {32, 'O', true}, {33, 'P', true},
    {34, vk::OemOdblacute, true},  // ő
    {35, vk::OemUacute, true},     // ú
    {38, 'A', true}, {39, 'S', true}, {40, 'D', true}, {41, 'F', true}, {42, 'G', true},
    {43, 'H', true}, {44, 'J', true}, {45, 'K', true}, {46, 'L', true},
    {47, vk::OemEacute, true},     // é
    {48, vk::OemAacute, true},     // á
    {51, vk::OemUdblacute, true},  // ű
    {94, vk::OemIacute, true},     // í, left of Y
    {52, 'Y', true}, {53, 'X', true}, {54, 'C', true}, {55, 'V', true}, {56, 'B', true},
    {57, 'N', true}, {58, 'M', true},
    {59, vk::OemComma, true}, {60, vk::OemPeriod, true},
    {61, vk::OemMinus, true},  // -
}};

// Keys named alike on every layout.
constexpr std::array<std::pair<int, std::uint16_t>, 20> kNamedKeys = {{
    {Qt::Key_Backspace, vk::Back}, {Qt::Key_Tab, vk::Tab},          {Qt::Key_Backtab, vk::Tab},
    {Qt::Key_Return, vk::Return},  {Qt::Key_Enter, vk::Return},     {Qt::Key_Escape, vk::Escape},
    {Qt::Key_Space, vk::Space},    {Qt::Key_PageUp, vk::Prior},     {Qt::Key_PageDown, vk::Next},
    {Qt::Key_End, vk::End},        {Qt::Key_Home, vk::Home},        {Qt::Key_Left, vk::Left},
    {Qt::Key_Up, vk::Up},          {Qt::Key_Right, vk::Right},      {Qt::Key_Down, vk::Down},
    {Qt::Key_Insert, vk::Insert},  {Qt::Key_Delete, vk::Delete},    {Qt::Key_Shift, vk::Shift},
    {Qt::Key_Control, vk::Control}, {Qt::Key_Alt, vk::Menu},
}};

// The Hungarian keyboard's keys by the character they give, for events
// without a position.
constexpr std::array<std::pair<int, std::uint16_t>, 12> kHungarianCharacters = {{
    {0xC9, vk::OemEacute},   {0xD3, vk::OemPlus},      {0xDC, vk::OemUdiaeresis}, {0xD6, vk::OemOdiaeresis},
    {0x150, vk::OemOdblacute}, {0x170, vk::OemUdblacute}, {0xDA, vk::OemUacute},   {0xC1, vk::OemAacute},
    {0xCD, vk::OemIacute},   {Qt::Key_Comma, vk::OemComma}, {Qt::Key_Period, vk::OemPeriod},
    {Qt::Key_Minus, vk::OemMinus},
}};

template <std::size_t N>
std::uint16_t Lookup(const std::array<std::pair<int, std::uint16_t>, N>& table, int key) {
  for (const auto& [k, code] : table)
    if (k == key) return code;
  return 0;
}

std::uint16_t LetterOrDigit(int key) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<std::uint16_t>(vk::Digit0 + (key - Qt::Key_0));
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<std::uint16_t>(vk::LetterA + (key - Qt::Key_A));
  return 0;
}

std::uint16_t KeypadKey(int key) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<std::uint16_t>(vk::Numpad0 + (key - Qt::Key_0));
  switch (key) {
    case Qt::Key_Asterisk: return vk::Multiply;
    case Qt::Key_Plus: return vk::Add;
    case Qt::Key_Minus: return vk::Subtract;
    case Qt::Key_Slash: return vk::Divide;
    case Qt::Key_Period:
    case Qt::Key_Comma: return vk::Decimal;
    case Qt::Key_Clear: return vk::Clear;
    default: return Lookup(kNamedKeys, key);  // Enter, and the arrows and the rest without Num Lock
  }
}

}  // namespace

ShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  ShiftState s = shift::None;
  if (modifiers & Qt::ShiftModifier) s |= shift::Shift;
  if (modifiers & Qt::AltModifier) s |= shift::Alt;
  if (modifiers & Qt::ControlModifier) s |= shift::Ctrl;
  // AltGr counts as Ctrl and Alt together, as Windows reports it.
  if (modifiers & Qt::GroupSwitchModifier) s |= shift::Ctrl | shift::Alt;
  if (buttons & Qt::LeftButton) s |= shift::LeftButton;
  if (buttons & Qt::RightButton) s |= shift::RightButton;
  if (buttons & Qt::MiddleButton) s |= shift::MiddleButton;
  return s;
}

bool PlatformHasPhysicalKeyCodes() {
  const QString platform = QGuiApplication::platformName();
  return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}

VirtualKey TranslateKeyEvent(const QKeyEvent& event, bool physical_codes) {
  VirtualKey out;
  out.shift = ShiftStateOf(event.modifiers(), QGuiApplication::mouseButtons());
  const int key = event.key();

  if (event.modifiers() & Qt::KeypadModifier) {
    out.code = KeypadKey(key);
    return out;
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
    out.code = static_cast<std::uint16_t>(vk::F1 + (key - Qt::Key_F1));
    return out;
  }
  if (const std::uint16_t named = Lookup(kNamedKeys, key)) {
    out.code = named;
    return out;
  }
  if (physical_codes) {
    const quint32 xkb = event.nativeScanCode();
    for (const PhysicalKey& p : kPhysicalKeys)
      if (p.xkb == xkb) {
        const std::uint16_t layout = p.letter_or_digit ? LetterOrDigit(key) : 0;
        out.code = layout ? layout : p.code;
        return out;
      }
  }
  if (const std::uint16_t plain = LetterOrDigit(key)) {
    out.code = plain;
    return out;
  }
  out.code = Lookup(kHungarianCharacters, key);
  return out;
}

}  // namespace vorda
