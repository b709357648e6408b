#include "mail/MailStamp.h"

#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QTimeZone>

namespace {

QMutex& stampMutex()
{
    static QMutex m;
    return m;
}

qint64& lastIssuedMs()
{
    static qint64 last = 0;
    return last;
}

QString two(int v)
{
    return QString::number(v).rightJustified(2, QLatin1Char('0'));
}

} // namespace

QString MailStamp::format(const QDateTime& utc)
{
    const QDateTime t = utc.toUTC().addSecs(8 * 3600);
    const QDate d = t.date();
    const QTime tm = t.time();
    const int ms = tm.msec();
    return QString::number(d.year()) + two(d.month()) + two(d.day()) + two(tm.hour()) + two(tm.minute())
        + two(tm.second()) + (ms < 10 ? QLatin1Char('0') + QString::number(ms) : QString::number(ms));
}

QString MailStamp::uniqueFileName(const QString& dir, const Now& now)
{
    const QDateTime current = now ? now() : QDateTime::currentDateTimeUtc();
    QMutexLocker lock(&stampMutex());
    qint64 ms = current.toMSecsSinceEpoch();
    if (ms <= lastIssuedMs())
        ms = lastIssuedMs() + 1;
    for (;;) {
        const QString name = format(QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::utc())) + QStringLiteral(".eml");
        if (!QFileInfo::exists(dir + name)) {
            lastIssuedMs() = ms;
            return name;
        }
        ++ms;
    }
}
