#pragma once

#include <array>
#include <cstdint>

#include "record_kind.h"

// The data-line fields of a pad, in their order.
struct PadFields {
    std::int32_t x;
    std::int32_t y;
    std::int32_t xSize;
    std::int32_t ySize;
    std::int32_t shape;
    std::int32_t hole;
    std::int32_t planeCode;
    std::int32_t layer;
};

inline constexpr int padFieldCount = 8;

// One arc (x, y, radius, segments, width, layer) or track (x1, y1, x2, y2,
// width, layer) of an outline. Values are 64-bit so that no sum overflows.
struct OutlinePrimitive {
    RecordKind kind;
    std::array<std::int64_t, 6> values;
};

// At most eight primitives (the octagon); held in place, never allocated.
struct OutlineList {
    std::array<OutlinePrimitive, 8> items{};
    int count = 0;

    const OutlinePrimitive* begin() const { return items.data(); }
    const OutlinePrimitive* end() const { return items.data() + count; }
    bool empty() const { return count == 0; }
};

// The outline of a pad for enlargement e on layer L, in drawing order; empty
// for a shape other than 1 round, 2 rectangular, 3 octagonal, 4 oblong.
OutlineList PadOutline(const PadFields& pad, std::int32_t e, std::int32_t layer);
