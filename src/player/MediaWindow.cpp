#include "player/MediaWindow.h"

#include "controls/BitmapButton.h"
#include "controls/FramelessFrame.h"
#include "controls/PopupMenu.h"
#include "controls/Skin.h"
#include "controls/TitleStrip.h"
#include "player/PlayList.h"
#include "player/PlayerTiming.h"

#include <QAudioOutput>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMediaMetaData>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QUrl>
#include <QVideoSink>
#include <QVideoWidget>

namespace {

constexpr int TitleHeight = 24;
constexpr int Side = 6;

BitmapButton* titleButton(const Skin::ButtonImages& images, int id, QWidget* parent)
{
    auto* b = new BitmapButton(parent);
    b->setObjectName(QStringLiteral("id%1").arg(id));
    b->setImages(images);
    b->setCursor(Qt::PointingHandCursor);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

// The mark of the chosen zoom in the menu: a tick in the skin's deep blue.
QIcon tickIcon()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(29, 90, 160), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
    return QIcon(pm);
}

QString clock(qint64 ms)
{
    return PlayerTiming::timeText(ms / 1000.0);
}

} // namespace

MediaWindow::MediaWindow(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_player(nullptr),
      m_audio(nullptr),
      m_component(new QWidget(this)),
      m_video(new QVideoWidget(m_component)),
      m_strip(new QLabel(m_component)),
      m_hide(titleButton(Skin::MediaHideButton, IdHide, this)),
      m_zoomButton(titleButton(Skin::MediaZoomButton, IdZoom, this)),
      m_close(titleButton(Skin::MediaCloseButton, IdClose, this))
{
    setObjectName(QStringLiteral("MediaWindow"));
    setWindowTitle(QStringLiteral("My Player"));
    setWindowIcon(Skin::programIcon());
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::StrongFocus);
    m_component->setObjectName(QStringLiteral("id%1").arg(IdComponent));
    m_video->setObjectName(QStringLiteral("video"));
    m_video->setAspectRatioMode(Qt::KeepAspectRatio);
    m_strip->setObjectName(QStringLiteral("strip"));
    m_strip->setAlignment(Qt::AlignCenter);
    m_strip->setWordWrap(true);
    m_strip->setAutoFillBackground(true);
    QPalette pal = m_strip->palette();
    pal.setColor(QPalette::Window, QColor(20, 44, 80));
    pal.setColor(QPalette::WindowText, QColor(220, 236, 255));
    m_strip->setPalette(pal);
    QPalette black = m_component->palette();
    black.setColor(QPalette::Window, Qt::black);
    m_component->setPalette(black);
    m_component->setAutoFillBackground(true);

    makePlayer();

    // First size: half the screen by half the screen plus 100, centred; the component
    // fills it.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->size() : QSize(1024, 768);
    const QSize first = PlayerTiming::firstWindowSize(screenSize);
    m_component->setGeometry(Side, TitleHeight, first.width() - 12, first.height() - 30);
    layoutComponent();
    resize(first);
    centre();

    // The left button moves the window from anywhere on it.
    for (QWidget* area : {static_cast<QWidget*>(this), m_component, static_cast<QWidget*>(m_video), static_cast<QWidget*>(m_strip)})
        new FramelessFrame(area);

    m_timer.setInterval(PlayerTiming::VideoTickMs);
    connect(&m_timer, &QTimer::timeout, this, &MediaWindow::videoTick);
    connect(m_zoomButton, &QAbstractButton::clicked, this, &MediaWindow::showZoomMenu);
    connect(m_close, &QAbstractButton::clicked, this, &MediaWindow::closeWindow);
    // Hide has no action of its own.
    updateStrip();
}

void MediaWindow::makePlayer()
{
    int volume = 100;
    if (m_player) {
        volume = this->volume();
        m_player->disconnect(this);
        m_player->stop();
        m_player->setVideoOutput(static_cast<QObject*>(nullptr));
        m_player->setAudioOutput(nullptr);
        m_player->deleteLater();
        m_audio->deleteLater();
    }
    m_player = new QMediaPlayer(this);
    m_audio = new QAudioOutput(this);
    m_player->setAudioOutput(m_audio);
    m_player->setVideoOutput(m_video);
    setVolume(volume);
    m_playerSpoilt = false;
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, &MediaWindow::statusChanged);
    connect(m_player, &QMediaPlayer::hasVideoChanged, this, [this](bool video) {
        if (video && m_running)
            show();
    });
    connect(m_player, &QMediaPlayer::errorOccurred, this, [this] {
        m_playerSpoilt = true;
        if (m_running && !m_failureReported) {
            m_failureReported = true;
            Q_EMIT failed();
        }
    });
    connect(m_player, &QMediaPlayer::positionChanged, this, &MediaWindow::updateStrip);
    connect(m_player, &QMediaPlayer::durationChanged, this, &MediaWindow::updateStrip);
}

MediaWindow::~MediaWindow()
{
    m_timer.stop();
    m_player->stop();
}

void MediaWindow::centre()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void MediaWindow::load()
{
    if (m_playerSpoilt)
        makePlayer();
    m_ended = false;
    m_loaded = false;
    m_failureReported = false;
    m_player->setSource(QUrl::fromLocalFile(m_path));
    m_player->play();
    updateStrip();
}

void MediaWindow::start(const QString& path, bool fromBeginning)
{
    m_path = path;
    if (fromBeginning) {
        m_player->stop();
        m_player->setPosition(0);
    }
    // A component that stands still (not started, or stopped) loads the file and starts
    // it; one that is playing or paused goes on.
    if (m_player->playbackState() == QMediaPlayer::StoppedState)
        load();
    m_running = true;
    m_timer.start();
    if (m_player->hasVideo())
        show();
}

void MediaWindow::pause()
{
    m_player->pause();
}

void MediaWindow::resume()
{
    m_player->play();
}

void MediaWindow::stop()
{
    m_running = false;
    m_timer.stop();
    m_player->stop();
}

void MediaWindow::setPosition(double seconds)
{
    m_ended = false;
    m_player->setPosition(qint64(seconds * 1000));
}

double MediaWindow::position() const
{
    // While a new file loads the player still reports the old file's position: nothing is
    // known until it has loaded. At the end the component reports the end, whatever its
    // own position says.
    if (!m_loaded)
        return 0;
    if (m_ended)
        return duration();
    return m_player->position() / 1000.0;
}

double MediaWindow::duration() const
{
    return m_loaded ? m_player->duration() / 1000.0 : 0;
}

int MediaWindow::volume() const
{
    return qRound(m_audio->volume() * 100);
}

void MediaWindow::setVolume(int volume)
{
    m_audio->setVolume(qBound(0, volume, 100) / 100.0);
}

void MediaWindow::statusChanged(QMediaPlayer::MediaStatus status)
{
    switch (status) {
    case QMediaPlayer::EndOfMedia:
        m_ended = true;
        m_loaded = true;
        break;
    case QMediaPlayer::BufferingMedia:
    case QMediaPlayer::StalledMedia:
        m_loaded = true;
        break;
    case QMediaPlayer::InvalidMedia:
        m_playerSpoilt = true;
        if (m_running && !m_failureReported) {
            m_failureReported = true;
            Q_EMIT failed();
        }
        break;
    case QMediaPlayer::LoadedMedia:
    case QMediaPlayer::BufferedMedia:
        m_loaded = true;
        // A file without a picture plays with the window out of the way.
        if (!m_player->hasVideo())
            hide();
        break;
    default:
        break;
    }
    updateStrip();
}

void MediaWindow::videoTick()
{
    // A component that should be playing but stands still (it did not start) is given the
    // file again. The end of a file and a file it cannot play are the page's to handle.
    const QMediaPlayer::MediaStatus status = m_player->mediaStatus();
    if (m_running && m_player->playbackState() == QMediaPlayer::StoppedState && status != QMediaPlayer::EndOfMedia
        && status != QMediaPlayer::InvalidMedia && status != QMediaPlayer::LoadingMedia)
        load();
    fitAroundComponent();
}

void MediaWindow::fitAroundComponent()
{
    const QSize wanted = PlayerTiming::windowAround(m_component->size());
    if (PlayerTiming::needsRefit(size(), wanted)) {
        resize(wanted);
        centre();
    }
}

QSize MediaWindow::pictureSize() const
{
    QSize size = m_video->videoSink() ? m_video->videoSink()->videoSize() : QSize();
    if (!size.isValid() || size.isEmpty())
        size = m_player->metaData().value(QMediaMetaData::Resolution).toSize();
    return size;
}

void MediaWindow::zoom(int choice)
{
    m_zoom = qBound(0, choice, 4);
    m_component->resize(PlayerTiming::zoomedComponent(pictureSize(), m_zoom));
    layoutComponent();
    fitAroundComponent();
    centre();
}

void MediaWindow::showZoomMenu()
{
    PopupMenu menu(this);
    for (int i = 0; i < 5; ++i) {
        menu.addItem(IdZoom0 + i, QStringLiteral("Zoom%1").arg(i));
        QAction* item = menu.item(IdZoom0 + i);
        item->setCheckable(true);
        item->setChecked(i == m_zoom);
        if (i == m_zoom) {
            // The menu's pictures stand where a check box would: the chosen zoom shows a tick.
            item->setIcon(tickIcon());
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
        }
    }
    const int chosen = menu.exec(QCursor::pos());
    if (chosen >= IdZoom0 && chosen < IdZoom0 + 5)
        zoom(chosen - IdZoom0);
}

void MediaWindow::closeWindow()
{
    stop();
    hide();
    Q_EMIT closed();
}

void MediaWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Space:
        m_timer.stop();
        m_video->setFullScreen(false);
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void MediaWindow::layoutComponent()
{
    const QSize c = m_component->size();
    const int picture = qMax(0, c.height() - StripHeight);
    m_video->setGeometry(0, 0, c.width(), picture);
    m_strip->setGeometry(0, picture, c.width(), c.height() - picture);
}

void MediaWindow::updateStrip()
{
    const QString name = m_path.isEmpty() ? QString() : PlayList::fileName(m_path);
    m_strip->setText(name.isEmpty() ? QString() : name + QStringLiteral("\n") + clock(m_player->position()) + QStringLiteral(" / ") + clock(m_player->duration()));
}

void MediaWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int w = width();
    m_hide->setGeometry(w - 71, 0, 20, 24);
    m_zoomButton->setGeometry(w - 51, 0, 20, 24);
    m_close->setGeometry(w - 31, 0, 31, 24);
    layoutComponent();
}

void MediaWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    // The frame: the skin's title picture across the top, the window in the skin's deep
    // blue around the component.
    p.fillRect(r, QColor(29, 90, 160));
    Skin::paintToolTitle(p, QRect(0, 0, r.width(), TitleHeight));
    p.setPen(Qt::white);
    p.setFont(TitleStrip::titleFont());
    p.drawText(QRect(10, 0, r.width() - 90, TitleHeight), Qt::AlignVCenter | Qt::AlignLeft, windowTitle());
    p.setPen(QColor(16, 52, 100));
    p.drawRect(r.adjusted(0, 0, -1, -1));
}
