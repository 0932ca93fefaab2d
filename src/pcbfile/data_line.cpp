#include "data_line.h"

#include <charconv>
#include <cstring>
#include <limits>

#include "keywords.h"

namespace pcbfile {

namespace {

// White space as the "C" locale's isspace has it.
constexpr bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

int readDataLine(const char* line, std::span<std::int32_t> fields) {
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    const char* p = line;
    int read = 0;
    for (auto& field : fields) {
        while (isSpace(*p)) {
            ++p;
        }
        const bool negative = *p == '-';
        if (*p == '-' || *p == '+') {
            ++p;
        }
        if (!isDigit(*p)) {
            break;
        }
        std::int64_t value = 0;
        for (; isDigit(*p); ++p) {
            if (value <= limit) {
                value = value * 10 + (*p - '0');
            }
        }
        if (value > (negative ? limit : limit - 1)) {
            break;
        }
        field = static_cast<std::int32_t>(negative ? -value : value);
        ++read;
    }
    return read;
}

std::string_view formatRecord(char* buffer, RecordFamily family, RecordKind kind,
                              std::span<const std::int64_t> values) {
    const std::string_view keyword = keywordLine(family, kind);
    char* p = buffer;
    std::memcpy(p, keyword.data(), keyword.size());
    p += keyword.size();
    char* const end = buffer + maxRecordText;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            *p++ = ' ';
        }
        p = std::to_chars(p, end, values[i]).ptr;
    }
    *p++ = '\n';
    return {buffer, static_cast<std::size_t>(p - buffer)};
}

}  // namespace pcbfile
