#pragma once
// Names of the character's attributes as the describers write them, indexed
// 1..17 in three groups: 1..5 the accusative of the five attributes, 6..11 the
// "about / from" forms (the sixth is MXTU), 12..17 the "onto / to" forms.
// Attribute k (1 strength, 2 iq, 3 dexterity, 4 health, 5 luck, 6 MXTU) is
// entry 5 + k and 11 + k in the second and third groups.
#include <array>
#include <string>

namespace vorda {

// Entry 0 is empty and never used.
const std::array<std::string, 18>& AttributeNames();

}  // namespace vorda
