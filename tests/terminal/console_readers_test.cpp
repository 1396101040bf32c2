// Finding a screen reader that reads the terminal already, and the speech engine that follows.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "terminal/console_readers.h"

namespace yacht {
namespace {

namespace fs = std::filesystem;

// A scratch root with the files a real one would have.
struct Root {
    fs::path path = fs::temp_directory_path() / ("yacht-readers-" + std::to_string(::getpid()));
    Root() { fs::create_directories(path / "proc"); }
    ~Root() { fs::remove_all(path); }
    void write(const std::string& file, const std::string& text)
    {
        fs::create_directories((path / file).parent_path());
        std::ofstream(path / file, std::ios::binary) << text;
    }
};

ConsoleReaders find(const Root& root, std::map<std::string, std::string> env = {})
{
    return findConsoleReaders(root.path.string(), [&env](const char* name) { return env[name]; });
}

TEST(ConsoleReaders, FindsSpeakupFenrirOrcaAndSsh)
{
    {
        Root root;
        root.write("proc/12/comm", "bash\n");
        root.write("proc/12/cmdline", std::string("bash\0-l\0", 8));
        root.write("sys/accessibility/speakup/synth", "none\n");
        EXPECT_FALSE(find(root).any()) << "Speakup loaded without a synthesiser reads nothing";
    }
    {
        Root root;
        root.write("sys/accessibility/speakup/synth", "soft\n");
        EXPECT_TRUE(find(root).speakup);
    }
    {
        Root root;
        root.write("proc/40/comm", "python3\n");
        root.write("proc/40/cmdline", std::string("/usr/bin/python3\0/usr/bin/fenrir\0-f\0", 37));
        root.write("proc/41/comm", "orca\n");
        const ConsoleReaders found = find(root, {{"DISPLAY", ":0"}});
        EXPECT_TRUE(found.fenrir);
        EXPECT_TRUE(found.orca);
        EXPECT_FALSE(found.speakup);
        // On a console or over ssh no Orca is reading the game's terminal.
        EXPECT_FALSE(find(root).orca);
    }
    {
        Root root;
        EXPECT_TRUE(find(root, {{"SSH_CONNECTION", "10.0.0.2 5555 10.0.0.1 22"}}).ssh);
    }
}

TEST(ConsoleReaders, ANamedOrRememberedEngineWinsElseAReaderMeansPrintOnly)
{
    ConsoleReaders reader;
    reader.speakup = true;
    const ConsoleReaders nobody;
    EXPECT_EQ(terminalSpeechEngine("", reader), "none");
    EXPECT_EQ(terminalSpeechEngine("", nobody), "");
    EXPECT_EQ(terminalSpeechEngine("speechd", reader), "speechd");
    EXPECT_EQ(terminalSpeechEngine("flite", nobody), "flite");
    EXPECT_EQ(terminalSpeechEngine("screen-reader", nobody), "none");
}

}  // namespace
}  // namespace yacht
