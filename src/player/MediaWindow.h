#pragma once
#include "player/MediaControl.h"

#include <QMediaPlayer>
#include <QTimer>
#include <QWidget>

class BitmapButton;
class QAudioOutput;
class QLabel;
class QVideoWidget;

// "My Player": the video window of the Player page, a frameless top-most window holding
// the playback component (Qt's media player with a video widget and an audio output) at
// (6, 24), under a painted title with Hide, Zoom and Close. The component is the picture
// with a 70-pixel strip under it that names the file and shows the time. A file without
// a picture plays with the window hidden. Dragging with the left button anywhere moves it.
class MediaWindow : public QWidget, public MediaControl
{
    Q_OBJECT
public:
    enum : int { IdComponent = 1000, IdHide = 1001, IdZoom = 1006, IdClose = 1017 };
    // The Zoom menu's commands, "Zoom0" .. "Zoom4".
    enum : int { IdZoom0 = 32800 };
    static constexpr int StripHeight = 70;

    explicit MediaWindow(QWidget* owner = nullptr);
    ~MediaWindow() override;

    void start(const QString& path, bool fromBeginning) override;
    void pause() override;
    void resume() override;
    void stop() override;
    void setPosition(double seconds) override;
    double position() const override;
    double duration() const override;
    int volume() const override;
    void setVolume(int volume) override;

    // Resizes the component for the picture at one of the five zooms (0..4), then refits
    // and re-centres the window.
    void zoom(int choice);
    // The chosen zoom, -1 before the first choice.
    int zoomChoice() const { return m_zoom; }
    // Close: stop and hide.
    void closeWindow();
    // Keeps the window fitted around the component, re-centred on the desktop.
    void fitAroundComponent();

    QWidget* component() const { return m_component; }
    QMediaPlayer* player() const { return m_player; }
    QString path() const { return m_path; }
    bool timerActive() const { return m_timer.isActive(); }
    // The picture's own size (empty while not known).
    QSize pictureSize() const;

Q_SIGNALS:
    // The component could not play the file.
    void failed();
    // Close was pressed.
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void load();
    // A fresh player and audio output (Qt's GStreamer player does not recover from a file it
    // could not play: the next file fails too).
    void makePlayer();
    void videoTick();
    void statusChanged(QMediaPlayer::MediaStatus status);
    void showZoomMenu();
    void layoutComponent();
    void updateStrip();
    void centre();

    QMediaPlayer* m_player;
    QAudioOutput* m_audio;
    QWidget* m_component;
    QVideoWidget* m_video;
    QLabel* m_strip;
    BitmapButton* m_hide;
    BitmapButton* m_zoomButton;
    BitmapButton* m_close;
    QTimer m_timer;
    QString m_path;
    int m_zoom = -1;
    bool m_running = false; // started and not stopped
    bool m_ended = false;   // the file played to its end
    bool m_loaded = false;  // the file is loaded: its position and duration are its own
    bool m_failureReported = false;
    bool m_playerSpoilt = false; // the player failed on a file: the next load needs a new one
};
