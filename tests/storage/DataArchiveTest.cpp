#include "storage/DataArchive.h"
#include "storage/DataFile.h"
#include "support/TempDir.h"

#include <QBuffer>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

QByteArray hex(const char* h) { return QByteArray::fromHex(h); }

QByteArray stored(const std::function<void(DataArchive&)>& write)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    {
        DataArchive ar(&buf, DataArchive::Mode::Store);
        write(ar);
    }
    return bytes;
}

QString loadString(const QByteArray& bytes)
{
    QByteArray copy = bytes;
    QBuffer buf(&copy);
    buf.open(QIODevice::ReadOnly);
    DataArchive ar(&buf, DataArchive::Mode::Load);
    return ar.getString();
}

} // namespace

TEST(DataArchive, GoldenStrings)
{
    struct Case { QString text; QByteArray prefix; qsizetype size; };
    const Case cases[] = {
        {QString(), hex("fffeff00"), 4},
        {QStringLiteral("abc"), hex("fffeff03610062006300"), 10},
        {QString(254, u'x'), hex("fffefffe"), 4 + 508},
        {QString(255, u'x'), hex("fffeffffff00"), 6 + 510},
        {QString(300, u'x'), hex("fffeffff2c01"), 6 + 600},
        {QString(65533, u'x'), hex("fffeffff fdff"), 6 + 65533 * 2},
        {QString(65534, u'x'), hex("fffeffffffff feff0000"), 10 + 65534 * 2},
    };
    for (const Case& c : cases) {
        const QByteArray bytes = stored([&](DataArchive& ar) { ar.putString(c.text); });
        EXPECT_EQ(bytes.size(), c.size) << c.text.size();
        EXPECT_TRUE(bytes.startsWith(c.prefix)) << c.text.size() << " " << bytes.left(12).toHex().constData();
        EXPECT_EQ(bytes, ArchiveString::encode(c.text));
        EXPECT_EQ(loadString(bytes), c.text);
    }
}

TEST(DataArchive, LoadsEightBitStringsInAllLengthForms)
{
    EXPECT_EQ(loadString(hex("03616263")), QStringLiteral("abc"));
    EXPECT_EQ(loadString(hex("ff0300616263")), QStringLiteral("abc"));
    EXPECT_EQ(loadString(hex("ffffff03000000616263")), QStringLiteral("abc"));
    EXPECT_EQ(loadString(hex("fffeffff0300610062006300")), QStringLiteral("abc"));
    EXPECT_EQ(loadString(hex("fffeffffffff03000000610062006300")), QStringLiteral("abc"));
    EXPECT_EQ(loadString(QByteArray("\x03") + QStringLiteral("äb").toUtf8()), QStringLiteral("äb"));
}

TEST(DataArchive, GoldenNumbersAndCounts)
{
    const QByteArray bytes = stored([](DataArchive& ar) {
        ar.putByte(0xAB);
        ar.putWord(0x1234);
        ar.putInt(-2);
        ar.putTime(0x01020304);
        ar.putCount(65534);
        ar.putCount(65535);
        ar.putCount(70000);
        ar.putBlock("xy", 2);
    });
    EXPECT_EQ(bytes.toHex(), hex("ab 3412 feffffff 04030201 feff ffffffff0000 ffff70110100 7879").toHex());

    QByteArray copy = bytes;
    QBuffer buf(&copy);
    buf.open(QIODevice::ReadOnly);
    DataArchive ar(&buf, DataArchive::Mode::Load);
    EXPECT_EQ(ar.getByte(), 0xAB);
    EXPECT_EQ(ar.getWord(), 0x1234);
    EXPECT_EQ(ar.getInt(), -2);
    EXPECT_EQ(ar.getTime(), 0x01020304);
    EXPECT_EQ(ar.getCount(), 65534u);
    EXPECT_EQ(ar.getCount(), 65535u);
    EXPECT_EQ(ar.getCount(), 70000u);
    char block[4] = {};
    EXPECT_EQ(ar.getBlock(block, 4), 2); // a short block read is no error
    EXPECT_THROW(ar.getByte(), ArchiveEofError);
}

TEST(DataArchive, TruncatedValuesFailWithEndOfFile)
{
    for (const QByteArray& bytes : {hex("fffeff0361006200"), hex("fffe"), hex("ff"), hex("fffeffff0100")}) {
        EXPECT_THROW(loadString(bytes), ArchiveEofError) << bytes.toHex().constData();
    }
    EXPECT_EQ(ArchiveEofError::message(), QStringLiteral("An attempt was made to access an unnamed file past its end."));
}

TEST(DataArchive, HugeClaimedLengthFailsWithoutAllocating)
{
    // 2,000,000,000 units claimed, four bytes present.
    EXPECT_THROW(loadString(hex("fffeffffffff0094357761006200")), ArchiveEofError);
}

TEST(DataFile, StoreReplacesReadOnlyFileAndLeavesNoTemporary)
{
    TempDir dir;
    dir.write(QStringLiteral("a.tmp"), "old");
    ::chmod(QFile::encodeName(dir.file(QStringLiteral("a.tmp"))).constData(), 0444);
    ASSERT_TRUE(DataFile::store(dir.file(QStringLiteral("a.tmp")), [](DataArchive& ar) { ar.putInt(7); }));
    EXPECT_EQ(dir.read(QStringLiteral("a.tmp")), hex("07000000"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.tmp")});
}

TEST(DataFile, OwnerOnlyFilesAreMode0600)
{
    TempDir dir;
    ASSERT_TRUE(DataFile::store(dir.file(QStringLiteral("p.cfg")), [](DataArchive& ar) { ar.putInt(1); }, DataFile::Access::OwnerOnly));
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(dir.file(QStringLiteral("p.cfg"))).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(DataFile, FailedStoreKeepsThePreviousFile)
{
    TempDir dir;
    dir.write(QStringLiteral("a.tmp"), "old");
    // A folder in the way of the temporary file's directory makes the write fail.
    EXPECT_FALSE(DataFile::store(dir.file(QStringLiteral("missing/a.tmp")), [](DataArchive& ar) { ar.putInt(7); }));
    EXPECT_EQ(dir.read(QStringLiteral("a.tmp")), QByteArray("old"));
}

TEST(DataFile, StoreThatRunsOutOfRoomKeepsThePreviousFile)
{
    TempDir dir;
    dir.write(QStringLiteral("a.tmp"), "old");
    // A file-size limit below the new content stands for a full disk: the write fails half-way.
    struct rlimit saved;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool stored = DataFile::store(dir.file(QStringLiteral("a.tmp")), [](DataArchive& ar) { ar.putString(QString(5000, u'x')); });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(stored);
    EXPECT_EQ(dir.read(QStringLiteral("a.tmp")), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.tmp")});
}

TEST(DataFile, LoadMakesTheFileWritableFirst)
{
    TempDir dir;
    dir.write(QStringLiteral("ro.tmp"), hex("05000000"));
    const QByteArray path = QFile::encodeName(dir.file(QStringLiteral("ro.tmp")));
    ::chmod(path.constData(), 0444);
    qint32 v = 0;
    EXPECT_EQ(DataFile::load(dir.file(QStringLiteral("ro.tmp")), [&](DataArchive& ar) { v = ar.getInt(); }), DataFile::LoadStatus::Loaded);
    EXPECT_EQ(v, 5);
    struct stat st;
    ASSERT_EQ(::stat(path.constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0600, 0600u);
}

TEST(DataFile, LoadRules)
{
    TempDir dir;
    int reads = 0;
    auto reader = [&](DataArchive& ar) { ++reads; ar.getInt(); ar.getString(); };
    EXPECT_EQ(DataFile::load(dir.file(QStringLiteral("none")), reader), DataFile::LoadStatus::Missing);
    EXPECT_EQ(reads, 0);

    QStringList told;
    DataFile::setDamageNotifier([&](const QString& m) { told << m; });
    dir.write(QStringLiteral("cut.tmp"), hex("01000000fffeff0561"));
    EXPECT_EQ(DataFile::load(dir.file(QStringLiteral("cut.tmp")), reader), DataFile::LoadStatus::Damaged);
    EXPECT_EQ(told, QStringList{ArchiveEofError::message()});
    EXPECT_FALSE(dir.exists(QStringLiteral("cut.tmp")));
    EXPECT_EQ(dir.read(QStringLiteral("cut.tmp.bad")), hex("01000000fffeff0561"));

    dir.write(QStringLiteral("ok.tmp"), hex("01000000fffeff00"));
    EXPECT_EQ(DataFile::load(dir.file(QStringLiteral("ok.tmp")), reader), DataFile::LoadStatus::Loaded);
    DataFile::setDamageNotifier({});
}
