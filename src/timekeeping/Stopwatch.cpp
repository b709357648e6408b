#include "timekeeping/Stopwatch.h"

#include "platform/Clock.h"
#include "storage/DataFile.h"

#include <QSaveFile>

Stopwatch::Stopwatch(Clock& clock, QObject* parent) : QObject(parent), m_clock(clock) {}

QString Stopwatch::format(qint64 ms, QChar separator)
{
    const qint64 hours = ms / 3600000;
    const qint64 minutes = (ms % 3600000) / 60000;
    const qint64 seconds = (ms % 60000) / 1000;
    const qint64 millis = ms % 1000;
    const auto two = [](qint64 v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    return two(hours) + separator + two(minutes) + separator + two(seconds) + separator
        + QStringLiteral("%1").arg(millis, 3, 10, QLatin1Char('0'));
}

qint64 Stopwatch::elapsedMs() const
{
    switch (m_state) {
    case State::Running:
        return m_clock.tickMs() - m_startTick;
    case State::Paused:
        return m_pausedAt;
    case State::Reset:
        break;
    }
    return 0;
}

void Stopwatch::setDisplay(const QString& text)
{
    if (m_display == text)
        return;
    m_display = text;
    Q_EMIT displayChanged(text);
}

void Stopwatch::setTicking(bool on)
{
    if (m_ticking == on)
        return;
    m_ticking = on;
    Q_EMIT tickingChanged(on);
}

void Stopwatch::startStop()
{
    switch (m_state) {
    case State::Reset:
        m_startTick = m_clock.tickMs();
        m_state = State::Running;
        setDisplay(QStringLiteral("00|00|00|000"));
        setTicking(true);
        break;
    case State::Running:
        // The time shown is the time counted: the display stops at the moment of Stop.
        m_pausedAt = m_clock.tickMs() - m_startTick;
        m_state = State::Paused;
        setDisplay(format(m_pausedAt, QLatin1Char('|')));
        break;
    case State::Paused:
        // Go on from the time counted before Stop.
        m_startTick = m_clock.tickMs() - m_pausedAt;
        m_state = State::Running;
        break;
    }
    m_resetEnabled = m_state == State::Paused;
    Q_EMIT buttonsChanged();
}

QString Stopwatch::snap()
{
    if (m_state != State::Running)
        return {};
    const QString time = format(elapsedMs(), QLatin1Char(':'));
    m_results.append(time);
    Q_EMIT resultsChanged();
    return time;
}

void Stopwatch::reset()
{
    setTicking(false);
    m_state = State::Reset;
    m_pausedAt = 0;
    setDisplay(QStringLiteral("00|00|00|000"));
    m_results.clear();
    Q_EMIT resultsChanged();
    // The buttons keep their look: "Start", "Snap" off, "Reset" on.
    Q_EMIT buttonsChanged();
}

void Stopwatch::tick()
{
    if (m_state == State::Running)
        setDisplay(format(elapsedMs(), QLatin1Char('|')));
}

QString Stopwatch::textFileName(const QString& path)
{
    return path.endsWith(QStringLiteral(".txt")) ? path : path + QStringLiteral(".txt");
}

QByteArray Stopwatch::resultsFile(const QStringList& results)
{
    QString text = QStringLiteral("No.\tTime\n");
    for (qsizetype i = 0; i < results.size(); ++i)
        text += QStringLiteral("%1\t%2\n").arg(i + 1).arg(results.at(i));
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (const QChar c : std::as_const(text)) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

bool Stopwatch::saveResults(const QString& path, const QStringList& results)
{
    const QString name = textFileName(path);
    DataFile::resetAttributes(name);
    QSaveFile file(name);
    const QByteArray bytes = resultsFile(results);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}
