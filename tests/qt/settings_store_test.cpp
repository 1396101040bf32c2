#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <sys/stat.h>

#include "persist/qt_persist_factory.h"
#include "persist/qt_settings_store.h"
#include "persist/settings.h"

namespace yacht::test {
namespace {

TEST(QtSettingsStore, ValueWrittenIsReadBackByTheNextRun)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    {
        auto store = makeSettingsStore();
        EXPECT_EQ(store->get("Tevrin", "Q73", "Voice", "0"), "0");
        EXPECT_TRUE(store->set("Tevrin", "Q73", "Voice", "3"));
        EXPECT_TRUE(store->set("Tevrin", "Q73", "Speed", "1"));
    }
    auto next = makeSettingsStore();
    EXPECT_EQ(next->get("Tevrin", "Q73", "Voice", "0"), "3");
    EXPECT_EQ(next->get("Tevrin", "Q73", "Speed", "2"), "1");
    EXPECT_EQ(next->get("Tevrin", "Q73", "Other", "fallback"), "fallback");
    EXPECT_EQ(next->get("Tevrin", "Q74", "Voice", "0"), "0");
    EXPECT_TRUE(QDir(dir.path()).exists("Tevrin/Tevrin.conf"));
}

TEST(QtSettingsStore, KeepsTheVoicesEngineAndReadsAnOlderFileAsSpeechDispatchers)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    {
        QSettings older("Tevrin", "Tevrin");  // written before the voice's engine was kept
        older.setValue("Q73/Voice", "4");
        older.setValue("Q73/VoiceName", "mbrola-en1");
    }
    auto store = makeSettingsStore();
    const StoredSettings old = readStoredSettings(*store, "");
    EXPECT_EQ(old.voiceName, "mbrola-en1");
    EXPECT_EQ(old.voiceEngine, "speechd");

    StoredSettings flite = old;
    flite.voiceIndex = 1;
    flite.voiceName = "slt";
    flite.voiceEngine = "flite";
    writeStoredSettings(*store, "", flite);
    store.reset();
    const StoredSettings next = readStoredSettings(*makeSettingsStore(), "");
    EXPECT_EQ(next.voiceIndex, 1);
    EXPECT_EQ(next.voiceName, "slt");
    EXPECT_EQ(next.voiceEngine, "flite");
}

TEST(QtSettingsStore, UnwritablePlaceRefusesQuietlyAndGivesDefaults)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile plain(dir.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    // A file in a plain file's place, and a named pipe that would block every read.
    const QString pipe = dir.filePath("pipe.conf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& place : {dir.filePath("plain/settings.conf"), pipe}) {
        QtSettingsStore store(place);
        EXPECT_FALSE(store.set("Tevrin", "Q73", "Voice", "2")) << place.toStdString();
        EXPECT_EQ(store.get("Tevrin", "Q73", "Voice", "0"), "0") << place.toStdString();
    }
}

TEST(TemporaryFilesDirectory, FollowsTmpdirAndEndsWithASeparator)
{
    QTemporaryDir dir;
    const QByteArray previous = qgetenv("TMPDIR");
    qputenv("TMPDIR", dir.path().toUtf8());
    const std::string temp = temporaryFilesDirectory();
    qputenv("TMPDIR", previous);
    EXPECT_EQ(temp, QDir(dir.path()).canonicalPath().toStdString() + "/");
}

}  // namespace
}  // namespace yacht::test
