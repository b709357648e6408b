#pragma once
#include "app/Docking.h"
#include "app/LogonStart.h"
#include "app/PanelSettings.h"
#include "alarms/PopUpHost.h"
#include "controls/WindowFactory.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <array>
#include <map>
#include <vector>

class BitmapButton;
class CSettingDlg;
class QLabel;
class QMovie;
class QStackedWidget;
class QSystemTrayIcon;
struct Platform;

// The main panel: a narrow floating window with the seven category buttons and their
// pages, the tool buttons, the tray icon, transparency, always-on-top, log-on start, the
// show/hide hot key and docking at the top edge of the screen. It owns every tool window.
class CMarrowbyDlg : public QDialog, public PopUpHost
{
    Q_OBJECT
public:
    enum : int {
        IdAbout = 16,
        IdPlayer = 1002, IdGame = 1003, IdAlarm = 1004, IdBoot = 1005, IdFavorite = 1006,
        IdSysTool = 1009, IdWork = 1010,
        IdMail = 1011, IdCalculator = 1012, IdMetrology = 1013, IdCalendar = 1014,
        IdShortcutKey = 1016, IdMinimize = 1017, IdSetting = 1018, IdClose = 1019,
        IdAdBanner = 1141, IdBanner = 1142,
        IdMenuSetting = 32771, IdMenuExit = 32772, IdMenuMiniMail = 32773, IdMenuProfessionalMail = 32774,
        HotKeyPanel = 107, HotKeyWindow = 108,
        HelpContext = 1001,
    };
    // Categories 1..7; category n is page n - 1 of the page host.
    enum Category : int { Work = 1, Alarm, Favorite, SysTool, Boot, Player, Game };

    static constexpr int MinimumWidth = 210;
    static constexpr int MinimumHeight = 350;
    static constexpr int DockingIntervalMs = 50;

    CMarrowbyDlg(const QString& programDir, Platform& platform, QWidget* parent = nullptr);
    ~CMarrowbyDlg() override;

    QString programDir() const { return m_programDir; }
    Platform& platform() const { return m_platform; }

    void selectCategory(int category);
    int category() const { return m_category; }
    QWidget* page(int category) const;

    void showPanel();
    // What an alarm's PopUp asks of the panel.
    void bringPanelForward() override;
    void showAlarmMessage(const QString& info) override;
    void toggleShown();
    // The Minimize button: the tip (unless switched off), then hide.
    void minimizeToTray();
    // The tray icon's double-click.
    void restoreFromTray();
    // Close button, tray "Exit", SIGTERM: saves and ends the program.
    void exitProgram();
    void openSettings();
    // A tool button's action: the Mail menu, or the tool's window.
    void openTool(int buttonId);
    // Creates the tool's window the first time, then shows, raises and centres it.
    void openToolWindow(int buttonId);
    QWidget* toolWindow(int buttonId) const;
    // A window a category page asks for (a game, the diary).
    void openPageWindow(PageWindow key);
    QWidget* pageWindow(PageWindow key) const;

    void setAlpha(int alpha);
    void setAlwaysOnTop(bool on);
    void setRunOnLogon(bool on);
    bool runOnLogon() const;
    const PanelSettings& settings() const { return m_settings; }
    int expandedHeight() const { return m_docking.expandedHeight(); }
    // Half the difference between the outer and the client width.
    int frameWidth() const;

    // One docking step now (the timer runs it 50 ms after any change that matters).
    void dockingStep();
    bool dockingArmed() const { return m_dockTimer.isActive(); }

Q_SIGNALS:
    // Hot key 108, for the window hider.
    void windowHiderHotKey();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void createButtons();
    void createCategoryPages();
    WindowContext windowContext(QWidget* parent);
    LogonStart logonStart() const;
    static void bringUp(QWidget* window);
    void createTray();
    void loadSettings();
    void registerHotKeys();
    void layoutControls();
    void armDocking();
    // Geometry changes of the docking and the tray icon, which the resize rules leave alone.
    void setDockGeometry(const QRect& r);
    void holdMinimumHeight();
    void showTrayMenu();
    void showMailMenu();
    void showAboutBox();
    bool ownsWidget(QObject* object) const;

    QString m_programDir;
    Platform& m_platform;
    PanelSettings m_settings;
    Docking m_docking;
    int m_category = Game;
    bool m_exiting = false;
    bool m_dockResizing = false;
    bool m_runOnLogon = false;
    bool m_settingsSaved = false;

    QTimer m_dockTimer;  // one step 50 ms after a change that matters
    QTimer m_dockWatch;  // a slow safety net while the pointer position matters

    std::array<BitmapButton*, 7> m_categoryButtons{};
    std::vector<BitmapButton*> m_toolButtons; // left to right
    BitmapButton* m_minimize = nullptr;
    BitmapButton* m_setting = nullptr;
    BitmapButton* m_close = nullptr;
    QLabel* m_banner = nullptr;
    QMovie* m_movie = nullptr;
    int m_bannerFrame = -1; // the banner's frame last shown in this run through
    QStackedWidget* m_pages = nullptr;
    QSystemTrayIcon* m_tray = nullptr;
    CSettingDlg* m_settingDlg = nullptr;

    std::map<int, QPointer<QWidget>> m_tools;
    std::map<PageWindow, QPointer<QWidget>> m_pageWindows;
};
