#include "design_generator.h"

#include <array>
#include <charconv>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace {

// splitmix64: tiny, fast, and the same sequence on every platform.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
        z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
        return z ^ (z >> 31);
    }
    // Uniform enough in [low, high] for test data.
    std::int64_t between(std::int64_t low, std::int64_t high) {
        return low + static_cast<std::int64_t>(next() % static_cast<std::uint64_t>(high - low + 1));
    }
    bool percent(int p) { return between(0, 99) < p; }
    template <typename T, std::size_t N>
    const T& pick(const std::array<T, N>& items) {
        return items[static_cast<std::size_t>(between(0, N - 1))];
    }

private:
    std::uint64_t state_;
};

// Collects lines in a large buffer and hands it to stdio in blocks.
class Writer {
public:
    Writer(std::FILE* out, bool crlf) : out_(out), crlf_(crlf) {
        buffer_.reserve(bufferSize + 512);
    }

    void text(std::string_view s) { buffer_.insert(buffer_.end(), s.begin(), s.end()); }
    void number(std::int64_t value) {
        char digits[24];
        const auto result = std::to_chars(digits, digits + sizeof digits, value);
        buffer_.insert(buffer_.end(), digits, result.ptr);
    }
    void endLine() {
        if (crlf_) {
            buffer_.push_back('\r');
        }
        buffer_.push_back('\n');
        if (buffer_.size() >= bufferSize) {
            flush();
        }
    }
    void line(std::string_view s) {
        text(s);
        endLine();
    }
    void numbers(std::initializer_list<std::int64_t> values, std::string_view separator = " ") {
        bool first = true;
        for (const std::int64_t v : values) {
            if (!first) {
                text(separator);
            }
            first = false;
            number(v);
        }
        endLine();
    }
    bool flush() {
        if (!buffer_.empty() &&
            std::fwrite(buffer_.data(), 1, buffer_.size(), out_) != buffer_.size()) {
            failed_ = true;
        }
        written_ += buffer_.size();
        buffer_.clear();
        return !failed_;
    }
    std::uint64_t written() const { return written_ + buffer_.size(); }
    bool failed() const { return failed_; }

private:
    static constexpr std::size_t bufferSize = 1 << 20;
    std::FILE* out_;
    bool crlf_;
    bool failed_ = false;
    std::uint64_t written_ = 0;
    std::vector<char> buffer_;
};

constexpr std::array<std::string_view, 8> footprints{
    "DIP14", "DIP16", "DIP40", "AXIAL0.4", "RAD0.2", "SO-16", "TO-220", "SIP-8-CONNECTOR-0.1IN"};
constexpr std::array<std::string_view, 8> values{"74HC00", "4k7",  "100nF",  "Z80A CPU",
                                                 "LM7805", "470R", "1N4148", "Crystal 4.000 MHz"};
constexpr std::array<std::string_view, 4> padNames{"GND", "VCC", "TP1", "MOUNTING HOLE"};
constexpr std::array<std::string_view, 6> texts{
    "GND",
    "VCC",
    "Protel Technology Pty. Ltd",
    "Power supply section, keep the traces to the regulator short",
    "REV 3",
    "Board outline 160 x 100 mm, four layers, 1.6 mm FR4, plated through holes, HASL finish"};

class DesignWriter {
public:
    DesignWriter(std::FILE* out, const DesignSettings& settings)
        : w_(out, settings.crlf), random_(settings.seed), size_(settings.size) {}

    std::int64_t run() {
        w_.line("PCB FILE 4");
        while (w_.written() < size_ && !w_.failed()) {
            const auto roll = random_.between(0, 99);
            if (roll < 12) {
                component();
            } else if (roll < 62) {
                track('F', copperLayer());
            } else if (roll < 70) {
                arc('F', copperLayer());
            } else if (roll < 78) {
                via('F');
            } else if (roll < 86) {
                pad('F');
            } else if (roll < 93) {
                string();
            } else {
                other();
            }
        }
        w_.line("ENDPCB");
        return w_.flush() ? static_cast<std::int64_t>(w_.written()) : -1;
    }

private:
    std::int64_t coordinate() { return random_.between(0, 12000); }

    // Mostly the top layer, where a plane usually takes its copper from.
    std::int64_t copperLayer() {
        const auto r = random_.between(0, 99);
        return r < 55 ? 1 : r < 85 ? 6 : random_.between(2, 5);
    }

    std::int64_t padLayer() {
        const auto r = random_.between(0, 99);
        return r < 70 ? 13 : r < 85 ? 1 : 6;
    }

    void track(char family, std::int64_t layer) {
        w_.line(family == 'F' ? "FT" : "CT");
        const auto x = coordinate();
        const auto y = coordinate();
        const auto width = random_.between(8, 60);
        if (random_.percent(50)) {
            w_.numbers({x, y, x + random_.between(-400, 400), y + random_.between(-400, 400), width,
                        layer});
        } else {
            w_.numbers({x, y, x + random_.between(-400, 400), y + random_.between(-400, 400), width,
                        layer, random_.between(0, 3)});
        }
    }

    void arc(char family, std::int64_t layer) {
        w_.line(family == 'F' ? "FA" : "CA");
        w_.numbers({coordinate(), coordinate(), random_.between(10, 400), random_.between(1, 15),
                    random_.between(8, 40), layer});
    }

    void via(char family) {
        w_.line(family == 'F' ? "FV" : "CV");
        w_.numbers({coordinate(), coordinate(), random_.between(30, 80), random_.between(12, 40)});
    }

    void pad(char family, std::int64_t x, std::int64_t y, std::int64_t shape, std::int64_t pin) {
        w_.line(family == 'F' ? "FP" : "CP");
        const auto xSize = random_.between(40, 120);
        const auto ySize = shape == 2 || shape == 4 ? random_.between(40, 120) : xSize;
        w_.numbers({x, y, xSize, ySize, shape, random_.between(0, 40), planeCode(), padLayer()});
        if (pin < 0) {
            w_.line(random_.percent(70) ? "255" : random_.pick(padNames));
        } else {
            w_.number(pin);
            w_.endLine();
        }
    }
    void pad(char family) { pad(family, coordinate(), coordinate(), padShape(), -1); }

    // Round pads are the common kind, octagons the rare one.
    std::int64_t padShape() {
        const auto r = random_.between(0, 99);
        return r < 60 ? 1 : r < 80 ? 2 : r < 90 ? 4 : 3;
    }

    // Most pads connect to both planes (code 1).
    std::int64_t planeCode() { return random_.percent(70) ? 1 : random_.between(2, 5); }

    void component() {
        w_.line("COMP");
        w_.text("U");
        w_.number(++components_);
        w_.endLine();
        w_.line(random_.pick(footprints));
        w_.line(random_.pick(values));
        const auto x = coordinate();
        const auto y = coordinate();
        w_.numbers({x + 55, y + 47, 60, 3, 10, 7}, " ");
        w_.text(" ");  // real designs indent their text lines now and then
        w_.numbers({x + 135, y + 47, 60, 3, 10, 7});
        w_.numbers({x, y, 1, 1, 2});
        const auto pins = random_.between(2, 8);
        const auto shape = padShape();
        for (std::int64_t pin = 1; pin <= pins; ++pin) {
            pad('C', x + 100 * ((pin - 1) % 8), y + 300 * ((pin - 1) / 8), shape, pin);
        }
        const auto outline = random_.between(2, 6);
        for (std::int64_t i = 0; i < outline; ++i) {
            track('C', random_.percent(60) ? 7 : 1);
        }
        if (random_.percent(30)) {
            arc('C', 7);
        }
        if (random_.percent(20)) {
            via('C');
        }
        w_.line("ENDCOMP");
    }

    void string() {
        w_.line("FS");
        w_.numbers({coordinate(), coordinate(), random_.between(40, 150), 0, random_.between(8, 25),
                    random_.percent(50) ? 7 : 1});
        w_.line(random_.pick(texts));
    }

    // Lines the pass only copies: free text, long lines, a net list entry,
    // a data line spaced with tabs.
    void other() {
        switch (random_.between(0, 3)) {
            case 0:
                w_.line("NETDEF");
                w_.line(random_.pick(texts).substr(0, 3));
                w_.line("U12-7 U3-14 C4-1 R7-2 U8-20 J1-1 J1-2 TP1-1 U4-20 C9-2 C10-2 U9-14");
                break;
            case 1:
                w_.line(random_.pick(texts));
                break;
            case 2:
                w_.line("FT");
                w_.numbers({coordinate(), coordinate(), coordinate(), coordinate(),
                            random_.between(8, 60), copperLayer()},
                           "\t");
                break;
            default:
                w_.line(
                    "Comment: this line is much longer than a piece of the pass, so it is read "
                    "and copied in several pieces FT CP COMP");
                break;
        }
    }

    Writer w_;
    Random random_;
    std::uint64_t size_;
    std::int64_t components_ = 0;
};

}  // namespace

std::int64_t generateDesign(std::FILE* out, const DesignSettings& settings) {
    return DesignWriter(out, settings).run();
}
