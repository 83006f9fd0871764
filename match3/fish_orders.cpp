#include "match3/fish_orders.h"

#include "match3/rules.h"
#include "platform/platform.h"
#include "tables/player_tables.h"

namespace {
constexpr int ORDER_LAST_SLOT = FISH_ORDER_SLOTS - 1;   // 22
}

void ClearFishOrders() {
    TPlayerProfile& player = CurrentProfile();
    for (int slot = 1; slot <= ORDER_LAST_SLOT; slot++) player.fishOrders[slot] = TFishOrder{};
}

int CreateOrder(int x, int y, int count, int slot) {
    TPlayerProfile& player = CurrentProfile();
    if (count < 1 || count > WANTED_ITEMS) return 0;
    if (slot == 0) {
        for (int s = 1; s <= ORDER_LAST_SLOT && slot == 0; s++)
            if (player.fishOrders[s].orderSize == 0) slot = s;
    }
    if (slot < 1 || slot > ORDER_LAST_SLOT) return 0;
    TFishOrder& order = player.fishOrders[slot];
    order.orderSize = count;
    order.orderX = x;
    order.orderY = y;
    order.orderAge = -RandomInt(20, 50);
    for (int j = 1; j <= WANTED_ITEMS; j++) {
        order.wanted[j].wantedKind = j <= count ? NewItemKind(1) : 0;
        order.wanted[j].wantedServed = 0;
    }
    if (count == 1) {
        int r = RandomInt(1, 5);
        order.fishKind = r >= 3 ? RandomInt(13, 16) : RandomInt(7, 8);
    } else if (count == 2) {
        order.fishKind = RandomInt(1, 2);
    } else {
        order.fishKind = RandomInt(3, 4);
    }
    if (slot > orderHigh) orderHigh = slot;
    return slot;
}

// The fish are served once the flying items of the particle system exist.
void ServeOrder(int, int, int) {}

// Drawing and renewing the fish comes with the fish pictures.
void UpdateFishOrders() {}
