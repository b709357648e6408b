#include "player/PlayerController.h"

#include "platform/Sound.h"
#include "player/MediaControl.h"
#include "player/PlayerTiming.h"
#include "player/Ticker.h"

#include <QFileInfo>

using namespace PlayerTiming;

PlayerController::PlayerController(const QString& programDir, Sound& sound, Ticker& ticker, QObject* parent)
    : QObject(parent), m_programDir(programDir), m_sound(sound), m_ticker(ticker), m_volumeBar(VolumeBarStart)
{
    m_ticker.onTick = [this] { tick(); };
}

PlayerController::~PlayerController()
{
    m_ticker.stop();
    m_ticker.onTick = nullptr;
    save();
}

void PlayerController::load(const TextCodec* codec)
{
    m_list.load(listFile(), codec);
    m_list.loadLastFolder(folderFile(), m_programDir, codec);
    rebuild();
    m_muted = m_sound.isMuted();
    Q_EMIT muteChanged(m_muted);
}

void PlayerController::save() const
{
    m_list.store(listFile());
    m_list.storeLastFolder(folderFile());
}

void PlayerController::rebuild()
{
    m_list.store(listFile());
    Q_EMIT listChanged();
}

void PlayerController::open(const QStringList& chosen)
{
    m_list.lastFolder = PlayList::chooserPath(chosen);
    m_newList = true;
    stopPlayback();
    m_list.replace(chosen);
    rebuild();
    startCurrent(true);
}

void PlayerController::add(const QStringList& chosen, int clickedRow)
{
    if (m_list.isEmpty()) {
        // Add to the empty list is Open, except that what plays is not rewound.
        m_list.lastFolder = PlayList::chooserPath(chosen);
        m_newList = true;
        stopPlayback();
        m_list.replace(chosen);
    } else {
        m_list.lastFolder = PlayList::chooserPath(chosen);
        m_newList = true;
        m_list.insert(chosen, clickedRow);
    }
    rebuild();
    startCurrent(false);
}

void PlayerController::remove(const QList<int>& rows)
{
    if (m_list.isEmpty())
        return;
    m_list.removeRows(rows);
    rebuild();
    // The rows were drawn anew: the playing row is coloured again at the next tick.
    m_newList = true;
}

void PlayerController::play()
{
    startCurrent(true);
}

void PlayerController::playRow(int row)
{
    if (!m_list.isEmpty()) {
        if (row < 0 || row >= m_list.size())
            return;
        m_list.currentIndex = row;
    }
    startCurrent(true);
}

void PlayerController::next()
{
    if (!m_list.isEmpty())
        m_list.currentIndex = m_list.nextIndex();
    startCurrent(true);
}

void PlayerController::rewind()
{
    m_stopped = false;
    if (m_media)
        m_media->setPosition(0);
}

void PlayerController::togglePause()
{
    m_paused = !m_paused;
    if (!m_media)
        return;
    if (m_paused)
        m_media->pause();
    else
        m_media->resume();
}

void PlayerController::stop()
{
    stopPlayback();
}

void PlayerController::stopPlayback()
{
    m_stopped = true;
    if (m_media)
        m_media->stop();
}

void PlayerController::seek(int barValue)
{
    if (m_media)
        m_media->setPosition(seekPosition(barValue, m_media->duration()));
}

void PlayerController::setVolumeBar(int barValue)
{
    m_volumeBar = barValue;
    if (m_media)
        m_media->setVolume(volumeFromBar(barValue));
}

void PlayerController::toggleMute()
{
    m_muted = !m_muted;
    m_sound.setMuted(m_muted);
    Q_EMIT muteChanged(m_muted);
}

void PlayerController::ensureMedia()
{
    if (m_media || !m_factory)
        return;
    m_media = m_factory();
    if (!m_media)
        return;
    // The component starts at the volume the bar shows.
    m_media->setVolume(volumeFromBar(m_volumeBar));
    m_ticker.start(PanelTickMs);
}

bool PlayerController::startCurrent(bool fromBeginning)
{
    if (m_list.isEmpty()) {
        Q_EMIT message(emptyListMessage());
        return false;
    }
    if (m_list.currentIndex < 0 || m_list.currentIndex >= m_list.size())
        m_list.currentIndex = 0;
    // Missing files are skipped. After a whole pass without a file that exists, playback
    // stops and the current row stays where the pass began.
    const int first = m_list.currentIndex;
    for (int tried = 1; !QFileInfo::exists(m_list.paths.at(m_list.currentIndex)); ++tried) {
        if (tried >= m_list.size()) {
            m_list.currentIndex = first;
            stopPlayback();
            return false;
        }
        m_list.currentIndex = m_list.nextIndex();
    }
    ensureMedia();
    if (!m_media)
        return false;
    m_stopped = false;
    // A new start is never paused: the next Pause pauses it.
    m_paused = false;
    m_media->start(m_list.paths.at(m_list.currentIndex), fromBeginning);
    return true;
}

void PlayerController::mediaFailed()
{
    // A file the component cannot play is passed over like a missing one; after a run of
    // failures as long as the list, playback stops instead of trying the files for ever.
    if (m_stopped || m_list.isEmpty())
        return;
    if (++m_failures >= m_list.size()) {
        m_failures = 0;
        stopPlayback();
        return;
    }
    m_list.currentIndex = m_list.nextIndex();
    startCurrent(true);
}

void PlayerController::mediaClosed()
{
    m_stopped = true;
}

void PlayerController::showPlayingRow(bool force)
{
    const int row = m_list.currentIndex;
    const bool selected = !m_stopped;
    if (!force && row == m_colouredRow && selected == m_rowSelected)
        return;
    const int old = m_colouredRow;
    m_colouredRow = row;
    m_rowSelected = selected;
    Q_EMIT playingRowChanged(old, row, selected);
}

void PlayerController::pollMute()
{
    const bool muted = m_sound.isMuted();
    if (muted != m_muted) {
        m_muted = muted;
        Q_EMIT muteChanged(m_muted);
    }
}

void PlayerController::tick()
{
    if (!m_media)
        return;
    if (!m_stopped && ++m_ticks % MutePollTicks == 0)
        pollMute();

    const double d = m_media->duration();
    const double p = m_media->position();
    if (!knownDuration(d))
        return;
    m_failures = 0;

    const int bar = PlayerTiming::positionBar(p, d);
    if (bar != m_positionBar) {
        m_positionBar = bar;
        Q_EMIT positionBarChanged(bar);
    }
    const QString text = PlayerTiming::timeText(p);
    const bool wide = wideTime(d);
    if (text != m_timeText || wide != m_wideTime) {
        m_timeText = text;
        m_wideTime = wide;
        Q_EMIT timeTextChanged(text, wide);
    }

    showPlayingRow(m_newList);
    m_newList = false;

    if (atEnd(p, d)) {
        m_list.currentIndex = m_list.nextIndex();
        startCurrent(true);
    }

    // The volume bar follows the component's volume, but is left alone while its value
    // already gives that volume (the bar's numbers and the volume's do not map one to one,
    // and a bar the user just moved must not jump back).
    if (!m_muted && m_media) {
        const int volume = m_media->volume();
        if (volumeFromBar(m_volumeBar) != volume) {
            m_volumeBar = PlayerTiming::volumeBar(volume);
            Q_EMIT volumeBarChanged(m_volumeBar);
        }
    }
}
