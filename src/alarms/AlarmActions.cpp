#include "alarms/AlarmActions.h"

#include "alarms/AlarmRecord.h"
#include "platform/Launcher.h"
#include "platform/Platform.h"
#include "alarms/PopUpHost.h"
#include "platform/SessionServices.h"

AlarmActions::AlarmActions(Sound* sound, SessionServices* session, Launcher* launcher, PopUpHost* host)
    : m_sound(sound), m_session(session), m_launcher(launcher), m_host(host)
{
}

AlarmActions::AlarmActions(Platform& platform, PopUpHost* host)
    : AlarmActions(platform.sound.get(), platform.session.get(), platform.launcher.get(), host)
{
}

QList<Sound::Tone> AlarmActions::beepTones()
{
    QList<Sound::Tone> tones;
    for (int hz = 100; hz <= 1000; hz += 100)
        tones.append({hz, 100});
    return tones;
}

void AlarmActions::run(const AlarmRecord& alarm)
{
    // Everything the actions use is copied first: a nested message loop (PopUp) may let
    // the caller's list change under us.
    const AlarmRecord a = alarm;
    if (a.playSound && m_sound && a.soundCount > 0)
        m_sound->playWave(a.soundPath, a.soundCount);
    if (a.shutDown && m_session)
        m_session->powerOff();
    if (a.beep && m_sound)
        m_sound->playTones(beepTones());
    if (a.popUp && m_host) {
        m_host->bringPanelForward();
        if (!a.info.isEmpty())
            m_host->showAlarmMessage(a.info);
    }
    if (a.runApp && m_launcher)
        m_launcher->open(a.runPath, QStringLiteral("open"));
    if (a.lockScreen && m_session)
        m_session->lockSession();
    if (a.screenSave && m_session)
        m_session->startScreenSaver();
}
