// Resampled copies: the effects draw a few pictures hundreds of times a frame,
// each at one of a few scales and turns (a flash's scale follows its age, all
// bomb flares of a frame turn alike). Such a picture is resampled once per
// scale and turn, alpha kept, and each drawing copies that onto whole pixels,
// which costs a third of resampling it again.
//
// The copies live in one fixed table, taken first free, and the least
// recently used gives way when the table or its pixel budget is full. A
// picture remembers the slots its copies were put in; a slot proves its copy
// is the picture's by the picture's serial, so a copy outlived by its picture
// (or by its pixels) is never drawn, only reused.
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/platform_internal.h"

namespace {

constexpr int RESAMPLED_SLOTS = 1024;
constexpr size_t RESAMPLED_PIXELS = size_t{2} << 20;   // 8 MB of copies at most
constexpr int RESAMPLED_LARGEST = 512 * 512;           // a larger copy is drawn directly

struct TResampledSlot {
    TResampledKey key{};
    int used = 0;
    uint64_t lastUse = 0;
    int handleX = 0, handleY = 0;
    TRasterPicture picture{};
    std::vector<uint32_t> pixels;
};

std::vector<TResampledSlot> slots;
size_t pixelsHeld = 0;   // the capacity of every slot's pixels
uint64_t uses = 0;
uint64_t imageSerials = 0;

int SameKey(const TResampledKey& a, const TResampledKey& b) {
    return a.serial == b.serial && a.frame == b.frame && a.filtered == b.filtered && a.handleU == b.handleU &&
           a.handleV == b.handleV && a.linear[0] == b.linear[0] && a.linear[1] == b.linear[1] &&
           a.linear[2] == b.linear[2] && a.linear[3] == b.linear[3];
}

void Release(TResampledSlot& slot) {
    pixelsHeld -= slot.pixels.capacity();
    std::vector<uint32_t>().swap(slot.pixels);
    slot.used = 0;
}

// A slot for a copy of `size` pixels: the first free one while the budget
// allows, else the least recently used one, whose pixels serve again when they
// are enough.
TResampledSlot* SlotFor(size_t size) {
    if (slots.empty()) slots.resize(RESAMPLED_SLOTS);
    for (;;) {
        if (pixelsHeld + size <= RESAMPLED_PIXELS) {
            for (TResampledSlot& slot : slots) {
                if (!slot.used && slot.pixels.capacity() == 0) return &slot;
            }
        }
        TResampledSlot* oldest = nullptr;
        for (TResampledSlot& slot : slots) {
            if (slot.used && (!oldest || slot.lastUse < oldest->lastUse)) oldest = &slot;
        }
        if (!oldest) return nullptr;
        if (oldest->pixels.capacity() >= size) return oldest;
        Release(*oldest);
    }
}

}  // namespace

uint64_t NextImageSerial() {
    return ++imageSerials;
}

const TRasterPicture* ResampledCopy(TImageData& image, const TResampledKey& key, const TRasterPicture& picture,
                                    int& handleX, int& handleY) {
    for (size_t n = 0; n < image.copySlots.size();) {
        const size_t at = static_cast<size_t>(image.copySlots[n]);
        if (at >= slots.size() || !slots[at].used || slots[at].key.serial != image.serial) {
            // Given to another picture, or made from pixels since changed.
            image.copySlots[n] = image.copySlots.back();
            image.copySlots.pop_back();
            continue;
        }
        TResampledSlot& slot = slots[at];
        if (SameKey(slot.key, key)) {
            slot.lastUse = ++uses;
            handleX = slot.handleX;
            handleY = slot.handleY;
            return &slot.picture;
        }
        n++;
    }
    // The copy's box: the picture's corners around the handle, a pixel of
    // margin each side, the handle on a whole pixel.
    const double* l = key.linear;
    double left = 1e30, right = -1e30, top = 1e30, bottom = -1e30;
    for (int corner = 0; corner < 4; corner++) {
        const double u = ((corner & 1) ? picture.width : 0) - key.handleU;
        const double v = ((corner & 2) ? picture.height : 0) - key.handleV;
        const double x = l[0] * u + l[1] * v, y = l[2] * u + l[3] * v;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    if (!std::isfinite(left) || !std::isfinite(right) || !std::isfinite(top) || !std::isfinite(bottom)) return nullptr;
    const double width = std::ceil(right) - std::floor(left) + 2.0, height = std::ceil(bottom) - std::floor(top) + 2.0;
    if (width * height > RESAMPLED_LARGEST) return nullptr;
    const int w = static_cast<int>(width), h = static_cast<int>(height);
    TResampledSlot* slot = SlotFor(static_cast<size_t>(w) * h);
    if (!slot) return nullptr;
    if (std::find(image.copySlots.begin(), image.copySlots.end(), static_cast<int>(slot - slots.data())) ==
        image.copySlots.end())
        image.copySlots.push_back(static_cast<int>(slot - slots.data()));
    const size_t before = slot->pixels.capacity();
    slot->pixels.assign(static_cast<size_t>(w) * h, 0u);
    pixelsHeld += slot->pixels.capacity() - before;
    slot->used = 1;
    slot->key = key;
    slot->lastUse = ++uses;
    slot->handleX = 1 - static_cast<int>(std::floor(left));
    slot->handleY = 1 - static_cast<int>(std::floor(top));
    // Drawn as the picture itself would be with its handle on that pixel.
    const double m[6] = {l[0], l[1], slot->handleX - (l[0] * key.handleU + l[1] * key.handleV),
                         l[2], l[3], slot->handleY - (l[2] * key.handleU + l[3] * key.handleV)};
    TRasterFrame into;
    into.pixels = slot->pixels.data();
    into.width = into.clipRight = w;
    into.height = into.clipBottom = h;
    TRasterPaint keep;
    keep.blend = RASTER_KEEP;
    RasterMap(into, picture, m, keep);
    slot->picture = TRasterPicture{slot->pixels.data(), w, w, h, picture.filtered, 0};
    handleX = slot->handleX;
    handleY = slot->handleY;
    return &slot->picture;
}

void DropResampledCopies() {
    std::vector<TResampledSlot>().swap(slots);
    pixelsHeld = 0;
}
