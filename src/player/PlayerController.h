#pragma once
#include "player/PlayList.h"

#include <QObject>

#include <functional>

class MediaControl;
class Sound;
class TextCodec;
class Ticker;

// The logic of the Player page: the play list and its two files, the transport commands,
// the rules for playing a row (skipping missing files), and the 200 ms panel timer that
// moves the bars and the time text, colours the playing row, goes on to the next file at
// the end of one and follows the volume and the mute. The video window is made through
// the media factory on the first play; the mute is the default sound output's.
class PlayerController : public QObject
{
    Q_OBJECT
public:
    using MediaFactory = std::function<MediaControl*()>;

    // Mute polls run on every fifth tick while something plays: once a second.
    static constexpr int MutePollTicks = 5;

    PlayerController(const QString& programDir, Sound& sound, Ticker& ticker, QObject* parent = nullptr);
    ~PlayerController() override;

    // Makes the video window on the first play; the controller does not own it.
    void setMediaFactory(MediaFactory factory) { m_factory = std::move(factory); }

    // Reads "Player.tmp" and "Player.lst", writes "Player.tmp" back, reads the mute.
    void load(const TextCodec* codec = nullptr);
    // Writes "Player.tmp" and "Player.lst".
    void save() const;

    const PlayList& list() const { return m_list; }
    QString listFile() const { return m_programDir + QStringLiteral("Player.tmp"); }
    QString folderFile() const { return m_programDir + QStringLiteral("Player.lst"); }
    MediaControl* media() const { return m_media; }
    bool isPaused() const { return m_paused; }
    bool isMuted() const { return m_muted; }
    bool isStopped() const { return m_stopped; }
    int volumeBar() const { return m_volumeBar; }
    int positionBar() const { return m_positionBar; }
    QString timeText() const { return m_timeText; }
    // The row shown as playing (-1 for none).
    int playingRow() const { return m_colouredRow; }

    static QString emptyListMessage() { return QStringLiteral("Please right-click mouse to add media file."); }

    // The commands of the page.
    void open(const QStringList& chosen);
    void add(const QStringList& chosen, int clickedRow);
    void remove(const QList<int>& rows);
    void play();              // the current row from its beginning
    void playRow(int row);    // a double-clicked row
    void next();              // Last
    void rewind();            // First
    void togglePause();
    void stop();
    void seek(int barValue);  // the user moved the position bar
    void setVolumeBar(int barValue); // the user moved the volume bar
    void toggleMute();

    // The panel timer's work, every 200 ms while the video window exists.
    void tick();
    // The video window could not play its file.
    void mediaFailed();
    // The video window was closed (stopped and hidden).
    void mediaClosed();

Q_SIGNALS:
    // The rows must be rebuilt from list() (all blue, none selected).
    void listChanged();
    // The playing row moved or its look changed: `oldRow` back to blue and unselected,
    // `newRow` green, selected when `selected`.
    void playingRowChanged(int oldRow, int newRow, bool selected);
    void positionBarChanged(int value);
    void timeTextChanged(const QString& text, bool wide);
    void volumeBarChanged(int value);
    void muteChanged(bool muted);
    // A message for the user (caption "Error").
    void message(const QString& text);

private:
    // Plays the current row: skips missing files, and stops after a whole pass without one.
    bool startCurrent(bool fromBeginning);
    void ensureMedia();
    void stopPlayback();
    void rebuild();
    void showPlayingRow(bool force);
    void pollMute();

    QString m_programDir;
    Sound& m_sound;
    Ticker& m_ticker;
    MediaFactory m_factory;
    MediaControl* m_media = nullptr;
    PlayList m_list;

    bool m_paused = false;
    bool m_muted = false;
    bool m_newList = false;
    bool m_stopped = true;
    int m_colouredRow = -1;
    bool m_rowSelected = false;
    int m_positionBar = 0;
    int m_volumeBar;
    QString m_timeText = QStringLiteral("00:00");
    bool m_wideTime = false;
    int m_failures = 0; // files in a row that the component could not play
    int m_ticks = 0;
};
