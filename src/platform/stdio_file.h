#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

// A buffered design file in text mode, held without sharing.
//
// On disk a line ends with CR LF; in memory with LF. Reading turns CR LF into
// LF, keeps a CR that no LF follows, and ends the input at the first byte 0x1A.
// Writing turns every LF into CR LF. The file is read and written in large
// blocks; pieces and texts are served from the block buffers.
//
// Every failure throws CFileException: opening with the cause of the system's
// error, reading with cause 1, writing and flushing with cause 13, rewinding
// with cause 9, each carrying the system's error number.
class CStdioFile {
public:
    enum class Mode { read, write };

#ifdef CUPRENA_TEXT_BLOCK_SIZE
    // Fuzzing uses tiny blocks so that small inputs cross block boundaries.
    static constexpr std::size_t blockSize = CUPRENA_TEXT_BLOCK_SIZE;
#else
    static constexpr std::size_t blockSize = std::size_t{1} << 18;
#endif

    CStdioFile();
    ~CStdioFile();  // closes quietly; call close() to learn of a failure
    CStdioFile(const CStdioFile&) = delete;
    CStdioFile& operator=(const CStdioFile&) = delete;

    // Reading opens an existing file at its start. Writing creates the file or
    // empties it, but only after the lock is held, so a file held by another
    // open is never touched. Another open of the same file fails with cause 11.
    void open(const std::string& path, Mode mode);
    bool isOpen() const noexcept {
        return fd_ >= 0;
    }
    const std::string& path() const noexcept {
        return path_;
    }

    // Reading without copying: the translated characters buffered and not yet
    // read, all from one block. At least windowSlack readable bytes follow the
    // window (their values mean nothing), so a reader may load past its end in
    // fixed-size steps. consume(n) takes n characters of it; readPiece refills
    // it when it runs dry. The window is valid until the next read or rewind.
    static constexpr std::size_t windowSlack = 64;
    std::string_view window() const noexcept {
        return {pos_, static_cast<std::size_t>(end_ - pos_)};
    }
    void consume(std::size_t count) noexcept {
        pos_ += count;
    }

    // Reads characters up to and including the next LF, but at most size - 1,
    // into `buffer` and terminates them with NUL. Returns how many characters
    // were stored (a NUL among them included); 0 only at the end of the input.
    std::size_t readPiece(char* buffer, std::size_t size) {
        const std::size_t want = size - 1;
        if (static_cast<std::size_t>(end_ - pos_) >= want) {
            const void* lf = std::memchr(pos_, '\n', want);
            const std::size_t take =
                lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - pos_) + 1 : want;
            std::memcpy(buffer, pos_, take);
            pos_ += take;
            buffer[take] = '\0';
            return take;
        }
        return readPieceSlow(buffer, want);
    }

    // Appends the text up to its first NUL.
    void writeText(const char* text) {
        writeText(std::string_view(text, std::strlen(text)));
    }
    // Appends the text, each LF as CR LF.
    void writeText(std::string_view text) {
        if (text.size() * 2 <= static_cast<std::size_t>(outEnd_ - outPos_)) {
            appendTranslated(text);
        } else {
            writeTextSlow(text);
        }
    }

    // Back to the first character; drops whatever was buffered.
    void rewind();

    // Writes out what is buffered and closes. If that fails the file is closed
    // all the same and the failure is thrown.
    void close();

private:
    std::size_t readPieceSlow(char* buffer, std::size_t want);
    bool fill();
    void writeTextSlow(std::string_view text);
    void flush();
    // Needs room for twice the text, and may scribble on 16 bytes beyond it.
    void appendTranslated(std::string_view text) {
        const char* p = text.data();
        const char* const e = p + text.size();
#ifdef __SSE2__
        // Sixteen characters at a time: stored whole, then cut behind the first
        // LF among them, which becomes CR LF.
        const __m128i lineFeed = _mm_set1_epi8('\n');
        while (e - p >= 16) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const auto found =
                static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, lineFeed)));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(outPos_), chunk);
            if (found == 0) {
                outPos_ += 16;
                p += 16;
                continue;
            }
            const auto n = static_cast<std::size_t>(__builtin_ctz(found));
            outPos_[n] = '\r';
            outPos_[n + 1] = '\n';
            outPos_ += n + 2;
            p += n + 1;
        }
#endif
        while (p < e) {
            const void* lf = std::memchr(p, '\n', static_cast<std::size_t>(e - p));
            if (!lf) {
                std::memcpy(outPos_, p, static_cast<std::size_t>(e - p));
                outPos_ += e - p;
                return;
            }
            const auto n = static_cast<std::size_t>(static_cast<const char*>(lf) - p);
            std::memcpy(outPos_, p, n);
            outPos_ += n;
            *outPos_++ = '\r';
            *outPos_++ = '\n';
            p += n + 1;
        }
    }
    void resetBuffers();

    int fd_ = -1;
    Mode mode_ = Mode::read;
    std::string path_;
    std::unique_ptr<char[]> buffer_;
    // Reading: translated characters not yet handed out.
    char* pos_ = nullptr;
    char* end_ = nullptr;
    bool pendingCr_ = false;   // a CR at a block's end, waiting to see its successor
    bool inputEnded_ = false;  // end of file or 0x1A reached: nothing more to read
    // Writing: translated characters not yet written.
    char* outPos_ = nullptr;
    char* outEnd_ = nullptr;
};
