#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <QtEndian>

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "support/PulseNullSink.h"
#include "platform/linux/QtSound.h"
#include "support/TempDir.h"
#include "support/TestWait.h"

// What the program plays, recorded from a private PulseAudio null sink.

namespace {

constexpr int Rate = PulseNullSink::SampleRate;

QList<qint16> samples(const QByteArray& pcm)
{
    QList<qint16> s(pcm.size() / 2);
    for (qsizetype i = 0; i < s.size(); ++i)
        s[i] = qFromLittleEndian<qint16>(pcm.constData() + 2 * i);
    return s;
}

// Runs of sound: [start, end) sample ranges where 5 ms blocks are above the threshold,
// with gaps shorter than `bridgeMs` joined.
struct SoundRun
{
    qsizetype start;
    qsizetype end;
    double ms() const { return double(end - start) * 1000 / Rate; }
};

QList<SoundRun> soundRuns(const QList<qint16>& s, int bridgeMs = 20)
{
    const int block = Rate / 200;
    QList<SoundRun> runs;
    for (qsizetype b = 0; b + block <= s.size(); b += block) {
        int peak = 0;
        for (qsizetype i = b; i < b + block; ++i)
            peak = std::max(peak, std::abs(int(s[i])));
        if (peak < 2000)
            continue;
        if (!runs.isEmpty() && b - runs.last().end <= qsizetype(bridgeMs) * Rate / 1000)
            runs.last().end = b + block;
        else
            runs.append({b, b + block});
    }
    // Refine the edges to the first and last loud sample.
    for (SoundRun& r : runs) {
        while (r.start < r.end && std::abs(int(s[r.start])) < 1000)
            ++r.start;
        while (r.end > r.start && std::abs(int(s[r.end - 1])) < 1000)
            --r.end;
    }
    return runs;
}

// The frequency of a stretch of samples from its zero crossings.
double frequency(const QList<qint16>& s, qsizetype from, qsizetype to)
{
    int crossings = 0;
    for (qsizetype i = from + 1; i < to; ++i)
        if ((s[i - 1] < 0) != (s[i] < 0))
            ++crossings;
    return crossings / 2.0 / (double(to - from) / Rate);
}

// The steady tones within a run: stretches where the period between upward zero crossings
// stays within 5 %, at least 30 ms long.
struct Segment
{
    double frequency;
    double ms;
};

QList<Segment> toneSegments(const QList<qint16>& s, const SoundRun& run)
{
    QList<qsizetype> ups;
    // From just before the run, so that the onset (silence to positive) counts as the
    // first crossing.
    for (qsizetype i = std::max<qsizetype>(1, run.start - Rate / 200); i < run.end; ++i)
        if (s[i - 1] <= 0 && s[i] > 0)
            ups.append(i);
    // A stretch ends at the first crossing of the next tone (each tone starts at phase 0);
    // the last one a period after its last crossing.
    QList<Segment> segments;
    qsizetype first = 0; // index into ups where the current stretch starts
    // The stretch runs from ups[first] to ups[last]; `last` is the next tone's first crossing
    // unless `final`.
    auto close = [&](qsizetype last, bool final) {
        if (last <= first)
            return;
        const double period = double(ups[last] - ups[first]) / double(last - first);
        const double ms = (double(ups[last] - ups[first]) + (final ? period : 0)) * 1000 / Rate;
        if (ms >= 30)
            segments.append({Rate / period, ms});
    };
    for (qsizetype k = 1; k + 1 < ups.size(); ++k) {
        const double period = double(ups[k] - ups[first]) / double(k - first);
        const double next = double(ups[k + 1] - ups[k]);
        if (std::abs(next - period) > 0.05 * period) {
            close(k, false);
            first = k;
            ++k;
        }
    }
    close(ups.size() - 1, true);
    return segments;
}

// Waits until the recording holds `count` runs of sound followed by 300 ms of quiet.
QList<SoundRun> waitForRuns(PulseNullSink& pulse, int count, int bridgeMs = 20)
{
    QList<SoundRun> runs;
    waitUntil(
        [&] {
            const QList<qint16> s = samples(pulse.recordedSoFar());
            runs = soundRuns(s, bridgeMs);
            return runs.size() >= count && s.size() - runs.last().end > Rate * 3 / 10;
        },
        15000);
    return runs;
}

QByteArray wave16(const QList<Sound::Tone>& tones)
{
    const QByteArray pcm = QtSound::synthesize(tones);
    QByteArray wav;
    auto u32 = [&](quint32 v) { char b[4]; qToLittleEndian(v, b); wav.append(b, 4); };
    auto u16 = [&](quint16 v) { char b[2]; qToLittleEndian(v, b); wav.append(b, 2); };
    wav += "RIFF";
    u32(36 + quint32(pcm.size()));
    wav += "WAVEfmt ";
    u32(16); u16(1); u16(1); u32(Rate); u32(Rate * 2); u16(2); u16(16);
    wav += "data";
    u32(quint32(pcm.size()));
    return wav + pcm;
}

class QtSoundTest : public ::testing::Test
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
        ASSERT_TRUE(s_pulse->startRecording());
    }
    void TearDown() override
    {
        if (s_pulse)
            s_pulse->stopRecording();
    }

    static PulseNullSink* s_pulse;
    static QString s_skip;
};

PulseNullSink* QtSoundTest::s_pulse = nullptr;
QString QtSoundTest::s_skip;

} // namespace

TEST(QtSoundSynthesis, EachToneHasItsExactLength)
{
    const QByteArray pcm = QtSound::synthesize({{100, 100}, {0, 40}, {1000, 7}});
    EXPECT_EQ(pcm.size(), 2 * (4410 + 1764 + 308));
    EXPECT_TRUE(QtSound::synthesize({}).isEmpty());
}

TEST_F(QtSoundTest, TenRisingTonesOfAHundredMilliseconds)
{
    QtSound sound;
    QList<Sound::Tone> tones;
    for (int f = 100; f <= 1000; f += 100)
        tones.append({f, 100});
    sound.playTones(tones);
    const QList<SoundRun> runs = waitForRuns(*s_pulse, 1);
    ASSERT_EQ(runs.size(), 1) << "the ten tones follow each other without a gap";
    EXPECT_NEAR(runs[0].ms(), 1000, 15);
    const QList<qint16> s = samples(s_pulse->recordedSoFar());
    const QList<Segment> heard = toneSegments(s, runs[0]);
    ASSERT_EQ(heard.size(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_NEAR(heard[i].frequency, 100.0 * (i + 1), 3.0 * (i + 1)) << "tone " << i;
        EXPECT_NEAR(heard[i].ms, 100, 5) << "tone " << i;
    }
}

TEST_F(QtSoundTest, WavePlayedThreeTimesIsHeardThreeTimesInARow)
{
    TempDir dir;
    // 150 ms of 440 Hz, then 150 ms of silence.
    dir.write(QStringLiteral("beep.wav"), wave16({{440, 150}, {0, 150}}));
    QtSound sound;
    sound.playWave(dir.file(QStringLiteral("beep.wav")), 0); // nothing
    sound.playWave(dir.file(QStringLiteral("beep.wav")), 3);
    const QList<SoundRun> runs = waitForRuns(*s_pulse, 3);
    ASSERT_EQ(runs.size(), 3);
    const QList<qint16> s = samples(s_pulse->recordedSoFar());
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(runs[i].ms(), 150, 20) << i;
        EXPECT_NEAR(frequency(s, runs[i].start, runs[i].end), 440, 20) << i;
        if (i > 0) { // one play right after the other
            EXPECT_NEAR(double(runs[i].start - runs[i - 1].start) * 1000 / Rate, 300, 30) << i;
        }
    }
}

TEST_F(QtSoundTest, MissingWaveFileSoundsTheAlertInstead)
{
    TempDir dir;
    QtSound sound;
    dir.write(QStringLiteral("broken.wav"), "RIFF not really a wave");
    // Each alert is two notes with a short gap, bridged here into one run.
    sound.playWave(dir.file(QStringLiteral("missing.wav")));
    EXPECT_EQ(waitForRuns(*s_pulse, 1, 60).size(), 1);
    sound.playWave(dir.file(QStringLiteral("broken.wav")));
    const QList<SoundRun> runs = waitForRuns(*s_pulse, 2, 60);
    ASSERT_EQ(runs.size(), 2);
    EXPECT_NEAR(runs[1].ms(), 320, 20);
}

TEST_F(QtSoundTest, MuteIsTheDefaultSinksMute)
{
    QtSound sound;
    sound.setMuted(true);
    EXPECT_TRUE(s_pulse->sinkMuted());
    EXPECT_TRUE(sound.isMuted());
    sound.setMuted(false);
    EXPECT_FALSE(s_pulse->sinkMuted());
    EXPECT_FALSE(sound.isMuted());
}

TEST_F(QtSoundTest, ClipLoopsUntilStoppedAndRestartsWhenPlayedAgain)
{
    TempDir dir;
    dir.write(QStringLiteral("beep.wav"), wave16({{440, 150}, {0, 150}}));
    QtSound sound;
    std::unique_ptr<SoundClip> clip = sound.clip(dir.file(QStringLiteral("beep.wav")));
    clip->play(true);
    ASSERT_TRUE(waitUntil([&] { return soundRuns(samples(s_pulse->recordedSoFar())).size() >= 4; }, 15000));
    clip->stop();
    const QList<SoundRun> runs = waitForRuns(*s_pulse, 4);
    const qsizetype afterStop = runs.size();
    EXPECT_FALSE(waitUntil([&] { return soundRuns(samples(s_pulse->recordedSoFar())).size() > afterStop; }, 700))
        << "a stopped clip stays quiet";

    // A long tone played again while it plays starts over: one run, longer than the tone.
    dir.write(QStringLiteral("long.wav"), wave16({{440, 600}}));
    std::unique_ptr<SoundClip> tone = sound.clip(dir.file(QStringLiteral("long.wav")));
    const qsizetype before = soundRuns(samples(s_pulse->recordedSoFar()), 120).size();
    tone->play();
    ASSERT_TRUE(waitUntil([&] { return soundRuns(samples(s_pulse->recordedSoFar()), 120).size() > before; }, 15000));
    QTimer::singleShot(250, &sound, [&] { tone->play(); });
    const QList<SoundRun> all = waitForRuns(*s_pulse, int(before) + 1, 120);
    ASSERT_EQ(all.size(), before + 1);
    EXPECT_GT(all.last().ms(), 750);

    // A missing file is silent: no alert in its place.
    std::unique_ptr<SoundClip> missing = sound.clip(dir.file(QStringLiteral("missing.wav")));
    missing->play();
    EXPECT_FALSE(waitUntil([&] { return soundRuns(samples(s_pulse->recordedSoFar()), 120).size() > all.size(); }, 700));
}
