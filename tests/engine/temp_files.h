#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "build_planes.h"
#include "plane_options.h"

// A fresh folder for one test, removed with it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::filesystem::path file(std::string_view name) const { return path_ / name; }
    std::filesystem::path write(std::string_view name, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

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

std::string readBytes(const std::filesystem::path& path);

// "a\nb\n" as it stands on disk after a text-mode write: "a\r\nb\r\n".
std::string crlf(std::string_view text);

struct PassResult {
    std::string output;  // the output file's bytes
    std::vector<DamagedRecord> damaged;
};

// Runs BuildPlanes over a design given as its bytes on disk, through real files.
PassResult runPass(std::string_view inputBytes, const PlaneOptions& options);

// Both planes off: the pass only copies.
PlaneOptions copyOnly();
