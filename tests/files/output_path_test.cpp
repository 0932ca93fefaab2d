#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "design_files.h"

namespace {

struct Naming {
    const char* input;
    const char* output;
};

// Test names show the input with bytes outside ASCII escaped.
void PrintTo(const Naming& naming, std::ostream* out) {
    for (const char* p = naming.input; *p; ++p) {
        const auto byte = static_cast<unsigned char>(*p);
        if (byte < 0x80) {
            *out << *p;
        } else {
            *out << "\\x" << std::hex << static_cast<int>(byte) << std::dec;
        }
    }
}

class OutputName : public testing::TestWithParam<Naming> {};

TEST_P(OutputName, ReplacesTheFirstCharacterOfTheFileName) {
    EXPECT_EQ(outputPathFor(GetParam().input), GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(
    Table, OutputName,
    testing::Values(Naming{"/boards/amp.pcb", "/boards/_mp.pcb"},
                    Naming{"amp.pcb", "_mp.pcb"},                          // no folder at all
                    Naming{"boards.v2/x/amp.pcb", "boards.v2/x/_mp.pcb"},  // only the name changes
                    Naming{"/a/_mp.pcb", "/a/_mp.pcb"},                    // the input's own name
                    Naming{"/a/b", "/a/_"},  // a name of one character
                    Naming{"/a/\xC3\xBC"
                           "ber.pcb",
                           "/a/_ber.pcb"},  // two-byte character
                    Naming{"/a/\xE2\x82\xAC"
                           "1.pcb",
                           "/a/_1.pcb"},  // three-byte character
                    Naming{"/a/\xF0\x9F\x98\x80"
                           "x.pcb",
                           "/a/_x.pcb"},                               // four-byte character
                    Naming{"/\xC3\xA4/amp.pcb", "/\xC3\xA4/_mp.pcb"},  // folder names stay
                    Naming{"/a/\x80x.pcb", "/a/_x.pcb"},               // a stray byte alone
                    Naming{"/a/\xE2\x82x.pcb", "/a/_x.pcb"},           // a cut-off character
                    Naming{"/a/", "/a/_"}));                           // no name: "_" is one

}  // namespace
