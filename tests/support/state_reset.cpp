#include "support/state_reset.h"

#include "data/accounts_settings.h"
#include "data/char_settings.h"
#include "data/game_tables.h"
#include "data/map_grid.h"
#include "data/order_sheet.h"
#include "data/turn_report.h"
#include "orders/orders_state.h"

namespace vorda::testing {

void ResetAllState() {
  ResetGameTables();
  ResetSheetModel();
  ResetCharSettings();
  ResetAccounts();
  ResetMapState();
  ResetOrdersState();
  ResetReports();
}

}  // namespace vorda::testing
