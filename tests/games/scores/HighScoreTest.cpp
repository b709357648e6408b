// The score tables: Winlinez's best nine with its tie rule and table text, SameBall's top
// five with its places, messages and file.
#include "games/scores/CHighScoreModel.h"
#include "games/scores/SameBallTopList.h"
#include "storage/DataArchive.h"
#include "support/TempDir.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

CHighScoreModel table(std::initializer_list<std::pair<int, const char*>> entries)
{
    CHighScoreModel t(9);
    for (const auto& [score, name] : entries)
        t.add({score, QString::fromUtf8(name)});
    return t;
}

QStringList names(const CHighScoreModel& t)
{
    QStringList out;
    for (const CScoreRecord& e : t.entries())
        out << e.name;
    return out;
}

CHighScoreModel nineEntries()
{
    return table({{90, "a"}, {80, "b"}, {70, "c"}, {60, "d"}, {50, "e"}, {40, "f"}, {30, "g"}, {20, "h"}, {10, "i"}});
}

TEST(HighScores, Accepts)
{
    const struct {
        const char* what;
        CHighScoreModel table;
        int score;
        bool accepted;
    } cases[] = {
        {"0 into an empty table", table({}), 0, false},
        {"1 into an empty table", table({}), 1, true},
        {"0 below eight entries", table({{5, "a"}, {3, "b"}, {1, "c"}, {1, "d"}, {1, "e"}, {1, "f"}, {1, "g"}, {1, "h"}}), 0, false},
        {"below all of eight entries", table({{50, "a"}, {30, "b"}, {9, "c"}, {9, "d"}, {9, "e"}, {9, "f"}, {9, "g"}, {9, "h"}}), 2, true},
        {"equal to the ninth", nineEntries(), 10, false},
        {"above the ninth", nineEntries(), 11, true},
        {"negative", table({}), -5, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.table.accepts(c.score), c.accepted) << c.what;
}

TEST(HighScores, AddKeepsTheOrderAndTheCapacity)
{
    // Below the head but above the rest: second, not first.
    CHighScoreModel t = table({{100, "head"}, {50, "b"}, {20, "c"}});
    t.add({70, QStringLiteral("new")});
    EXPECT_EQ(names(t), (QStringList{u"head"_s, u"new"_s, u"b"_s, u"c"_s}));

    // Equal scores: the older entry stays above.
    t.add({50, QStringLiteral("later")});
    EXPECT_EQ(names(t), (QStringList{u"head"_s, u"new"_s, u"b"_s, u"later"_s, u"c"_s}));
    // A new best goes to the head.
    t.add({101, QStringLiteral("best")});
    EXPECT_EQ(names(t).first(), u"best"_s);

    // Nine entries and a better tenth: the old last one goes.
    CHighScoreModel full = nineEntries();
    full.add({15, QStringLiteral("j")});
    EXPECT_EQ(full.count(), 9);
    EXPECT_EQ(names(full), (QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s, u"f"_s, u"g"_s, u"h"_s, u"j"_s}));
    // A tie with the last of nine that is added anyway (the name dialog always adds) lands
    // below it and drops out at once.
    full.add({15, QStringLiteral("tie")});
    EXPECT_EQ(names(full).last(), u"j"_s);
    EXPECT_EQ(full.count(), 9);
}

TEST(HighScores, TableText)
{
    EXPECT_EQ(table({}).tableText(), QString());
    EXPECT_EQ(table({{120, "Ann"}, {7, ""}, {123456, "Long Name Here"}}).tableText(),
              u"1123456    Long Name Here\n2   120    Ann\n3     7    "_s);
}

TEST(HighScores, StreamLayoutAndLoading)
{
    CHighScoreModel t = table({{120, "Ann"}, {45, "Bo"}});
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        DataArchive ar(&buffer, DataArchive::Mode::Store);
        t.serialize(ar);
        ar.flush();
    }
    EXPECT_EQ(bytes.toHex(' '), QByteArray("02 00 00 00 78 00 00 00 ff fe ff 03 41 00 6e 00 6e 00 "
                                           "2d 00 00 00 ff fe ff 02 42 00 6f 00"));

    // Loading keeps the file's order and at most the capacity.
    QByteArray eleven;
    eleven.append("\x0b\x00\x00\x00", 4);
    for (int i = 0; i < 11; ++i) {
        eleven.append(char(i)).append("\0\0\0", 3);
        eleven.append("\x01z", 2); // an 8-bit name of one letter
    }
    QBuffer in(&eleven);
    in.open(QIODevice::ReadOnly);
    DataArchive ar(&in, DataArchive::Mode::Load);
    CHighScoreModel loaded(9);
    loaded.serialize(ar);
    ASSERT_EQ(loaded.count(), 9);
    EXPECT_EQ(loaded.entries().first(), (CScoreRecord{0, u"z"_s}));
    EXPECT_EQ(loaded.entries().last().score, 8);
}

// --- SameBall's top five

SameBallTopList topFive(std::initializer_list<std::pair<const char*, int>> entries)
{
    SameBallTopList list;
    int slot = 1;
    for (const auto& [name, score] : entries)
        EXPECT_TRUE(list.write(slot++, QString::fromUtf8(name), score));
    return list;
}

TEST(SameBallTop, StartsWithFiveEmptySlots)
{
    SameBallTopList list;
    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_EQ(list.read(slot), (SameBallTopList::Entry{QString(), 0}));
    EXPECT_EQ(list.placeFor(0), 0);
    EXPECT_EQ(list.placeFor(1), 1);
}

TEST(SameBallTop, Entering)
{
    const struct {
        const char* what;
        SameBallTopList list;
        int score;
        QString name;
        int slot;
        QString message;
        QStringList names;
    } cases[] = {
        {"the first result: the empty slots are written as NewPlayer", SameBallTopList(), 120, u"Ann"_s, 1,
         u"Congratulate yourself on the most top in top list."_s,
         {u"Ann"_s, u"NewPlayer"_s, u"NewPlayer"_s, u"NewPlayer"_s, u"NewPlayer"_s}},
        {"between: equal scores stay above", topFive({{"Aa", 500}, {"Bb", 300}, {"Cc", 300}, {"Dd", 100}, {"Ee", 50}}), 300,
         u"New"_s, 4, u"Congratulate yourself on the top in top list."_s,
         {u"Aa"_s, u"Bb"_s, u"Cc"_s, u"New"_s, u"Dd"_s}},
        {"second below the head", topFive({{"Aa", 500}, {"Bb", 300}, {"Cc", 200}, {"Dd", 100}, {"Ee", 50}}), 400,
         u"Zed"_s, 2, u"Congratulate yourself on the top in top list."_s,
         {u"Aa"_s, u"Zed"_s, u"Bb"_s, u"Cc"_s, u"Dd"_s}},
        {"equal to the fifth", topFive({{"Aa", 500}, {"Bb", 300}, {"Cc", 200}, {"Dd", 100}, {"Ee", 50}}), 50, u"Late"_s, 0,
         u"Sorry in the test."_s, {u"Aa"_s, u"Bb"_s, u"Cc"_s, u"Dd"_s, u"Ee"_s}},
        {"a one-letter name", topFive({{"Aa", 500}, {"Bb", 300}, {"Cc", 200}, {"Dd", 100}, {"Ee", 50}}), 60, u"X"_s, 5,
         u"Congratulate yourself on the top in top list."_s,
         {u"Aa"_s, u"Bb"_s, u"Cc"_s, u"Dd"_s, u"NewPlayer"_s}},
    };
    for (auto c : cases) {
        const SameBallTopList before = c.list;
        const SameBallTopList::Result result = c.list.enter(c.score, c.name);
        EXPECT_EQ(result.slot, c.slot) << c.what;
        EXPECT_EQ(result.message(), c.message) << c.what;
        QStringList got;
        for (int slot = 1; slot <= 5; ++slot)
            got << c.list.read(slot).name;
        EXPECT_EQ(got, c.names) << c.what;
        if (c.slot == 0) {
            EXPECT_EQ(c.list, before) << c.what;
        } else {
            EXPECT_EQ(c.list.read(c.slot).score, c.score) << c.what;
        }
    }
}

TEST(SameBallTop, WriteRefusesShortNames)
{
    SameBallTopList list;
    EXPECT_FALSE(list.write(1, u"A"_s, 10));
    EXPECT_FALSE(list.write(1, QString(), 10));
    EXPECT_FALSE(list.write(6, u"Ann"_s, 10));
    EXPECT_TRUE(list.write(1, u"Al"_s, 10));
    EXPECT_EQ(list.read(1), (SameBallTopList::Entry{u"Al"_s, 10}));
}

TEST(SameBallTop, FileKeepsTheListAcrossRuns)
{
    TempDir dir;
    const QString path = dir.file(u"SameBall.tmp"_s);
    SameBallTopList list;
    list.enter(1234, u"Ann"_s);
    ASSERT_TRUE(list.store(path));
    const QByteArray player = QByteArray("ff fe ff 09 4e 00 65 00 77 00 50 00 6c 00 61 00 79 00 65 00 72 00 00 00 00 00");
    EXPECT_EQ(dir.read(u"SameBall.tmp"_s).toHex(' '),
              QByteArray("ff fe ff 03 41 00 6e 00 6e 00 d2 04 00 00 ") + player + ' ' + player + ' ' + player + ' ' + player);

    SameBallTopList again;
    again.load(path);
    EXPECT_EQ(again, list);

    // A damaged file: five empty slots, the file moved aside.
    dir.write(u"SameBall.tmp"_s, dir.read(u"SameBall.tmp"_s).left(30));
    SameBallTopList damaged;
    damaged.load(path);
    EXPECT_EQ(damaged, SameBallTopList());
    EXPECT_TRUE(dir.exists(u"SameBall.tmp.bad"_s));
}

} // namespace
