// LibreOffice's inner text of a failed store, put in words by looking at the target's folder:
// a missing folder, one that cannot be written (a full disk is the LibreOffice test's). The disk
// is a small file system mounted in a mount namespace of the test's own (as root; skipped
// otherwise).

#include "export/save_failure.h"

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;

std::string StoreReport(const fs::path& book) {
    return "SfxBaseModel::impl_store <file://" + book.string() +
           "> failed: 0x507(Error Area:Io Class:Access Code:7) at "
           "./sfx2/source/doc/sfxbasemodel.cxx:3207 at ./sfx2/source/doc/sfxbasemodel.cxx:1783";
}

class SaveFailureTest : public ::testing::Test {
  protected:
    SaveFailureTest() {
        std::string pattern = (fs::temp_directory_path() / "orvane-save-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        dir = pattern;
        book = dir / "book.xls";
    }
    ~SaveFailureTest() override {
        if (mounted_) ::umount2(dir.c_str(), MNT_DETACH);
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, ec);
        fs::remove_all(dir, ec);
    }
    // A read-only tmpfs on the folder, in a mount namespace of this process; false when that
    // cannot be had here.
    bool MountReadOnlyDisk() {
        if (::geteuid() != 0) return false;
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return false;
        mounted_ = ::mount("tmpfs", dir.c_str(), "tmpfs", MS_RDONLY, "size=64k") == 0;
        return mounted_;
    }
    std::string Plain() { return PlainSaveFailure(book, StoreReport(book)); }
    std::string Said(const std::string& reason) {
        return "Could not write " + book.string() + ": " + reason + ".";
    }

    fs::path dir;
    fs::path book;

  private:
    bool mounted_ = false;
};

TEST_F(SaveFailureTest, OtherDescriptionsStayAsTheyAre) {
    for (const std::string text :
         {"General input/output error.", "Cannot access read-only document 'book.xls'.",
          "The LibreOffice helper ended unexpectedly."}) {
        EXPECT_EQ(PlainSaveFailure(book, text), text);
    }
}

TEST_F(SaveFailureTest, AFolderThatIsNotThere) {
    book = dir / "gone" / "book.xls";
    EXPECT_EQ(Plain(), Said("the folder " + (dir / "gone").string() + " does not exist"));
    std::ofstream(dir / "gone") << "a file";
    EXPECT_EQ(Plain(), Said((dir / "gone").string() + " is not a folder"));
}

TEST_F(SaveFailureTest, WithRoomAndRightsTheReasonIsLibreOfficesCode) {
    EXPECT_EQ(Plain(), Said("LibreOffice could not store it there (error 0x507)"));
}

TEST_F(SaveFailureTest, AFolderOrFileThatCannotBeWritten) {
    if (::geteuid() == 0) {
        if (!MountReadOnlyDisk()) GTEST_SKIP() << "no tmpfs could be mounted here";
        EXPECT_EQ(Plain(), Said("the folder cannot be written (it is on a read-only disk)"));
        return;
    }
    std::ofstream(book) << "old";
    fs::permissions(book, fs::perms::owner_read);
    EXPECT_EQ(Plain(), Said("the file is read-only"));
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(Plain(), Said("the folder cannot be written"));
}

}  // namespace
}  // namespace orvane
