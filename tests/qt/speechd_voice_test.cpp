#include <gtest/gtest.h>

#include <QCoreApplication>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

#include "speech/qt_speechd_voice.h"

namespace yacht {
namespace {

// What the fallback voice was asked to do.
struct FallbackLog {
    std::vector<std::string> texts;
    int rate = 0;
    int made = 0;
    std::vector<std::string> named;  // voices asked for by name
};

class RecordingVoice : public Voice {
public:
    explicit RecordingVoice(FallbackLog& log) : log_(log) {}
    void speak(const std::string& text, SpeakMode) override { log_.texts.push_back(text); }
    RunState runningState() override { return RunState::Done; }
    void setRate(int rate) override { log_.rate = rate; }
    void setVolume(int) override {}
    void setPriorityOver() override {}
    VoiceList voiceList() override { return VoiceList::Ready; }
    int voiceCount() override { return 1; }
    void selectVoice(int) override {}
    std::string voiceDescription(int) override { return "fallback"; }
    std::string engineName() override { return "flite"; }
    void selectVoiceByName(const std::string& name) override { log_.named.push_back(name); }

private:
    FallbackLog& log_;
};


// A speech server of a few lines on a local port: it answers every command and remembers every
// text. In one manner it says each text at once (telling its beginning and end), but closes the
// first connection of the game's own after its first text and refuses the next, as a server busy
// for a moment does. In the other it tells a text's beginning a second late and never its end,
// as a loaded speech-dispatcher 0.12 sometimes does. In the third it takes a second to list its
// voices, and notes the listing's end among the texts.
class FakeSpeechServer {
public:
    enum class Manner { DropsTheFirstConnection, BeginsLateAndNeverEnds, ListsSlowly };

    explicit FakeSpeechServer(Manner manner) : manner_(manner)
    {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::listen(listener_, 8);
        socklen_t n = sizeof a;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &n);
        port_ = ntohs(a.sin_port);
        accepting_ = std::thread([this] {
            for (int fd; (fd = ::accept(listener_, nullptr, nullptr)) >= 0;)
                std::thread([this, fd] { serve(fd); }).detach();
        });
    }
    ~FakeSpeechServer()
    {
        ::shutdown(listener_, SHUT_RDWR);
        ::close(listener_);
        accepting_.join();
    }
    std::string address() const { return "inet_socket:127.0.0.1:" + std::to_string(port_); }
    std::vector<std::string> texts()
    {
        std::lock_guard lock(mutex_);
        return texts_;
    }

private:
    static bool readLine(int fd, std::string& line)
    {
        line.clear();
        for (char c; ::read(fd, &c, 1) == 1;) {
            if (c == '\n') return true;
            if (c != '\r') line += c;
        }
        return false;
    }
    static void send(int fd, const std::string& s) { (void)!::write(fd, s.data(), s.size()); }

    void serve(int fd)
    {
        int connection = 0;
        const int client = ++clients_;
        for (std::string line; readLine(fd, line);) {
            if (line.find("CLIENT_NAME") != std::string::npos && line.find(":main") != std::string::npos) {
                connection = ++mainConnections_;
                if (connection == 2) break;  // refused: the connection is closed unanswered
            }
            if (line == "LIST SYNTHESIS_VOICES") {
                if (manner_ == Manner::ListsSlowly) std::this_thread::sleep_for(std::chrono::seconds(1));
                {
                    std::lock_guard lock(mutex_);
                    texts_.push_back("(voices listed)");
                }
                send(fd, "249-en-gb\ten\tnone\r\n249 OK VOICE LIST SENT\r\n");
            } else if (line == "HISTORY GET CLIENT_ID") {
                send(fd, "249-" + std::to_string(client) + "\r\n249 OK CLIENT ID SENT\r\n");
            } else if (line.rfind("GET ", 0) == 0) {
                send(fd, "251-0\r\n251 OK GET RETURNED\r\n");
            } else if (line == "speak" || line == "SPEAK") {
                send(fd, "230 OK RECEIVING DATA\r\n");
                std::string text, data;
                while (readLine(fd, data) && data != ".") text += data;
                const std::string id = std::to_string(++messages_);
                send(fd, "225-" + id + "\r\n225 OK MESSAGE QUEUED\r\n");
                {
                    std::lock_guard lock(mutex_);
                    texts_.push_back(text);
                }
                const auto event = [&](const std::string& code, const char* name) {
                    return code + "-" + id + "\r\n" + code + "-" + std::to_string(client) + "\r\n" +
                           code + " " + name + "\r\n";
                };
                if (manner_ == Manner::BeginsLateAndNeverEnds) {
                    std::this_thread::sleep_for(std::chrono::seconds(1));
                    send(fd, event("701", "BEGIN"));
                    continue;
                }
                send(fd, event("701", "BEGIN") + event("702", "END"));
                if (connection == 1) break;  // dropped after its first text
            } else {
                send(fd, "200 OK\r\n");
            }
        }
        ::close(fd);
    }

    Manner manner_;
    int listener_ = -1;
    int port_ = 0;
    std::thread accepting_;
    std::mutex mutex_;
    std::vector<std::string> texts_;
    std::atomic<int> clients_{0}, mainConnections_{0}, messages_{0};
};

// The speech-dispatcher voice opened at a server address, with a recording fallback and a count
// of the handovers to it; the address the environment had is put back at the end.
class VoiceAt {
public:
    explicit VoiceAt(const std::string& address) : saved_(qgetenv("SPEECHD_ADDRESS"))
    {
        qputenv("SPEECHD_ADDRESS", address.c_str());
        voice = openSpeechdVoice([this] {
            ++log.made;
            return std::make_unique<RecordingVoice>(log);
        });
        voice->listenForHandover([this] { ++handovers; });
    }
    ~VoiceAt()
    {
        voice.reset();
        if (saved_.isEmpty())
            qunsetenv("SPEECHD_ADDRESS");
        else
            qputenv("SPEECHD_ADDRESS", saved_);
    }

    FallbackLog log;
    int handovers = 0;
    std::unique_ptr<Voice> voice;

private:
    QByteArray saved_;
};

// Lets the event loop run until the condition holds, for ten seconds at most.
template <typename Condition>
void runUntil(Condition done)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done() && std::chrono::steady_clock::now() < until)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

}  // namespace

// A speech server address where nothing listens: the connection is refused at once, and the
// fallback voice says everything, in order, with the speed already set, and names itself as the
// engine speaking, telling the game of the handover once; a voice chosen by speech-dispatcher's
// name is not asked of it.
TEST(SpeechdVoice, UnreachableServerHandsEveryTextToTheFallbackInOrder)
{
    VoiceAt at("inet_socket:127.0.0.1:9");
    Voice& voice = *at.voice;
    voice.setRate(4);
    voice.selectVoiceByName("mbrola-en1");  // speech-dispatcher's name, no voice of flite's
    voice.speak("Yacht, from Tevrin Software.", SpeakMode::Async);
    voice.speak("3 4 4 5 6", SpeakMode::Sync);
    runUntil([&] {
        voice.runningState();  // where the voice notices the server is not there
        return at.log.texts.size() >= 2;
    });
    voice.speak("goodbye", SpeakMode::Sync);
    EXPECT_EQ(voice.runningState(), RunState::Done);
    EXPECT_EQ(voice.voiceDescription(0), "fallback");
    EXPECT_EQ(voice.engineName(), "flite");  // the stored voice is judged by the one speaking
    EXPECT_EQ(at.log.made, 1);
    EXPECT_EQ(at.handovers, 1);
    EXPECT_EQ(at.log.rate, 4);
    EXPECT_TRUE(at.log.named.empty());
    EXPECT_EQ(at.log.texts,
              (std::vector<std::string>{"Yacht, from Tevrin Software.", "3 4 4 5 6", "goodbye"}));
}

// A server that drops the game's connection and refuses the next attempt keeps the player's
// voice: the game connects again within a second and the server says the text the drop caught.
TEST(SpeechdVoice, ADroppedConnectionIsMadeAgainAndTheFallbackNeverSpeaks)
{
    FakeSpeechServer server(FakeSpeechServer::Manner::DropsTheFirstConnection);
    VoiceAt at(server.address());
    Voice& voice = *at.voice;
    voice.speak("first roll", SpeakMode::Async);
    runUntil([&] { return server.texts().size() == 1 && voice.runningState() == RunState::Done; });
    voice.speak("Ones is worth 3", SpeakMode::Async);
    runUntil([&] { return server.texts().size() == 2 && voice.runningState() == RunState::Done; });
    EXPECT_EQ(voice.engineName(), "speechd");
    EXPECT_EQ(server.texts(), (std::vector<std::string>{"first roll", "Ones is worth 3"}));
    EXPECT_EQ(at.log.made, 0);
    EXPECT_EQ(at.handovers, 0);
}

// A text whose beginning is told late and whose end never comes counts as said once its bound,
// counted from that beginning, is over: the game is told then, though the server says no more.
TEST(SpeechdVoice, ATextWhoseEndIsLostEndsAtItsBoundCountedFromItsBeginning)
{
    FakeSpeechServer server(FakeSpeechServer::Manner::BeginsLateAndNeverEnds);
    VoiceAt at(server.address());
    Voice& voice = *at.voice;
    int told = 0;
    voice.listen([&] { ++told; });
    const auto handed = std::chrono::steady_clock::now();
    voice.speak("first roll", SpeakMode::Async);  // bound 2.5 s, begun after 1 s
    runUntil([&] { return told > 0; });
    const auto waited = std::chrono::steady_clock::now() - handed;
    EXPECT_GT(told, 0) << "the game was never told the text is over";
    EXPECT_GE(waited, std::chrono::milliseconds(3400)) << "the bound counts from the late beginning";
    EXPECT_EQ(voice.runningState(), RunState::Done);
    EXPECT_EQ(at.log.made, 0);
}

// A text handed over while the voices are being listed reaches the server once the listing is
// over, and counts as being said meanwhile.
TEST(SpeechdVoice, ATextWaitsForTheVoicesListingToEnd)
{
    FakeSpeechServer server(FakeSpeechServer::Manner::ListsSlowly);
    VoiceAt at(server.address());
    Voice& voice = *at.voice;
    voice.startListingVoices();
    voice.speak("Choose the number of players", SpeakMode::Async);
    EXPECT_EQ(voice.runningState(), RunState::Speaking);
    runUntil([&] { return server.texts().size() == 2 && voice.runningState() == RunState::Done; });
    EXPECT_EQ(server.texts(), (std::vector<std::string>{"(voices listed)", "Choose the number of players"}));
    EXPECT_EQ(voice.voiceList(), VoiceList::Ready);
    EXPECT_EQ(at.log.made, 0);
}

}  // namespace yacht
