#include "speech/qt_speechd_voices.h"

namespace yacht::speechd {
VoiceChoices::~VoiceChoices()
{
    // A listing cannot be cut short; one still running is left to end on its own.
    if (!lister_.joinable()) return;
    if (link_->listingEnded)
        lister_.join();
    else
        lister_.detach();
}

void VoiceChoices::start()
{
    if (lister_.joinable() || listed_) return;
    started_ = std::chrono::steady_clock::now();
    lister_ = std::thread(listVoices, link_);
}

VoiceList VoiceChoices::state()
{
    if (listed_) return VoiceList::Ready;
    if (!lister_.joinable()) return VoiceList::Pending;
    std::lock_guard lock(link_->mutex);
    if (link_->listed) {
        voices_ = link_->voices;
        listed_ = true;
    } else if (std::chrono::steady_clock::now() - started_ > kBound) {
        voices_ = chooseVoices({}, link_->defaultLanguage);
        listed_ = true;
    }
    return listed_ ? VoiceList::Ready : VoiceList::Pending;
}

int VoiceChoices::count()
{
    return state() == VoiceList::Ready ? static_cast<int>(voices_.size()) : 0;
}

void VoiceChoices::select(int position)
{
    if (position == selected_ || state() != VoiceList::Ready) return;
    if (position < 0 || position >= static_cast<int>(voices_.size())) return;
    const VoiceChoice& v = voices_[static_cast<std::size_t>(position)];
    if (!v.name.empty())
        link_->post(Command::named(Command::Kind::Voice, v.name));
    else
        link_->post(Command::named(Command::Kind::Language, v.language));
    selected_ = position;
}

void VoiceChoices::selectByName(const std::string& name)
{
    if (name.empty()) return;
    link_->post(Command::named(Command::Kind::Voice, name));
    selected_ = -1;
}

std::string VoiceChoices::name(int position)
{
    if (state() != VoiceList::Ready) return {};
    if (position < 0 || position >= static_cast<int>(voices_.size())) return {};
    return voices_[static_cast<std::size_t>(position)].name;
}

std::string VoiceChoices::language(int position)
{
    if (state() != VoiceList::Ready) return {};
    if (position < 0 || position >= static_cast<int>(voices_.size())) return {};
    return voices_[static_cast<std::size_t>(position)].language;
}

std::string VoiceChoices::description(int position)
{
    if (state() != VoiceList::Ready) return {};
    if (position < 0 || position >= static_cast<int>(voices_.size())) return {};
    return voices_[static_cast<std::size_t>(position)].description;
}

}  // namespace yacht::speechd
