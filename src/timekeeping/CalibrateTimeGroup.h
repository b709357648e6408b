#pragma once
#include <QGroupBox>
#include <QTimer>

#include "timekeeping/TimeServerClient.h"

class Clock;
class Network;
class QComboBox;
class QPlainTextEdit;
class QPushButton;

// The "Calibrate Time" group: the list of time servers, the log, "Calibrate" and "Check Net",
// over a TimeServerClient. The group ticks the client once a second while an exchange is
// under way (the dots).
class CalibrateTimeGroup : public QGroupBox
{
    Q_OBJECT
public:
    CalibrateTimeGroup(Clock& clock, Network& network, QWidget* parent = nullptr);

    // The host's opening: the first server selected, the connection check, the tool tips.
    void setUp();

    TimeServerClient& client() { return m_client; }
    QComboBox* servers() const { return m_servers; }
    QPlainTextEdit* log() const { return m_log; }
    QPushButton* calibrateButton() const { return m_calibrate; }

private:
    void serverChosen(int index);
    void showLog();
    void setEnabledControls(bool on);

    TimeServerClient m_client;
    QTimer m_dots;
    QComboBox* m_servers = nullptr;
    QPlainTextEdit* m_log = nullptr;
    QPushButton* m_calibrate = nullptr;
    QPushButton* m_checkNet = nullptr;
};
