#include <gtest/gtest.h>

#include "design_files.h"
#include "file_exception.h"
#include "stdio_file.h"

namespace {

// /dev/full takes the open and the lock but refuses every write: what was
// buffered cannot go out when the file is closed.
TEST(CloseFileSlot, FailureIsThrownAndTheClosedFileStaysUntilTheNextClose) {
    std::unique_ptr<CStdioFile> slot = openOutputDesign("/dev/full").file;
    ASSERT_TRUE(slot);
    slot->writeText("PCB FILE 4\n");

    try {
        CloseFile(slot);
        FAIL() << "closing /dev/full must fail";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.cause(), 13);
        EXPECT_EQ(e.fileName(), "/dev/full");
    }
    ASSERT_NE(slot, nullptr);
    EXPECT_FALSE(slot->isOpen());

    EXPECT_NO_THROW(CloseFile(slot));
    EXPECT_EQ(slot, nullptr);
}

}  // namespace
