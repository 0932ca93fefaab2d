#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// A fresh folder for one test, removed with everything in it at the end.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The path of `name` inside the folder, as a string.
    std::string at(std::string_view name) const { return (path_ / name).string(); }
    // Writes the bytes to `name` and returns its path.
    std::string write(std::string_view name, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

// A file's bytes; throws std::runtime_error when it cannot be read.
std::string bytesOf(const std::filesystem::path& path);

// "a\nb\n" as it stands on disk after a text-mode write: "a\r\nb\r\n".
std::string crlf(std::string_view text);

// While it lives, the system refuses to let a file grow beyond `bytes`, with
// EFBIG, as a full disk refuses with ENOSPC.
class FileSizeLimit {
public:
    explicit FileSizeLimit(std::uint64_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    std::uint64_t oldLimit_;
};

// A small design, CR LF on every line, with one track on layer 1.
inline constexpr std::string_view smallDesign =
    "PCB FILE 4\r\nFT\r\n100 200 900 200 20 1 0\r\nENDPCB\r\n";
