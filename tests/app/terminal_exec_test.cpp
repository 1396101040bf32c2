#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/terminal_exec.h"
#include "persist/temp_folder.h"

namespace yacht::test {
namespace {

void makeProgram(const std::string& path, const std::string& script, bool runnable)
{
    writeText(path, script);
    ::chmod(path.c_str(), runnable ? 0755 : 0644);
}

// Which executable the window's program hands a terminal game to, by what lies where.
TEST(TerminalExec, TheOneBesideTheProgramFirstThenTheInstalledOne)
{
    struct Case {
        const char* name;
        bool beside;          // a yacht-terminal beside the program
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
        const std::string beside = folder.file("games/yacht-terminal");
        const std::string installed = folder.file("libexec/yacht-terminal");
        if (c.beside) makeProgram(beside, "#!/bin/sh\n", c.besideRunnable);
        if (c.installed) makeProgram(installed, "#!/bin/sh\n", true);
        const std::string found = terminalGameExecutable(folder.file("games"), installed);
        const std::string expected = std::string(c.expect) == "beside"      ? beside
                                     : std::string(c.expect) == "installed" ? installed
                                                                            : "";
        EXPECT_EQ(found, expected) << c.name;
    }
    EXPECT_EQ(terminalGameExecutable("", ""), "");
}

// The process becomes the terminal game with the arguments it was started with, and carries on
// when there is nothing to become.
TEST(TerminalExec, TheProcessBecomesTheTerminalGameWithTheSameArguments)
{
    TempFolder folder;
    const std::string program = folder.file("yacht-terminal");
    const std::string told = folder.file("told");
    makeProgram(program, "#!/bin/sh\necho \"$$ $0 $*\" > '" + told + "'\n", true);
    const pid_t child = ::fork();
    if (child == 0) {
        char name[] = "yacht";
        char terminal[] = "--terminal";
        char seed[] = "--seed";
        char seven[] = "7";
        char* argv[] = {name, terminal, seed, seven, nullptr};
        execTerminalGame(program, 4, argv);
        ::_exit(99);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    std::ifstream in(told);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, std::to_string(child) + " " + program + " --terminal --seed 7");

    char name[] = "yacht";
    char* argv[] = {name, nullptr};
    execTerminalGame("", 1, argv);  // nothing to become: returns
    execTerminalGame(folder.file("missing"), 1, argv);
    SUCCEED();
}

}  // namespace
}  // namespace yacht::test
