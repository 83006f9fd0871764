#include "match3/fish_orders.h"

#include <cmath>

#include "audio/audio.h"
#include "effects/effects.h"
#include "map/fish_art.h"
#include "match3/board_art.h"
#include "match3/board_draw.h"
#include "match3/rules.h"
#include "platform/platform.h"
#include "tables/game_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"

namespace {

constexpr int ORDER_LAST_SLOT = FISH_ORDER_SLOTS - 1;   // 22
constexpr int ARRIVED = 100;    // added to a wanted kind when its item has arrived
constexpr int AGE_STEPS_AFTER = 100;   // fish age only once the level has begun
constexpr float PI = 3.14159265f;

float SinDegrees(float degrees) {
    return std::sin(degrees * PI / 180.0f);
}
float CosDegrees(float degrees) {
    return std::cos(degrees * PI / 180.0f);
}

// The colour code of the token that carries an item of colour 1..5.
int TokenColour(int kind) {
    static const int colours[6] = {0, 2, 4, 1, 7, 9};
    return kind >= 1 && kind <= 5 ? colours[kind] : 0;
}

// Icons sit on an arc below the fish; as wanted items are served the ones
// still open close up around the middle.
float IconAngle(int orderSize, int openCount, int rank) {
    static const float one[1] = {90.0f};
    static const float two[2] = {72.0f, 108.0f};
    static const float twoOfThree[2] = {76.0f, 104.0f};
    static const float three[3] = {64.0f, 90.0f, 116.0f};
    if (openCount <= 1 || rank < 0) return one[0];
    if (openCount == 2) return (orderSize >= 3 ? twoOfThree : two)[rank > 1 ? 1 : rank];
    return three[rank > 2 ? 2 : rank];
}

float RingRadius(int orderSize) {
    if (orderSize <= 1) return 63.0f;
    if (orderSize == 2) return 86.0f;
    return 111.0f;
}

void DrawScaled(TImage image, float x, float y, float scaleX, float scaleY) {
    if (!image) return;
    SetDrawScale(scaleX, scaleY);
    PaintImage(image, x, y, 0);
}

void DrawFish(const TFishOrder& order, float drawnY, float size) {
    const float age = static_cast<float>(order.orderAge);
    const float facing = order.orderX > 512 ? -1.0f : 1.0f;
    const int frame = 1 + (frameCount / 4) % 4;
    DrawScaled(fishImage[order.fishKind][frame], order.orderX, drawnY,
               size * (1.0f + 0.02f * SinDegrees(5.0f * age)) * facing, size * (1.0f + 0.02f * CosDegrees(5.0f * age)));
    DrawScaled(orderBubbleImages[order.orderSize], order.orderX, drawnY, size, size);
}

void PlaceIcons(int slot, TFishOrder& order, float drawnY, float size) {
    int openCount = 0;
    for (int j = 1; j <= order.orderSize; j++)
        if (order.wanted[j].wantedKind >= 1 && order.wanted[j].wantedKind < ARRIVED) openCount++;
    const float radius = size * RingRadius(order.orderSize);
    const float wobble = 15.0f * SinDegrees(2.2f * order.orderAge);
    int rank = 0;
    for (int j = 1; j <= order.orderSize; j++) {
        const int wanted = order.wanted[j].wantedKind;
        if (wanted >= ARRIVED) continue;
        const float angle = IconAngle(order.orderSize, openCount, wanted >= 1 ? rank++ : -1) + wobble;
        const float x = order.orderX + CosDegrees(angle) * radius;
        const float y = drawnY + SinDegrees(angle) * radius;
        orderIconX[slot][j] = x;
        orderIconY[slot][j] = y;
        if (wanted >= 1 && wanted <= 9) DrawScaled(ItemPicture(wanted), x, y + 2.0f, 0.8f * size, 0.8f * size);
        if (wanted > 0) DrawScaled(iconBubbleImage, x, y, size, size);
    }
    SetDrawScale(1.0f, 1.0f);
}

// A complete order: the fish swims off and a new one takes its place, until
// the last fish on the board have only to leave.
void FinishOrder(int slot, TFishOrder& order, float drawnY) {
    TPlayerProfile& player = CurrentProfile();
    SpawnFlyer(static_cast<float>(order.orderX), drawnY, 10.0f, order.fishKind);
    int sparkles = framesPerSecond / 2;
    if (sparkles > 20) sparkles = 20;
    for (int k = 0; k < sparkles; k++) {
        float angle = 360.0f * k / sparkles;
        SpawnParticle(static_cast<float>(order.orderX), drawnY, 109, 4.0f * CosDegrees(angle), 4.0f * SinDegrees(angle));
    }
    player.playerOrdersServed++;
    PlaySound(38, order.orderX);
    if (player.playerOrdersServed > ordersNeeded - orderHigh) order.orderSize = 0;
    else CreateOrder(order.orderX, order.orderY, order.orderSize, slot);
}

}  // namespace

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

void ServeOrder(int x, int y, int kind) {
    if (kind < 1 || kind >= 6) return;
    TPlayerProfile& player = CurrentProfile();
    int bestSlot = 0, bestItem = 0, bestAge = 0;
    for (int i = 1; i <= ORDER_LAST_SLOT; i++) {
        const TFishOrder& order = player.fishOrders[i];
        if (order.orderSize <= 0 || order.orderX <= 30 || order.orderAge <= 0) continue;
        if (bestSlot != 0 && order.orderAge <= bestAge) continue;
        for (int j = 1; j <= WANTED_ITEMS; j++) {
            if (order.wanted[j].wantedKind != kind || order.wanted[j].wantedServed) continue;
            bestSlot = i;
            bestItem = j;
            bestAge = order.orderAge;
            break;
        }
    }
    if (bestSlot == 0) return;      // no fish waits for this colour: the item is lost
    player.fishOrders[bestSlot].wanted[bestItem].wantedServed = 1;
    const int colour = TokenColour(kind);
    const float vx = RandomInt(-100, 100) * 0.05f, vy = RandomInt(-100, 100) * 0.05f;
    const int token = SpawnParticle(static_cast<float>(x), static_cast<float>(y), 10400 + colour, vx, vy);
    SpawnParticle(static_cast<float>(x), static_cast<float>(y), 200 + colour, 0.0f, 0.0f);
    // The token carries its order to the icon; when there is no token to fly
    // (the pool is full) the item arrives at once, so an order is never lost.
    if (token > 0) SetTokenTarget(token, bestSlot, bestItem);
    else OrderItemArrived(bestSlot, bestItem);
}

void OrderItemArrived(int orderSlot, int itemSlot) {
    TFishOrder& order = CurrentProfile().fishOrders[orderSlot];
    if (itemSlot < 1 || itemSlot > WANTED_ITEMS) return;
    int& wanted = order.wanted[itemSlot].wantedKind;
    if (wanted >= 1 && wanted < ARRIVED) wanted += ARRIVED;
}

void UpdateFishOrders() {
    TPlayerProfile& player = CurrentProfile();
    for (int i = 1; i <= ORDER_LAST_SLOT; i++) {
        TFishOrder& order = player.fishOrders[i];
        if (order.orderSize <= 0) continue;
        const float drawnY = order.orderY + 2.0f * SinDegrees(3.0f * order.orderAge + 188.0f * i);
        if (levelFrame > AGE_STEPS_AFTER) order.orderAge++;
        float size = 0.05f * order.orderAge;
        if (size > 1.0f) size = 1.0f;
        if (order.orderAge > 0) {
            DrawFish(order, drawnY, size);
            PlaceIcons(i, order, drawnY, size);
        }
        int complete = 1;
        for (int j = 1; j <= order.orderSize; j++) {
            int& wanted = order.wanted[j].wantedKind;
            if (wanted > ARRIVED) wanted = 0;
            if (wanted >= 1) complete = 0;
        }
        if (complete) FinishOrder(i, order, drawnY);
    }
    SetDrawScale(1.0f, 1.0f);
}
