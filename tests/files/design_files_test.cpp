#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

#include <unistd.h>

#include "design_files.h"
#include "file_exception.h"
#include "scratch_folder.h"
#include "stdio_file.h"

namespace fs = std::filesystem;

namespace {

std::string readingMessage(int cause) {
    return "Error opening file for reading.  Code: " + std::to_string(cause);
}

std::string writingMessage(int cause) {
    return "Error opening file for writing.  Code: " + std::to_string(cause);
}

// Whether the file can be taken without sharing now, i.e. nobody holds it.
bool isFree(const std::string& path) {
    CStdioFile probe;
    try {
        probe.open(path, CStdioFile::Mode::read);
    } catch (const CFileException&) {
        return false;
    }
    return true;
}

TEST(FileMessages, CodeTakesThePlaceOfTheMarker) {
    EXPECT_EQ(messageWithCode(fileMessages::cannotOpenInput, 2), readingMessage(2));
    EXPECT_EQ(messageWithCode(fileMessages::cannotOpenOutput, 11), writingMessage(11));
    EXPECT_EQ(messageWithCode(fileMessages::notADesign, 3),
              "Input file is not an Easytrax or Autotrax file.");
}

// The first line decides; every rejected file is let go again.
struct FirstLine {
    const char* name;
    std::string bytes;
    bool accepted;
};

void PrintTo(const FirstLine& line, std::ostream* out) {
    *out << line.name;
}

class InputFirstLine : public testing::TestWithParam<FirstLine> {};

TEST_P(InputFirstLine, IsAcceptedOnlyWhenItIsAHeaderLine) {
    ScratchFolder folder;
    const std::string path = folder.write("in.pcb", GetParam().bytes);

    DesignFileResult input = openInputDesign(path);

    EXPECT_EQ(input.cause, 0);
    if (GetParam().accepted) {
        ASSERT_TRUE(input);
        EXPECT_EQ(input.message, "");
        EXPECT_FALSE(isFree(path)) << "the accepted input must be held without sharing";
        char next[80];
        input.file->readPiece(next, sizeof next);
        EXPECT_STREQ(next, "FT\n") << "the input stays positioned after its first line";
    } else {
        EXPECT_FALSE(input);
        EXPECT_EQ(input.message, "Input file is not an Easytrax or Autotrax file.");
        EXPECT_TRUE(isFree(path)) << "a rejected input must be closed";
    }
    EXPECT_EQ(bytesOf(path), GetParam().bytes);
}

std::string withBody(std::string header) {
    return header + "FT\r\n1 2 3 4 5 1\r\nENDPCB\r\n";
}

INSTANTIATE_TEST_SUITE_P(
    Table, InputFirstLine,
    testing::Values(FirstLine{"Version4", withBody("PCB FILE 4\r\n"), true},
                    FirstLine{"Version5CrLf", withBody("PCB FILE 5\r\n"), true},
                    FirstLine{"LfAlone", withBody("PCB FILE 4\n"), true},
                    FirstLine{"Empty", "", false},
                    FirstLine{"LowerCase", withBody("pcb file 4\r\n"), false},
                    FirstLine{"BlankBeforeLineEnd", withBody("PCB FILE 4 \r\n"), false},
                    FirstLine{"BlankInFront", withBody(" PCB FILE 4\r\n"), false},
                    FirstLine{"OtherVersion", withBody("PCB FILE 6\r\n"), false},
                    FirstLine{"EmptyLineFirst", withBody("\r\nPCB FILE 4\r\n"), false},
                    FirstLine{"ByteOrderMark", withBody("\xEF\xBB\xBFPCB FILE 4\r\n"), false},
                    FirstLine{"NoLineEnd", "PCB FILE 4", false},
                    FirstLine{"CtrlZBeforeLineEnd", "PCB FILE 4\x1a\r\nFT\r\n", false},
                    FirstLine{"NulInside", std::string("PCB FILE 4\0\r\n", 13), false},
                    FirstLine{"LongerLine", withBody("PCB FILE 4" + std::string(90, 'x') + "\r\n"),
                              false}),
    [](const testing::TestParamInfo<FirstLine>& param) { return param.param.name; });

// Inputs that cannot be opened: the message carries the cause, nothing is held.
TEST(InputDesign, FailuresToOpenGiveTheirCause) {
    ScratchFolder folder;
    const std::string plain = folder.write("plain.pcb", smallDesign);
    fs::create_directory(folder.path() / "folder.pcb");

    const struct {
        std::string path;
        int cause;
    } cases[] = {
        {folder.at("missing.pcb"), 2},
        {folder.at("no-such-folder/in.pcb"), 3},
        {plain + "/in.pcb", 3},  // a file where a folder should be
        {folder.at("folder.pcb"), 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const DesignFileResult input = openInputDesign(c.path);
        EXPECT_FALSE(input);
        EXPECT_EQ(input.cause, c.cause);
        EXPECT_EQ(input.message, readingMessage(c.cause));
    }
}

TEST(InputDesign, HeldByAnotherOpenIsASharingViolation) {
    ScratchFolder folder;
    const std::string path = folder.write("in.pcb", smallDesign);
    const DesignFileResult first = openInputDesign(path);
    ASSERT_TRUE(first);

    const DesignFileResult second = openInputDesign(path);

    EXPECT_FALSE(second);
    EXPECT_EQ(second.cause, 11);
    EXPECT_EQ(second.message, readingMessage(11));
    EXPECT_TRUE(first.file->isOpen()) << "the first holder keeps the file";
}

// Reading the memory of this process from address 0 fails with EIO after the
// open and the lock have succeeded: the first line cannot be read.
TEST(InputDesign, ReadErrorOnTheFirstLineIsReportedAndLetsTheFileGo) {
    const std::string path = "/proc/self/mem";
    if (!isFree(path)) {
        GTEST_SKIP() << path << " cannot be opened here";
    }

    const DesignFileResult input = openInputDesign(path);

    EXPECT_FALSE(input);
    EXPECT_EQ(input.cause, 1);
    EXPECT_EQ(input.message, readingMessage(1));
    EXPECT_TRUE(isFree(path)) << "the input must be closed after the failed read";
}

// However the output names the input, the input is refused and left alone.
TEST(OutputDesign, ThatIsTheHeldInputIsRefusedAndTheInputKept) {
    ScratchFolder folder;
    const std::string input = folder.write("_put.pcb", smallDesign);
    fs::create_hard_link(input, folder.path() / "hard.pcb");
    fs::create_symlink(input, folder.path() / "soft.pcb");
    fs::create_symlink("_put.pcb", folder.path() / "relative.pcb");
    const DesignFileResult held = openInputDesign(input);
    ASSERT_TRUE(held);
    ASSERT_EQ(outputPathFor(input), input);

    for (const std::string& output :
         {input, folder.at("hard.pcb"), folder.at("soft.pcb"), folder.at("relative.pcb")}) {
        SCOPED_TRACE(output);
        const DesignFileResult result = openOutputDesign(output);
        EXPECT_FALSE(result);
        EXPECT_EQ(result.cause, 11);
        EXPECT_EQ(result.message, writingMessage(11));
        EXPECT_EQ(bytesOf(input), smallDesign);
    }
}

TEST(OutputDesign, FailuresToOpenGiveTheirCause) {
    ScratchFolder folder;
    fs::create_directory(folder.path() / "folder.pcb");
    const struct {
        std::string path;
        int cause;
    } cases[] = {
        {folder.at("folder.pcb"), 5},
        {folder.at("no-such-folder/out.pcb"), 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const DesignFileResult output = openOutputDesign(c.path);
        EXPECT_FALSE(output);
        EXPECT_EQ(output.cause, c.cause);
        EXPECT_EQ(output.message, writingMessage(c.cause));
    }
}

TEST(OutputDesign, ReadOnlyFileIsAccessDenied) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "file permissions do not bind the superuser";
    }
    ScratchFolder folder;
    const std::string path = folder.write("_ut.pcb", "old");
    fs::permissions(path, fs::perms::owner_read);

    const DesignFileResult output = openOutputDesign(path);

    EXPECT_EQ(output.cause, 5);
    EXPECT_EQ(output.message, writingMessage(5));
    fs::permissions(path, fs::perms::owner_all);
    EXPECT_EQ(bytesOf(path), "old");
}

TEST(OutputDesign, ExistingFileIsEmptiedAndHeld) {
    ScratchFolder folder;
    const std::string path = folder.write("_ut.pcb", std::string(1000, 'x'));

    DesignFileResult output = openOutputDesign(path);

    ASSERT_TRUE(output);
    EXPECT_EQ(output.message, "");
    EXPECT_EQ(fs::file_size(path), 0u);
    EXPECT_FALSE(isFree(path));
    output.file->writeText("PCB FILE 4\n");
    CloseFile(output.file);
    EXPECT_EQ(bytesOf(path), "PCB FILE 4\r\n");
}

TEST(CloseFileSlot, ClosesWritesOutAndEmptiesTheSlot) {
    ScratchFolder folder;
    const std::string path = folder.at("_ut.pcb");
    std::unique_ptr<CStdioFile> slot = openOutputDesign(path).file;
    ASSERT_TRUE(slot);
    slot->writeText("FT\n");

    CloseFile(slot);

    EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(bytesOf(path), "FT\r\n");
    EXPECT_TRUE(isFree(path));
    EXPECT_NO_THROW(CloseFile(slot)) << "an empty slot is left alone";
}

}  // namespace
