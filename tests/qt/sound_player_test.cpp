#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "speech/qt_resources.h"
#include "speech/qt_sound_player.h"

namespace yacht {

// With no audio server to reach, playing is silence: every call returns and nothing fails.
TEST(QtSoundPlayer, WithoutAnAudioServerEverySoundIsSilence)
{
    QTemporaryDir empty;
    const QByteArray server = qgetenv("PULSE_SERVER");
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qunsetenv("PULSE_SERVER");
    qputenv("XDG_RUNTIME_DIR", empty.path().toUtf8());
    auto player = makeQtSoundPlayer();
    const auto wave = makeQtResources()->load("WAVE", "ROLLDICE");
    ASSERT_TRUE(wave);
    player->play("rolldice", *wave);
    player->play("rolldice", *wave);
    player->play("rolldice", *wave);  // replaces the one in the background
    if (!server.isEmpty()) qputenv("PULSE_SERVER", server);
    if (runtime.isEmpty())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", runtime);
}

TEST(QtSoundPlayer, BytesThatAreNoWaveAreSilence)
{
    auto player = makeQtSoundPlayer();
    player->play("junk", {});
    player->play("junk", {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'});
    player->play("junk", std::vector<uint8_t>(4096, 0x7F));
    SUCCEED();
}

}  // namespace yacht
