// cuprena-generate-design [--size BYTES] [--seed N] [--crlf] OUTPUT
// Writes a made-up design of about BYTES bytes (suffixes K, M, G allowed).

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "design_generator.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: cuprena-generate-design [--size BYTES[K|M|G]] [--seed N] [--crlf] "
                 "OUTPUT\n");
    return 2;
}

bool parseSize(const std::string& text, std::uint64_t& size) {
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text.c_str(), &end, 10);
    if (end == text.c_str()) {
        return false;
    }
    const std::string_view unit(end);
    const std::uint64_t scale = unit.empty()  ? 1
                                : unit == "K" ? 1ull << 10
                                : unit == "M" ? 1ull << 20
                                : unit == "G" ? 1ull << 30
                                              : 0;
    size = value * scale;
    return scale != 0;
}

}  // namespace

int main(int argc, char** argv) {
    DesignSettings settings;
    std::string output;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--size" && i + 1 < argc) {
            if (!parseSize(argv[++i], settings.size)) {
                return usage();
            }
        } else if (arg == "--seed" && i + 1 < argc) {
            settings.seed = std::strtoull(argv[++i], nullptr, 10);
        } else if (arg == "--crlf") {
            settings.crlf = true;
        } else if (!arg.empty() && arg[0] != '-' && output.empty()) {
            output = arg;
        } else {
            return usage();
        }
    }
    if (output.empty()) {
        return usage();
    }
    std::FILE* out = std::fopen(output.c_str(), "wb");
    if (!out) {
        std::perror(output.c_str());
        return 1;
    }
    const std::int64_t written = generateDesign(out, settings);
    if (std::fclose(out) != 0 || written < 0) {
        std::perror(output.c_str());
        return 1;
    }
    return 0;
}
