#include "design_files.h"

#include <string_view>

#include "file_exception.h"
#include "keywords.h"
#include "stdio_file.h"

namespace {

// The first line is read into a buffer of this size: at most 79 characters.
constexpr std::size_t headerBufferSize = 80;

DesignFileResult failure(int cause, std::string message) {
    DesignFileResult result;
    result.cause = cause;
    result.message = std::move(message);
    return result;
}

}  // namespace

std::string messageWithCode(const char* message, int cause) {
    std::string text = message;
    const auto at = text.find("%d");
    if (at != std::string::npos) {
        text.replace(at, 2, std::to_string(cause));
    }
    return text;
}

DesignFileResult openInputDesign(const std::string& path) {
    auto file = std::make_unique<CStdioFile>();
    char line[headerBufferSize];
    std::size_t length = 0;
    try {
        file->open(path, CStdioFile::Mode::read);
        length = file->readPiece(line, headerBufferSize);
    } catch (const CFileException& e) {
        // A file whose first line cannot be read is as good as one that cannot
        // be opened: it is let go at once and reported the same way.
        file.reset();
        return failure(e.cause(), messageWithCode(fileMessages::cannotOpenInput, e.cause()));
    }
    if (!pcbfile::isHeaderLine(std::string_view(line, length))) {
        file.reset();
        return failure(0, fileMessages::notADesign);
    }
    DesignFileResult result;
    result.file = std::move(file);
    return result;
}

DesignFileResult openOutputDesign(const std::string& path) {
    auto file = std::make_unique<CStdioFile>();
    try {
        file->open(path, CStdioFile::Mode::write);
    } catch (const CFileException& e) {
        return failure(e.cause(), messageWithCode(fileMessages::cannotOpenOutput, e.cause()));
    }
    DesignFileResult result;
    result.file = std::move(file);
    return result;
}

void CloseFile(std::unique_ptr<CStdioFile>& slot) {
    if (!slot) {
        return;
    }
    // close() leaves the file closed even when it throws; the object stays in
    // its slot then, and the next call finds it closed and destroys it.
    slot->close();
    slot.reset();
}

void CloseFileQuietly(std::unique_ptr<CStdioFile>& slot) noexcept {
    try {
        CloseFile(slot);
    } catch (const CFileException&) {
        slot.reset();  // closed by the failed attempt; only let it go
    }
}
