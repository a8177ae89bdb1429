#include "orders/directions.h"

#include "platform/win1250.h"

namespace vorda {

const std::array<std::string, kDirectionCount + 1>& DirectionNames() {
  static const std::array<std::string, kDirectionCount + 1> names = {
      "",           "északkeletre"_w, "keletre"_w,       "délkeletre"_w, "délre"_w,
      "délnyugatra"_w, "nyugatra"_w,  "északnyugatra"_w, "északra"_w,
  };
  return names;
}

const std::array<std::string, kDirectionCount + 1>& DirectionAdjectives() {
  static const std::array<std::string, kDirectionCount + 1> adjectives = {
      "",          "északkeleti"_w, "keleti"_w,       "délkeleti"_w, "déli"_w,
      "délnyugati"_w, "nyugati"_w,  "északnyugati"_w, "északi"_w,
  };
  return adjectives;
}

}  // namespace vorda
