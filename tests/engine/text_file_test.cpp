#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <fstream>

#include "file_exception.h"
#include "pass_harness.h"
#include "stdio_file.h"

namespace {

constexpr std::size_t pieceSize = 40;

// Every piece of a file, as the pass reads them.
std::vector<std::string> pieces(const std::filesystem::path& path) {
    CStdioFile file;
    file.open(path, CStdioFile::Mode::read);
    std::vector<std::string> result;
    char buffer[pieceSize];
    while (const std::size_t n = file.readPiece(buffer, pieceSize)) {
        result.emplace_back(buffer, n);
    }
    return result;
}

std::string readAll(const std::filesystem::path& path) {
    std::string text;
    for (const auto& piece : pieces(path)) {
        text += piece;
    }
    return text;
}

int causeOfOpen(const std::filesystem::path& path, CStdioFile::Mode mode) {
    CStdioFile file;
    try {
        file.open(path, mode);
    } catch (const CFileException& e) {
        return e.cause();
    }
    return CFileException::none;
}

// Counts of read and write system calls made by this process so far.
std::pair<long, long> systemCalls() {
    std::ifstream io("/proc/self/io");
    std::string key;
    long value = 0;
    long reads = -1;
    long writes = -1;
    while (io >> key >> value) {
        if (key == "syscr:") {
            reads = value;
        } else if (key == "syscw:") {
            writes = value;
        }
    }
    return {reads, writes};
}

struct Translation {
    const char* name;
    std::string onDisk;
    std::string inMemory;
};

void PrintTo(const Translation& t, std::ostream* os) {
    *os << t.name;
}

class ReadTranslation : public testing::TestWithParam<Translation> {};

TEST_P(ReadTranslation, DeliversTheTextOfTheLines) {
    ScratchFolder folder;
    EXPECT_EQ(readAll(folder.write("f", GetParam().onDisk)), GetParam().inMemory);
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(LineEnds, ReadTranslation,
                         testing::Values(Translation{"CrLf", "a\r\nb\r\n", "a\nb\n"},
                                         Translation{"LfAlone", "a\nb", "a\nb"},
                                         Translation{"LoneCrIsACharacter", "a\rb\r\n", "a\rb\n"},
                                         Translation{"CrCrLf", "a\r\r\nb", "a\r\nb"},
                                         Translation{"CrAtTheEnd", "a\r", "a\r"},
                                         Translation{"CtrlZEndsTheInput", "ab\x1a\r\ncd\r\n", "ab"},
                                         Translation{"CrBeforeCtrlZ", "a\r\x1a\n", "a\r"},
                                         Translation{"CtrlZFirst",
                                                     "\x1a"
                                                     "PCB FILE 4\r\n",
                                                     ""},
                                         Translation{"NulIsKept", "a\0b\r\n"s, "a\0b\n"s}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(ReadTranslation, CrLfSplitAcrossTheBlockBoundary) {
    ScratchFolder folder;
    const std::string head(CStdioFile::blockSize - 1, 'x');
    // The CR is the last byte of the first block, its LF the first of the next.
    EXPECT_EQ(readAll(folder.write("pair", head + "\r\ny\r\n")), head + "\ny\n");
    EXPECT_EQ(readAll(folder.write("lone", head + "\rz")), head + "\rz");
    EXPECT_EQ(readAll(folder.write("ctrlz", head + "\r\x1a\n")), head + "\r");
    EXPECT_EQ(readAll(folder.write("end", head + "\r")), head + "\r");
}

TEST(ReadTranslation, ManyBlocksOfCrLfLines) {
    ScratchFolder folder;
    std::string disk;
    std::string memory;
    for (int i = 0; disk.size() < 3 * CStdioFile::blockSize; ++i) {
        const std::string line = std::to_string(i * 7919) + " 200 " + std::string(i % 45, 'q');
        disk += line + "\r\n";
        memory += line + "\n";
    }
    EXPECT_EQ(readAll(folder.write("f", disk)), memory);
}

struct PieceCase {
    const char* name;
    std::string text;
    std::vector<std::size_t> lengths;
};

void PrintTo(const PieceCase& c, std::ostream* os) {
    *os << c.name;
}

class Pieces : public testing::TestWithParam<PieceCase> {};

TEST_P(Pieces, AtMost39CharactersUpToALineFeed) {
    ScratchFolder folder;
    std::vector<std::size_t> lengths;
    for (const auto& piece : pieces(folder.write("f", GetParam().text))) {
        lengths.push_back(piece.size());
    }
    EXPECT_EQ(lengths, GetParam().lengths);
}

INSTANTIATE_TEST_SUITE_P(
    LineLengths, Pieces,
    testing::Values(PieceCase{"Line38", std::string(37, 'a') + "\n", {38}},
                    PieceCase{"Line39", std::string(38, 'a') + "\r\n", {39}},
                    PieceCase{"Line40", std::string(39, 'a') + "\n", {39, 1}},
                    PieceCase{"Line41", std::string(40, 'a') + "\r\n", {39, 2}},
                    PieceCase{"Line80", std::string(79, 'a') + "\n", {39, 39, 2}},
                    PieceCase{"NoLineEnd", "abc", {3}}, PieceCase{"EmptyLines", "\n\r\n", {1, 1}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(Pieces, NulIsStoredAndTerminatesTheText) {
    ScratchFolder folder;
    CStdioFile file;
    file.open(folder.write("f", std::string("ab\0cd\r\nef\n", 10)), CStdioFile::Mode::read);
    char buffer[pieceSize];
    ASSERT_EQ(file.readPiece(buffer, pieceSize), 6u);
    EXPECT_STREQ(buffer, "ab");
    EXPECT_EQ(std::string(buffer, 6), std::string("ab\0cd\n", 6));
    ASSERT_EQ(file.readPiece(buffer, pieceSize), 3u);
    EXPECT_STREQ(buffer, "ef\n");
    EXPECT_EQ(file.readPiece(buffer, pieceSize), 0u);
    EXPECT_STREQ(buffer, "");
}

TEST(Pieces, RewindReadsFromTheStartAgain) {
    ScratchFolder folder;
    const auto path = folder.write("f", "PCB FILE 4\r\nFT\r\n1 2 3 4 5 6\r\n");
    CStdioFile file;
    file.open(path, CStdioFile::Mode::read);
    char buffer[pieceSize];
    while (file.readPiece(buffer, pieceSize)) {
    }
    file.rewind();
    ASSERT_EQ(file.readPiece(buffer, pieceSize), 11u);
    EXPECT_STREQ(buffer, "PCB FILE 4\n");
}

TEST(Writing, EveryLineFeedBecomesCrLf) {
    ScratchFolder folder;
    const auto path = folder.at("out");
    CStdioFile file;
    file.open(path, CStdioFile::Mode::write);
    file.writeText("PCB FILE 4\n");
    file.writeText("a\rb\n\nlast");
    file.writeText(std::string_view("x\0y\n", 4));
    file.writeText("cut\0ignored");
    file.close();
    EXPECT_EQ(bytesOf(path), std::string("PCB FILE 4\r\na\rb\r\n\r\nlastx\0y\r\ncut", 31));
}

TEST(Writing, TextsLargerThanTheBufferAndAcrossItsEnd) {
    ScratchFolder folder;
    const auto path = folder.at("out");
    std::string text;
    for (int i = 0; text.size() < 3 * CStdioFile::blockSize; ++i) {
        text += std::string(i % 61, 'a' + static_cast<char>(i % 26)) + "\n";
    }
    CStdioFile file;
    file.open(path, CStdioFile::Mode::write);
    file.writeText("start\n");
    file.writeText(text);
    file.close();
    EXPECT_EQ(bytesOf(path), crlf("start\n" + text));
}

TEST(Writing, OpeningEmptiesAnExistingFile) {
    ScratchFolder folder;
    const auto path = folder.write("out", "old contents that are longer\r\n");
    CStdioFile file;
    file.open(path, CStdioFile::Mode::write);
    file.writeText("new\n");
    file.close();
    EXPECT_EQ(bytesOf(path), "new\r\n");
}

TEST(Blocks, ReadsAndWritesGoToTheSystemInLargeBlocks) {
    ScratchFolder folder;
    std::string design;
    while (design.size() < 4'000'000) {
        design += "FT\r\n1000 2000 3000 4000 10 1 0\r\n";
    }
    const auto inputPath = folder.write("in", design);
    const auto before = systemCalls();
    ASSERT_GE(before.first, 0) << "/proc/self/io is not readable";
    CStdioFile input;
    CStdioFile output;
    input.open(inputPath, CStdioFile::Mode::read);
    output.open(folder.at("out"), CStdioFile::Mode::write);
    char buffer[pieceSize];
    std::size_t pieceCount = 0;
    while (input.readPiece(buffer, pieceSize)) {
        output.writeText(buffer);
        ++pieceCount;
    }
    output.close();
    const auto after = systemCalls();
    EXPECT_GT(pieceCount, 200'000u);
    EXPECT_LE(after.first - before.first, 40);
    EXPECT_LE(after.second - before.second, 40);
    EXPECT_EQ(bytesOf(folder.at("out")), design);
}

TEST(Sharing, AFileHeldOpenCannotBeOpenedAgain) {
    ScratchFolder folder;
    const auto path = folder.write("design.pcb", "PCB FILE 4\r\nENDPCB\r\n");
    {
        CStdioFile held;
        held.open(path, CStdioFile::Mode::read);
        EXPECT_EQ(causeOfOpen(path, CStdioFile::Mode::read), CFileException::sharingViolation);
        EXPECT_EQ(causeOfOpen(path, CStdioFile::Mode::write), CFileException::sharingViolation);
        std::filesystem::create_symlink(path, folder.at("link.pcb"));
        std::filesystem::create_hard_link(path, folder.at("hard.pcb"));
        EXPECT_EQ(causeOfOpen(folder.at("link.pcb"), CStdioFile::Mode::write),
                  CFileException::sharingViolation);
        EXPECT_EQ(causeOfOpen(folder.at("hard.pcb"), CStdioFile::Mode::write),
                  CFileException::sharingViolation);
    }
    // Refused writers never emptied the file; once released it opens again.
    EXPECT_EQ(bytesOf(path), "PCB FILE 4\r\nENDPCB\r\n");
    EXPECT_EQ(causeOfOpen(path, CStdioFile::Mode::read), CFileException::none);
}

TEST(Failures, OpeningGivesTheCauseOfTheSystemError) {
    ScratchFolder folder;
    folder.write("plain", "x");
    std::filesystem::create_directory(folder.at("folder"));
    EXPECT_EQ(causeOfOpen(folder.at("missing.pcb"), CStdioFile::Mode::read),
              CFileException::fileNotFound);
    EXPECT_EQ(causeOfOpen(folder.at("no-such-folder/a.pcb"), CStdioFile::Mode::read),
              CFileException::badPath);
    EXPECT_EQ(causeOfOpen(folder.at("no-such-folder/a.pcb"), CStdioFile::Mode::write),
              CFileException::badPath);
    EXPECT_EQ(causeOfOpen(folder.at("plain/a.pcb"), CStdioFile::Mode::read),
              CFileException::badPath);
    EXPECT_EQ(causeOfOpen(folder.at("folder"), CStdioFile::Mode::read),
              CFileException::accessDenied);
    EXPECT_EQ(causeOfOpen(folder.at("folder"), CStdioFile::Mode::write),
              CFileException::accessDenied);
}

TEST(Failures, ExceptionCarriesCauseErrorAndFile) {
    ScratchFolder folder;
    const auto path = folder.at("missing.pcb");
    CStdioFile file;
    try {
        file.open(path, CStdioFile::Mode::read);
        FAIL() << "opened a missing file";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.cause(), CFileException::fileNotFound);
        EXPECT_EQ(e.osError(), ENOENT);
        EXPECT_EQ(e.fileName(), path);
        EXPECT_EQ(std::string(e.what()), path + ": file not found (code 2)");
    }
    EXPECT_FALSE(file.isOpen());
}

TEST(Failures, AFullDiskIsCause13) {
    ScratchFolder folder;
    const FileSizeLimit limit(1000);
    CStdioFile file;
    file.open(folder.at("out"), CStdioFile::Mode::write);
    int cause = CFileException::none;
    try {
        for (int i = 0; i < 100'000; ++i) {
            file.writeText("FT\n100 200 300 400 10 9 0\n");
        }
        file.close();
    } catch (const CFileException& e) {
        cause = e.cause();
        EXPECT_EQ(e.osError(), EFBIG);
    }
    EXPECT_EQ(cause, CFileException::diskFull);
}

TEST(Failures, RewindingWhatCannotSeekIsCause9) {
    ScratchFolder folder;
    const auto path = folder.at("pipe");
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    // Holding the other end lets the read side open without waiting.
    const int writer = ::open(path.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    CStdioFile file;
    file.open(path, CStdioFile::Mode::read);
    try {
        file.rewind();
        ADD_FAILURE() << "rewound a pipe";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.cause(), CFileException::badSeek);
        EXPECT_EQ(e.osError(), ESPIPE);
    }
    ::close(writer);
}

TEST(Failures, CausesOfSystemErrors) {
    const std::pair<int, int> table[] = {
        {0, 0},      {EMFILE, 4},  {ENFILE, 4},   {EACCES, 5},       {EPERM, 5},
        {EROFS, 5},  {EEXIST, 5},  {EBADF, 6},    {ENOSPC, 13},      {EDQUOT, 13},
        {EIO, 10},   {ENXIO, 10},  {ESPIPE, 9},   {EAGAIN, 11},      {ETXTBSY, 11},
        {EBUSY, 11}, {ENOLCK, 12}, {EDEADLK, 12}, {ENAMETOOLONG, 3}, {ELOOP, 3},
        {EINVAL, 1}, {ENOMEM, 1},
    };
    for (const auto& [error, cause] : table) {
        EXPECT_EQ(causeFromErrno(error, "/tmp/x"), cause) << "errno " << error;
    }
}

}  // namespace
