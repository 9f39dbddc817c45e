// The data-file look-up: which folder wins, what is passed over, and the error text.
#include "common/DataFiles.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "../files/FileTestSupport.h"

namespace lm {
namespace {

namespace fs = std::filesystem;

class DataFilesTest : public ::testing::Test {
protected:
    DataFilesTest() {
        for (const char* sub : {"cur", "prog", "share"}) fs::create_directory(root_.path() / sub);
        folders_ = {root_ / "cur", root_ / "prog", root_ / "share"};
    }
    void Put(const std::string& folder, const std::string& text) {
        std::ofstream(root_ / (folder + "/guide.doc")) << text;
    }
    test::ScratchFolder root_;
    DataFolders folders_;
};

TEST_F(DataFilesTest, CurrentFolderThenProgramFolderThenInstalledFolder) {
    Put("share", "installed");
    EXPECT_EQ(LoadDataText("guide.doc", folders_).text, "installed");
    Put("prog", "beside");
    EXPECT_EQ(LoadDataText("guide.doc", folders_).text, "beside");
    Put("cur", "here");
    const DataText loaded = LoadDataText("guide.doc", folders_);
    EXPECT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.text, "here");
    EXPECT_EQ(loaded.path, root_ / "cur/guide.doc");
    EXPECT_EQ(FindDataFile("guide.doc", folders_), root_ / "cur/guide.doc");
}

TEST_F(DataFilesTest, NoneGivesTheErrorTextNamingFileAndFolders) {
    const DataText loaded = LoadDataText("guide.doc", folders_);
    EXPECT_FALSE(loaded.ok());
    EXPECT_TRUE(loaded.text.empty());
    EXPECT_EQ(loaded.error.rfind("Error Loading guide.doc: ", 0), 0u) << loaded.error;
    EXPECT_NE(loaded.error.find(root_ / "share"), std::string::npos) << loaded.error;
    EXPECT_EQ(FindDataFile("guide.doc", folders_), "");
    EXPECT_FALSE(LoadDataText("guide.doc", DataFolders{}).ok());

    // Started from its own folder, that folder is named once.
    const DataText same = LoadDataText("guide.doc", {folders_.current, folders_.current, ""});
    EXPECT_EQ(same.error, "Error Loading guide.doc: no such file in " + folders_.current);
}

TEST_F(DataFilesTest, UnreadableCandidatesArePassedOverAndNamedWhenNothingElseReads) {
    // A folder and a pipe by the name must neither be taken nor hang the start-up.
    fs::create_directory(root_ / "cur/guide.doc");
    ASSERT_EQ(::mkfifo((root_ / "prog/guide.doc").c_str(), 0600), 0);
    DataText loaded = LoadDataText("guide.doc", folders_);
    EXPECT_FALSE(loaded.ok());
    EXPECT_NE(loaded.error.find("not a regular file"), std::string::npos) << loaded.error;

    Put("share", "installed");
    loaded = LoadDataText("guide.doc", folders_);
    EXPECT_EQ(loaded.text, "installed");
    EXPECT_EQ(FindDataFile("guide.doc", folders_), root_ / "share/guide.doc");
}

TEST_F(DataFilesTest, OversizedFileIsRefusedNotRead) {
    Put("cur", std::string(100, 'x'));
    const DataText loaded = LoadDataText("guide.doc", folders_, 99);
    EXPECT_FALSE(loaded.ok());
    EXPECT_NE(loaded.error.find("too large"), std::string::npos) << loaded.error;
    EXPECT_EQ(LoadDataText("guide.doc", folders_, 100).text.size(), 100u);
}

TEST(DataFolders, StandardFoldersAreCurrentProgramAndInstalled) {
    const DataFolders folders = StandardDataFolders("/opt/lm/bin");
    EXPECT_EQ(folders.current, fs::current_path().string());
    EXPECT_EQ(folders.program, "/opt/lm/bin");
    EXPECT_EQ(folders.installed, InstalledDataFolder());
    EXPECT_TRUE(folders.installed.ends_with("/linkmotion")) << folders.installed;
}

}  // namespace
}  // namespace lm
