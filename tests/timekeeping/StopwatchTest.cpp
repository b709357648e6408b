// The stopwatch's counting, buttons and results file, on a fake tick count.
#include "support/FakeClock.h"
#include "support/TempDir.h"
#include "timekeeping/Stopwatch.h"

#include <QFile>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

QByteArray utf16le(const char* text)
{
    QByteArray out;
    for (const char* p = text; *p; ++p) {
        out.append(*p);
        out.append('\0');
    }
    return out;
}

TEST(Stopwatch, FormatsHoursMinutesSecondsAndMilliseconds)
{
    const struct { qint64 ms; const char* display; const char* snap; } cases[] = {
        {0, "00|00|00|000", "00:00:00:000"},
        {999, "00|00|00|999", "00:00:00:999"},
        {59999, "00|00|59|999", "00:00:59:999"},
        {3723456, "01|02|03|456", "01:02:03:456"},
        {99 * 3600000LL + 3599999, "99|59|59|999", "99:59:59:999"},
        {100 * 3600000LL, "100|00|00|000", "100:00:00:000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Stopwatch::format(c.ms, QLatin1Char('|')), QLatin1String(c.display)) << c.ms;
        EXPECT_EQ(Stopwatch::format(c.ms, QLatin1Char(':')), QLatin1String(c.snap)) << c.ms;
    }
}

TEST(Stopwatch, CountsTheTickCountAndSnapsTheTimeOfTheMoment)
{
    FakeClock clock;
    clock.setTickMs(1000000);
    Stopwatch watch(clock);
    EXPECT_EQ(watch.display(), QStringLiteral("00|00|00|000"));
    EXPECT_FALSE(watch.canSnap());
    EXPECT_FALSE(watch.canReset());
    EXPECT_FALSE(watch.isTicking());

    watch.startStop();
    EXPECT_EQ(watch.state(), Stopwatch::State::Running);
    EXPECT_EQ(watch.startStopCaption(), QStringLiteral("Stop"));
    EXPECT_TRUE(watch.canSnap());
    EXPECT_FALSE(watch.canReset());
    EXPECT_TRUE(watch.isTicking());

    clock.advanceMs(3723456);
    watch.tick();
    EXPECT_EQ(watch.display(), QStringLiteral("01|02|03|456"));
    EXPECT_EQ(watch.snap(), QStringLiteral("01:02:03:456"));
    // The snap reads the tick count itself, not the last display.
    clock.advanceMs(44);
    EXPECT_EQ(watch.snap(), QStringLiteral("01:02:03:500"));
    EXPECT_EQ(watch.display(), QStringLiteral("01|02|03|456"));
    EXPECT_EQ(watch.results(), (QStringList{QStringLiteral("01:02:03:456"), QStringLiteral("01:02:03:500")}));
}

// Stop pauses: Start after Stop goes on from the time shown, not from the first Start.
TEST(Stopwatch, StopPausesAndStartContinuesFromTheShownTime)
{
    FakeClock clock;
    Stopwatch watch(clock);
    watch.startStop();
    clock.advanceMs(5000);
    watch.tick();
    watch.startStop(); // Stop
    EXPECT_EQ(watch.state(), Stopwatch::State::Paused);
    EXPECT_EQ(watch.display(), QStringLiteral("00|00|05|000"));
    EXPECT_EQ(watch.startStopCaption(), QStringLiteral("Start"));
    EXPECT_FALSE(watch.canSnap());
    EXPECT_TRUE(watch.canReset());
    EXPECT_EQ(watch.snap(), QString()); // Snap is off while paused

    clock.advanceMs(10000);
    watch.tick();
    EXPECT_EQ(watch.display(), QStringLiteral("00|00|05|000"));
    watch.startStop(); // Start again
    watch.tick();
    EXPECT_EQ(watch.display(), QStringLiteral("00|00|05|000"));
    clock.advanceMs(1250);
    watch.tick();
    EXPECT_EQ(watch.display(), QStringLiteral("00|00|06|250"));
    EXPECT_TRUE(watch.canSnap());
    EXPECT_FALSE(watch.canReset());

    // A Stop between two ticks shows the exact time of the Stop, and that is what counts on.
    clock.advanceMs(37);
    watch.startStop();
    EXPECT_EQ(watch.display(), QStringLiteral("00|00|06|287"));
    watch.startStop();
    clock.advanceMs(13);
    EXPECT_EQ(watch.snap(), QStringLiteral("00:00:06:300"));
}

TEST(Stopwatch, ResetClearsTimeAndResultsAndKeepsTheButtonsLook)
{
    FakeClock clock;
    Stopwatch watch(clock);
    watch.startStop();
    clock.advanceMs(1500);
    watch.snap();
    watch.startStop();
    watch.reset();
    EXPECT_EQ(watch.state(), Stopwatch::State::Reset);
    EXPECT_EQ(watch.display(), QStringLiteral("00|00|00|000"));
    EXPECT_TRUE(watch.results().isEmpty());
    EXPECT_FALSE(watch.isTicking());
    EXPECT_EQ(watch.startStopCaption(), QStringLiteral("Start"));
    EXPECT_FALSE(watch.canSnap());
    EXPECT_TRUE(watch.canReset());
    // A new Start counts from nothing.
    clock.advanceMs(7000);
    watch.startStop();
    clock.advanceMs(20);
    watch.tick();
    EXPECT_EQ(watch.display(), QStringLiteral("00|00|00|020"));
}

TEST(StopwatchResults, FileNameGetsTxtUnlessItEndsInIt)
{
    const struct { const char* given; const char* used; } cases[] = {
        {"/tmp/laps", "/tmp/laps.txt"},
        {"/tmp/laps.txt", "/tmp/laps.txt"},
        {"/tmp/laps.text", "/tmp/laps.text.txt"},
        {"/tmp/laps.TXT", "/tmp/laps.TXT.txt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Stopwatch::textFileName(QLatin1String(c.given)), QLatin1String(c.used)) << c.given;
}

TEST(StopwatchResults, ThreeSnapsMakeFourUtf16Lines)
{
    TempDir dir;
    const QStringList results{QStringLiteral("00:00:01:100"), QStringLiteral("00:00:02:200"), QStringLiteral("01:02:03:456")};
    ASSERT_TRUE(Stopwatch::saveResults(dir.file(QStringLiteral("laps")), results));
    EXPECT_FALSE(dir.exists(QStringLiteral("laps")));
    const QByteArray expected = utf16le("No.\tTime\n1\t00:00:01:100\n2\t00:00:02:200\n3\t01:02:03:456\n");
    EXPECT_EQ(dir.read(QStringLiteral("laps.txt")), expected);

    // Saving under laps.txt replaces that same file, also when it was read-only.
    ::chmod(QFile::encodeName(dir.file(QStringLiteral("laps.txt"))).constData(), 0444);
    ASSERT_TRUE(Stopwatch::saveResults(dir.file(QStringLiteral("laps.txt")), results.mid(0, 1)));
    EXPECT_EQ(dir.read(QStringLiteral("laps.txt")), utf16le("No.\tTime\n1\t00:00:01:100\n"));
    EXPECT_FALSE(dir.exists(QStringLiteral("laps.txt.txt")));

    // No results: the header alone.
    EXPECT_EQ(Stopwatch::resultsFile({}), utf16le("No.\tTime\n"));
}

TEST(StopwatchResults, AFileThatCannotBeWrittenIsReported)
{
    TempDir dir;
    EXPECT_FALSE(Stopwatch::saveResults(dir.file(QStringLiteral("missing/laps")), {QStringLiteral("00:00:01:000")}));
    EXPECT_FALSE(dir.exists(QStringLiteral("missing/laps.txt")));
}

} // namespace
