#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "record_kind.h"

namespace pcbfile {

// Reads up to fields.size() integers from the start of a data line, each after
// any white space, with an optional sign, as formatted "%d" reading takes
// them. Reading stops at the first place where no integer follows; a run of
// digits whose value does not fit 32 bits is not an integer. Returns how many
// fields were read; the others are left as they were.
int readDataLine(const char* line, std::span<std::int32_t> fields);

// Longest keyword line and data line written: "CT\n" and seven 64-bit values.
inline constexpr std::size_t maxRecordText = 3 + 7 * 21;

// Composes an inserted record, its keyword line and its data line: the values
// in plain decimal, one blank between them, a line feed behind the last.
// `buffer` must hold maxRecordText characters; returns the text.
std::string_view formatRecord(char* buffer, RecordFamily family, RecordKind kind,
                              std::span<const std::int64_t> values);

}  // namespace pcbfile
