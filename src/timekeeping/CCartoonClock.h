#pragma once
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QTime>
#include <QTimer>
#include <QWidget>

class Clock;
class PopupMenu;

// The "Cartoon Clock": a skin picture from "bmp/Clock/" with a liquid-crystal time display in
// it, in a borderless, always-on-top, semi-transparent window cut to the skin's outline (every
// pixel of the top-left pixel's colour is cut away). The display sits where two black bars 109
// pixels apart frame it in the skin. The right button opens the "CartoonClock" menu: the
// "Skin" and "Font" (digit colour) submenus with the current ones marked, and "Close".
class CCartoonClock : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Opacity = 220; // of 255
    static constexpr int TickMs = 250;
    // Command numbers of the menu: skin i is SkinCommand + i, digit colour j FontCommand + j.
    enum : int { SkinCommand = 100, FontCommand = 200, CloseCommand = 300 };

    CCartoonClock(Clock& clock, const QString& programDir, QWidget* parent = nullptr);

    // Makes skin `index` (of CartoonClock::skins()) current and loads it; a picture that is
    // missing or not a bitmap leaves the window's size and outline as they were.
    void setSkin(int index);
    void setFont(int index);
    int skin() const { return m_skin; }
    int font() const { return m_font; }

    // Where the display starts in the skin: the upper end of the left black bar, the last
    // one found scanning the columns from the left, each from the top; (0, 0) when none.
    static QPoint findDisplayOrigin(const QImage& skin);
    // The skin's outline: every pixel but those of the top-left pixel's colour.
    static QRegion skinOutline(const QImage& skin);

    QPoint displayOrigin() const { return m_origin; }
    QRegion outline() const { return m_outline; }
    // The second shown; -1 before the first tick after showing.
    int shownSecond() const { return m_shownSecond; }
    QTime shownTime() const { return m_shownTime; }
    // The 250 ms tick: repaints when the second changed.
    void tick();
    // The right button's menu, with the current skin and digit colour marked.
    PopupMenu* createMenu(QWidget* parent);
    // Carries out a command of the menu.
    void command(int id);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void loadSkin();
    void loadDigits();

    Clock& m_clock;
    QString m_folder;
    int m_skin;
    int m_font;
    QImage m_skinImage;
    QImage m_digits;
    QPoint m_origin;
    QRegion m_outline;
    int m_shownSecond = -1;
    QTime m_shownTime;
    QTimer m_timer;
};
