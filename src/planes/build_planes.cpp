#include "build_planes.h"

#include <cstring>
#include <string_view>

#include "copy_rules.h"
#include "keywords.h"
#include "stdio_file.h"

namespace {

// The pass reads at most 39 characters at a time, up to and including a line
// feed: a longer line comes in several pieces.
constexpr std::size_t pieceBufferSize = 40;

struct Piece {
    char text[pieceBufferSize];
    std::size_t length = 0;  // of the text, up to a NUL in it

    // Reads the next piece and counts the input line it ends, if any.
    // Returns false when the read yielded no characters at all.
    bool read(CStdioFile& input, std::int64_t& line) {
        const std::size_t stored = input.readPiece(text, pieceBufferSize);
        if (stored > 0 && text[stored - 1] == '\n') {
            ++line;
        }
        length = std::strlen(text);
        return stored > 0;
    }
    std::string_view view() const { return {text, length}; }
    bool endsLine() const { return length > 0 && text[length - 1] == '\n'; }
};

bool isBareKeywordLine(const Piece& piece, std::string_view keyword) {
    const std::string_view text = piece.view();
    return text.substr(0, keyword.size()) == keyword &&
           (text.size() == keyword.size() ||
            (text.size() == keyword.size() + 1 && text.back() == '\n'));
}

bool applyRule(const pcbfile::RecordKeyword& keyword, const char* dataLine,
               const PlaneOptions& options, CStdioFile& output) {
    switch (keyword.kind) {
        case RecordKind::arc:
            return CopyArc(keyword.family, dataLine, options, output);
        case RecordKind::track:
            return CopyTrack(keyword.family, dataLine, options, output);
        case RecordKind::via:
            return CopyVia(keyword.family, dataLine, options, output);
        case RecordKind::pad:
            return CopyPadRecord(keyword.family, dataLine, options, output);
    }
    return false;
}

}  // namespace

std::string describeDamage(const DamagedRecord& record) {
    std::string text = "line " + std::to_string(record.lineNumber) + ": " +
                       pcbfile::recordName(record.family, record.kind) + " record: ";
    if (record.reason == DamageReason::missingFields) {
        text += "its data line has too few integers";
    } else {
        text += record.kind == RecordKind::pad
                    ? "its data or name line is too long, holds a NUL or is missing"
                    : "its data line is too long, holds a NUL or is missing";
    }
    return text;
}

void BuildPlanes(CStdioFile& input, CStdioFile& output, const PlaneOptions& options,
                 const DamagedRecordObserver& onDamaged) {
    input.rewind();
    int skipCount = 0;
    std::int64_t line = 1;  // input line at which the next piece starts
    Piece current;
    Piece data;
    Piece name;

    for (;;) {
        const std::int64_t currentLine = line;
        if (!current.read(input, line) || current.length == 0) {
            break;
        }
        output.writeText(current.view());
        if (pcbfile::containsEndMarker(current.text)) {
            break;
        }
        if (skipCount > 0) {
            --skipCount;
            continue;
        }
        if (pcbfile::beginsWith(current.text, pcbfile::componentKeyword)) {
            skipCount = pcbfile::componentHeaderPieces;
            continue;
        }
        const pcbfile::RecordKeyword* keyword = pcbfile::recordKeywordOf(current.text);
        if (!keyword) {
            continue;
        }

        data.read(input, line);
        output.writeText(data.view());
        bool linesEnded = data.endsLine();
        if (keyword->kind == RecordKind::pad) {
            name.read(input, line);
            output.writeText(name.view());
            linesEnded = linesEnded && name.endsLine();
        }
        // A line cut at the piece's end would be split by the inserted records,
        // and an integer cut there read wrong: such a record gets no copies.
        if (linesEnded && applyRule(*keyword, data.text, options, output)) {
            continue;
        }
        if (onDamaged && isBareKeywordLine(current, keyword->text)) {
            onDamaged({currentLine, keyword->family, keyword->kind,
                       linesEnded ? DamageReason::missingFields : DamageReason::lineNotEnded});
        }
    }
}
