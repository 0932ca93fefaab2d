#include "echo_model.h"

#include <array>

std::string textOf(std::string_view bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size() && bytes[i] != '\x1a'; ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            continue;
        }
        text += bytes[i];
    }
    return text;
}

std::string onDisk(std::string_view text) {
    std::string bytes;
    for (const char c : text) {
        if (c == '\n') {
            bytes += '\r';
        }
        bytes += c;
    }
    return bytes;
}

namespace {

struct ModelPiece {
    std::string text;  // up to a NUL in it
    bool any = false;  // the read yielded characters
};

class PieceReader {
public:
    explicit PieceReader(std::string text) : text_(std::move(text)) {}

    ModelPiece next() {
        ModelPiece piece;
        std::size_t taken = 0;
        while (taken < 39 && pos_ < text_.size()) {
            const char c = text_[pos_++];
            ++taken;
            piece.any = true;
            piece.text += c;
            if (c == '\n') {
                ++line_;
                break;
            }
        }
        piece.text = piece.text.substr(0, piece.text.find('\0'));
        return piece;
    }
    std::int64_t line() const { return line_; }

private:
    std::string text_;
    std::size_t pos_ = 0;
    std::int64_t line_ = 1;
};

}  // namespace

EchoModel modelEcho(std::string_view bytes) {
    static constexpr std::array<std::string_view, 8> keywords{"FA", "FT", "FV", "FP",
                                                              "CA", "CT", "CV", "CP"};
    PieceReader reader(textOf(bytes));
    EchoModel model;
    model.segments.emplace_back();
    const auto echo = [&](const std::string& text) { model.segments.back() += onDisk(text); };

    int skip = 0;
    for (;;) {
        const std::int64_t line = reader.line();
        const ModelPiece current = reader.next();
        if (!current.any || current.text.empty()) {
            break;
        }
        echo(current.text);
        if (current.text.find("ENDPCB") != std::string::npos) {
            break;
        }
        if (skip > 0) {
            --skip;
            continue;
        }
        if (current.text.starts_with("COMP")) {
            skip = 6;
            continue;
        }
        for (const std::string_view keyword : keywords) {
            if (!current.text.starts_with(keyword)) {
                continue;
            }
            echo(reader.next().text);
            if (keyword[1] == 'P') {
                echo(reader.next().text);
            }
            model.records.push_back(
                {line, keyword[0], keyword[1],
                 current.text == keyword || current.text == std::string(keyword) + "\n"});
            model.segments.emplace_back();
            break;
        }
    }
    return model;
}
