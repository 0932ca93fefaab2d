#pragma once

#include <string>
#include <string_view>
#include <vector>

// One entry of a filter list: the text the user sees and the patterns it
// stands for ("*.pcb", or "*" for every file).
struct FileFilter {
    std::string display;
    std::vector<std::string> patterns;
};

// Reads a bar-separated filter list: display text and pattern alternate, an
// entry's patterns are separated by ";", and a doubled bar ends the list.
// "*.*" stands for every file, with or without an extension.
std::vector<FileFilter> parseFileFilters(std::string_view filter);

// The file-open dialog: modal over the active window, with a filter list (its
// first entry selected), a default extension added to a typed name that has
// none, and only existing files accepted. Patterns match case-insensitively.
class CFileDialog {
public:
    CFileDialog(std::string_view filter, std::string defaultExtension);

    // True when the user chose a file; path() is then its full path.
    bool runModal();
    const std::string& path() const { return path_; }

private:
    std::vector<FileFilter> filters_;
    std::string defaultExtension_;
    std::string path_;
};
