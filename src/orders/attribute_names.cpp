#include "orders/attribute_names.h"

#include "platform/win1250.h"

namespace vorda {

const std::array<std::string, 18>& AttributeNames() {
  static const std::array<std::string, 18> names = {
      "",
      "az erődet"_w, "az iqdat"_w, "az ügyességedet"_w, "az egészségedet"_w, "a szerencsédet"_w,
      "erőről"_w, "iqról"_w, "ügyességről"_w, "egészségről"_w, "szerencséről"_w, "MXTUról"_w,
      "erőre"_w, "iqra"_w, "ügyességre"_w, "egészségre"_w, "szerencsére"_w, "MXTUra"_w,
  };
  return names;
}

}  // namespace vorda
