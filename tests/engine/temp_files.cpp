#include "temp_files.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <csignal>
#include <fstream>
#include <random>
#include <sstream>

#include "stdio_file.h"

TempFolder::TempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("cuprena-test-" + std::to_string(random()) + "-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempFolder::write(std::string_view name, std::string_view bytes) const {
    const auto path = file(name);
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

FileSizeLimit::FileSizeLimit(std::uint64_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    oldLimit_ = limit.rlim_cur;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = oldLimit_;
    setrlimit(RLIMIT_FSIZE, &limit);
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string crlf(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    return out;
}

PassResult runPass(std::string_view inputBytes, const PlaneOptions& options) {
    TempFolder folder;
    const auto inputPath = folder.write("in.pcb", inputBytes);
    const auto outputPath = folder.file("out.pcb");
    PassResult result;
    CStdioFile input;
    CStdioFile output;
    input.open(inputPath, CStdioFile::Mode::read);
    output.open(outputPath, CStdioFile::Mode::write);
    BuildPlanes(input, output, options,
                [&](const DamagedRecord& record) { result.damaged.push_back(record); });
    output.close();
    input.close();
    result.output = readBytes(outputPath);
    return result;
}

PlaneOptions copyOnly() {
    return PlaneOptions{};
}
