#pragma once

#include <memory>
#include <string>

class CStdioFile;

// The texts of the file messages, word for word. The two with "%d" take the
// cause code (see messageWithCode).
namespace fileMessages {
inline constexpr const char* confirmClose = "You have a PCB file open already.  OK to close?";
inline constexpr const char* cannotOpenInput = "Error opening file for reading.  Code: %d";
inline constexpr const char* notADesign = "Input file is not an Easytrax or Autotrax file.";
inline constexpr const char* noInput = "No input file chosen yet";
inline constexpr const char* cannotOpenOutput = "Error opening file for writing.  Code: %d";
}  // namespace fileMessages

// A message with "%d" replaced by the cause code in decimal.
std::string messageWithCode(const char* message, int cause);

// The outcome of opening a design file. On success `file` holds it, open;
// otherwise `file` is empty and `message` is what to tell the user.
struct DesignFileResult {
    std::unique_ptr<CStdioFile> file;
    int cause = 0;        // the cause code of a failure to open, else 0
    std::string message;  // empty on success
    explicit operator bool() const { return file != nullptr; }
};

// Opens the input for reading without sharing and checks that its first line
// (at most 79 characters) is "PCB FILE 4" or "PCB FILE 5". The accepted file
// stays open, positioned after that line.
DesignFileResult openInputDesign(const std::string& path);

// The input path with the first character of its file name (after the last
// "/") replaced by "_"; a character of several UTF-8 bytes is replaced whole.
std::string outputPathFor(const std::string& inputPath);

// Creates or empties the output and holds it without sharing. A file that is
// held already, the input above all, is refused with cause 11 and not touched.
DesignFileResult openOutputDesign(const std::string& path);

// Closes the file in the slot, if any, writing out what is buffered, and
// empties the slot. If closing fails the file is closed all the same but stays
// in the slot (the next CloseFile destroys it) and the CFileException is thrown.
void CloseFile(std::unique_ptr<CStdioFile>& slot);

// Closes the file in the slot, if any, and empties the slot whatever closing
// says: for a file whose failure has been reported already, or when nobody
// is left to hear of one.
void CloseFileQuietly(std::unique_ptr<CStdioFile>& slot) noexcept;
