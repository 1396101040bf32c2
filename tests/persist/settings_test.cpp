#include <gtest/gtest.h>

#include <filesystem>

#include "engine/key_codes.h"
#include "engine/key_input.h"
#include "engine/startup.h"
#include "engine/voice_settings.h"
#include "persist/settings.h"
#include "persist/settings_file.h"
#include "persist/temp_folder.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

const std::string kVoiceKey = "Tevrin/Q73/Voice";
const std::string kSpeedKey = "Tevrin/Q73/Speed";

// Starts a game whose program folder is `programDir`, with the given installed voices.
void start(FakeGame& f, const std::string& programDir, int voices = 2)
{
    f.voice.descriptions.clear();
    for (int i = 0; i < voices; ++i) f.voice.descriptions.push_back("Voice " + std::to_string(i));
    StartupContext context;
    f.storage.setProgramFolder(programDir);
    startup(f.y, context);
}

struct StoreCase {
    const char* name;
    std::optional<std::string> voice;
    std::optional<std::string> speed;
    int16_t voiceIndex;
    int16_t speedIndex;
};

void PrintTo(const StoreCase& c, std::ostream* os) { *os << c.name; }

class StoredSettings : public ::testing::TestWithParam<StoreCase> {};

TEST_P(StoredSettings, AreReadCheckedAndApplied)
{
    const StoreCase& c = GetParam();
    FakeGame f;
    if (c.voice) f.store.values[kVoiceKey] = *c.voice;
    if (c.speed) f.store.values[kSpeedKey] = *c.speed;
    start(f, "/usr/bin", 2);

    EXPECT_TRUE(f.storage.settingsFolder().empty());
    EXPECT_EQ(f.y.voiceChoice.voiceIndex, c.voiceIndex);
    EXPECT_EQ(f.y.voiceChoice.speedIndex, c.speedIndex);
    EXPECT_EQ(f.voice.rate, (c.speedIndex - 2) * 3);
    EXPECT_EQ(f.voice.selected, c.voiceIndex);
    EXPECT_TRUE(f.y.voiceChoice.voiceApplied);
    EXPECT_EQ(f.y.game.state, EngineState::Startup);
}

INSTANTIATE_TEST_SUITE_P(
    Store, StoredSettings,
    ::testing::Values(
        StoreCase{"NothingStoredGivesDefaults", std::nullopt, std::nullopt, 0, 2},
        StoreCase{"SlowestSpeed", "0", "0", 0, 0},
        StoreCase{"FastestSpeed", "1", "4", 1, 4},
        StoreCase{"VoiceBeyondInstalledBecomesFirst", "3", "2", 0, 2},
        StoreCase{"VoiceJustBeyondLastBecomesFirst", "2", "1", 0, 1},
        StoreCase{"NegativeVoiceBecomesFirst", "-1", "3", 0, 3},
        StoreCase{"NonNumericValuesCountZero", "abc", "fast", 0, 0},
        StoreCase{"EmptyValuesCountZero", "", "", 0, 0},
        StoreCase{"LeadingDigitsAreTaken", "1x", "3 ", 1, 3},
        StoreCase{"SpeedAboveFastestBecomesNormal", "0", "5", 0, 2},
        StoreCase{"NegativeSpeedBecomesNormal", "0", "-1", 0, 2},
        StoreCase{"HugeNumbersFallBack", "99999999999999999999", "99999999999", 0, 2},
        StoreCase{"HugeNegativeNumbersFallBack", "-99999999999", "-99999999999", 0, 2}),
    [](const auto& info) { return std::string(info.param.name); });

struct FileCase {
    const char* name;
    std::string contents;
    int16_t voiceIndex;
    int16_t speedIndex;
};

void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }

class SettingsFile : public ::testing::TestWithParam<FileCase> {};

TEST_P(SettingsFile, IsReadLineByLine)
{
    const FileCase& c = GetParam();
    TempFolder folder;
    writeText(folder.file(kSettingsFileName), c.contents);
    FakeGame f;
    f.drive.bus = "Usb";
    f.drive.type = DriveType::Removable;
    start(f, folder.path(), 3);

    EXPECT_EQ(f.storage.settingsFolder(), folder.path());
    EXPECT_EQ(f.y.voiceChoice.voiceIndex, c.voiceIndex);
    EXPECT_EQ(f.y.voiceChoice.speedIndex, c.speedIndex);
    EXPECT_EQ(f.voice.rate, (c.speedIndex - 2) * 3);
    EXPECT_EQ(f.voice.selected, c.voiceIndex);
}

INSTANTIATE_TEST_SUITE_P(
    File, SettingsFile,
    ::testing::Values(
        FileCase{"AsWritten", "Voice\t1\r\nSpeed\t3\r\n", 1, 3},
        FileCase{"InAnyOrder", "Speed\t0\r\nVoice\t2\r\n", 2, 0},
        FileCase{"LaterLineWins", "Voice\t1\r\nVoice\t2\r\n", 2, 2},
        FileCase{"ThirdFieldIgnored", "Voice\t1\t7\r\nSpeed\t4\textra\r\n", 1, 4},
        FileCase{"LineWithoutTabSkipped", "Voice 1\r\nSpeed\t4\r\n", 0, 4},
        FileCase{"KeysMatchedExactly", "voice\t1\r\nVoi\t2\r\n\t3\r\nSpeed \t4\r\n", 0, 2},
        FileCase{"BareLineFeedsAccepted", "Voice\t2\nSpeed\t1\n", 2, 1},
        FileCase{"LastLineWithoutEnding", "Voice\t1\r\nSpeed\t3", 1, 3},
        FileCase{"VoiceBeyondInstalledBecomesFirst", "Voice\t3\r\n", 0, 2},
        FileCase{"NegativeVoiceBecomesFirst", "Voice\t-1\r\n", 0, 2},
        FileCase{"SpeedOutOfRangeBecomesNormal", "Speed\t9\r\n", 0, 2},
        FileCase{"NonNumericValueCountsZero", "Voice\tone\r\nSpeed\tslow\r\n", 0, 0},
        FileCase{"EmptyValueCountsZero", "Voice\t\r\nSpeed\t\r\n", 0, 0},
        FileCase{"BinaryBytesKeepDefaults", std::string("\0\xff\x01\t\x80\r\n\xfe", 8), 0, 2},
        FileCase{"EmptyFileKeepsDefaults", "", 0, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsFileAbsent, StartFromUsbCreatesItEmptyInProgramFolder)
{
    TempFolder folder;
    FakeGame f;
    f.drive.bus = "Usb";
    f.drive.type = DriveType::Fixed;
    start(f, folder.path());

    ASSERT_TRUE(std::filesystem::exists(folder.file(kSettingsFileName)));
    EXPECT_EQ(readText(folder.file(kSettingsFileName)), "");
    EXPECT_EQ(f.y.voiceChoice.voiceIndex, 0);
    EXPECT_EQ(f.y.voiceChoice.speedIndex, 2);
}

TEST(SettingsFileAbsent, UncreatableFileKeepsDefaults)
{
    TempFolder folder;
    // The program folder is a plain file, so nothing can be created in it.
    writeText(folder.file("notafolder"), "x");
    FakeGame f;
    f.store.values[kSpeedKey] = "4";  // must not be read: the settings live in the file
    f.drive.bus = "Usb";
    f.drive.type = DriveType::Removable;
    start(f, folder.file("notafolder"));

    EXPECT_FALSE(f.storage.settingsFolder().empty());
    EXPECT_EQ(f.y.voiceChoice.voiceIndex, 0);
    EXPECT_EQ(f.y.voiceChoice.speedIndex, 2);
    EXPECT_EQ(f.voice.rate, 0);
}

struct PlaceCase {
    const char* name;
    std::string bus;
    DriveType type;
    bool usesFile;
    bool writable = true;
};

void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.name; }

class SettingsPlace : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(SettingsPlace, FollowsTheBusAndTypeOfTheProgramDrive)
{
    const PlaceCase& c = GetParam();
    FakeGame f;
    f.drive.bus = c.bus;
    f.drive.type = c.type;
    f.drive.canWrite = c.writable;
    const std::string place = settingsPlace(f.drive, "/media/stick/yacht");
    EXPECT_EQ(!place.empty(), c.usesFile);
    if (c.usesFile) {
        EXPECT_EQ(settingsFilePath(place), "/media/stick/yacht/Tevrinyacht.ini");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Place, SettingsPlace,
    ::testing::Values(PlaceCase{"UsbStick", "Usb", DriveType::Removable, true},
                      PlaceCase{"UsbHardDisk", "Usb", DriveType::Fixed, true},
                      PlaceCase{"InstalledOnAUsbBootDisk", "Usb", DriveType::Fixed, false, false},
                      PlaceCase{"WriteProtectedStick", "Usb", DriveType::Removable, false, false},
                      PlaceCase{"UsbOfUnknownType", "Usb", DriveType::Unknown, false},
                      PlaceCase{"UsbOtherType", "Usb", DriveType::Other, false},
                      PlaceCase{"InternalAtaDisk", "Ata", DriveType::Fixed, false},
                      PlaceCase{"InternalScsiDisk", "Scsi", DriveType::Fixed, false},
                      PlaceCase{"UnknownBus", "", DriveType::Unknown, false},
                      PlaceCase{"BusNameMatchedExactly", "usb", DriveType::Removable, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VoiceListPending, SpeedAppliesAtOnceAndVoiceWaitsForTheList)
{
    FakeGame f;
    f.store.values[kVoiceKey] = "5";
    f.store.values[kSpeedKey] = "3";
    f.voice.list = VoiceList::Pending;
    start(f, "/usr/bin", 2);

    EXPECT_EQ(f.voice.rate, 3);
    EXPECT_EQ(f.y.voiceChoice.voiceIndex, 5);
    EXPECT_FALSE(f.y.voiceChoice.voiceApplied);

    f.voice.list = VoiceList::Ready;  // the voices arrive; there are only two
    selectStoredVoice(f.y.voiceChoice, f.y.ports.voice);
    EXPECT_TRUE(f.y.voiceChoice.voiceApplied);
    EXPECT_EQ(f.y.voiceChoice.voiceIndex, 0);
    EXPECT_EQ(f.voice.selected, 0);
}

TEST(VoiceListPending, StoredVoiceWithinListIsSelectedWhenItArrives)
{
    FakeGame f;
    f.store.values[kVoiceKey] = "1";
    f.voice.list = VoiceList::Pending;
    start(f, "/usr/bin", 2);
    f.voice.list = VoiceList::Ready;
    selectStoredVoice(f.y.voiceChoice, f.y.ports.voice);
    EXPECT_EQ(f.voice.selected, 1);
    EXPECT_EQ(f.y.voiceChoice.voiceIndex, 1);
}

TEST(AtStart, NormalSpeedLeavesThePlayersOwnRateAndVolumeAlone)
{
    for (const char* speed : {"2", ""}) {
        FakeGame f;
        if (*speed) f.store.values[kSpeedKey] = speed;
        start(f, "/usr/bin", 2);
        EXPECT_EQ(f.voice.rateCalls, 0) << "stored speed '" << speed << "'";
        EXPECT_EQ(f.voice.volumeCalls, 0) << "stored speed '" << speed << "'";
    }
}

TEST(TheStoredVoiceName, IsChosenBeforeTheGreetingAndWinsOverThePosition)
{
    struct Case {
        const char* what;
        std::vector<std::string> listed;
        int16_t voiceIndex;  // once the voices are listed
    };
    const Case cases[] = {
        {"name found elsewhere in the list", {"Alpha", "Bravo", "Charlie"}, 2},
        {"name no longer installed: the position decides", {"Alpha", "Bravo"}, 1},
    };
    for (const Case& c : cases) {
        FakeGame f;
        f.store.values[kVoiceKey] = "1";
        f.store.values["Tevrin/Q73/VoiceName"] = "Charlie";
        f.voice.list = VoiceList::Pending;
        start(f, "/usr/bin", int(c.listed.size()));
        windowActivated(f.y.tell);
        f.tick();
        EXPECT_EQ(f.voice.selectedByName, "Charlie") << c.what;
        EXPECT_EQ(f.voice.spokenBeforeName, 0u) << c.what;
        ASSERT_FALSE(f.voice.spoken.empty()) << c.what;

        f.voice.names = c.listed;
        f.voice.list = VoiceList::Ready;
        f.tick();
        EXPECT_EQ(f.y.voiceChoice.voiceIndex, c.voiceIndex) << c.what;
        EXPECT_EQ(f.voice.selected, c.voiceIndex) << c.what;
    }
}

// A voice stored in a game of another language gives way to the game's language: known from
// the language stored beside it before the voices are listed, or (settings stored before the
// language was) from the list. The stored voice itself is kept for a game in its language, and a
// voice chosen in this run is stored with its language.
TEST(TheStoredVoice, OfAnotherLanguageGivesWayToTheGamesLanguage)
{
    struct Case {
        const char* what;
        const char* game;         // the game's language, "" English
        const char* stored;       // the VoiceLanguage key, nullptr when absent
        const char* listed;       // the language the list gives "Charlie"
        const char* byName;       // chosen by name before the list
        int16_t voiceIndex;       // once the voices are listed
    };
    const Case cases[] = {
        {"stored German voice in a French game", "fr", "de-DE", "de", "", 0},
        {"stored German voice in a German game", "de", "de", "de", "Charlie", 2},
        {"old settings, the list tells another language", "fr", nullptr, "de", "Charlie", 0},
        {"old settings, the list tells the game's language", "fr", nullptr, "fr-FR", "Charlie", 2},
        {"English voice in an English game", "", "en-GB", "en-gb", "Charlie", 2},
        {"English voice in a Spanish game", "es", "en_GB", "en-GB", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeGame f;
        f.store.values[kVoiceKey] = "2";
        f.store.values["Tevrin/Q73/VoiceName"] = "Charlie";
        if (c.stored) f.store.values["Tevrin/Q73/VoiceLanguage"] = c.stored;
        f.voice.list = VoiceList::Pending;
        f.voice.descriptions = {"Alpha", "Bravo", "Charlie"};
        StartupContext context;
        context.language = c.game;
        f.storage.setProgramFolder("/usr/bin");
        startup(f.y, context);
        windowActivated(f.y.tell);
        f.tick();
        EXPECT_EQ(f.voice.selectedByName, c.byName);

        f.voice.names = {"Alpha", "Bravo", "Charlie"};
        f.voice.languages = {c.game[0] ? c.game : "en", "en-US", c.listed};
        f.voice.list = VoiceList::Ready;
        f.tick();
        EXPECT_EQ(f.y.voiceChoice.voiceIndex, c.voiceIndex);
        EXPECT_EQ(f.voice.selected, c.voiceIndex);
        f.press(keys::F12);
        EXPECT_EQ(f.store.values["Tevrin/Q73/VoiceName"], "Charlie");
        EXPECT_EQ(f.store.values["Tevrin/Q73/VoiceLanguage"], c.stored ? c.stored : "");
    }
    // The voice the player chooses is stored with its language, in the file beside a USB game too.
    FakeGame f;
    f.voice.names = {"Alpha", "Bravo"};
    f.voice.languages = {"de", "en-US"};
    start(f, "/usr/bin", 2);
    f.tick();
    f.press(keys::F1, keys::Shift);
    f.press(keys::F12);
    EXPECT_EQ(f.store.values["Tevrin/Q73/VoiceLanguage"], "en-US");
    const std::string text = settingsFileText(SettingsValues{1, 2, "Bravo", "", "speechd", false, "en-US"});
    EXPECT_NE(text.find("VoiceLanguage\ten-US\r\n"), std::string::npos);
    EXPECT_EQ(settingsFileText(SettingsValues{1, 2, "Bravo", "", "speechd", false, ""}).find("VoiceLanguage"),
              std::string::npos);
}

TEST(LeavingWithF12, StoresTheVoicesNameBesideItsPosition)
{
    FakeGame f;
    f.voice.names = {"Alpha", "Bravo"};
    start(f, "/usr/bin", 2);
    f.tick();
    f.press(keys::F1, keys::Shift);
    f.press(keys::F12);
    EXPECT_EQ(f.store.values[kVoiceKey], "1");
    EXPECT_EQ(f.store.values["Tevrin/Q73/VoiceName"], "Bravo");
    EXPECT_EQ(f.store.values.count("Tevrin/Q73/VoiceEngine"), 0u) << "speech-dispatcher's, the default";
}

TEST(LeavingWithF12, WritesTheStoreAndTheNextStartReadsItBack)
{
    FakeGame first;
    start(first, "/usr/bin", 3);
    first.y.voiceChoice.speedIndex = 4;
    first.tick();
    first.press(keys::F1, keys::Ctrl);  // from the first voice back to the last
    first.press(keys::F12);
    EXPECT_EQ(first.store.values[kVoiceKey], "2");
    EXPECT_EQ(first.store.values[kSpeedKey], "4");
    EXPECT_TRUE(first.toolkit.quit);

    FakeGame second;
    second.store.values = first.store.values;
    start(second, "/usr/bin", 3);
    EXPECT_EQ(second.y.voiceChoice.voiceIndex, 2);
    EXPECT_EQ(second.y.voiceChoice.speedIndex, 4);
    EXPECT_EQ(second.voice.rate, 6);
    EXPECT_EQ(second.voice.selected, 2);
}

TEST(LeavingWithF12, FromUsbWritesExactlyTwoLinesAndTheNextStartReadsThem)
{
    TempFolder folder;
    writeText(folder.file(kSettingsFileName), "Voice\t0\r\nSpeed\t2\r\nOld\tline\r\n");
    FakeGame first;
    first.drive.bus = "Usb";
    first.drive.type = DriveType::Removable;
    start(first, folder.path(), 2);
    first.y.voiceChoice.speedIndex = 3;
    first.tick();
    first.press(keys::F1, keys::Shift);
    first.press(keys::F12);
    EXPECT_EQ(readText(folder.file(kSettingsFileName)), "Voice\t1\r\nSpeed\t3\r\n");
    EXPECT_TRUE(first.store.values.empty());

    FakeGame second;
    second.drive.bus = "Usb";
    second.drive.type = DriveType::Removable;
    start(second, folder.path(), 2);
    EXPECT_EQ(second.y.voiceChoice.voiceIndex, 1);
    EXPECT_EQ(second.y.voiceChoice.speedIndex, 3);
    EXPECT_EQ(second.voice.rate, 3);
}

// Brief speech chosen with its key is kept by whichever store the game started from: the
// per-user store, or the settings file beside a game on a USB drive.
TEST(LeavingWithF12, BriefSpeechIsKeptInEitherStoreAndTheNextStartSpeaksBriefly)
{
    struct Case {
        const char* name;
        bool stick;
        int presses;  // of the wording key before leaving
        bool brief;   // what the next start speaks in
    };
    const Case cases[] = {
        {"per-user store, chosen", false, 1, true},
        {"per-user store, chosen and undone", false, 2, false},
        {"settings file, chosen", true, 1, true},
        {"settings file, chosen and undone", true, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string place = c.stick ? folder.path() : "/usr/bin";
        const auto makeGame = [&](FakeGame& f) {
            if (!c.stick) return;
            f.drive.bus = "Usb";
            f.drive.type = DriveType::Removable;
        };
        FakeGame first;
        makeGame(first);
        start(first, place, 2);
        first.tick();
        for (int i = 0; i < c.presses; ++i) first.press('W');
        first.press(keys::F12);
        if (c.stick) {
            EXPECT_EQ(readText(folder.file(kSettingsFileName)).find("Brief\t1\r\n") != std::string::npos,
                      c.brief);
            EXPECT_TRUE(first.store.values.empty());
        }

        FakeGame second;
        makeGame(second);
        second.store.values = first.store.values;
        start(second, place, 2);
        EXPECT_EQ(second.y.voiceChoice.briefSpeech, c.brief);
    }
}

TEST(SpeechEngine, NamedOnceIsUsedAndRememberedUntilAnotherIsNamed)
{
    struct Case {
        const char* option;
        const char* stored;
        const char* use;
        const char* remember;
    };
    const Case cases[] = {
        {"", "", "", ""},                                         // never named: the default
        {"screen-reader", "", "screen-reader", "screen-reader"},  // named once
        {"", "screen-reader", "screen-reader", "screen-reader"},  // the next start
        {"speechd", "screen-reader", "speechd", "speechd"},       // how the player leaves it
        {"flite", "speechd", "flite", "flite"},
        {"none", "screen-reader", "none", "screen-reader"},  // silence is for this run only
        {"espeak", "flite", "espeak", "flite"},              // an unknown name likewise
        {"", "espeak", "", ""},                              // a stored name the game lacks
    };
    for (const Case& c : cases) {
        const SpeechEngineChoice choice = chooseSpeechEngine(c.option, c.stored);
        EXPECT_EQ(choice.use, c.use) << "option '" << c.option << "', stored '" << c.stored << "'";
        EXPECT_EQ(choice.remember, c.remember) << "option '" << c.option << "', stored '" << c.stored << "'";
    }
}

TEST(SpeechEngine, IsStoredOnLeavingOnlyWhenNamedAndReadBackBeforeTheVoiceIsMade)
{
    FakeGame plain;
    start(plain, "/usr/bin");
    plain.tick();
    plain.press(keys::F12);
    EXPECT_EQ(plain.store.values.count("Tevrin/Q73/SpeechEngine"), 0u);

    FakeGame first;
    StartupContext context;
    first.storage.setProgramFolder("/usr/bin");
    context.speechEngine = "screen-reader";
    startup(first.y, context);
    first.tick();
    first.press(keys::F12);
    EXPECT_EQ(first.store.values["Tevrin/Q73/SpeechEngine"], "screen-reader");
    EXPECT_EQ(first.storage.readSettings().speechEngine, "screen-reader");

    FakeGame second;  // started without the option: the engine stays stored
    second.store.values = first.store.values;
    start(second, "/usr/bin");
    second.tick();
    second.press(keys::F12);
    EXPECT_EQ(second.store.values["Tevrin/Q73/SpeechEngine"], "screen-reader");
}

TEST(LeavingWithF12, FromUsbTheFileCarriesTheVoicesNameAndTheEngine)
{
    TempFolder folder;
    FakeGame first;
    first.drive.bus = "Usb";
    first.drive.type = DriveType::Removable;
    first.voice.names = {"Alpha", "Bravo"};
    first.voice.descriptions = {"Alpha", "Bravo"};
    first.voice.engine = "flite";
    StartupContext context;
    first.storage.setProgramFolder(folder.path());
    context.speechEngine = "flite";
    startup(first.y, context);
    first.tick();
    first.press(keys::F1, keys::Shift);
    first.press(keys::F12);
    EXPECT_EQ(readText(folder.file(kSettingsFileName)),
              "Voice\t1\r\nSpeed\t2\r\nVoiceName\tBravo\r\nVoiceEngine\tflite\r\n"
              "SpeechEngine\tflite\r\n");
    EXPECT_TRUE(first.store.values.empty());
    EXPECT_EQ(first.storage.readSettings().speechEngine, "flite");

    // The stick on another machine, where the voices are listed in another order.
    FakeGame second;
    second.drive.bus = "Usb";
    second.drive.type = DriveType::Removable;
    second.voice.list = VoiceList::Pending;
    second.voice.engine = "flite";
    start(second, folder.path(), 3);
    EXPECT_EQ(second.voice.selectedByName, "Bravo");
    second.voice.names = {"Bravo", "Alpha", "Charlie"};
    second.voice.list = VoiceList::Ready;
    selectStoredVoice(second.y.voiceChoice, second.y.ports.voice);
    EXPECT_EQ(second.y.voiceChoice.voiceIndex, 0);
    EXPECT_EQ(second.y.voiceChoice.speechEngine, "flite");
}

// One run between two starts, with Voice 4 (named "mbrola-en1") stored: the engine the run
// starts on, one that takes over before or after the player's voice keys, and what the next
// start reads back.
struct EngineRunCase {
    const char* name;
    std::optional<std::string> storedEngine;  // the VoiceEngine key before the run, if any
    std::string engine;                       // speaking at start
    std::string fallback;                     // "" none, else the engine that takes over
    bool fallbackFirst;                       // it takes over before the voice keys
    int presses;                              // Shift+F1 presses
    int16_t applied;                          // the voice position in use once listed
    const char* byName;                       // the voice chosen by name at start
    int16_t voice;                            // read back by the next start
    const char* voiceName;
    const char* voiceEngine;
};

void PrintTo(const EngineRunCase& c, std::ostream* os) { *os << c.name; }

// The voices each engine lists, by the engine's own names.
void speakThrough(FakeVoice& voice, const std::string& engine)
{
    voice.engine = engine;
    if (engine == "speechd")
        voice.names = {"en", "en-gb", "en-us", "en-sc", "mbrola-en1"};
    else if (engine == "flite")
        voice.names = {"kal16", "slt"};
    else
        voice.names = {""};  // silence and the screen reader: one nameless voice
    voice.descriptions = voice.names;
}

class VoiceAcrossEngines : public ::testing::TestWithParam<EngineRunCase> {};

TEST_P(VoiceAcrossEngines, IsKeptOnlyWhenChosenOnTheEngineSpeakingAtF12)
{
    const EngineRunCase& c = GetParam();
    for (const bool stick : {false, true}) {
        SCOPED_TRACE(stick ? "settings file on a USB stick" : "per-user store");
        TempFolder folder;
        const std::string place = stick ? folder.path() : "/usr/bin";
        std::map<std::string, std::string> stored = {{"Voice", "4"}, {"VoiceName", "mbrola-en1"}};
        if (c.storedEngine) stored["VoiceEngine"] = *c.storedEngine;
        FakeGame first;
        std::string file;
        for (const auto& [key, value] : stored) {
            if (stick)
                file += key + "\t" + value + "\r\n";
            else
                first.store.values["Tevrin/Q73/" + key] = value;
        }
        if (stick) {
            writeText(folder.file(kSettingsFileName), file);
            first.drive.bus = "Usb";
            first.drive.type = DriveType::Removable;
        }
        speakThrough(first.voice, c.engine);
        const bool early = !c.fallback.empty() && c.fallbackFirst;
        if (early) first.voice.list = VoiceList::Pending;  // the server fails while listing
        StartupContext context;
        first.storage.setProgramFolder(place);
        startup(first.y, context);
        windowActivated(first.y.tell);
        first.tick();
        if (early) {
            speakThrough(first.voice, c.fallback);
            first.voice.list = VoiceList::Ready;
            first.tick();
        }
        EXPECT_TRUE(first.y.voiceChoice.voiceApplied);
        EXPECT_EQ(first.y.voiceChoice.voiceIndex, c.applied);
        EXPECT_EQ(first.voice.selectedByName, c.byName);
        for (int i = 0; i < c.presses; ++i) first.press(keys::F1, keys::Shift);
        if (!c.fallback.empty() && !c.fallbackFirst) speakThrough(first.voice, c.fallback);
        first.press(keys::F12);

        FakeGame next;
        next.store.values = first.store.values;
        next.drive = first.drive;
        next.storage.setProgramFolder(place);
        const yacht::StoredSettings read = next.storage.readSettings();
        EXPECT_EQ(read.voiceIndex, c.voice);
        EXPECT_EQ(read.voiceName, c.voiceName);
        EXPECT_EQ(read.voiceEngine, c.voiceEngine);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Engines, VoiceAcrossEngines,
    ::testing::Values(
        EngineRunCase{"SilentRunKeepsTheVoice", {}, "none", "", false, 1, 0, "", 4, "mbrola-en1", "speechd"},
        EngineRunCase{"ScreenReaderRunKeepsTheVoice", {}, "screen-reader", "", false, 1, 0, "", 4,
                      "mbrola-en1", "speechd"},
        EngineRunCase{"FallBackBeforeTheListKeepsTheVoice", {}, "speechd", "flite", true, 0, 0,
                      "mbrola-en1", 4, "mbrola-en1", "speechd"},
        EngineRunCase{"FallBackAfterAChangeKeepsTheStoredVoice", {}, "speechd", "flite", false, 1, 4,
                      "mbrola-en1", 4, "mbrola-en1", "speechd"},
        EngineRunCase{"ChangeAfterAFallBackKeepsTheFliteVoice", {}, "speechd", "flite", true, 1, 0,
                      "mbrola-en1", 1, "slt", "flite"},
        EngineRunCase{"ChangeOnSpeechdIsKept", "speechd", "speechd", "", false, 1, 4, "mbrola-en1", 0,
                      "en", "speechd"},
        EngineRunCase{"FliteVoiceIsNotAppliedOnSpeechd", "flite", "speechd", "", false, 0, 0, "", 4,
                      "mbrola-en1", "flite"},
        EngineRunCase{"ChangeOnSpeechdReplacesAFliteVoice", "flite", "speechd", "", false, 1, 0, "", 1,
                      "en-gb", "speechd"},
        EngineRunCase{"UnknownEngineIsNeitherAppliedNorLost", "espeak", "speechd", "", false, 0, 0, "",
                      4, "mbrola-en1", "espeak"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LeavingWithF12, ClearsAStoredVoiceNameOnlyWhenTheVoiceChosenHasNone)
{
    const std::string kNameKey = "Tevrin/Q73/VoiceName";
    FakeGame kept;  // the named voice is not installed here: it stays stored for where it is
    kept.store.values[kNameKey] = "Gone";
    start(kept, "/usr/bin", 2);
    kept.tick();
    kept.press(keys::F12);
    EXPECT_EQ(kept.store.values[kNameKey], "Gone");

    FakeGame stale;  // the player chooses a voice without a name of its own
    stale.store.values[kNameKey] = "Gone";
    start(stale, "/usr/bin", 2);
    stale.tick();
    stale.press(keys::F1, keys::Shift);
    stale.press(keys::F12);
    EXPECT_EQ(stale.store.values[kNameKey], "");

    FakeGame never;  // nothing was ever stored: no key appears
    start(never, "/usr/bin", 2);
    never.tick();
    never.press(keys::F12);
    EXPECT_EQ(never.store.values.count(kNameKey), 0u);
}

TEST(LeavingWithF12, WritesWhereTheSettingsWereFoundAtStart)
{
    TempFolder folder;
    FakeGame f;
    f.drive.bus = "Usb";
    f.drive.type = DriveType::Removable;
    start(f, folder.path(), 2);
    f.y.voiceChoice.speedIndex = 4;
    f.drive.bus = "";  // the drive query fails later on: the settings still go to the stick
    f.tick();
    f.press(keys::F12);
    EXPECT_EQ(readText(folder.file(kSettingsFileName)), "Voice\t0\r\nSpeed\t4\r\n");
    EXPECT_TRUE(f.store.values.empty());
}

TEST(SettingsFileText, LeavesOutANameThatWouldBreakItsLine)
{
    EXPECT_EQ(settingsFileText({0, 2, "Bad\tname", "speechd"}), "Voice\t0\r\nSpeed\t2\r\nSpeechEngine\tspeechd\r\n");
    EXPECT_EQ(settingsFileText({3, 1, "Two\nlines", ""}), "Voice\t3\r\nSpeed\t1\r\n");
    EXPECT_EQ(settingsFileText({3, 1, "", "", "bad\rengine"}), "Voice\t3\r\nSpeed\t1\r\n");
}

TEST(LeavingWithF12, UnwritableSettingsAreQuietAndTheGameStillLeaves)
{
    FakeGame store;
    store.store.refuseWrites = true;
    start(store, "/usr/bin");
    store.tick();
    store.press(keys::F12);
    EXPECT_TRUE(store.toolkit.quit);
    EXPECT_EQ(store.voice.last(), "goodbye");

    TempFolder folder;
    FakeGame file;
    file.drive.bus = "Usb";
    file.drive.type = DriveType::Removable;
    start(file, folder.file("gone"));  // the stick was pulled: the folder no longer exists
    file.tick();
    file.press(keys::F12);
    EXPECT_TRUE(file.toolkit.quit);
    EXPECT_EQ(file.voice.last(), "goodbye");
    EXPECT_FALSE(std::filesystem::exists(folder.file("gone")));
}

TEST(Startup, TunesTheVoiceAndMarksTheSidePanel)
{
    FakeGame f;
    f.view.sideTotal = 12;
    start(f, "/usr/bin", 1);
    EXPECT_EQ(f.voice.volumeCalls, 0);  // the player's own volume stays
    EXPECT_GE(f.voice.priorityOverCalls, 1);
    EXPECT_EQ(f.shown().sidePanel[1].caption, "YACHT");
    EXPECT_EQ(f.shown().sidePanel[2].caption, "");
    EXPECT_TRUE(f.shown().statusBox.visible);
    EXPECT_EQ(f.y.game.helpPage, 0);
    EXPECT_EQ(f.y.game.state, EngineState::Startup);
}

TEST(Startup, FixedSeedWinsOverTheClock)
{
    StartupContext context;
    context.clockSeed = 123;
    EXPECT_EQ(diceSeed(context), 123u);
    context.fixedSeed = 7;
    EXPECT_EQ(diceSeed(context), 7u);
}

}  // namespace
}  // namespace yacht::test
