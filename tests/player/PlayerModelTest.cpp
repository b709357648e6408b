// The play list and its files, the bars' arithmetic, and the Player page's logic driven
// tick by tick over a fake playback component.
#include "player/PlayList.h"
#include "player/PlayerController.h"
#include "player/PlayerTiming.h"
#include "storage/DataArchive.h"
#include "support/FakeSound.h"
#include "support/TempDir.h"
#include "FakeMedia.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

QByteArray le32(qint32 v)
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char((quint32(v) >> (8 * i)) & 0xFF);
    return b;
}

QByteArray str(const QString& s)
{
    return ArchiveString::encode(s);
}

} // namespace

// ---------------------------------------------------------------- the play list

TEST(PlayList, RowsAreNumberedBetweenSpacesAndShowTheFileName)
{
    struct Case
    {
        const char* path;
        const char* name;
    };
    const Case cases[] = {
        {"/music/a.mp3", "a.mp3"},
        {"C:\\Music\\b.wav", "b.wav"},
        {"/odd/dir\\name.avi", "name.avi"}, // a backslash wins over a slash
        {"bare.mp3", "bare.mp3"},
        {"/music/", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlayList::fileName(QString::fromUtf8(c.path)), QString::fromUtf8(c.name)) << c.path;
    EXPECT_EQ(PlayList::rowText(0, QStringLiteral("/m/a.mp3")), QStringLiteral(" 1 a.mp3"));
    EXPECT_EQ(PlayList::rowText(11, QStringLiteral("/m/b.wav")), QStringLiteral(" 12 b.wav"));
}

TEST(PlayList, OpenReplacesAndAddInsertsAtTheClickedRow)
{
    PlayList list;
    list.replace({QStringLiteral("/m/1"), QStringLiteral("nofolder"), QStringLiteral("/m/2"), QStringLiteral("/m/3")});
    EXPECT_EQ(list.paths, (QStringList{QStringLiteral("/m/1"), QStringLiteral("/m/2"), QStringLiteral("/m/3")}))
        << "paths without a slash or backslash are skipped";
    list.currentIndex = 2;
    list.insert({QStringLiteral("/n/a"), QStringLiteral("/n/b")}, 1);
    EXPECT_EQ(list.paths,
        (QStringList{QStringLiteral("/m/1"), QStringLiteral("/n/a"), QStringLiteral("/n/b"), QStringLiteral("/m/2"), QStringLiteral("/m/3")}));
    EXPECT_EQ(list.currentIndex, 2) << "the current index is not changed";
    list.insert({QStringLiteral("/n/c")}, -1);
    EXPECT_EQ(list.paths.first(), QStringLiteral("/n/c")) << "empty space inserts at the top";
    list.insert({QStringLiteral("/n/d")}, 99);
    EXPECT_EQ(list.paths.last(), QStringLiteral("/n/d"));
    list.replace({QStringLiteral("/x/y")});
    EXPECT_EQ(list.currentIndex, 0);
    EXPECT_EQ(list.size(), 1);

    EXPECT_EQ(PlayList::chooserPath({QStringLiteral("/m/a.mp3")}), QStringLiteral("/m/a.mp3"));
    EXPECT_EQ(PlayList::chooserPath({QStringLiteral("/m/a.mp3"), QStringLiteral("/m/b.mp3")}), QStringLiteral("/m"));
    EXPECT_EQ(PlayList::chooserPath({}), QString());
}

TEST(PlayList, GoldenBytesOfBothFiles)
{
    TempDir dir;
    PlayList list;
    list.paths = {QStringLiteral("/home/u/Music/song.mp3"), QStringLiteral("/home/u/Vidéos/clip.avi")};
    list.currentIndex = 1;
    list.lastFolder = QStringLiteral("/home/u/Music");
    ASSERT_TRUE(list.store(dir.file(QStringLiteral("Player.tmp"))));
    ASSERT_TRUE(list.storeLastFolder(dir.file(QStringLiteral("Player.lst"))));
    EXPECT_EQ(dir.read(QStringLiteral("Player.tmp")).toHex(), (le32(2) + le32(1) + str(list.paths.at(0)) + str(list.paths.at(1))).toHex());
    EXPECT_EQ(dir.read(QStringLiteral("Player.lst")).toHex(), QByteArray("fffeff0d" "2f0068006f006d0065002f0075002f004d007500730069006300"));

    PlayList back;
    ASSERT_EQ(back.load(dir.file(QStringLiteral("Player.tmp"))), DataFile::LoadStatus::Loaded);
    ASSERT_EQ(back.loadLastFolder(dir.file(QStringLiteral("Player.lst")), QStringLiteral("/prog/")), DataFile::LoadStatus::Loaded);
    EXPECT_EQ(back.paths, list.paths);
    EXPECT_EQ(back.currentIndex, 1);
    EXPECT_EQ(back.lastFolder, list.lastFolder);

    PlayList empty;
    ASSERT_TRUE(empty.store(dir.file(QStringLiteral("Empty.tmp"))));
    EXPECT_EQ(dir.read(QStringLiteral("Empty.tmp")), le32(0) + le32(0));
}

TEST(PlayList, MissingAndDamagedFiles)
{
    TempDir dir;
    PlayList list;
    EXPECT_EQ(list.loadLastFolder(dir.file(QStringLiteral("Player.lst")), QStringLiteral("/prog/")), DataFile::LoadStatus::Missing);
    EXPECT_EQ(list.lastFolder, QStringLiteral("/prog/"));

    // Three paths announced, one there: the user's list is kept aside, not overwritten.
    const QByteArray cut = le32(3) + le32(0) + str(QStringLiteral("/m/a.mp3"));
    dir.write(QStringLiteral("Player.tmp"), cut);
    list.paths = {QStringLiteral("/keep")};
    EXPECT_EQ(list.load(dir.file(QStringLiteral("Player.tmp"))), DataFile::LoadStatus::Damaged);
    EXPECT_EQ(list.paths, QStringList{QStringLiteral("/keep")});
    EXPECT_EQ(dir.read(QStringLiteral("Player.tmp.bad")), cut);

    dir.write(QStringLiteral("Player.lst"), QByteArray("\xff\xfe\xff\x09/m", 6));
    EXPECT_EQ(list.loadLastFolder(dir.file(QStringLiteral("Player.lst")), QStringLiteral("/prog/")), DataFile::LoadStatus::Damaged);
    EXPECT_EQ(list.lastFolder, QStringLiteral("/prog/"));
    EXPECT_TRUE(dir.exists(QStringLiteral("Player.lst.bad")));
}

// ---------------------------------------------------------------- arithmetic

TEST(PlayerTiming, TimeText)
{
    struct Case
    {
        double seconds;
        const char* text;
    };
    const Case cases[] = {
        {0, "00:00"}, {0.9, "00:00"}, {75, "01:15"}, {3599, "59:59"}, {3599.99, "59:59"}, {3600, "01:00:00"},
        {3725, "01:02:05"}, {-3, "00:00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlayerTiming::timeText(c.seconds), QString::fromUtf8(c.text)) << c.seconds;
    EXPECT_FALSE(PlayerTiming::wideTime(3599.9));
    EXPECT_TRUE(PlayerTiming::wideTime(3600));
}

TEST(PlayerTiming, BarsAndTheirValues)
{
    EXPECT_EQ(PlayerTiming::positionBar(0, 10), 1);
    EXPECT_EQ(PlayerTiming::positionBar(5, 10), 51);
    EXPECT_EQ(PlayerTiming::positionBar(10, 10), 101);
    EXPECT_EQ(PlayerTiming::positionBar(12, 10), 101);
    EXPECT_EQ(PlayerTiming::positionBar(-1, 10), 1);
    EXPECT_DOUBLE_EQ(PlayerTiming::seekPosition(50, 10), 5);
    EXPECT_DOUBLE_EQ(PlayerTiming::seekPosition(101, 10), 10);
    EXPECT_DOUBLE_EQ(PlayerTiming::seekPosition(30, -4), 0);

    EXPECT_EQ(PlayerTiming::volumeFromBar(51), 100) << "51 is full volume";
    EXPECT_EQ(PlayerTiming::volumeFromBar(50), 100);
    EXPECT_EQ(PlayerTiming::volumeFromBar(0), 0) << "0 is silence";
    EXPECT_EQ(PlayerTiming::volumeFromBar(25), 50);
    EXPECT_EQ(PlayerTiming::volumeFromBar(48), 96);
    EXPECT_EQ(PlayerTiming::volumeBar(100), 51);
    EXPECT_EQ(PlayerTiming::volumeBar(0), 1);
    EXPECT_EQ(PlayerTiming::volumeBar(96), 49);

    EXPECT_TRUE(PlayerTiming::atEnd(9.5, 10));
    EXPECT_FALSE(PlayerTiming::atEnd(9.4, 10));
    EXPECT_FALSE(PlayerTiming::knownDuration(0.1));
    EXPECT_TRUE(PlayerTiming::knownDuration(0.2));
}

TEST(PlayerTiming, VideoWindowSizes)
{
    EXPECT_EQ(PlayerTiming::zoomedComponent(QSize(320, 240), 2), QSize(320, 310)) << "Zoom2";
    EXPECT_EQ(PlayerTiming::zoomedComponent(QSize(320, 240), 0), QSize(160, 190));
    EXPECT_EQ(PlayerTiming::zoomedComponent(QSize(320, 240), 1), QSize(240, 250));
    EXPECT_EQ(PlayerTiming::zoomedComponent(QSize(320, 240), 3), QSize(480, 430));
    EXPECT_EQ(PlayerTiming::zoomedComponent(QSize(320, 240), 4), QSize(640, 550));
    EXPECT_EQ(PlayerTiming::zoomedComponent(QSize(), 2), QSize(280, 170));
    EXPECT_EQ(PlayerTiming::zoomedComponent(QSize(0, 240), 4), QSize(280, 170));
    EXPECT_EQ(PlayerTiming::windowAround(QSize(320, 310)), QSize(332, 340));
    EXPECT_EQ(PlayerTiming::firstWindowSize(QSize(1024, 768)), QSize(512, 484));
    EXPECT_FALSE(PlayerTiming::needsRefit(QSize(332, 340), QSize(333, 339)));
    EXPECT_TRUE(PlayerTiming::needsRefit(QSize(332, 340), QSize(334, 340)));
}

// ---------------------------------------------------------------- the page's logic

namespace {

class PlayerLogic : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* name : {"a.mp3", "b.wav", "c.avi", "d.mp3"})
            dir.write(QString::fromLatin1(name), "x");
        media.durations = {{file("a.mp3"), 3}, {file("b.wav"), 2}, {file("c.avi"), 2.5}, {file("d.mp3"), 1}};
        controller = std::make_unique<PlayerController>(dir.path(), sound, ticker);
        controller->setMediaFactory([this] {
            ++windowsMade;
            return &media;
        });
        controller->load();
    }

    QString file(const char* name) const { return dir.file(QString::fromLatin1(name)); }
    QStringList files(std::initializer_list<const char*> names) const
    {
        QStringList out;
        for (const char* n : names)
            out << file(n);
        return out;
    }
    // Lets the fake component play for a while, the panel timer ticking every 200 ms.
    void playFor(double seconds)
    {
        for (double t = 0; t < seconds - 1e-9; t += 0.2) {
            media.advance(0.2);
            ticker.fire();
        }
    }

    TempDir dir;
    FakeSound sound;
    FakeTicker ticker;
    FakeMedia media;
    int windowsMade = 0;
    std::unique_ptr<PlayerController> controller;
};

} // namespace

TEST_F(PlayerLogic, OpeningThreeFilesStartsTheFirstAndTheListRepeats)
{
    QSignalSpy rows(controller.get(), &PlayerController::playingRowChanged);
    EXPECT_FALSE(ticker.active) << "no timer before the video window exists";
    controller->open(files({"a.mp3", "b.wav", "c.avi"}));
    EXPECT_EQ(controller->list().rowTexts(), (QStringList{QStringLiteral(" 1 a.mp3"), QStringLiteral(" 2 b.wav"), QStringLiteral(" 3 c.avi")}));
    EXPECT_EQ(windowsMade, 1);
    EXPECT_TRUE(ticker.active);
    EXPECT_EQ(ticker.interval, 200);
    EXPECT_EQ(media.loads, QStringList{file("a.mp3")});
    EXPECT_EQ(controller->list().lastFolder, dir.path().chopped(1));

    playFor(0.2);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.at(0), (QList<QVariant>{-1, 0, true}));
    playFor(3 + 2 + 2.4);
    EXPECT_EQ(media.loads, files({"a.mp3", "b.wav", "c.avi", "a.mp3"})) << "after the third ends the first plays again";
    EXPECT_EQ(controller->list().currentIndex, 0);
    playFor(0.2);
    EXPECT_EQ(rows.last(), (QList<QVariant>{2, 0, true}));
    EXPECT_EQ(windowsMade, 1);

    // The current index goes into "Player.tmp" when the page goes.
    controller.reset();
    PlayList stored;
    ASSERT_EQ(stored.load(file("Player.tmp")), DataFile::LoadStatus::Loaded);
    EXPECT_EQ(stored.paths, files({"a.mp3", "b.wav", "c.avi"}));
    EXPECT_EQ(stored.currentIndex, 0);
    EXPECT_TRUE(dir.exists(QStringLiteral("Player.lst")));
}

TEST_F(PlayerLogic, TheTimerMovesThePositionBarAndTheTimeText)
{
    QSignalSpy bars(controller.get(), &PlayerController::positionBarChanged);
    QSignalSpy texts(controller.get(), &PlayerController::timeTextChanged);
    media.durations[file("a.mp3")] = 4000;
    controller->open(files({"a.mp3"}));
    playFor(0.2);
    EXPECT_EQ(controller->positionBar(), 1);
    media.pos = 3599;
    playFor(0.2);
    EXPECT_EQ(controller->timeText(), QStringLiteral("59:59"));
    EXPECT_EQ(controller->positionBar(), 90);
    media.pos = 3600;
    ticker.fire();
    EXPECT_EQ(controller->timeText(), QStringLiteral("01:00:00"));
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_EQ(texts.last(), (QList<QVariant>{QStringLiteral("01:00:00"), true})) << "an hour-long file widens the time text";
    EXPECT_EQ(bars.last().at(0).toInt(), 91);

    // Seeking: the bar's value is a hundredth of the duration.
    controller->seek(50);
    EXPECT_DOUBLE_EQ(media.pos, 2000);
    // Nothing is done while the duration is not known.
    media.durations[file("a.mp3")] = 0.05;
    const int before = int(texts.size());
    media.pos = 0;
    ticker.fire();
    EXPECT_EQ(texts.size(), before);
}

TEST_F(PlayerLogic, AddingOnTheSecondRowInsertsAsRowsTwoAndThree)
{
    controller->open(files({"a.mp3", "b.wav"}));
    playFor(1);
    controller->add(files({"c.avi", "d.mp3"}), 1);
    EXPECT_EQ(controller->list().paths, files({"a.mp3", "c.avi", "d.mp3", "b.wav"}));
    EXPECT_EQ(controller->list().rowTexts().at(3), QStringLiteral(" 4 b.wav"));
    EXPECT_EQ(media.loads, files({"a.mp3"})) << "what plays goes on";
    EXPECT_EQ(media.calls.last(), QStringLiteral("start %1 0").arg(file("a.mp3")));
    PlayList stored;
    ASSERT_EQ(stored.load(file("Player.tmp")), DataFile::LoadStatus::Loaded);
    EXPECT_EQ(stored.paths, controller->list().paths);

    // Add to an empty list is Open.
    controller->remove({0, 1, 2, 3});
    EXPECT_TRUE(controller->list().isEmpty());
    controller->add(files({"d.mp3"}), 3);
    EXPECT_EQ(controller->list().paths, files({"d.mp3"}));
    EXPECT_EQ(media.loads.last(), file("d.mp3"));
}

TEST_F(PlayerLogic, MissingFilesAreSkipped)
{
    controller->open(files({"a.mp3", "b.wav", "c.avi"}));
    QFile::remove(file("b.wav"));
    controller->next();
    EXPECT_EQ(controller->list().currentIndex, 2) << "Last from the first row plays the third";
    EXPECT_EQ(media.loads.last(), file("c.avi"));
    // At the end of the third the list wraps to the first.
    playFor(2.6);
    EXPECT_EQ(controller->list().currentIndex, 0);
    EXPECT_EQ(media.loads.last(), file("a.mp3"));
}

TEST_F(PlayerLogic, AListOfMissingFilesStopsAfterOnePassInsteadOfSpinning)
{
    controller->open(files({"a.mp3", "b.wav", "c.avi"}));
    playFor(1);
    controller->next();
    ASSERT_EQ(controller->list().currentIndex, 1);
    for (const char* n : {"a.mp3", "b.wav", "c.avi"})
        QFile::remove(file(n));
    media.calls.clear();
    const int loads = int(media.loads.size());
    controller->next();
    EXPECT_EQ(controller->list().currentIndex, 2) << "the row stays where the pass began";
    EXPECT_TRUE(controller->isStopped());
    EXPECT_EQ(media.calls, QStringList{QStringLiteral("stop")});
    EXPECT_EQ(media.loads.size(), loads);
    // Nothing more happens, however long the timer runs.
    playFor(5);
    EXPECT_EQ(media.loads.size(), loads);
    EXPECT_EQ(controller->list().currentIndex, 2);

    // The same at the end of a file: the files vanish while one plays.
    dir.write(QStringLiteral("a.mp3"), "x");
    controller->playRow(0);
    QFile::remove(file("a.mp3"));
    playFor(3);
    EXPECT_TRUE(controller->isStopped());
    EXPECT_EQ(controller->list().currentIndex, 1);
}

TEST_F(PlayerLogic, FilesTheComponentCannotPlayArePassedOverUntilAWholeRunFailed)
{
    controller->open(files({"a.mp3", "b.wav", "c.avi"}));
    controller->mediaFailed();
    EXPECT_EQ(controller->list().currentIndex, 1);
    EXPECT_EQ(media.loads.last(), file("b.wav"));
    playFor(0.4); // b.wav plays: the run of failures ends
    controller->mediaFailed();
    controller->mediaFailed();
    EXPECT_EQ(controller->list().currentIndex, 0);
    EXPECT_FALSE(controller->isStopped());
    controller->mediaFailed();
    EXPECT_TRUE(controller->isStopped()) << "three failures in a row on a list of three";
    EXPECT_EQ(controller->list().currentIndex, 0);
}

TEST_F(PlayerLogic, PlayOnAnEmptyListTellsTheUser)
{
    QSignalSpy messages(controller.get(), &PlayerController::message);
    controller->play();
    controller->playRow(0);
    controller->next();
    ASSERT_EQ(messages.size(), 3);
    EXPECT_EQ(messages.at(0).at(0).toString(), QStringLiteral("Please right-click mouse to add media file."));
    EXPECT_EQ(windowsMade, 0);
}

TEST_F(PlayerLogic, TransportCommands)
{
    QSignalSpy rows(controller.get(), &PlayerController::playingRowChanged);
    controller->open(files({"a.mp3", "b.wav", "c.avi"}));
    playFor(1);
    controller->togglePause();
    EXPECT_TRUE(controller->isPaused());
    controller->togglePause();
    EXPECT_FALSE(controller->isPaused());
    EXPECT_EQ(media.calls.mid(media.calls.size() - 2), (QStringList{QStringLiteral("pause"), QStringLiteral("resume")}));

    controller->stop();
    EXPECT_TRUE(controller->isStopped());
    EXPECT_FALSE(media.timerRunning);
    playFor(0.4);
    EXPECT_EQ(rows.last(), (QList<QVariant>{0, 0, false})) << "a stopped row is not shown selected";

    controller->rewind();
    EXPECT_FALSE(controller->isStopped());
    EXPECT_EQ(media.calls.last(), QStringLiteral("setPosition 0"));

    // Double-click makes the row current and plays it from its beginning; a new start is
    // never paused.
    controller->togglePause();
    controller->playRow(2);
    EXPECT_EQ(media.calls.last(), QStringLiteral("start %1 1").arg(file("c.avi")));
    EXPECT_FALSE(controller->isPaused());
    controller->playRow(7);
    EXPECT_EQ(controller->list().currentIndex, 2) << "a row that is not there changes nothing";

    // Play plays the current row from its beginning; Delete keeps the current index.
    controller->play();
    EXPECT_EQ(media.calls.last(), QStringLiteral("start %1 1").arg(file("c.avi")));
    controller->remove({0});
    EXPECT_EQ(controller->list().currentIndex, 2);
    EXPECT_EQ(controller->list().size(), 2);
    controller->play();
    EXPECT_EQ(media.calls.last(), QStringLiteral("start %1 1").arg(file("b.wav"))) << "past the end: the first row";
}

TEST_F(PlayerLogic, VolumeBarAndMute)
{
    QSignalSpy volumes(controller.get(), &PlayerController::volumeBarChanged);
    QSignalSpy mutes(controller.get(), &PlayerController::muteChanged);
    controller->open(files({"a.mp3"}));
    EXPECT_EQ(media.vol, 96) << "the component starts at the volume the bar shows (48)";
    controller->setVolumeBar(51);
    EXPECT_EQ(media.vol, 100);
    controller->setVolumeBar(0);
    EXPECT_EQ(media.vol, 0);
    playFor(0.4);
    EXPECT_TRUE(volumes.isEmpty()) << "a bar that gives the volume stays where the user put it";
    controller->setVolumeBar(50);
    playFor(0.2);
    EXPECT_EQ(controller->volumeBar(), 50);
    // A volume changed elsewhere moves the bar.
    media.vol = 20;
    playFor(0.2);
    EXPECT_EQ(controller->volumeBar(), 11);
    ASSERT_EQ(volumes.size(), 1);

    controller->toggleMute();
    EXPECT_TRUE(controller->isMuted());
    EXPECT_EQ(sound.muteCalls(), QList<bool>{true});
    media.vol = 80;
    playFor(0.4);
    EXPECT_EQ(controller->volumeBar(), 11) << "not followed while muted";
    // The mute changed elsewhere is taken over, checked once a second.
    sound.setMutedState(false);
    playFor(1.0);
    EXPECT_FALSE(controller->isMuted());
    ASSERT_GE(mutes.size(), 2);
    EXPECT_EQ(mutes.last().at(0).toBool(), false);
    EXPECT_EQ(sound.muteCalls(), QList<bool>{true});
}

TEST(PlayerLoad, TheMuteAndTheFilesAreReadAtCreation)
{
    TempDir dir;
    FakeSound sound;
    sound.setMutedState(true);
    FakeTicker ticker;
    PlayList list;
    list.paths = {QStringLiteral("/m/x.mp3")};
    list.currentIndex = 5;
    list.store(dir.file(QStringLiteral("Player.tmp")));
    PlayerController controller(dir.path(), sound, ticker);
    QSignalSpy changed(&controller, &PlayerController::listChanged);
    controller.load();
    EXPECT_TRUE(controller.isMuted());
    EXPECT_EQ(controller.list().paths, list.paths);
    EXPECT_EQ(controller.list().currentIndex, 5);
    EXPECT_EQ(controller.list().lastFolder, dir.path()) << "no Player.lst: the program directory";
    EXPECT_EQ(changed.size(), 1);
}
