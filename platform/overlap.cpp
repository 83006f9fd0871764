// Pixel-exact overlap of two placed frames, on the kept pixels.
#include <algorithm>
#include <cmath>

#include "platform/platform.h"
#include "platform/platform_internal.h"

struct TPlacement {
    TImage image;
    int frame;
    float x, y;
    double cosR, sinR, sx, sy;
    double minX, minY, maxX, maxY;   // bounding box on the screen
};

static void Place(TPlacement& p, TImage image, float x, float y, int frame) {
    p.image = image;
    p.frame = frame;
    p.x = x;
    p.y = y;
    double radians = drawState.rotation * 3.14159265358979323846 / 180.0;
    p.cosR = std::cos(radians);
    p.sinR = std::sin(radians);
    p.sx = drawState.scaleX;
    p.sy = drawState.scaleY;
    double us[2] = {-image->handle_x, image->width - image->handle_x};
    double vs[2] = {-image->handle_y, image->height - image->handle_y};
    p.minX = p.minY = 1e30;
    p.maxX = p.maxY = -1e30;
    for (double u : us) {
        for (double v : vs) {
            double px = x + u * p.cosR * p.sx - v * p.sinR * p.sy;
            double py = y + u * p.sinR * p.sx + v * p.cosR * p.sy;
            p.minX = std::min(p.minX, px);
            p.maxX = std::max(p.maxX, px);
            p.minY = std::min(p.minY, py);
            p.maxY = std::max(p.maxY, py);
        }
    }
}

// Whether the screen point falls on a covered pixel of the placed frame.
static int Covers(const TPlacement& p, double px, double py) {
    double dx = px - p.x, dy = py - p.y;
    double qx = dx * p.cosR + dy * p.sinR;
    double qy = -dx * p.sinR + dy * p.cosR;
    double u = qx / p.sx + p.image->handle_x;
    double v = qy / p.sy + p.image->handle_y;
    if (u < 0 || v < 0 || u >= p.image->width || v >= p.image->height) return 0;
    if (!p.image->hasAlpha) return 1;
    uint32_t pixel = ImagePixel(p.image, p.frame, static_cast<int>(u), static_cast<int>(v));
    return (pixel >> 24) != 0;
}

int ImagesOverlap(TImage a, float xA, float yA, int frameA, TImage b, float xB, float yB, int frameB) {
    if (!a || !b || frameA < 0 || frameA >= a->frameCount || frameB < 0 || frameB >= b->frameCount) return 0;
    if (drawState.scaleX == 0.0f || drawState.scaleY == 0.0f) return 0;
    TPlacement pa, pb;
    Place(pa, a, xA, yA, frameA);
    Place(pb, b, xB, yB, frameB);
    double minX = std::max(pa.minX, pb.minX), maxX = std::min(pa.maxX, pb.maxX);
    double minY = std::max(pa.minY, pb.minY), maxY = std::min(pa.maxY, pb.maxY);
    if (minX >= maxX || minY >= maxY) return 0;
    // Screen pixels are tested at their centres.
    int x0 = static_cast<int>(std::floor(minX)), x1 = static_cast<int>(std::ceil(maxX));
    int y0 = static_cast<int>(std::floor(minY)), y1 = static_cast<int>(std::ceil(maxY));
    for (int y = y0; y < y1; y++) {
        for (int x = x0; x < x1; x++) {
            double px = x + 0.5, py = y + 0.5;
            if (Covers(pa, px, py) && Covers(pb, px, py)) return 1;
        }
    }
    return 0;
}
