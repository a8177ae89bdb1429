#include "orders/orders_state.h"

namespace vorda {

namespace {
OrdersState g_orders;
}

OrdersState& Orders() { return g_orders; }

void ResetOrdersState() { g_orders = OrdersState{}; }

}  // namespace vorda
