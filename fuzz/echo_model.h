#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A plain, slow model of what the pass echoes, kept apart from the engine so
// the fuzzer can hold the two against each other.
//
// The design's bytes on disk are read as text (CR LF as LF, a lone CR kept,
// 0x1A ends it), cut into pieces of at most 39 characters up to a line feed,
// and echoed with the pass's rules for NUL, "ENDPCB", "COMP" and records. The
// echo is split at every handled record, where the engine may insert copies.
struct ModelRecord {
    std::int64_t line;  // of its keyword line
    char family;        // 'F' or 'C'
    char kind;          // 'A', 'T', 'V' or 'P'
    bool bareKeyword;   // the keyword line is the keyword alone
};

struct EchoModel {
    // On-disk bytes (CR LF) of the echo; segments[i + 1] follows records[i].
    std::vector<std::string> segments;
    std::vector<ModelRecord> records;
};

// The in-memory text of a file's bytes.
std::string textOf(std::string_view bytes);

// "\n" as "\r\n".
std::string onDisk(std::string_view text);

EchoModel modelEcho(std::string_view bytes);
