#include "platform/qt/qsettings_store.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <climits>

namespace kalvex {
namespace {

class QSettingsStoreTest : public ::testing::Test {
protected:
    QString IniFile() const { return folder.filePath(QStringLiteral("Kalvex!.conf")); }

    QTemporaryDir folder;
};

TEST_F(QSettingsStoreTest, MissingValuesGiveTheDefaultPassed)
{
    QSettingsStore store(IniFile());
    for (int fallback : {-1, 0, 2, 35})
        EXPECT_EQ(store.ReadInt("Settings", "NumCust", fallback), fallback);
    EXPECT_EQ(store.ReadString("Settings", "FactorPath", "none"), "none");
}

TEST_F(QSettingsStoreTest, RefreshTakesInWhatAnotherStoreWrote)
{
    QSettingsStore running(IniFile());
    EXPECT_EQ(running.ReadInt("Settings", "NumCust", -1), -1);
    QSettingsStore(IniFile()).WriteInt("Settings", "NumCust", 2);
    running.Refresh();
    EXPECT_EQ(running.ReadInt("Settings", "NumCust", -1), 2);
}

TEST_F(QSettingsStoreTest, WrittenValuesAreReadAtOnce)
{
    QSettingsStore store(IniFile());
    EXPECT_TRUE(store.WriteInt("Settings", "NumCust", 3));
    EXPECT_EQ(store.ReadInt("Settings", "NumCust", -1), 3);
    EXPECT_TRUE(store.WriteInt("Settings", "NumCust", 4));
    EXPECT_EQ(store.ReadInt("Settings", "NumCust", -1), 4);
    EXPECT_TRUE(store.WriteInt("Frame", "Low", INT_MIN));
    EXPECT_TRUE(store.WriteInt("Frame", "High", INT_MAX));
    EXPECT_EQ(store.ReadInt("Frame", "Low", 0), INT_MIN);
    EXPECT_EQ(store.ReadInt("Frame", "High", 0), INT_MAX);
    EXPECT_TRUE(store.WriteString("Settings", "FactorPath", "/home/jörg/Kalvex! factors/"));
    EXPECT_EQ(store.ReadString("Settings", "FactorPath", ""), "/home/jörg/Kalvex! factors/");
    // The same key in another section is another value.
    EXPECT_EQ(store.ReadInt("Frame", "NumCust", -1), -1);
}

TEST_F(QSettingsStoreTest, EmptyStringReadsAsEmptyNotAsTheDefault)
{
    QSettingsStore store(IniFile());
    store.WriteString("Settings", "Remark", "");
    EXPECT_EQ(store.ReadString("Settings", "Remark", "default"), "");
}

TEST_F(QSettingsStoreTest, EveryWriteReachesTheFileAtOnceInItsSection)
{
    {
        QSettingsStore store(IniFile());
        store.WriteInt("Settings", "Dist", 1);
        QFile file(IniFile());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        EXPECT_TRUE(text.contains("[Settings]")) << text.toStdString();
        EXPECT_TRUE(text.contains("Dist=1")) << text.toStdString();
    }
    QSettingsStore reopened(IniFile());
    EXPECT_EQ(reopened.ReadInt("Settings", "Dist", 0), 1);
}

TEST_F(QSettingsStoreTest, TextWhereANumberBelongsGivesTheDefault)
{
    QSettingsStore store(IniFile());
    store.WriteString("Settings", "NumDigits", "many");
    EXPECT_EQ(store.ReadInt("Settings", "NumDigits", 6), 6);
    store.WriteString("Settings", "NumDigits", "99999999999");
    EXPECT_EQ(store.ReadInt("Settings", "NumDigits", 6), 6);
}

TEST_F(QSettingsStoreTest, UserStoreLivesUnderTheCompanyAndApplication)
{
    qputenv("XDG_CONFIG_HOME", folder.path().toUtf8());
    const QString fileName = QSettingsStore().FileName();
    EXPECT_TRUE(fileName.endsWith(QStringLiteral("Qor Corporation/Kalvex!.conf"))) << fileName.toStdString();
}

} // namespace
} // namespace kalvex
