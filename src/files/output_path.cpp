#include <string>

#include "design_files.h"

namespace {

// How many bytes the UTF-8 character that starts at `at` takes: its lead byte
// says how many continuation bytes follow, as far as they are there. A byte
// that starts no valid sequence counts as a character of its own.
std::size_t characterLength(const std::string& text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t expected = 1;
    if (lead >= 0xF0 && lead <= 0xF7) {
        expected = 4;
    } else if (lead >= 0xE0) {
        expected = lead <= 0xEF ? 3 : 1;
    } else if (lead >= 0xC0) {
        expected = 2;
    }
    std::size_t length = 1;
    while (length < expected && at + length < text.size() &&
           (static_cast<unsigned char>(text[at + length]) & 0xC0) == 0x80) {
        ++length;
    }
    return length;
}

}  // namespace

std::string outputPathFor(const std::string& inputPath) {
    const auto slash = inputPath.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::string output = inputPath;
    if (nameStart == output.size()) {
        // No file name at all: "_" becomes one, so the output never names the input.
        output += '_';
        return output;
    }
    output.replace(nameStart, characterLength(output, nameStart), "_");
    return output;
}
