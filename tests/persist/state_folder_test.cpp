#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "persist/saved_game.h"
#include "persist/state_folder.h"
#include "persist/temp_folder.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

unsigned modeOf(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0xffff;
}

struct FolderCase {
    const char* name;
    UserFolders env;
    std::string state;
    std::string runtime;
};

void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.name; }

class UserFolderChoice : public ::testing::TestWithParam<FolderCase> {};

TEST_P(UserFolderChoice, FollowsTheBaseDirectoryRules)
{
    const FolderCase& c = GetParam();
    EXPECT_EQ(stateFolder(c.env), c.state);
    EXPECT_EQ(runtimeFolder(c.env), c.runtime);
}

INSTANTIATE_TEST_SUITE_P(
    Env, UserFolderChoice,
    ::testing::Values(
        FolderCase{"AllSet", {"/s", "/run/user/1000", "/home/ann"}, "/s/yacht/", "/run/user/1000/"},
        FolderCase{"StateUnset", {std::nullopt, "/r/", "/home/ann"}, "/home/ann/.local/state/yacht/", "/r/"},
        FolderCase{"StateEmpty", {"", "/r", "/home/ann/"}, "/home/ann/.local/state/yacht/", "/r/"},
        FolderCase{"StateRelative", {"state", "/r", "/home/ann"}, "/home/ann/.local/state/yacht/", "/r/"},
        FolderCase{"NoRuntimeUsesState", {"/s/", std::nullopt, "/h"}, "/s/yacht/", "/s/yacht/"},
        FolderCase{"RelativeRuntimeUsesState", {"/s", "run", "/h"}, "/s/yacht/", "/s/yacht/"},
        FolderCase{"NothingKnown", {std::nullopt, std::nullopt, std::nullopt}, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StateFolderPreparation, MakesEveryMissingFolderPrivateAndNarrowsAWideOne)
{
    TempFolder root;
    const std::string folder = root.path() + "/home/.local/state/yacht/";
    ASSERT_TRUE(prepareStateFolder(folder));
    EXPECT_EQ(modeOf(root.path() + "/home/.local"), 0700u);
    EXPECT_EQ(modeOf(root.path() + "/home/.local/state/yacht"), 0700u);

    ::chmod((root.path() + "/home/.local/state/yacht").c_str(), 0755);
    ASSERT_TRUE(prepareStateFolder(folder));
    EXPECT_EQ(modeOf(root.path() + "/home/.local/state/yacht"), 0700u);

    writeText(root.file("plain"), "x");
    EXPECT_FALSE(prepareStateFolder(root.file("plain") + "/yacht/"));
    EXPECT_FALSE(prepareStateFolder(""));
    EXPECT_FALSE(prepareStateFolder("relative/yacht/"));
}

TEST(SavedGameInStateFolder, IsWrittenForItsOwnerOnlyWhateverTheOldFileAllowed)
{
    TempFolder folder;
    writeText(folder.file(kSavedGameName), "old");
    ::chmod(folder.file(kSavedGameName).c_str(), 0644);
    FakeGame f;
    f.storage.setGameFolder(folder.dir());
    f.storage.saveGame(f.y.game);
    EXPECT_EQ(modeOf(folder.file(kSavedGameName)), 0600u);
    EXPECT_NE(readText(folder.file(kSavedGameName)), "old");
}

// The old place and the new, each in a folder of its own, as /tmp and the state folder are.
struct Upgrade {
    TempFolder temp, state;
    std::string oldFile() const { return temp.file(kSavedGameName); }
    std::string newFile() const { return state.file(kSavedGameName); }
    Migration migrate() const { return migrateTempGame(temp.dir(), state.dir()); }
};

TEST(UpgradeFromTemporaryFiles, MovesTheUsersGameByteForByteAndPrivately)
{
    Upgrade u;
    const std::string game = "1\r\n1\r\n2\r\n6\r\n0\r\n";
    writeText(u.oldFile(), game);
    ::chmod(u.oldFile().c_str(), 0644);
    EXPECT_EQ(u.migrate(), Migration::Moved);
    EXPECT_EQ(readText(u.newFile()), game);
    EXPECT_EQ(modeOf(u.newFile()), 0600u);
    EXPECT_FALSE(std::filesystem::exists(u.oldFile()));
    EXPECT_EQ(u.migrate(), Migration::NothingToMove);
}

TEST(UpgradeFromTemporaryFiles, NeverReplacesAGameAlreadyInTheNewPlace)
{
    Upgrade u;
    writeText(u.oldFile(), "old");
    writeText(u.newFile(), "new");
    EXPECT_EQ(u.migrate(), Migration::NothingToMove);
    EXPECT_EQ(readText(u.newFile()), "new");
    EXPECT_EQ(readText(u.oldFile()), "old");
}

TEST(UpgradeFromTemporaryFiles, LeavesLinksAndFoldersWhereTheyAre)
{
    Upgrade u;
    writeText(u.temp.file("elsewhere"), "secret");
    std::filesystem::create_symlink(u.temp.file("elsewhere"), u.oldFile());
    EXPECT_EQ(u.migrate(), Migration::Refused);
    EXPECT_FALSE(std::filesystem::exists(u.newFile()));
    EXPECT_TRUE(std::filesystem::is_symlink(u.oldFile()));

    Upgrade v;
    std::filesystem::create_directory(v.oldFile());
    EXPECT_EQ(v.migrate(), Migration::Refused);
    EXPECT_FALSE(std::filesystem::exists(v.newFile()));
}

TEST(UpgradeFromTemporaryFiles, LeavesAnotherUsersGameAlone)
{
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    Upgrade u;
    writeText(u.oldFile(), "theirs");
    ASSERT_EQ(::chown(u.oldFile().c_str(), 65534, 65534), 0);
    EXPECT_EQ(u.migrate(), Migration::Refused);
    EXPECT_FALSE(std::filesystem::exists(u.newFile()));
    EXPECT_EQ(readText(u.oldFile()), "theirs");
}

TEST(UpgradeFromTemporaryFiles, KeepsTheOldGameWhenTheNewPlaceCannotTakeIt)
{
    Upgrade u;
    writeText(u.oldFile(), "game");
    EXPECT_EQ(migrateTempGame(u.temp.dir(), u.state.file("missing") + "/"), Migration::Refused);
    EXPECT_EQ(readText(u.oldFile()), "game");
}

}  // namespace
}  // namespace yacht::test
