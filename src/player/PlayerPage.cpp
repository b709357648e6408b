#include "player/PlayerPage.h"

#include "controls/BitmapButton.h"
#include "controls/ItemFileChooser.h"
#include "controls/ItemListView.h"
#include "controls/LineTrackBar.h"
#include "controls/MessageBox.h"
#include "controls/Skin.h"
#include "platform/Platform.h"
#include "player/MediaWindow.h"
#include "player/PlayerTiming.h"
#include "player/Ticker.h"

#include <QLabel>
#include <QPainter>
#include <QResizeEvent>
#include <QSlider>
#include <QSpinBox>
#include <QStyledItemDelegate>

namespace {

// Rows keep their own text colour when selected (the playing row stays green), on a
// light highlight.
class RowColourDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QVariant fg = index.data(Qt::ForegroundRole);
        if (fg.isValid()) {
            const QColor c = fg.value<QBrush>().color();
            option->palette.setColor(QPalette::Active, QPalette::HighlightedText, c);
            option->palette.setColor(QPalette::Inactive, QPalette::HighlightedText, c);
        }
    }
};

} // namespace

PlayerPage::PlayerPage(const QString& programDir, Platform& platform, QWidget* parent, std::unique_ptr<Ticker> ticker,
                       MediaMaker maker)
    : ItemListPage(programDir + QStringLiteral("face/player1.bmp"), PlayerController::emptyListMessage(), parent),
      m_platform(platform),
      m_ticker(ticker ? std::move(ticker) : std::make_unique<QtTicker>()),
      m_maker(std::move(maker))
{
    setObjectName(QStringLiteral("PlayerPanel"));
    ItemListView* view = listView();
    view->setObjectName(QStringLiteral("id%1").arg(IdList));
    view->setItemDelegate(new RowColourDelegate(view));
    QPalette pal = view->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        pal.setColor(group, QPalette::Highlight, QColor(204, 235, 255));
    view->setPalette(pal);

    const struct
    {
        int id;
        Skin::ButtonImages images;
        const char16_t* tip;
    } buttons[] = {
        {IdFirst, Skin::PlayerFirstButton, u"First"}, {IdPlay, Skin::PlayerPlayButton, u"Play"},
        {IdPause, Skin::PlayerPauseButton, u"Pause"}, {IdStop, Skin::PlayerStopButton, u"Stop"},
        {IdLast, Skin::PlayerLastButton, u"Last"},    {IdMute, Skin::PlayerMenuButton, u"Mute"},
    };
    for (const auto& b : buttons) {
        auto* button = new BitmapButton(this);
        button->setObjectName(QStringLiteral("id%1").arg(b.id));
        button->setImages(b.images);
        button->setToolTip(QString::fromUtf16(b.tip));
        button->setFocusPolicy(Qt::NoFocus);
        m_buttons.append(button);
    }

    m_position = new LineTrackBar(this);
    m_position->setObjectName(QStringLiteral("id%1").arg(IdPosition));
    m_position->numberBox()->setObjectName(QStringLiteral("id%1").arg(IdPositionNumber));
    m_volume = new LineTrackBar(this);
    m_volume->setObjectName(QStringLiteral("id%1").arg(IdVolume));
    m_volume->numberBox()->setObjectName(QStringLiteral("id%1").arg(IdVolumeNumber));
    m_volume->setToolTip(QStringLiteral("Volume"));
    // The page is narrow: the bars show their line only; the number boxes carry the values.
    for (LineTrackBar* bar : {m_position, m_volume}) {
        bar->numberBox()->hide();
        bar->slider()->setStyleSheet(bar->slider()->styleSheet() + QStringLiteral(" QSlider { min-height: 16px; }"));
    }
    m_position->setRange(0, PlayerTiming::PositionBarMax);
    m_position->setValue(0);
    m_volume->setRange(0, PlayerTiming::VolumeBarMax);
    m_volume->setValue(PlayerTiming::VolumeBarStart);
    m_time = new QLabel(QStringLiteral("00:00"), this);
    m_time->setObjectName(QStringLiteral("id%1").arg(IdTime));
    m_time->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);

    m_controller = std::make_unique<PlayerController>(programDir, *platform.sound, *m_ticker);
    m_controller->setMediaFactory([this] { return makeWindow(); });
    PlayerController* c = m_controller.get();
    connect(c, &PlayerController::listChanged, this, &PlayerPage::rebuildRows);
    connect(c, &PlayerController::playingRowChanged, this, &PlayerPage::showPlayingRow);
    connect(c, &PlayerController::positionBarChanged, this, [this](int v) { setBarQuietly(m_position, v); });
    connect(c, &PlayerController::volumeBarChanged, this, [this](int v) { setBarQuietly(m_volume, v); });
    connect(c, &PlayerController::timeTextChanged, this, [this](const QString& text, bool wide) {
        m_time->setText(text);
        if (wide != m_wideTime) {
            m_wideTime = wide;
            placeControls();
        }
    });
    connect(c, &PlayerController::muteChanged, this, [this](bool muted) { button(IdMute)->setSelected(muted); });
    connect(c, &PlayerController::message, this, [this](const QString& text) { MessageBox::error(this, text); });

    connect(button(IdFirst), &QAbstractButton::clicked, c, &PlayerController::rewind);
    connect(button(IdPlay), &QAbstractButton::clicked, c, &PlayerController::play);
    connect(button(IdPause), &QAbstractButton::clicked, c, &PlayerController::togglePause);
    connect(button(IdStop), &QAbstractButton::clicked, c, &PlayerController::stop);
    connect(button(IdLast), &QAbstractButton::clicked, c, &PlayerController::next);
    connect(button(IdMute), &QAbstractButton::clicked, c, &PlayerController::toggleMute);
    // Only the user's moves seek or set the volume; the timer's updates are quiet.
    connect(m_position, &LineTrackBar::valueChanged, this, [this](int v) {
        if (!m_settingBar)
            m_controller->seek(v);
    });
    connect(m_volume, &LineTrackBar::valueChanged, this, [this](int v) {
        if (!m_settingBar)
            m_controller->setVolumeBar(v);
    });

    addMenuCommand(IdOpen, QStringLiteral("Open"), [this](int) { openFiles(); });
    addMenuCommand(IdAdd, QStringLiteral("Add"), [this](int row) { addFiles(row); });
    addMenuCommand(IdDelete, QStringLiteral("Delete"), [this](int) { deleteRows(); });

    m_controller->load(platform.codec.get());
}

PlayerPage::~PlayerPage()
{
    // The controller writes the files and lets go of the window before the window goes.
    m_controller.reset();
}

BitmapButton* PlayerPage::button(int id) const
{
    for (BitmapButton* b : m_buttons)
        if (b->objectName() == QStringLiteral("id%1").arg(id))
            return b;
    return nullptr;
}

QString PlayerPage::fileFilter()
{
    return QStringLiteral(
        "Mp3 File(*.mp3)|*.mp3|Wma File(*.wma)|*.wma|Video File(*.dat)|*.dat|Wave File(*.wav)|*.wav|AVI File(*.avi)|*.avi|"
        "Movie File(*.mov)|*.mov|Media File(*.mmm)|*.mmm|Mid File(*.mid;*.rmi)|*.mid;*.rmi|MPEG File(*.mpeg;*.mpg)|*.mpeg;*.mpg|"
        "All File(*.*)|*.*||");
}

MediaControl* PlayerPage::makeWindow()
{
    if (m_maker)
        return m_maker(this);
    m_window = new MediaWindow(this);
    connect(m_window, &MediaWindow::failed, m_controller.get(), &PlayerController::mediaFailed, Qt::QueuedConnection);
    connect(m_window, &MediaWindow::closed, m_controller.get(), &PlayerController::mediaClosed);
    return m_window;
}

QStringList PlayerPage::chooseFiles(const QString& caption)
{
    return ItemFileChooser::openFiles(this, caption, fileFilter(), m_controller->list().lastFolder);
}

void PlayerPage::openFiles()
{
    const QStringList chosen = chooseFiles(QStringLiteral("Open"));
    if (!chosen.isEmpty())
        m_controller->open(chosen);
}

void PlayerPage::addFiles(int clickedRow)
{
    const QStringList chosen = chooseFiles(QStringLiteral("Add"));
    if (!chosen.isEmpty())
        m_controller->add(chosen, clickedRow);
}

void PlayerPage::deleteRows()
{
    if (listView()->showsPlaceholder())
        return;
    m_controller->remove(listView()->selectedRows());
}

void PlayerPage::rowDoubleClicked(int row)
{
    m_controller->playRow(listView()->showsPlaceholder() ? -1 : row);
}

void PlayerPage::rebuildRows()
{
    ItemListView* view = listView();
    const PlayList& list = m_controller->list();
    if (list.isEmpty()) {
        view->setNames({});
        return;
    }
    view->setFixedRows(list.rowTexts());
    for (int i = 0; i < view->count(); ++i)
        view->item(i)->setForeground(rowColour());
}

void PlayerPage::showPlayingRow(int oldRow, int newRow, bool selected)
{
    ItemListView* view = listView();
    if (view->showsPlaceholder())
        return;
    if (QListWidgetItem* old = view->item(oldRow)) {
        old->setForeground(rowColour());
        old->setSelected(false);
    }
    if (QListWidgetItem* now = view->item(newRow)) {
        now->setForeground(playingColour());
        now->setSelected(selected);
    }
}

void PlayerPage::setBarQuietly(LineTrackBar* bar, int value)
{
    // A bar the user is dragging is left alone.
    if (bar->slider()->isSliderDown())
        return;
    m_settingBar = true;
    bar->setValue(value);
    m_settingBar = false;
}

void PlayerPage::resizeEvent(QResizeEvent* event)
{
    ItemListPage::resizeEvent(event);
    placeControls();
}

void PlayerPage::placeControls()
{
    const int w = width(), h = height();
    listView()->setGeometry(5, 10, qMax(0, w - 22), qMax(0, h - 74));
    const int buttonsY = h - 24;
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons.at(i)->setGeometry(5 + 16 * i, buttonsY, 16, 19);
    const int barHeight = 16;
    m_volume->setGeometry(106, buttonsY + (19 - barHeight) / 2, qMax(0, w - 106), barHeight);
    const int timeWidth = TimeWidth + (m_wideTime ? WideTimeExtra : 0);
    const int positionWidth = qMax(0, w - 8 - timeWidth - 4);
    m_position->setGeometry(8, h - 39, positionWidth, barHeight);
    m_time->setGeometry(8 + positionWidth + 2, h - 39, timeWidth + 2, barHeight);
}

void PlayerPage::paintEvent(QPaintEvent* event)
{
    ItemListPage::paintEvent(event);
    QPainter p(this);
    p.drawPixmap(QRect(0, height() - BottomBand, width(), BottomBand), Skin::resource(Skin::PlayerBottom));
}
