#include "stdio_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>

#include "file_exception.h"

namespace {

constexpr char ctrlZ = '\x1a';

[[noreturn]] void raise(int cause, int error, const std::string& path) {
    throw CFileException(cause, error, path);
}

[[noreturn]] void raiseOpen(int fd, int error, const std::string& path) {
    if (fd >= 0) {
        ::close(fd);
    }
    raise(causeFromErrno(error, path), error, path);
}

}  // namespace

CStdioFile::CStdioFile() = default;

CStdioFile::~CStdioFile() {
    try {
        close();
    } catch (const CFileException&) {
        // Nobody is left to tell; callers that care call close() themselves.
    }
}

void CStdioFile::open(const std::string& path, Mode mode) {
    if (isOpen()) {
        close();
    }
    const int flags = (mode == Mode::read ? O_RDONLY : O_WRONLY | O_CREAT) | O_CLOEXEC | O_NOCTTY;
    const int fd = ::open(path.c_str(), flags, 0666);
    if (fd < 0) {
        raiseOpen(-1, errno, path);
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        raiseOpen(fd, errno, path);
    }
    if (S_ISDIR(info.st_mode)) {
        raiseOpen(fd, EISDIR, path);
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        raiseOpen(fd, errno, path);
    }
    // Emptied only now that the lock is ours: a file that someone else holds
    // (the input, under another name) is refused above and left as it was.
    if (mode == Mode::write && S_ISREG(info.st_mode) && ::ftruncate(fd, 0) != 0) {
        raiseOpen(fd, errno, path);
    }
    fd_ = fd;
    mode_ = mode;
    path_ = path;
    if (!buffer_) {
        // One more for a CR carried over from the last block, and the slack
        // that readers of the window and appendTranslated may touch.
        buffer_ = std::make_unique<char[]>(blockSize + 1 + windowSlack);
    }
    resetBuffers();
}

void CStdioFile::resetBuffers() {
    pos_ = end_ = buffer_.get();
    pendingCr_ = false;
    inputEnded_ = false;
    outPos_ = outEnd_ = nullptr;
    if (fd_ >= 0 && mode_ == Mode::write) {
        outPos_ = buffer_.get();
        outEnd_ = outPos_ + blockSize;
    }
}

bool CStdioFile::fill() {
    if (fd_ < 0 || mode_ != Mode::read) {
        raise(CFileException::invalidFile, EBADF, path_);
    }
    while (!inputEnded_) {
        char* const base = buffer_.get();
        std::size_t carried = 0;
        if (pendingCr_) {
            base[0] = '\r';
            carried = 1;
            pendingCr_ = false;
        }
        ssize_t got;
        do {
            got = ::read(fd_, base + carried, blockSize);
        } while (got < 0 && errno == EINTR);
        if (got < 0) {
            raise(CFileException::genericException, errno, path_);
        }
        char* e = base + carried + got;
        if (got == 0) {
            inputEnded_ = true;
        } else if (void* z = std::memchr(base + carried, ctrlZ, static_cast<std::size_t>(got))) {
            e = static_cast<char*>(z);
            inputEnded_ = true;
        }

        // CR LF becomes LF in place. A CR that ends the block is held back
        // until the next block shows whether an LF follows it.
        char* dst = static_cast<char*>(std::memchr(base, '\r', static_cast<std::size_t>(e - base)));
        if (dst) {
            char* src = dst;
            for (;;) {
                if (src + 1 == e) {
                    if (inputEnded_) {
                        *dst++ = '\r';
                    } else {
                        pendingCr_ = true;
                    }
                    break;
                }
                if (src[1] == '\n') {
                    ++src;
                } else {
                    *dst++ = *src++;
                }
                char* cr =
                    static_cast<char*>(std::memchr(src, '\r', static_cast<std::size_t>(e - src)));
                char* stop = cr ? cr : e;
                std::memmove(dst, src, static_cast<std::size_t>(stop - src));
                dst += stop - src;
                src = stop;
                if (!cr) {
                    break;
                }
            }
            e = dst;
        }
        pos_ = base;
        end_ = e;
        if (pos_ < end_) {
            return true;
        }
    }
    return false;
}

std::size_t CStdioFile::readPieceSlow(char* buffer, std::size_t want) {
    std::size_t got = 0;
    while (got < want) {
        if (pos_ == end_ && !fill()) {
            break;
        }
        const std::size_t avail = std::min(static_cast<std::size_t>(end_ - pos_), want - got);
        const void* lf = std::memchr(pos_, '\n', avail);
        const std::size_t take =
            lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - pos_) + 1 : avail;
        std::memcpy(buffer + got, pos_, take);
        pos_ += take;
        got += take;
        if (lf) {
            break;
        }
    }
    buffer[got] = '\0';
    return got;
}

void CStdioFile::writeTextSlow(std::string_view text) {
    while (!text.empty()) {
        if (outEnd_ - outPos_ < 2) {
            flush();
        }
        const std::size_t chunk =
            std::min(text.size(), static_cast<std::size_t>(outEnd_ - outPos_) / 2);
        appendTranslated(text.substr(0, chunk));
        text.remove_prefix(chunk);
    }
}

void CStdioFile::flush() {
    if (fd_ < 0 || mode_ != Mode::write) {
        raise(CFileException::invalidFile, EBADF, path_);
    }
    const char* p = buffer_.get();
    const char* const e = outPos_;
    outPos_ = buffer_.get();  // what fails to go out now is lost, not retried
    while (p < e) {
        const ssize_t put = ::write(fd_, p, static_cast<std::size_t>(e - p));
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            raise(CFileException::diskFull, errno, path_);
        }
        p += put;
    }
}

void CStdioFile::rewind() {
    if (fd_ < 0) {
        raise(CFileException::invalidFile, EBADF, path_);
    }
    if (mode_ == Mode::write) {
        flush();
    }
    if (::lseek(fd_, 0, SEEK_SET) < 0) {
        raise(CFileException::badSeek, errno, path_);
    }
    resetBuffers();
}

void CStdioFile::close() {
    if (fd_ < 0) {
        return;
    }
    int cause = CFileException::none;
    int error = 0;
    if (mode_ == Mode::write) {
        try {
            flush();
        } catch (const CFileException& e) {
            cause = e.cause();
            error = e.osError();
        }
    }
    if (::close(fd_) != 0 && cause == CFileException::none) {
        error = errno;
        cause = causeFromErrno(error, path_);
    }
    fd_ = -1;
    resetBuffers();
    if (cause != CFileException::none) {
        raise(cause, error, path_);
    }
}
