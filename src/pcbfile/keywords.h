#pragma once

#include <array>
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

// Does a line open a component? Exact and case-sensitive: "COMP" followed by
// anything; a shorter line never matches.
inline bool opensComponent(std::string_view line) {
    return line.substr(0, componentKeyword.size()) == componentKeyword;
}

inline bool containsEndMarker(std::string_view line) {
    return line.find(endMarker) != std::string_view::npos;
}

// The record a line opens by its first two characters, or nullptr. Runs on
// every line of a design, so it looks the keyword up rather than trying all.
inline const RecordKeyword* recordKeywordOf(std::string_view line) {
    if (line.size() < 2) {
        return nullptr;
    }
    std::size_t index;
    switch (line[1]) {
        case 'A':
            index = 0;
            break;
        case 'T':
            index = 1;
            break;
        case 'V':
            index = 2;
            break;
        case 'P':
            index = 3;
            break;
        default:
            return nullptr;
    }
    if (line[0] == 'C') {
        index += 4;
    } else if (line[0] != 'F') {
        return nullptr;
    }
    return &recordKeywords[index];
}

// "FA\n"... : the keyword line of a record that is written.
std::string_view keywordLine(RecordFamily family, RecordKind kind);

// "free track", "component pad"...
const char* recordName(RecordFamily family, RecordKind kind);

}  // namespace pcbfile
