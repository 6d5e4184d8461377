#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "shell/startup/skin_loading.h"
#include "skin/carried_skins.h"
#include "support/fake_platform.h"
#include "support/scratch_folder.h"

namespace quintara {
namespace {

namespace fs = std::filesystem;

// Whether the process has mapped the file at `path`: a library loaded from it.
bool mapped(const std::string& path) {
    const std::string maps = testing::fileBytes("/proc/self/maps");
    return maps.find(" " + fs::canonical(path).string() + "\n") != std::string::npos;
}

class SkinLoadingTest : public ::testing::Test {
protected:
    SkinLoadingTest() {
        platform.programFolder = programFolder.path().string();
        platform.temporaryFolder = temporaryFolder.path().string();
    }

    [[nodiscard]] std::string libraryFile() const { return programFolder.file("hrttp.dll"); }
    [[nodiscard]] std::string skinFile() const { return temporaryFolder.file("1.she"); }

    testing::ScratchFolder programFolder;
    testing::ScratchFolder temporaryFolder;
    testing::FakePlatform platform;
    SkinAttacher attacher{platform};
};

TEST_F(SkinLoadingTest, TheCarriedLibraryIsWrittenNextToTheProgram) {
    EXPECT_EQ(skinLibraryPath(platform), libraryFile());
    writeSkinLibrary(platform);
    const std::string written = testing::fileBytes(libraryFile());
    EXPECT_EQ(written, skin::carriedSkinLibrary());
    EXPECT_TRUE(written.starts_with("\x7f" "ELF"));

    testing::putFile(libraryFile(), "an older library");
    writeSkinLibrary(platform);
    EXPECT_EQ(testing::fileBytes(libraryFile()), skin::carriedSkinLibrary());
}

TEST_F(SkinLoadingTest, Skin20IsWrittenAndTheLibraryIsLoadedFromItsFile) {
    writeSkinLibrary(platform);
    attacher.applySkin(20);
    EXPECT_EQ(testing::fileBytes(skinFile()), skin::carriedSkinFile(20));
    EXPECT_TRUE(mapped(libraryFile()));
}

TEST_F(SkinLoadingTest, NumbersOutsideTheSkinsWriteNothing) {
    writeSkinLibrary(platform);
    for (int number : {0, 57, -1}) {
        attacher.applySkin(number);
        EXPECT_FALSE(fs::exists(skinFile())) << number;
    }
    testing::putFile(skinFile(), "kept");
    attacher.applySkin(0);
    attacher.applySkin(57);
    EXPECT_EQ(testing::fileBytes(skinFile()), "kept");
    EXPECT_TRUE(mapped(libraryFile()));  // the library is still called
}

TEST_F(SkinLoadingTest, ALinkAtTheSkinFilesNameIsReplacedNotFollowed) {
    testing::ScratchFolder elsewhere;
    const std::string victim = elsewhere.file("precious");
    testing::putFile(victim, "must stay");
    fs::create_symlink(victim, skinFile());
    attacher.applySkin(20);
    EXPECT_EQ(testing::fileBytes(victim), "must stay");
    EXPECT_FALSE(fs::is_symlink(skinFile()));
    EXPECT_EQ(testing::fileBytes(skinFile()), skin::carriedSkinFile(20));
}

TEST_F(SkinLoadingTest, WithoutTheLibraryTheSkinIsStillWrittenAndNothingFails) {
    attacher.applySkin(20);
    EXPECT_EQ(testing::fileBytes(skinFile()), skin::carriedSkinFile(20));
    testing::putFile(libraryFile(), "not a library");
    attacher.applySkin(21);
    EXPECT_EQ(testing::fileBytes(skinFile()), skin::carriedSkinFile(21));
}

TEST_F(SkinLoadingTest, WithoutATemporaryFolderOfTheUsersOwnNothingIsWritten) {
    platform.temporaryFolder = "";
    writeSkinLibrary(platform);
    attacher.applySkin(20);
    EXPECT_FALSE(fs::exists("/1.she"));
    EXPECT_FALSE(mapped(libraryFile()));
}

TEST_F(SkinLoadingTest, AnUnwritableFolderIsNoFailure) {
    platform.programFolder = "/nonexistent";
    platform.temporaryFolder = "/nonexistent";
    writeSkinLibrary(platform);
    attacher.applySkin(20);
    EXPECT_FALSE(fs::exists("/nonexistent"));
}

TEST(CarriedSkins, FiftySixSkinFilesOfOurOwnFormat) {
    for (int number = 1; number <= skin::kSkinCount; ++number) {
        EXPECT_TRUE(skin::carriedSkinFile(number).starts_with(".SHE")) << number;
    }
    EXPECT_TRUE(skin::carriedSkinFile(0).empty());
    EXPECT_TRUE(skin::carriedSkinFile(skin::kSkinCount + 1).empty());
}

TEST(SkinTemporaryFolder, IsTheUsersOwn) {
    const std::string folder = SystemPlatform().temporaryDirectory();
    ASSERT_FALSE(folder.empty());
    struct stat info{};
    ASSERT_EQ(::lstat(folder.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_uid, ::getuid());
    EXPECT_EQ(info.st_mode & 077, 0U);
    EXPECT_FALSE(folder.ends_with("/"));
}

}  // namespace
}  // namespace quintara
