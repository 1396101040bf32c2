#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/instance_lock.h"
#include "app/raise_request.h"
#include "persist/temp_folder.h"

namespace yacht::test {
namespace {

TEST(InstanceLock, OneHolderAtATimeAndFreeOnceItEnds)
{
    TempFolder folder;
    const std::string path = folder.file("yacht.lock");
    {
        InstanceLock first(path);
        ASSERT_EQ(first.outcome(), LockOutcome::Acquired);
        InstanceLock second(path);
        EXPECT_EQ(second.outcome(), LockOutcome::HeldByAnother);
    }
    InstanceLock again(path);
    EXPECT_EQ(again.outcome(), LockOutcome::Acquired);
}

TEST(InstanceLock, ACopyKilledOutrightLeavesNoLockBehind)
{
    TempFolder folder;
    const std::string path = folder.file("yacht.lock");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        InstanceLock held(path);
        const char byte = held.outcome() == LockOutcome::Acquired ? 'y' : 'n';
        [[maybe_unused]] auto n = ::write(ready[1], &byte, 1);
        ::pause();
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ASSERT_EQ(byte, 'y');
    EXPECT_EQ(InstanceLock(path).outcome(), LockOutcome::HeldByAnother);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(InstanceLock(path).outcome(), LockOutcome::Acquired);
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST(InstanceLock, AFolderThatCannotHoldItDoesNotKeepTheGameFromStarting)
{
    EXPECT_EQ(InstanceLock("/nonexistent-yacht-folder/yacht.lock").outcome(), LockOutcome::Unavailable);
    EXPECT_EQ(InstanceLock("").outcome(), LockOutcome::Unavailable);
}

TEST(RaiseMessage, CarriesBothTokensCleanedAndBounded)
{
    RaiseRequest read;
    const RaiseRequest plain{"gnome-shell-123_TIME4567", "abc:def"};
    ASSERT_TRUE(parseRaiseMessage(raiseMessage(plain), read));
    EXPECT_EQ(read, plain);

    ASSERT_TRUE(parseRaiseMessage(raiseMessage({"", ""}), read));
    EXPECT_EQ(read, (RaiseRequest{"", ""}));

    ASSERT_TRUE(parseRaiseMessage(raiseMessage({"a\tb\nc", std::string(2000, 'x')}), read));
    EXPECT_EQ(read.startupId, "abc");
    EXPECT_EQ(read.activationToken.size(), 512u);

    for (const char* bad : {"", "raise", "raise\tonly-one", "lower\ta\tb\n", "raise\ta\tb\tc\n"})
        EXPECT_FALSE(parseRaiseMessage(bad, read)) << bad;
}

TEST(RaiseMessage, ReachesTheCopyListeningOnTheSocket)
{
    TempFolder folder;
    const std::string path = folder.file("yacht.socket");
    EXPECT_FALSE(sendRaiseRequest(path, {"id", "token"})) << "nobody listens yet";

    const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, path.size());
    ASSERT_EQ(::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ASSERT_EQ(::listen(server, 1), 0);
    // The listener answers by closing, as the game does once it has read the line.
    const pid_t child = ::fork();
    if (child == 0) {
        const int peer = ::accept(server, nullptr, nullptr);
        char buffer[256] = {};
        const ssize_t n = ::read(peer, buffer, sizeof(buffer) - 1);
        RaiseRequest request;
        const bool ok = n > 0 && parseRaiseMessage(buffer, request) && request == RaiseRequest{"id", "token"};
        ::close(peer);
        ::_exit(ok ? 0 : 1);
    }
    EXPECT_TRUE(sendRaiseRequest(path, {"id", "token"}));
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ::close(server);
}

TEST(StartupId, GivesTheLaunchersTime)
{
    EXPECT_EQ(startupIdTime("gnome-shell/yacht/1234-0-host_TIME98765"), 98765u);
    EXPECT_EQ(startupIdTime("kwin_TIME12_TIME34"), 34u);
    EXPECT_EQ(startupIdTime("no-time-here"), 0u);
    EXPECT_EQ(startupIdTime("_TIME"), 0u);
    EXPECT_EQ(startupIdTime(""), 0u);
}

}  // namespace
}  // namespace yacht::test
