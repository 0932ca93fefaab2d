#include "file_exception.h"

#include <sys/stat.h>
#include <cerrno>

namespace {

bool parentFolderExists(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return true;  // relative to the working folder, which exists
    }
    const std::string folder = slash == 0 ? std::string("/") : path.substr(0, slash);
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

CFileException::CFileException(int cause, int osError, std::string fileName)
    : cause_(cause), osError_(osError), fileName_(std::move(fileName)) {
    whatText_ =
        fileName_ + ": " + causeDescription(cause_) + " (code " + std::to_string(cause_) + ")";
}

const char* causeDescription(int cause) noexcept {
    switch (cause) {
        case CFileException::none:
            return "no error";
        case CFileException::fileNotFound:
            return "file not found";
        case CFileException::badPath:
            return "bad path";
        case CFileException::tooManyOpenFiles:
            return "too many open files";
        case CFileException::accessDenied:
            return "access denied";
        case CFileException::invalidFile:
            return "invalid file";
        case CFileException::removeCurrentDir:
            return "the current folder cannot be removed";
        case CFileException::directoryFull:
            return "folder full";
        case CFileException::badSeek:
            return "bad seek";
        case CFileException::hardIO:
            return "hardware input or output error";
        case CFileException::sharingViolation:
            return "sharing violation";
        case CFileException::lockViolation:
            return "lock violation";
        case CFileException::diskFull:
            return "disk full";
        case CFileException::endOfFile:
            return "end of file";
        default:
            return "unknown error";
    }
}

int causeFromErrno(int error, const std::string& path) {
    switch (error) {
        case 0:
            return CFileException::none;
        case ENOENT:
            return parentFolderExists(path) ? CFileException::fileNotFound
                                            : CFileException::badPath;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
            return CFileException::badPath;
        case EMFILE:
        case ENFILE:
            return CFileException::tooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case EEXIST:
            return CFileException::accessDenied;
        case EBADF:
            return CFileException::invalidFile;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return CFileException::diskFull;
        case EIO:
        case ENXIO:
        case ENODEV:
            return CFileException::hardIO;
        case ESPIPE:
        case EOVERFLOW:
            return CFileException::badSeek;
        case EWOULDBLOCK:
        case ETXTBSY:
        case EBUSY:
            return CFileException::sharingViolation;
        case ENOLCK:
        case EDEADLK:
            return CFileException::lockViolation;
        default:
            return CFileException::genericException;
    }
}
