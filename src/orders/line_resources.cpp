#include "orders/line_resources.h"

#include "data/order_sheet.h"

namespace vorda {

// No cost rule is known yet: nothing is spent.
void CalcLineResources(int line) {
  auto& s = SheetModel().Lines;
  const auto i = static_cast<std::size_t>(line);
  s.SheetVp[i] = 0;
}

}  // namespace vorda
