#include "copy_rules.h"

#include <array>
#include <cstdint>
#include <initializer_list>

#include "data_line.h"
#include "pad_outline.h"
#include "stdio_file.h"

namespace {

void writeRecord(CStdioFile& output, RecordFamily family, RecordKind kind,
                 std::initializer_list<std::int64_t> values) {
    char text[pcbfile::maxRecordText];
    output.writeText(pcbfile::formatRecord(text, family, kind, values));
}

}  // namespace

bool CopyArc(RecordFamily family, const char* dataLine, const PlaneOptions& options,
             CStdioFile& output) {
    std::array<std::int32_t, 6> f{};
    if (pcbfile::readDataLine(dataLine, f) < fieldsUsed(RecordKind::arc)) {
        return false;
    }
    const auto [x, y, radius, segments, width, layer] = f;
    for (const auto& plane : planesOf(options)) {
        if (plane.build && layer == plane.source) {
            writeRecord(
                output, family, RecordKind::arc,
                {x, y, radius, segments, width + 2 * std::int64_t{plane.enlargement}, plane.layer});
        }
    }
    return true;
}

bool CopyTrack(RecordFamily family, const char* dataLine, const PlaneOptions& options,
               CStdioFile& output) {
    std::array<std::int32_t, 7> f{};
    const int read = pcbfile::readDataLine(dataLine, f);
    if (read < fieldsUsed(RecordKind::track)) {
        return false;
    }
    const auto [x1, y1, x2, y2, width, layer, extra] = f;
    for (const auto& plane : planesOf(options)) {
        if (!plane.build || layer != plane.source) {
            continue;
        }
        const std::int64_t copyWidth = width + 2 * std::int64_t{plane.enlargement};
        if (read == 7) {
            writeRecord(output, family, RecordKind::track,
                        {x1, y1, x2, y2, copyWidth, plane.layer, extra});
        } else {
            // The many designs whose tracks have six integers get six back.
            writeRecord(output, family, RecordKind::track,
                        {x1, y1, x2, y2, copyWidth, plane.layer});
        }
    }
    return true;
}

bool CopyVia(RecordFamily family, const char* dataLine, const PlaneOptions& options,
             CStdioFile& output) {
    std::array<std::int32_t, 4> f{};
    if (pcbfile::readDataLine(dataLine, f) < fieldsUsed(RecordKind::via)) {
        return false;
    }
    const auto [x, y, size, hole] = f;
    for (const auto& plane : planesOf(options)) {
        if (plane.build && plane.padsAndVias) {
            // A disc: an arc of radius w/2 and width w reaches w from the centre.
            const std::int64_t w = size / 2 + std::int64_t{plane.enlargement};
            writeRecord(output, family, RecordKind::arc, {x, y, w / 2, 15, w, plane.layer});
        }
    }
    return true;
}

namespace {

bool planeCodeSelects(std::int32_t planeCode, bool ground) {
    return ground ? planeCode == 1 || planeCode == 4 || planeCode == 5
                  : planeCode == 1 || planeCode == 2 || planeCode == 3;
}

}  // namespace

bool CopyPadRecord(RecordFamily family, const char* dataLine, const PlaneOptions& options,
                   CStdioFile& output) {
    std::array<std::int32_t, padFieldCount> f{};
    if (pcbfile::readDataLine(dataLine, f) < fieldsUsed(RecordKind::pad)) {
        return false;
    }
    const PadFields pad{f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]};
    for (const auto& plane : planesOf(options)) {
        if (!plane.build || !plane.padsAndVias ||
            (pad.layer != plane.source && pad.layer != multiLayer) ||
            !planeCodeSelects(pad.planeCode, plane.ground)) {
            continue;
        }
        for (const auto& primitive : PadOutline(pad, plane.enlargement, plane.layer)) {
            char text[pcbfile::maxRecordText];
            output.writeText(pcbfile::formatRecord(text, family, primitive.kind, primitive.values));
        }
    }
    return true;
}
