// The calendar's recurring work and the clock faces' outlines: opening the calendar window with
// all 54 zones in its list, its 900 ms refreshes (the clock lines, the world times), a Cartoon
// Clock skin change (the outline cut pixel by pixel and the display searched, for every skin),
// and the Pointer Clock's once-a-second new hands and outline. Each figure is the mean of
// repeated runs after one to warm up. Run: build-bench/run/bench_calendar [program dir]
// (offscreen; the program directory with the clocks' pictures defaults to build-bench/bin).
#include "calendar/CCalendarDlg.h"
#include "calendar/WorldTime.h"
#include "support/FakePlatform.h"
#include "timekeeping/CCartoonClock.h"
#include "timekeeping/CPointerClock.h"
#include "timekeeping/ClockFaces.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

// The mean milliseconds of `runs` calls after one to warm up.
double meanMs(int runs, const std::function<void()>& work)
{
    work();
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < runs; ++i)
        work();
    return double(t.nsecsElapsed()) / 1e6 / runs;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.core.qobject.connect=false"); // the tray has no host offscreen
    QApplication app(argc, argv);
    const QString pictures = argc > 1 ? QString::fromLocal8Bit(argv[1]) + QLatin1Char('/')
                                      : QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/");
    FakePlatform fake; // a clock stepped by hand, a 1024 x 768 desktop, connected by LAN
    Platform& platform = fake.platform();
    FakeClock& steps = fake.clock();

    // The calendar with every zone in its list.
    QTemporaryDir dir;
    const QString programDir = dir.path() + QLatin1Char('/');
    ZoneList zones;
    for (const QString& z : WorldTime::zoneChoices())
        zones.add(z);
    zones.store(programDir + ZoneList::fileName());
    std::unique_ptr<CCalendarDlg> calendar;
    const double open = meanMs(10, [&] { calendar = std::make_unique<CCalendarDlg>(programDir, platform); });
    const double clockRefresh = meanMs(1000, [&] {
        steps.advance(1);
        calendar->time().clockRefresh();
    });
    const double worldRefresh = meanMs(1000, [&] {
        steps.advance(1);
        calendar->refreshWorldTimes();
    });
    std::printf("calendar window, 54 zones: open %.2f ms, clock refresh %.3f ms, world-time refresh %.3f ms\n", open,
                clockRefresh, worldRefresh);

    // The Cartoon Clock's skins.
    CCartoonClock cartoon(steps, pictures);
    std::printf("%-18s %9s %10s\n", "skin", "size", "change ms");
    for (int i = 0; i < CartoonClock::skins().size(); ++i) {
        const double change = meanMs(20, [&] { cartoon.setSkin(i); });
        std::printf("%-18s %4dx%-4d %10.3f\n", qPrintable(CartoonClock::skins()[i].file), cartoon.width(), cartoon.height(),
                    change);
    }

    // The Pointer Clock, a second at a time.
    CPointerClock pointer(steps, fake.desktop());
    const double hands = meanMs(1000, [&] {
        steps.advance(1);
        pointer.refresh();
    });
    std::printf("pointer clock: new hands and outline %.3f ms a second (%d rectangles in the outline)\n", hands,
                int(pointer.outline().rectCount()));
    return 0;
}
