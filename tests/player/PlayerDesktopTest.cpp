// The Player page playing real media made by GStreamer (an MP3, a WAV and an AVI with a
// picture) to a private PulseAudio null sink on the private X desktop: the list advances
// and repeats, the bar and the time text move, the video window appears for the picture
// only and zooms, and the mute silences the sink.
#include "controls/BitmapButton.h"
#include "controls/ItemFileChooser.h"
#include "controls/ItemListView.h"
#include "controls/LineTrackBar.h"
#include "controls/MessageBox.h"
#include "platform/linux/QtSound.h"
#include "player/MediaWindow.h"
#include "player/PlayerPage.h"
#include "support/FakePlatform.h"
#include "support/PulseNullSink.h"
#include "support/TempDir.h"
#include "support/TestWait.h"

#include <QLabel>
#include <QProcess>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

// Runs gst-launch-1.0 with a pipeline description; false (and the reason) on failure.
bool gstLaunch(const QString& pipeline, QString* why)
{
    QProcess p;
    p.start(QStringLiteral("gst-launch-1.0"), QStringList{QStringLiteral("-q")} + QProcess::splitCommand(pipeline));
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        *why = QStringLiteral("gst-launch-1.0 %1: %2").arg(pipeline, QString::fromLocal8Bit(p.readAllStandardError()));
        p.kill();
        p.waitForFinished(1000);
        return false;
    }
    return true;
}

// The loudest sample from byte `from` on (mono s16le).
int peakFrom(const QByteArray& pcm, qsizetype from)
{
    int peak = 0;
    for (qsizetype i = std::max<qsizetype>(0, from) & ~qsizetype(1); i + 1 < pcm.size(); i += 2)
        peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(pcm.constData() + i))));
    return peak;
}

class PlayerDesktop : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_pulse = new PulseNullSink;
        if (!s_pulse->start())
            s_skip = s_pulse->error();
    }
    static void TearDownTestSuite()
    {
        delete s_pulse;
        s_pulse = nullptr;
    }
    void SetUp() override
    {
        if (!s_skip.isEmpty())
            GTEST_SKIP() << "no PulseAudio: " << s_skip.toStdString();
        MessageBox::setTestMode(true);
        // Two seconds each: a tone in an MP3, another in a 16-bit WAV, and a 320 x 240
        // picture with sound in an AVI.
        const QString tone = QStringLiteral("audiotestsrc num-buffers=20 samplesperbuffer=4410 freq=%1 volume=0.5 ! "
                                            "audio/x-raw,rate=44100,channels=1 ! audioconvert ! ");
        QString why;
        ASSERT_TRUE(gstLaunch(tone.arg(440) + QStringLiteral("lamemp3enc ! xingmux ! filesink location=") + media.file(QStringLiteral("a.mp3")), &why))
            << why.toStdString();
        ASSERT_TRUE(gstLaunch(tone.arg(660) + QStringLiteral("audio/x-raw,format=S16LE ! wavenc ! filesink location=") + media.file(QStringLiteral("b.wav")), &why))
            << why.toStdString();
        ASSERT_TRUE(gstLaunch(QStringLiteral("videotestsrc num-buffers=50 ! video/x-raw,width=320,height=240,framerate=25/1 ! jpegenc ! "
                                             "avimux name=mux ! filesink location=")
                                  + media.file(QStringLiteral("c.avi")) + QLatin1Char(' ') + tone.arg(550) + QStringLiteral("lamemp3enc ! mux."),
            &why))
            << why.toStdString();
    }
    void TearDown() override { MessageBox::setTestMode(false); }

    static PulseNullSink* s_pulse;
    static QString s_skip;
    TempDir dir;
    TempDir media;
};

PulseNullSink* PlayerDesktop::s_pulse = nullptr;
QString PlayerDesktop::s_skip;

} // namespace

TEST_F(PlayerDesktop, RealMediaPlayThroughAndRepeatAndTheMuteSilencesTheSink)
{
    FakePlatform fake;
    fake.platform().sound = std::make_unique<QtSound>();
    PlayerPage page(dir.path(), fake.platform());
    page.resize(175, 330);
    page.show();
    PlayerController& player = page.controller();
    QList<int> playedRows;
    QStringList times;
    int highestBar = 0;
    QObject::connect(&player, &PlayerController::playingRowChanged, &page, [&](int, int row) {
        if (playedRows.isEmpty() || playedRows.last() != row)
            playedRows.append(row);
    });
    QObject::connect(&player, &PlayerController::timeTextChanged, &page, [&](const QString& t) { times.append(t); });
    QObject::connect(&player, &PlayerController::positionBarChanged, &page, [&](int v) { highestBar = std::max(highestBar, v); });
    auto rowIs = [&](int row) { return !playedRows.isEmpty() && playedRows.last() == row; };

    ASSERT_TRUE(s_pulse->startRecording());
    ItemFileChooser::setNextFileNames({media.file(QStringLiteral("a.mp3")), media.file(QStringLiteral("b.wav")), media.file(QStringLiteral("c.avi"))});
    page.openFiles();
    MediaWindow* window = page.mediaWindow();
    ASSERT_NE(window, nullptr);

    // The MP3 plays and is heard; its window stays out of the way.
    ASSERT_TRUE(waitUntil([&] { return rowIs(0) && page.positionBar()->value() > 30; }, 20000)) << "the first file does not play";
    EXPECT_TRUE(waitUntil([&] { return peakFrom(s_pulse->recordedSoFar(), 0) > 3000; }, 5000)) << "nothing reached the sink";
    EXPECT_FALSE(window->isVisible()) << "an audio-only file shows no video window";
    EXPECT_TRUE(waitUntil([&] { return times.contains(QStringLiteral("00:01")); }, 5000));
    EXPECT_TRUE(page.listView()->item(0)->isSelected());

    // The WAV, then the AVI with its picture in the video window, zoomed at 1x.
    ASSERT_TRUE(waitUntil([&] { return rowIs(1); }, 10000)) << "the list does not advance";
    ASSERT_TRUE(waitUntil([&] { return rowIs(2); }, 10000));
    ASSERT_TRUE(waitUntil([&] { return window->isVisible() && window->pictureSize() == QSize(320, 240); }, 10000))
        << "no picture: " << window->pictureSize().width() << "x" << window->pictureSize().height();
    window->zoom(2);
    EXPECT_EQ(window->component()->size(), QSize(320, 310));
    EXPECT_EQ(window->size(), QSize(332, 340));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("My Player"));

    // After the third the first plays again, and its window goes out of the way.
    ASSERT_TRUE(waitUntil([&] { return rowIs(0) && playedRows.size() >= 4; }, 10000)) << "the list does not repeat";
    EXPECT_EQ(playedRows.mid(0, 4), (QList<int>{0, 1, 2, 0}));
    EXPECT_TRUE(waitUntil([&] { return !window->isVisible(); }, 5000));
    EXPECT_GE(highestBar, 80);

    // Mute: the default sink is muted, and what plays no longer reaches it.
    ASSERT_TRUE(waitUntil([&] { return player.positionBar() > 10; }, 5000));
    page.button(PlayerPage::IdMute)->click();
    EXPECT_TRUE(waitUntil([&] { return s_pulse->sinkMuted(); }, 3000));
    EXPECT_TRUE(page.button(PlayerPage::IdMute)->isSelected());
    const qsizetype mutedFrom = s_pulse->recordedSoFar().size() + PulseNullSink::SampleRate * 2 / 5; // after 200 ms
    const bool stillPlaying = waitUntil([&] { return s_pulse->recordedSoFar().size() > mutedFrom + PulseNullSink::SampleRate; }, 5000);
    EXPECT_TRUE(stillPlaying);
    EXPECT_LT(peakFrom(s_pulse->recordedSoFar(), mutedFrom), 50) << "the muted sink is silent";
    page.button(PlayerPage::IdMute)->click();
    EXPECT_TRUE(waitUntil([&] { return !s_pulse->sinkMuted(); }, 3000));
    s_pulse->stopRecording();

    // Stop: the row is no longer shown selected.
    page.button(PlayerPage::IdStop)->click();
    EXPECT_TRUE(waitUntil([&] { return page.listView()->selectedItems().isEmpty(); }, 3000));
}

TEST_F(PlayerDesktop, AFileTheComponentCannotPlayIsPassedOver)
{
    FakePlatform fake;
    fake.platform().sound = std::make_unique<QtSound>();
    media.write(QStringLiteral("broken.mp3"), QByteArray(4096, 'x'));
    PlayerPage page(dir.path(), fake.platform());
    page.resize(175, 330);
    page.show();
    ItemFileChooser::setNextFileNames({media.file(QStringLiteral("broken.mp3")), media.file(QStringLiteral("b.wav"))});
    page.openFiles();
    PlayerController& player = page.controller();
    EXPECT_TRUE(waitUntil([&] { return player.list().currentIndex == 1 && player.positionBar() > 20; }, 15000))
        << "index " << player.list().currentIndex << ", bar " << player.positionBar();

    // A list of nothing but such files stops instead of trying them for ever.
    ItemFileChooser::setNextFileNames({media.file(QStringLiteral("broken.mp3"))});
    page.openFiles();
    EXPECT_TRUE(waitUntil([&] { return player.isStopped(); }, 10000));
    EXPECT_EQ(player.list().currentIndex, 0);
}
