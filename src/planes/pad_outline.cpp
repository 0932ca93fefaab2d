#include "pad_outline.h"

namespace {

enum Shape { round = 1, rectangular = 2, octagonal = 3, oblong = 4 };

// Quarter flags of an arc, y growing upward.
constexpr std::int64_t fullCircle = 15;
constexpr std::int64_t upperHalf = 3;
constexpr std::int64_t leftHalf = 6;
constexpr std::int64_t rightHalf = 9;
constexpr std::int64_t lowerHalf = 12;

class Builder {
public:
    Builder(OutlineList& list, std::int64_t width, std::int64_t layer)
        : list_(list), width_(width), layer_(layer) {}

    void arc(std::int64_t x, std::int64_t y, std::int64_t radius, std::int64_t segments) {
        list_.items[list_.count++] = {RecordKind::arc, {x, y, radius, segments, width_, layer_}};
    }
    void track(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
        list_.items[list_.count++] = {RecordKind::track, {x1, y1, x2, y2, width_, layer_}};
    }

private:
    OutlineList& list_;
    std::int64_t width_;
    std::int64_t layer_;
};

}  // namespace

// Halvings truncate toward zero, as 64-bit division does; the order of adding
// and halving is part of each figure.
OutlineList PadOutline(const PadFields& pad, std::int32_t e, std::int32_t layer) {
    const std::int64_t x = pad.x;
    const std::int64_t y = pad.y;
    const std::int64_t xSize = pad.xSize;
    const std::int64_t ySize = pad.ySize;
    OutlineList outline;
    Builder out(outline, e, layer);

    switch (pad.shape) {
        case round:
            out.arc(x, y, (e + xSize) / 2, fullCircle);
            break;
        case rectangular: {
            const std::int64_t hx = (e + xSize) / 2;
            const std::int64_t hy = (e + ySize) / 2;
            out.track(x - hx, y + hy, x + hx, y + hy);
            out.track(x + hx, y + hy, x + hx, y - hy);
            out.track(x + hx, y - hy, x - hx, y - hy);
            out.track(x - hx, y - hy, x - hx, y + hy);
            break;
        }
        case octagonal: {
            const std::int64_t n = (e + xSize) / 2;
            const std::int64_t o = n / 2;
            out.track(x - n, y + o, x - o, y + n);
            out.track(x - o, y + n, x + o, y + n);
            out.track(x + o, y + n, x + n, y + o);
            out.track(x + n, y + o, x + n, y - o);
            out.track(x + n, y - o, x + o, y - n);
            out.track(x + o, y - n, x - o, y - n);
            out.track(x - o, y - n, x - n, y - o);
            out.track(x - n, y - o, x - n, y + o);
            break;
        }
        case oblong:
            if (xSize == ySize) {
                out.arc(x, y, (e + xSize) / 2, fullCircle);
            } else if (xSize > ySize) {
                const std::int64_t d = (xSize - ySize) / 2;
                const std::int64_t r = e / 2 + ySize / 2;
                out.track(x - d, y + r, x + d, y + r);
                out.track(x - d, y - r, x + d, y - r);
                out.arc(x - d, y, r, leftHalf);
                out.arc(x + d, y, r, rightHalf);
            } else {
                const std::int64_t d = (ySize - xSize) / 2;
                const std::int64_t r = e / 2 + xSize / 2;
                out.track(x - r, y - d, x - r, y + d);
                out.track(x + r, y - d, x + r, y + d);
                out.arc(x, y - d, r, lowerHalf);
                out.arc(x, y + d, r, upperHalf);
            }
            break;
        default:
            break;
    }
    return outline;
}
