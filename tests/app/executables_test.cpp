#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/executables.h"
#include "persist/temp_folder.h"

namespace yacht::test {
namespace {

void makeProgram(const std::string& path, const std::string& script, bool runnable)
{
    writeText(path, script);
    ::chmod(path.c_str(), runnable ? 0755 : 0644);
}

// Which executable `yacht` becomes, by what lies where (the window's and the terminal game's are
// found alike).
TEST(GameExecutables, TheOneBesideTheProgramFirstThenTheInstalledOne)
{
    struct Case {
        const char* name;
        bool beside;          // a yacht-window beside the program
        bool besideRunnable;  // and it may be run
        bool installed;       // one at the installed path
        const char* expect;   // "beside", "installed" or ""
    };
    const Case cases[] = {
        {"a build folder or a USB copy", true, true, true, "beside"},
        {"only the installed one", false, false, true, "installed"},
        {"one beside that may not be run", true, false, true, "installed"},
        {"neither", false, false, false, ""},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        std::filesystem::create_directories(folder.file("games"));
        std::filesystem::create_directories(folder.file("libexec"));
        const std::string beside = folder.file("games/yacht-window");
        const std::string installed = folder.file("libexec/yacht-window");
        if (c.beside) makeProgram(beside, "#!/bin/sh\n", c.besideRunnable);
        if (c.installed) makeProgram(installed, "#!/bin/sh\n", true);
        const std::string found = gameExecutable(folder.file("games"), "yacht-window", installed);
        const std::string expected = std::string(c.expect) == "beside"      ? beside
                                     : std::string(c.expect) == "installed" ? installed
                                                                            : "";
        EXPECT_EQ(found, expected) << c.name;
    }
    EXPECT_EQ(gameExecutable("", "yacht-window", ""), "");
}

// The process becomes the game's executable with the arguments it was started with, its name
// among them, and carries on, errno saying why, when there is nothing to become.
TEST(GameExecutables, TheProcessBecomesTheExecutableWithTheSameArguments)
{
    TempFolder folder;
    const std::string told = folder.file("told");
    const pid_t child = ::fork();
    if (child == 0) {
        // The shell's $0 is its own argv[0] when `-c` has no name after the command.
        char name[] = "yacht";
        char command[] = "-c";
        std::string script = "echo \"$$ $0\" > '" + told + "'";
        char* argv[] = {name, command, script.data(), nullptr};
        becomeExecutable("/bin/sh", argv);
        ::_exit(99);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    std::ifstream in(told);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, std::to_string(child) + " yacht");

    char name[] = "yacht";
    char* argv[] = {name, nullptr};
    becomeExecutable("", argv);  // nothing to become: returns
    EXPECT_EQ(errno, ENOENT);
    becomeExecutable(folder.file("missing"), argv);
    EXPECT_EQ(errno, ENOENT);
    const std::string notRunnable = folder.file("yacht-window");
    makeProgram(notRunnable, "#!/bin/sh\n", false);
    becomeExecutable(notRunnable, argv);
    EXPECT_EQ(errno, EACCES);
}

}  // namespace
}  // namespace yacht::test
