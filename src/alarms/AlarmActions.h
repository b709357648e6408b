#pragma once
#include "platform/Sound.h"

#include <QList>

class Launcher;
class PopUpHost;
class SessionServices;
struct Platform;
struct AlarmRecord;

// The actions of a due alarm, in their fixed order: PlaySound, ShutDown, Beep, PopUp,
// RunApp, LockScreen, ScreenSave. A missing service (null) skips its action silently.
class AlarmActions
{
public:
    AlarmActions(Sound* sound, SessionServices* session, Launcher* launcher, PopUpHost* host);
    explicit AlarmActions(Platform& platform, PopUpHost* host = nullptr);

    void setPopUpHost(PopUpHost* host) { m_host = host; }
    // Runs every action whose flag is set. PopUp's message box is modal: the actions after
    // it run once it is closed.
    void run(const AlarmRecord& alarm);

    // Beep: ten tones of 100 ms rising from 100 Hz to 1000 Hz.
    static QList<Sound::Tone> beepTones();

private:
    Sound* m_sound;
    SessionServices* m_session;
    Launcher* m_launcher;
    PopUpHost* m_host;
};
