#include "platform/qt/qsettings_store.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <climits>
#include <future>
#include <sys/stat.h>

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

QByteArray FileText(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(QSettingsStoreTest, ABatchReplacesTheFileOnceAtItsEndAndReadsItsOwnWrites)
{
    QSettingsStore store(IniFile());
    store.BeginBatch();
    store.BeginBatch();
    EXPECT_TRUE(store.WriteString("Settings", "ConvFilePath", "/f/"));
    EXPECT_TRUE(store.WriteInt("Settings", "NumStd", 15));
    EXPECT_EQ(store.ReadInt("Settings", "NumStd", -1), 15);
    EXPECT_TRUE(store.EndBatch()); // inner end: nothing stored yet
    EXPECT_FALSE(QFile::exists(IniFile()));
    EXPECT_TRUE(store.WriteInt("Settings", "NumCust", 0));
    EXPECT_TRUE(store.EndBatch());
    const QByteArray text = FileText(IniFile());
    EXPECT_TRUE(text.contains("NumStd=15") && text.contains("NumCust=0") && text.contains("ConvFilePath=/f/"))
        << text.toStdString();
}

// Running as any user (root ignores file modes), a profile whose folder is a plain file can
// never be written.
TEST_F(QSettingsStoreTest, AFailedWriteIsReportedAndTheValueStillReadsBack)
{
    QFile blocker(folder.filePath(QStringLiteral("notAFolder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSettingsStore store(folder.filePath(QStringLiteral("notAFolder/Kalvex!.conf")));
    EXPECT_FALSE(store.WriteInt("Settings", "NumCust", 1));
    EXPECT_EQ(store.ReadInt("Settings", "NumCust", 0), 1);
    store.BeginBatch();
    store.WriteInt("Settings", "NumActCust", 1);
    EXPECT_FALSE(store.EndBatch());
    EXPECT_EQ(store.ReadInt("Settings", "NumActCust", 0), 1);
    EXPECT_NE(store.Location().find("notAFolder"), std::string::npos);
}

TEST_F(QSettingsStoreTest, AFifoAsTheProfileIsNeverOpened)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(IniFile()).constData(), 0600), 0);
    // Opening a FIFO for reading waits for a writer; the store must not even try.
    auto opening =
        std::async(std::launch::async, [this] { return std::make_unique<QSettingsStore>(IniFile()); });
    if (opening.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        ADD_FAILURE() << "opening a FIFO profile blocks";
        std::_Exit(1); // the blocked reader can never be joined
    }
    std::unique_ptr<QSettingsStore> store = opening.get();
    EXPECT_EQ(store->ReadString("Settings", "ConvFilePath", "none"), "none");
    EXPECT_FALSE(store->WriteString("Settings", "ConvFilePath", "/f/"));
    EXPECT_EQ(store->ReadString("Settings", "ConvFilePath", ""), "/f/");
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(IniFile()).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(QSettingsStoreTest, AnOversizedProfileIsKeptAsideAsDamaged)
{
    {
        QFile file(IniFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\nNumDigits=9\n");
        ASSERT_TRUE(file.resize(50 * 1024 * 1024)); // sparse: no disk is filled
    }
    QSettingsStore store(IniFile());
    EXPECT_NE(store.OpenProblem().find("Kalvex!.conf.damaged"), std::string::npos) << store.OpenProblem();
    EXPECT_EQ(QFileInfo(IniFile() + QStringLiteral(".damaged")).size(), 50 * 1024 * 1024);
    EXPECT_EQ(store.ReadInt("Settings", "NumDigits", 6), 6);
    EXPECT_TRUE(store.WriteInt("Settings", "NumDigits", 7));
    EXPECT_LT(QFileInfo(IniFile()).size(), 1024);
}

} // namespace
} // namespace kalvex
