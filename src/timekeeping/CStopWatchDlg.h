#pragma once
#include <QTimer>

#include "controls/SkinnedDialog.h"
#include "timekeeping/Stopwatch.h"

class CGridCtrl;
class LedDigitRow;
class QPushButton;

// "StopWatch - Results": the snapped times in a grid ("No.", "Time", an empty row at the
// bottom), "Save" to a text file, "Hide" and "Close" (both hide it).
class CStopWatchResultsDlg : public SkinnedDialog
{
    Q_OBJECT
public:
    explicit CStopWatchResultsDlg(QWidget* parent = nullptr);

    // Shows the results: one row per time, numbered from 1.
    void setResults(const QStringList& times);
    CGridCtrl* grid() const { return m_grid; }
    // "Save": asks for a file name and writes the rows; says so when the file cannot be written.
    void save();

private:
    CGridCtrl* m_grid = nullptr;
    QStringList m_times;
};

// The "StopWatch" window: a row of LED digits "HH|MM|SS|mmm" refreshed every 88 ms, and
// "Start"/"Stop", "Snap", "Reset", "Close". It owns the results window.
class CStopWatchDlg : public SkinnedDialog
{
    Q_OBJECT
public:
    static constexpr int RefreshMs = 88;

    CStopWatchDlg(Clock& clock, const QString& programDir, QWidget* parent = nullptr);

    Stopwatch& model() { return m_watch; }
    CStopWatchResultsDlg* results() const { return m_results; }
    LedDigitRow* display() const { return m_display; }

private:
    void refreshButtons();
    void snap();
    void placeResults();

    Stopwatch m_watch;
    QTimer m_timer;
    LedDigitRow* m_display = nullptr;
    QPushButton* m_startStop = nullptr;
    QPushButton* m_snap = nullptr;
    QPushButton* m_reset = nullptr;
    CStopWatchResultsDlg* m_results = nullptr;
};
