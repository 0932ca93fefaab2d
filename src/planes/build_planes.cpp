#include "build_planes.h"

#include <array>
#include <cstring>
#include <span>
#include <string_view>

#include "copy_rules.h"
#include "data_line.h"
#include "keywords.h"
#include "pad_outline.h"
#include "stdio_file.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// The pass reads at most 39 characters at a time, up to and including a line
// feed: a longer line comes in several pieces.
constexpr std::size_t pieceBufferSize = 40;
constexpr std::size_t maxPiece = pieceBufferSize - 1;

struct Piece {
    std::string_view text;   // up to a NUL in it
    std::size_t stored = 0;  // characters read, a NUL and what follows it included
    bool inWindow = false;   // text lies in the input's window, not in a copy
    bool endMarker = false;  // text holds "ENDPCB"

    bool endsLine() const { return !text.empty() && text.back() == '\n'; }
};

// Takes the next piece straight from the input's window when the window holds
// all of it; otherwise (it runs into the next block, or the input ends) reads
// it through readPiece into `copy`. Counts the input line the piece ends.
class PieceReader {
public:
    explicit PieceReader(CStdioFile& input) : input_(input) {}

    // False when the window does not hold the whole piece; then nothing is read.
    bool fromWindow(Piece& piece, std::int64_t& line) {
        const std::string_view window = input_.window();
        const std::size_t avail = window.size() < maxPiece ? window.size() : maxPiece;
        const char* const p = window.data();
#ifdef __SSE2__
        // The window is followed by enough readable slack for three loads.
        static_assert(CStdioFile::windowSlack >= 48 - maxPiece);
        const auto load = [p](int at) {
            return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at));
        };
        const __m128i a = load(0);
        const __m128i b = load(16);
        const __m128i c = load(32);
        const auto maskOf = [&](char ch) {
            const __m128i v = _mm_set1_epi8(ch);
            return static_cast<std::uint64_t>(
                       static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(a, v)))) |
                   static_cast<std::uint64_t>(
                       static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(b, v))))
                       << 16 |
                   static_cast<std::uint64_t>(
                       static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(c, v))))
                       << 32;
        };
        const std::uint64_t lineFeeds = maskOf('\n') & ((std::uint64_t{1} << avail) - 1);
        std::size_t stored;
        if (lineFeeds != 0) {
            stored = static_cast<std::size_t>(__builtin_ctzll(lineFeeds)) + 1;
            ++line;
        } else if (avail == maxPiece) {
            stored = maxPiece;
        } else {
            return false;
        }
        const std::uint64_t within = (std::uint64_t{1} << stored) - 1;
        const std::uint64_t nuls = maskOf('\0') & within;
        const std::size_t length =
            nuls != 0 ? static_cast<std::size_t>(__builtin_ctzll(nuls)) : stored;
        piece.text = {p, length};
        // Most pieces hold no "E" at all; only those that do are searched.
        piece.endMarker = (maskOf('E') & ((std::uint64_t{1} << length) - 1)) != 0 &&
                          pcbfile::containsEndMarker(piece.text);
#else
        const void* lf = std::memchr(p, '\n', avail);
        std::size_t stored;
        if (lf) {
            stored = static_cast<std::size_t>(static_cast<const char*>(lf) - p) + 1;
            ++line;
        } else if (avail == maxPiece) {
            stored = maxPiece;
        } else {
            return false;
        }
        const void* nul = std::memchr(p, '\0', stored);
        piece.text = {p,
                      nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - p) : stored};
        piece.endMarker = pcbfile::containsEndMarker(piece.text);
#endif
        piece.stored = stored;
        piece.inWindow = true;
        input_.consume(stored);
        return true;
    }

    // Reads the piece through a copy; the window may be refilled meanwhile.
    void copied(Piece& piece, char (&copy)[pieceBufferSize], std::int64_t& line) {
        const std::size_t stored = input_.readPiece(copy, pieceBufferSize);
        if (stored > 0 && copy[stored - 1] == '\n') {
            ++line;
        }
        piece.text = {copy, std::strlen(copy)};
        piece.stored = stored;
        piece.inWindow = false;
        piece.endMarker = pcbfile::containsEndMarker(piece.text);
    }

private:
    CStdioFile& input_;
};

// The echo of pieces that lie side by side in the input's window is written
// as one text, when something else is to be written or the window is to be
// refilled.
class Echo {
public:
    explicit Echo(CStdioFile& output) : output_(output) {}

    void add(const Piece& piece) {
        if (!piece.inWindow) {
            flush();
            output_.writeText(piece.text);
            return;
        }
        if (piece.text.data() != end_) {
            flush();
            begin_ = piece.text.data();
        }
        end_ = piece.text.data() + piece.text.size();
        if (piece.text.size() != piece.stored) {
            flush();  // what follows the NUL is not echoed
        }
    }
    void flush() {
        if (begin_ != end_) {
            output_.writeText(std::string_view(begin_, static_cast<std::size_t>(end_ - begin_)));
        }
        begin_ = end_ = nullptr;
    }

private:
    CStdioFile& output_;
    const char* begin_ = nullptr;
    const char* end_ = nullptr;
};

// The keyword line is the keyword alone; `text` begins with the keyword.
bool isBareKeywordLine(std::string_view text, std::string_view keyword) {
    return text.size() == keyword.size() ||
           (text.size() == keyword.size() + 1 && text.back() == '\n');
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

// With neither plane built the rules would write nothing: only whether the
// data line supplies the fields that they need decides, read as they read it
// (arc 6, track 6, via 3, pad 8).
bool suppliesFields(RecordKind kind, const char* dataLine) {
    std::array<std::int32_t, padFieldCount> fields;
    const int count = fieldsUsed(kind);
    return pcbfile::readDataLine(
               dataLine, std::span(fields.data(), static_cast<std::size_t>(count))) == count;
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
    PieceReader reader(input);
    Echo echo(output);
    // With neither plane built nothing is inserted: the echo need not be
    // written before each record's rule, and the rules need not run.
    const bool rulesWrite = options.buildGround != 0 || options.buildPower != 0;

    char currentCopy[pieceBufferSize];
    char dataCopy[pieceBufferSize];
    char nameCopy[pieceBufferSize];
    const auto read = [&](Piece& piece, char(&copy)[pieceBufferSize], std::int64_t& line) {
        if (!reader.fromWindow(piece, line)) {
            echo.flush();  // the window is about to be refilled
            reader.copied(piece, copy, line);
        }
    };

    int skipCount = 0;
    std::int64_t line = 1;  // input line at which the next piece starts
    Piece current;
    Piece data;
    Piece name;
    char dataLine[pieceBufferSize];

    for (;;) {
        const std::int64_t currentLine = line;
        read(current, currentCopy, line);
        if (current.stored == 0 || current.text.empty()) {
            break;
        }
        echo.add(current);
        if (current.endMarker) {
            break;
        }
        if (skipCount > 0) {
            --skipCount;
            continue;
        }
        if (pcbfile::opensComponent(current.text)) {
            skipCount = pcbfile::componentHeaderPieces;
            continue;
        }
        const pcbfile::RecordKeyword* keyword = pcbfile::recordKeywordOf(current.text);
        if (!keyword) {
            continue;
        }
        // Decided now: reading the data line may refill the window under it.
        const bool bare = isBareKeywordLine(current.text, keyword->text);

        read(data, dataCopy, line);
        echo.add(data);
        std::memcpy(dataLine, data.text.data(), data.text.size());
        dataLine[data.text.size()] = '\0';
        bool linesEnded = data.endsLine();
        if (keyword->kind == RecordKind::pad) {
            read(name, nameCopy, line);
            echo.add(name);
            linesEnded = linesEnded && name.endsLine();
        }
        if (rulesWrite) {
            echo.flush();
        }
        // A line cut at the piece's end would be split by the inserted records,
        // and an integer cut there read wrong: such a record gets no copies.
        if (linesEnded && (rulesWrite ? applyRule(*keyword, dataLine, options, output)
                                      : suppliesFields(keyword->kind, dataLine))) {
            continue;
        }
        if (onDamaged && bare) {
            echo.flush();  // the observer may look at the output
            onDamaged({currentLine, keyword->family, keyword->kind,
                       linesEnded ? DamageReason::missingFields : DamageReason::lineNotEnded});
        }
    }
    echo.flush();
}
