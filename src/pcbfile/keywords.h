#pragma once

#include <array>
#include <cstring>
#include <string_view>

#include "record_kind.h"

namespace pcbfile {

inline constexpr std::string_view headerVersion4 = "PCB FILE 4\n";
inline constexpr std::string_view headerVersion5 = "PCB FILE 5\n";
inline constexpr std::string_view endMarker = "ENDPCB";
inline constexpr std::string_view componentKeyword = "COMP";

// The lines a component opening line is followed by, never taken as records.
inline constexpr int componentHeaderPieces = 6;

struct RecordKeyword {
    std::string_view text;
    RecordFamily family;
    RecordKind kind;
};

// In the order they are tried.
inline constexpr std::array<RecordKeyword, 8> recordKeywords{{
    {"FA", RecordFamily::free, RecordKind::arc},
    {"FT", RecordFamily::free, RecordKind::track},
    {"FV", RecordFamily::free, RecordKind::via},
    {"FP", RecordFamily::free, RecordKind::pad},
    {"CA", RecordFamily::component, RecordKind::arc},
    {"CT", RecordFamily::component, RecordKind::track},
    {"CV", RecordFamily::component, RecordKind::via},
    {"CP", RecordFamily::component, RecordKind::pad},
}};

// The first line of a design, read with its line feed.
inline bool isHeaderLine(std::string_view line) {
    return line == headerVersion4 || line == headerVersion5;
}

// Exact, case-sensitive test of a line's leading characters; a shorter line
// never matches.
inline bool beginsWith(const char* line, std::string_view keyword) {
    return std::strncmp(line, keyword.data(), keyword.size()) == 0;
}

inline bool containsEndMarker(const char* line) {
    return std::strstr(line, endMarker.data()) != nullptr;
}

// The record a line opens, or nullptr.
inline const RecordKeyword* recordKeywordOf(const char* line) {
    if (line[0] != 'F' && line[0] != 'C') {
        return nullptr;
    }
    for (const auto& keyword : recordKeywords) {
        if (beginsWith(line, keyword.text)) {
            return &keyword;
        }
    }
    return nullptr;
}

// "FA\n"... : the keyword line of a record that is written.
std::string_view keywordLine(RecordFamily family, RecordKind kind);

// "free track", "component pad"...
const char* recordName(RecordFamily family, RecordKind kind);

}  // namespace pcbfile
