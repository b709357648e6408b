#pragma once
#include "controls/ItemListPage.h"
#include "player/PlayerController.h"
#include "player/Ticker.h"

#include <functional>
#include <memory>

class BitmapButton;
class LineTrackBar;
class MediaWindow;
class QLabel;
struct Platform;

// The Player page (category 6): the play list of "Player.tmp" with its numbered blue rows
// and the green playing row, the right-click menu Open / Add / Delete, the six transport
// buttons, the position bar with the time text and the volume bar. Playing opens the video
// window "My Player".
class PlayerPage : public ItemListPage
{
    Q_OBJECT
public:
    enum : int {
        IdList = 1030,
        IdPlay = 1010,
        IdFirst = 1011,
        IdPause = 1012,
        IdStop = 1013,
        IdLast = 1014,
        IdPosition = 1015,
        IdPositionNumber = 1016,
        IdVolume = 1017,
        IdVolumeNumber = 1018,
        IdMute = 1019,
        IdTime = 1025,
        IdOpen = 1135,
        IdAdd = 1136,
        IdDelete = 1137,
    };
    static constexpr int BottomBand = 57;
    static constexpr int TimeWidth = 36;
    static constexpr int WideTimeExtra = 20;

    // Makes the video window; the default makes a MediaWindow owned by the page.
    using MediaMaker = std::function<MediaControl*(PlayerPage* page)>;

    PlayerPage(const QString& programDir, Platform& platform, QWidget* parent = nullptr,
               std::unique_ptr<Ticker> ticker = {}, MediaMaker maker = {});
    ~PlayerPage() override;

    PlayerController& controller() { return *m_controller; }
    Ticker& ticker() { return *m_ticker; }
    // The video window, once made (null with a maker of another kind).
    MediaWindow* mediaWindow() const { return m_window; }
    LineTrackBar* positionBar() const { return m_position; }
    LineTrackBar* volumeBar() const { return m_volume; }
    QLabel* timeText() const { return m_time; }
    BitmapButton* button(int id) const;

    static QString fileFilter();
    static QColor rowColour() { return QColor(0, 0, 255); }
    static QColor playingColour() { return QColor(54, 159, 45); }

    // The menu's commands (and the tests'): a chooser of several files, then Open or Add.
    void openFiles();
    void addFiles(int clickedRow);
    void deleteRows();

protected:
    void rowDoubleClicked(int row) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList chooseFiles(const QString& caption);
    void rebuildRows();
    void showPlayingRow(int oldRow, int newRow, bool selected);
    void setBarQuietly(LineTrackBar* bar, int value);
    void placeControls();
    MediaControl* makeWindow();

    Platform& m_platform;
    std::unique_ptr<Ticker> m_ticker;
    MediaMaker m_maker;
    std::unique_ptr<PlayerController> m_controller;
    MediaWindow* m_window = nullptr;
    QList<BitmapButton*> m_buttons;
    LineTrackBar* m_position = nullptr;
    LineTrackBar* m_volume = nullptr;
    QLabel* m_time = nullptr;
    bool m_wideTime = false;
    bool m_settingBar = false;
};
