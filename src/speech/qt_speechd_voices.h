#pragma once
// The voices of speech-dispatcher the player steps through, listed on a thread of their own.

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "engine/voice.h"
#include "speech/qt_speechd_link.h"

namespace yacht::speechd {

// Lists the server's voices once asked, in the background, and selects them through the link.
// Listing takes seconds with a large synthesiser; a server that has not listed them within a
// bound leaves the player its default voice.
class VoiceChoices {
public:
    explicit VoiceChoices(std::shared_ptr<Link> link) : link_(std::move(link)) {}
    ~VoiceChoices();
    VoiceChoices(const VoiceChoices&) = delete;
    VoiceChoices& operator=(const VoiceChoices&) = delete;

    void start();
    VoiceList state();
    // True from the start of the listing until the voices are listed or its bound is over.
    bool listing() { return lister_.joinable() && state() == VoiceList::Pending; }
    // How long a listing may take before the player is left the default voice.
    static constexpr std::chrono::seconds kBound{20};
    int count();
    void select(int position);
    // Chooses a voice by the server's name before the voices are listed.
    void selectByName(const std::string& name);
    std::string description(int position);
    std::string name(int position);
    std::string language(int position);

private:
    std::shared_ptr<Link> link_;
    std::thread lister_;
    std::chrono::steady_clock::time_point started_;
    bool listed_ = false;
    std::vector<VoiceChoice> voices_;
    int selected_ = 0;  // the server's default voice is in use until another is chosen; -1 by name
};

}  // namespace yacht::speechd
