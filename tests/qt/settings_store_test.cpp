#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <sys/stat.h>

#include "persist/qt_persist_factory.h"
#include "persist/qt_settings_store.h"

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
