#pragma once
#include <QObject>
#include <QString>
#include <QStringList>

class Clock;

// The stopwatch: counts the milliseconds of the tick count while it runs, shows them as
// "HH|MM|SS|mmm", and keeps the snapped times. Stop pauses it: the paused time is not
// counted, so Start after Stop goes on from the time shown.
class Stopwatch : public QObject
{
    Q_OBJECT
public:
    enum class State : int { Reset = 0, Running = 1, Paused = 2 };

    explicit Stopwatch(Clock& clock, QObject* parent = nullptr);

    // "Start" (when reset or paused) or "Stop" (when running), one button.
    void startStop();
    // Appends the running time to the results and returns it as "HH:MM:SS:mmm".
    QString snap();
    // Back to 00|00|00|000 with no results.
    void reset();
    // The display refresh (every 88 ms while isTicking()).
    void tick();

    State state() const { return m_state; }
    // The refresh timer runs from the first Start until Reset.
    bool isTicking() const { return m_ticking; }
    QString display() const { return m_display; }
    // The snapped times, oldest first.
    const QStringList& results() const { return m_results; }
    // The milliseconds counted up to now.
    qint64 elapsedMs() const;

    // The caption of the Start/Stop button and which buttons can be pressed.
    QString startStopCaption() const { return m_state == State::Running ? QStringLiteral("Stop") : QStringLiteral("Start"); }
    bool canSnap() const { return m_state == State::Running; }
    bool canReset() const { return m_resetEnabled; }

    // Hours, minutes, seconds and milliseconds of ms joined by sep ("%02d|%02d|%02d|%03d").
    static QString format(qint64 ms, QChar separator);

    // The results file: the name gets ".txt" unless it ends in it already; the lines are the
    // header "No.\tTime" and one "k\ttime" per snap, each ended by "\n", every character one
    // UTF-16 little-endian code unit, without a byte-order mark.
    static QString textFileName(const QString& path);
    static QByteArray resultsFile(const QStringList& results);
    // Writes resultsFile(results) to textFileName(path), making an existing read-only file
    // writable first; false when the file cannot be written.
    static bool saveResults(const QString& path, const QStringList& results);

Q_SIGNALS:
    void displayChanged(const QString& text);
    // The state, the caption or the buttons changed.
    void buttonsChanged();
    void tickingChanged(bool on);
    void resultsChanged();

private:
    void setDisplay(const QString& text);
    void setTicking(bool on);

    Clock& m_clock;
    State m_state = State::Reset;
    qint64 m_startTick = 0;  // the tick count at which the counted time began
    qint64 m_pausedAt = 0;   // the counted time when stopped
    bool m_ticking = false;
    bool m_resetEnabled = false;
    QString m_display = QStringLiteral("00|00|00|000");
    QStringList m_results;
};
