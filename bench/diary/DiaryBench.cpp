// The diary window by diary size: opening it (reading "Diary.tmp", filling and colouring
// the grid newest first, writing the file back, as every New, Modify and Delete ends),
// Show All, Select with a title filter that passes one entry in seven, and the file's store
// and load alone. Run: build-bench/run/bench_diary (offscreen).
#include "diary/CWorkDiary.h"
#include "diary/DiaryBook.h"
#include "diary/DiaryFilter.h"
#include "platform/Clock.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {

class FixedClock final : public Clock
{
public:
    qint64 now() const override { return 1709543100; }
    qint64 tickMs() const override { return 0; }
    bool setSystemTime(const QDateTime&) override { return false; }
};

DiaryBook makeBook(int n)
{
    DiaryBook book;
    const QStringList states = DiaryEntry::stateWords();
    const QStringList weather = DiaryEntry::weatherWords();
    for (int i = 0; i < n; ++i) {
        DiaryEntry e;
        e.startTime = 1700000000 + i * 3600;
        e.expireTime = e.startTime + 86400;
        e.weather = weather.at(i % weather.size());
        e.schedule = states.at(i % states.size());
        e.title = QStringLiteral("%1 work item %2").arg(i % 7 == 0 ? QStringLiteral("plan") : QStringLiteral("review")).arg(i);
        e.content = QStringLiteral("What was done on item %1,\r\nand what is left to do next week.").arg(i);
        e.remark = QStringLiteral("remark %1").arg(i);
        book.append(e);
    }
    return book;
}

double ms(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Platform platform;
    platform.clock = std::make_unique<FixedClock>();
    std::printf("%8s %10s %12s %10s %10s %10s\n", "entries", "open ms", "show all ms", "select ms", "store ms", "load ms");
    for (int n : {10, 100, 1000, 5000, 20000}) {
        QTemporaryDir dir;
        const QString programDir = dir.path() + QLatin1Char('/');
        const DiaryBook book = makeBook(n);
        QElapsedTimer t;
        t.start();
        book.store(programDir + QStringLiteral("Diary.tmp"));
        const double store = ms(t);
        DiaryBook read;
        t.start();
        read.load(programDir + QStringLiteral("Diary.tmp"));
        const double load = ms(t);

        t.start();
        CWorkDiary diary(programDir, platform);
        const double open = ms(t);
        t.start();
        diary.showAll();
        const double showAll = ms(t);
        DiaryFilter plan = DiaryFilter::initial(0);
        plan.byTitle = true;
        plan.title = QStringLiteral("plan");
        t.start();
        diary.applyFilter(plan);
        const double select = ms(t);
        std::printf("%8d %10.1f %12.1f %10.1f %10.2f %10.2f\n", n, open, showAll, select, store, load);
    }
    return 0;
}
