#pragma once
// The four order describers. Each is called with a line number after the line
// refresh has emptied LineDescription, loaded CurParam1..3 and removed the blanks
// from the line's code. Each reloads CurParam1..3 from the line, compares the
// code exactly (case-sensitive, whole code) with its own codes in its own order,
// and at the first match writes the whole description into LineDescription and
// returns; with no match it leaves LineDescription alone. Their code sets are
// disjoint, so at most one of them writes.
//
// Mark-up in a description: "@" value colour, "$" normal colour, "^" warning
// colour; none of them is drawn.
namespace vorda {

void DescribeOrders0(int line);  // abilities and spells
void DescribeOrders1(int line);  // movement, transfer, entering, trade, craft, conditions, characters
void DescribeOrders2(int line);  // skills, bank, attributes, learning, shape-change, psi, item use
void DescribeOrders3(int line);  // guild, mission and macro orders

}  // namespace vorda
