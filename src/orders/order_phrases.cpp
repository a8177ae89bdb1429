#include "orders/order_phrases.h"

#include "data/game_tables.h"
#include "data/text.h"
#include "platform/win1250.h"

namespace vorda {

std::string CharacterOrMonsterName(std::int32_t id) {
  return (id > 999 && id < 7000) || id > 9100 ? CharacterName(id) : MonsterName(id);
}

std::string ConditionalTheftText(std::int32_t p1, std::int32_t p2, std::int32_t p3) {
  if (p1 == 0 && p2 == 0 && p3 == 0) return "törlöd a feltételes lopás listádat"_w;
  std::string text;
  if (p1 == 10)
    text = "lopás @mindenki$ táborából "_w;
  else if (InRange(p1, 1, 9))
    text = "lopás @"_w + MonsterName(p1) + "$ táborából "_w;
  else if (InRange(p1, 1000, 8999))
    text = "lopás @"_w + CharacterName(p1) + "$ táborából "_w;
  else
    text = "lopás ^???$ táborából "_w;
  if (p2 > 0 && p3 == 0)
    text += "(@" + ItemName(p2) + "$)";
  else if (p2 > 0 && p3 > 0)
    text += "(@" + ItemName(p2) + ")$ @" + IntToStrPadded(p3, 0) + "$ alkalommal";
  return text;
}

}  // namespace vorda
