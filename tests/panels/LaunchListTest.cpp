#include "support/FakeLauncher.h"
#include "panels/FavoriteAddress.h"
#include "panels/LaunchList.h"
#include "support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray le32(qint32 v)
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char((quint32(v) >> (8 * i)) & 0xFF);
    return b;
}

QByteArray str(const char16_t* s)
{
    return ArchiveString::encode(QString::fromUtf16(s));
}

LaunchList list(std::initializer_list<const char*> names)
{
    LaunchList l;
    for (const char* n : names)
        l.items.append({QString::fromLatin1(n), QString::fromLatin1(n) + QStringLiteral(".exe")});
    return l;
}

QStringList names(const LaunchList& l)
{
    QStringList out;
    for (const LaunchItem& i : l.items)
        out << i.name;
    return out;
}

} // namespace

TEST(LaunchListFile, GoldenBytesOfTwoItems)
{
    TempDir dir;
    LaunchList l;
    l.lastOpenedIndex = 1;
    l.items = {{QStringLiteral("ab"), QStringLiteral("/usr/bin/x")}, {QString::fromUtf16(u"Ü"), QString()}};
    ASSERT_TRUE(l.store(dir.file(QStringLiteral("Boot.tmp"))));
    const QByteArray expected = le32(2) + le32(1)
        + QByteArray::fromHex("fffeff0261006200") + QByteArray::fromHex("fffeff0a2f007500730072002f00620069006e002f007800")
        + QByteArray::fromHex("fffeff01dc00") + QByteArray::fromHex("fffeff00");
    EXPECT_EQ(dir.read(QStringLiteral("Boot.tmp")).toHex(), expected.toHex());

    LaunchList back;
    EXPECT_EQ(back.load(dir.file(QStringLiteral("Boot.tmp"))), DataFile::LoadStatus::Loaded);
    EXPECT_EQ(back.items, l.items);
    EXPECT_EQ(back.lastOpenedIndex, 1);
}

TEST(LaunchListFile, EmptyListIsTheTwoIntegers)
{
    TempDir dir;
    LaunchList l;
    l.lastOpenedIndex = -1;
    ASSERT_TRUE(l.store(dir.file(QStringLiteral("Favorite.tmp"))));
    EXPECT_EQ(dir.read(QStringLiteral("Favorite.tmp")), le32(0) + le32(-1));
}

TEST(LaunchListFile, MissingFileGivesEmptyListAndIndexZero)
{
    TempDir dir;
    LaunchList l;
    EXPECT_EQ(l.load(dir.file(QStringLiteral("Boot.tmp"))), DataFile::LoadStatus::Missing);
    EXPECT_TRUE(l.isEmpty());
    EXPECT_EQ(l.lastOpenedIndex, 0);
}

TEST(LaunchListFile, DamagedFileIsKeptAsideAndNotOverwritten)
{
    TempDir dir;
    // Count 3, but only one whole item and half a string follow.
    const QByteArray damaged = le32(3) + le32(0) + str(u"one") + str(u"/bin/one") + QByteArray::fromHex("fffeff0561");
    dir.write(QStringLiteral("Boot.tmp"), damaged);
    QStringList told;
    DataFile::setDamageNotifier([&told](const QString& m) { told << m; });
    LaunchList l;
    EXPECT_EQ(l.load(dir.file(QStringLiteral("Boot.tmp"))), DataFile::LoadStatus::Damaged);
    DataFile::setDamageNotifier({});
    EXPECT_TRUE(l.isEmpty());
    EXPECT_EQ(told.size(), 1);
    // The page rewrites its file after loading; the user's bytes survive beside it.
    ASSERT_TRUE(l.store(dir.file(QStringLiteral("Boot.tmp"))));
    EXPECT_EQ(dir.read(QStringLiteral("Boot.tmp.bad")), damaged);
}

TEST(LaunchListFile, NegativeCountReadsNoItems)
{
    TempDir dir;
    dir.write(QStringLiteral("Boot.tmp"), le32(-4) + le32(7));
    LaunchList l;
    EXPECT_EQ(l.load(dir.file(QStringLiteral("Boot.tmp"))), DataFile::LoadStatus::Loaded);
    EXPECT_TRUE(l.isEmpty());
    EXPECT_EQ(l.lastOpenedIndex, 7);
}

TEST(LaunchListEdit, InsertionRules)
{
    struct Case
    {
        const char* what;
        LaunchList start;
        int clickedRow;
        QStringList expected;
    };
    const Case cases[] = {
        {"empty list appends", list({}), -1, {QStringLiteral("new")}},
        {"empty list ignores the placeholder row", list({}), 1, {QStringLiteral("new")}},
        {"empty space inserts at the top", list({"a", "b"}), -1, {QStringLiteral("new"), QStringLiteral("a"), QStringLiteral("b")}},
        {"third row clicked: new third", list({"a", "b", "c", "d"}), 2,
            {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("new"), QStringLiteral("c"), QStringLiteral("d")}},
        {"short names are items like any other", list({"x", "yz"}), 1, {QStringLiteral("x"), QStringLiteral("new"), QStringLiteral("yz")}},
    };
    for (const Case& c : cases) {
        LaunchList l = c.start;
        l.insert({QStringLiteral("new"), QStringLiteral("t")}, c.clickedRow);
        EXPECT_EQ(names(l), c.expected) << c.what;
    }
}

TEST(LaunchListEdit, RemoveRows)
{
    struct Case
    {
        const char* what;
        LaunchList start;
        QList<int> rows;
        bool removed;
        QStringList expected;
    };
    const Case cases[] = {
        {"selected items go, order kept", list({"a", "b", "c", "d"}), {3, 1}, true, {QStringLiteral("a"), QStringLiteral("c")}},
        {"all items go", list({"a", "b"}), {0, 1}, true, {}},
        {"placeholder rows change nothing", list({}), {0, 1}, false, {}},
        {"rows past the end are ignored", list({"a"}), {1, 5}, false, {QStringLiteral("a")}},
    };
    for (const Case& c : cases) {
        LaunchList l = c.start;
        EXPECT_EQ(l.removeRows(c.rows), c.removed) << c.what;
        EXPECT_EQ(names(l), c.expected) << c.what;
    }
}

TEST(FavoriteAddress, Normalisation)
{
    const struct
    {
        const char* in;
        const char* out;
    } cases[] = {
        {"www.example.org", "http://www.example.org"},
        {"   //www.example.org  ", "http://www.example.org"},
        {"HTTP://WWW.EXAMPLE.ORG", "HTTP://WWW.EXAMPLE.ORG"},
        {"http://a.b/c", "http://a.b/c"},
        {"  http://a.b  ", "http://a.b"},
        {"https://secure.example.org", "https://secure.example.org"},
        {"ftp://files.example.org", "ftp://files.example.org"},
        {"", "http://"},
        {"example.org/x://y", "http://example.org/x://y"},
        {" / a b ", "http:// a b"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FavoriteAddress::normalise(QString::fromLatin1(c.in)), QString::fromLatin1(c.out)) << c.in;
}

TEST(LaunchActions, BootOpensEveryTargetInOrderPastFailures)
{
    FakeLauncher launcher;
    LaunchList l = list({"one", "two", "three"});
    launcher.failFor(QStringLiteral("two.exe"));
    LaunchActions::openAll(l, launcher);
    const QList<FakeLauncher::Opened> expected = {{QStringLiteral("one.exe"), QStringLiteral("open")},
        {QStringLiteral("two.exe"), QStringLiteral("open")}, {QStringLiteral("three.exe"), QStringLiteral("open")}};
    EXPECT_EQ(launcher.opened(), expected);
}

TEST(LaunchActions, OpenFavoriteRemembersTheRow)
{
    FakeLauncher launcher;
    LaunchList l;
    l.items = {{QStringLiteral("a"), QStringLiteral(" //a.example ")}, {QStringLiteral("b"), QStringLiteral("b.example")}};
    EXPECT_TRUE(LaunchActions::openFavorite(l, 0, launcher));
    EXPECT_EQ(l.lastOpenedIndex, 0);
    EXPECT_FALSE(LaunchActions::openFavorite(l, -1, launcher));
    EXPECT_EQ(l.lastOpenedIndex, -1);
    EXPECT_TRUE(LaunchActions::openFavorite(l, 1, launcher));
    EXPECT_EQ(l.lastOpenedIndex, 1);
    ASSERT_EQ(launcher.opened().size(), 2);
    EXPECT_EQ(launcher.opened().at(0).target, QStringLiteral("http://a.example"));
    EXPECT_EQ(launcher.opened().at(1).target, QStringLiteral("http://b.example"));
}
