#pragma once
// What the game has still to be heard, in order: texts for the voice and sounds for the player,
// handed out one item at a time by the sequencer, each once the one before it has been heard.

#include <deque>
#include <initializer_list>
#include <string>
#include <utility>

namespace yacht {

// One thing queued to be heard: words for the voice, or a sound played by its resource name.
struct SpeechItem {
    enum class Kind { Text, Sound };
    Kind kind = Kind::Text;
    std::string text;  // the words, or the sound's name

    static SpeechItem words(std::string t) { return {Kind::Text, std::move(t)}; }
    static SpeechItem sound(std::string name) { return {Kind::Sound, std::move(name)}; }
    friend bool operator==(const SpeechItem&, const SpeechItem&) = default;
};

// The items waiting to be heard, and whether the text after a sound waits for the voice.
class SpeechQueue {
public:
    SpeechQueue() = default;
    // Words given as texts, in order (a convenience for setting up a queue).
    SpeechQueue(std::initializer_list<std::string> texts)
    {
        for (const std::string& t : texts) say(t);
    }

    // Queues the words as an item of their own.
    void say(std::string text) { items_.push_back(SpeechItem::words(std::move(text))); }
    // Adds the words to the last item, so that they are said in one breath with it; with nothing
    // queued (or a sound last) they become an item of their own.
    void add(std::string text)
    {
        if (items_.empty() || items_.back().kind != SpeechItem::Kind::Text)
            say(std::move(text));
        else
            items_.back().text += text;
    }
    // Queues a sound by its resource name.
    void sound(std::string name) { items_.push_back(SpeechItem::sound(std::move(name))); }
    // Empties the queue to the given words alone.
    void replace(std::string text)
    {
        items_.clear();
        say(std::move(text));
    }
    void clear() { items_.clear(); }

    bool empty() const { return items_.empty(); }
    std::size_t size() const { return items_.size(); }
    const std::deque<SpeechItem>& items() const { return items_; }
    // The words of the first item, or nothing when the queue is empty (for reports and tests).
    std::string front() const { return items_.empty() ? std::string() : items_.front().text; }

    // Takes the first item off the queue; the queue must not be empty.
    SpeechItem take()
    {
        SpeechItem item = std::move(items_.front());
        items_.pop_front();
        return item;
    }

    // Set when a sound starts: the sound plays to its end, and the next words handed to the voice
    // are said synchronously after it. Any words handed to the voice clear it.
    bool syncAfterSound = false;

    // The item last taken to be heard, or the words said at once in its place (a question, a
    // help page, goodbye): where a report told part by part goes on from.
    std::string lastHeard;

    friend bool operator==(const SpeechQueue& a, const SpeechQueue& b) { return a.items_ == b.items_; }

private:
    std::deque<SpeechItem> items_;
};

}  // namespace yacht
