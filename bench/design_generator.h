#pragma once

#include <cstdint>
#include <cstdio>

// Writes a made-up but realistic design: components with their six header
// lines, pads of every shape on layers 1, 6 and 13 with plane codes 1 to 5,
// tracks of six and seven integers, arcs, vias, strings, long lines, free
// text, and "ENDPCB" at the end. The same seed and size give the same bytes.
//
// Most copper lies on layer 1 and most pads on 13, so that a run with both
// planes taken from layer 1, pads and vias included, writes more than twice
// the input.
struct DesignSettings {
    std::uint64_t size = 1 << 20;  // bytes; the design stops at the first record past it
    std::uint64_t seed = 1;
    bool crlf = false;  // CR LF line ends instead of LF
};

// Returns the number of bytes written, or -1 when writing failed.
std::int64_t generateDesign(std::FILE* out, const DesignSettings& settings);
