#include <gtest/gtest.h>

#include "pad_outline.h"

namespace {

std::vector<std::vector<std::int64_t>> valuesOf(const OutlineList& list) {
    std::vector<std::vector<std::int64_t>> result;
    for (const auto& primitive : list) {
        result.emplace_back(primitive.values.begin(), primitive.values.end());
    }
    return result;
}

TEST(PadOutline, ReturnsThePrimitivesInDrawingOrder) {
    const auto outline = PadOutline({500, 800, 100, 50, 4, 30, 1, 13}, 10, 9);
    ASSERT_EQ(outline.count, 4);
    const RecordKind kinds[] = {RecordKind::track, RecordKind::track, RecordKind::arc,
                                RecordKind::arc};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(outline.items[i].kind, kinds[i]) << i;
    }
    EXPECT_EQ(valuesOf(outline).front(), (std::vector<std::int64_t>{475, 830, 525, 830, 10, 9}));
}

TEST(PadOutline, NoFigureForUnknownShapes) {
    for (const std::int32_t shape : {0, 5, -1, 1000}) {
        EXPECT_TRUE(PadOutline({0, 0, 60, 60, shape, 0, 1, 13}, 10, 9).empty()) << shape;
    }
}

TEST(PadOutline, RoundAndOctagonalIgnoreTheirYSize) {
    for (const std::int32_t shape : {1, 3}) {
        EXPECT_EQ(valuesOf(PadOutline({7, 9, 61, 10, shape, 0, 1, 13}, 11, 10)),
                  valuesOf(PadOutline({7, 9, 61, 999, shape, 0, 1, 13}, 11, 10)))
            << shape;
    }
}

TEST(PadOutline, ExtremeValuesDoNotOverflow) {
    const auto outline =
        PadOutline({INT32_MAX, INT32_MIN, INT32_MAX, INT32_MAX, 2, 0, 1, 13}, 100, 9);
    const std::int64_t h = (std::int64_t{100} + INT32_MAX) / 2;
    EXPECT_EQ(valuesOf(outline).front(),
              (std::vector<std::int64_t>{std::int64_t{INT32_MAX} - h, std::int64_t{INT32_MIN} + h,
                                         std::int64_t{INT32_MAX} + h, std::int64_t{INT32_MIN} + h,
                                         100, 9}));
}

}  // namespace
