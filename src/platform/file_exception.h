#pragma once

#include <exception>
#include <string>

// A failed operation on a design file: the cause, mapped from the system's
// error number to one of the fifteen portable causes, the error number itself,
// and the file it concerns.
class CFileException : public std::exception {
public:
    enum Cause {
        none = 0,
        genericException = 1,
        fileNotFound = 2,
        badPath = 3,
        tooManyOpenFiles = 4,
        accessDenied = 5,
        invalidFile = 6,
        removeCurrentDir = 7,
        directoryFull = 8,
        badSeek = 9,
        hardIO = 10,
        sharingViolation = 11,
        lockViolation = 12,
        diskFull = 13,
        endOfFile = 14,
    };

    CFileException(int cause, int osError, std::string fileName);

    int cause() const noexcept { return cause_; }
    int osError() const noexcept { return osError_; }
    const std::string& fileName() const noexcept { return fileName_; }

    // "disk full (code 13)" style text for reports; see causeDescription.
    const char* what() const noexcept override { return whatText_.c_str(); }

private:
    int cause_;
    int osError_;
    std::string fileName_;
    std::string whatText_;
};

// The cause in words, for messages: "disk full", "sharing violation"...
const char* causeDescription(int cause) noexcept;

// Maps an errno value to a cause. ENOENT is told apart by whether the folder
// that should hold `path` exists (file missing: 2) or not (bad path: 3).
int causeFromErrno(int error, const std::string& path);
