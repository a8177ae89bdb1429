#include "support/state_reset.h"

#include "data/char_settings.h"
#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "orders/orders_state.h"

namespace vorda::testing {

void ResetAllState() {
  ResetGameTables();
  ResetSheetModel();
  ResetCharSettings();
  ResetOrdersState();
}

}  // namespace vorda::testing
