#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

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
    QtSettingsStore store(dir.filePath("plain/settings.conf"));
    EXPECT_FALSE(store.set("Tevrin", "Q73", "Voice", "2"));
    EXPECT_EQ(store.get("Tevrin", "Q73", "Voice", "0"), "0");
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
