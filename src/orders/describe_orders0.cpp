#include "data/order_sheet.h"
#include "orders/describers.h"

namespace vorda {

// Knows no code yet: every line falls through to the next describer.
void DescribeOrders0(int line) {
  auto& s = SheetModel();
  const auto& p = s.Lines.SheetParams[static_cast<std::size_t>(line)];
  s.CurParam1 = p[0];
  s.CurParam2 = p[1];
  s.CurParam3 = p[2];
}

}  // namespace vorda
