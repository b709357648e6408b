#include "app/CMarrowbyDlg.h"

#include "app/CAboutDlg.h"
#include "app/CHideTipDlg.h"
#include "app/CSettingDlg.h"
#include "app/LogonStart.h"
#include "app/ShellTables.h"
#include "controls/BitmapButton.h"
#include "controls/FramelessFrame.h"
#include "controls/HelpViewer.h"
#include "controls/MessageBox.h"
#include "controls/PopupMenu.h"
#include "controls/Skin.h"
#include "controls/SkinnedDialog.h"
#include "controls/TitleStrip.h"
#include "platform/HotKeyProfile.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStackedWidget>
#include <QSystemTrayIcon>
#include <QWindow>

namespace {

QString idName(int id)
{
    return QStringLiteral("id%1").arg(id);
}

void centreOnDesktop(QWidget* w)
{
    if (auto* skinned = qobject_cast<SkinnedDialog*>(w)) {
        skinned->centreOnDesktop();
        return;
    }
    if (QScreen* screen = QGuiApplication::primaryScreen())
        w->move(screen->availableGeometry().center() - QRect(QPoint(), w->frameGeometry().size()).center());
}

} // namespace

CMarrowbyDlg::CMarrowbyDlg(const QString& programDir, Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint)
    , m_programDir(programDir)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("CMarrowbyDlg"));
    setWindowTitle(QStringLiteral("Quillora"));
    setWindowIcon(Skin::programIcon());
    // The client area acts as a caption; the side and bottom edges resize the panel.
    auto* frame = new FramelessFrame(this);
    frame->setResizeEdges(Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);
    frame->setBeforeResize([this](Qt::Edges) {
        // What the resize rule gives a panel resized with the pointer on it.
        if (!Docking::isCollapsed(geometry()))
            setMinimumHeight(MinimumHeight);
    });
    // The window manager keeps to these limits while the user drags an edge; the docking
    // strip lifts the height limit while it is wanted (setDockGeometry()).
    setMinimumSize(MinimumWidth, 1);
    resize(MinimumWidth, 440);

    createButtons();
    createCategoryPages();
    loadSettings();
    registerHotKeys();
    selectCategory(Game);
    createTray();

    m_banner = new QLabel(this);
    m_banner->setObjectName(idName(IdBanner));
    m_banner->setAttribute(Qt::WA_TransparentForMouseEvents);
    const QString movie = m_programDir + QStringLiteral("Introduction");
    if (QFileInfo::exists(movie)) {
        m_movie = new QMovie(movie, QByteArray(), this);
        m_movie->setCacheMode(QMovie::CacheAll);
        m_banner->setMovie(m_movie);
        // The banner plays through once each time the panel is shown, then rests on its
        // last frame, so the idle panel costs nothing.
        connect(m_movie, &QMovie::frameChanged, this, [this](int frame) {
            if (frame < m_bannerFrame) {
                m_movie->jumpToFrame(m_bannerFrame);
                m_movie->setPaused(true);
                return;
            }
            m_bannerFrame = frame;
        });
    }

    m_dockTimer.setSingleShot(true);
    m_dockTimer.setInterval(DockingIntervalMs);
    connect(&m_dockTimer, &QTimer::timeout, this, &CMarrowbyDlg::dockingStep);
    m_dockWatch.setInterval(1000);
    connect(&m_dockWatch, &QTimer::timeout, this, &CMarrowbyDlg::dockingStep);

    qApp->installEventFilter(this);
    layoutControls();
}

CMarrowbyDlg::~CMarrowbyDlg()
{
    qApp->removeEventFilter(this);
    m_dockTimer.stop();
    m_dockWatch.stop();
    m_settings.setRect(rectToSave(geometry(), m_docking.expandedHeight()));
    m_settings.save(m_programDir);
    m_platform.desktop->unregisterHotKey(HotKeyPanel);
    m_platform.desktop->unregisterHotKey(HotKeyWindow);
    if (m_tray)
        m_tray->hide();
}

void CMarrowbyDlg::createButtons()
{
    auto make = [this](int id, const Skin::ButtonImages& images, const QString& tip) {
        auto* b = new BitmapButton(this);
        b->setObjectName(idName(id));
        b->setImages(images);
        b->setToolTip(tip);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    int category = Work;
    for (const ShellTables::Category& entry : ShellTables::categories()) {
        BitmapButton* b = make(entry.buttonId, entry.images, QString::fromUtf16(entry.tip));
        m_categoryButtons[category - 1] = b;
        connect(b, &QAbstractButton::clicked, this, [this, category] { selectCategory(category); });
        ++category;
    }
    for (const ShellTables::Tool& tool : ShellTables::tools()) {
        BitmapButton* b = make(tool.buttonId, tool.images, QString::fromUtf16(tool.tip));
        m_toolButtons.push_back(b);
        connect(b, &QAbstractButton::clicked, this, [this, id = tool.buttonId] { openTool(id); });
    }
    m_minimize = make(IdMinimize, Skin::MinimizeButton, QStringLiteral("Minimize"));
    m_setting = make(IdSetting, Skin::SettingButton, QStringLiteral("Setting"));
    m_close = make(IdClose, Skin::CloseButton, QStringLiteral("Close"));
    connect(m_minimize, &QAbstractButton::clicked, this, &CMarrowbyDlg::minimizeToTray);
    connect(m_setting, &QAbstractButton::clicked, this, &CMarrowbyDlg::openSettings);
    connect(m_close, &QAbstractButton::clicked, this, &CMarrowbyDlg::exitProgram);
}

void CMarrowbyDlg::createCategoryPages()
{
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("CPanelTab"));
    // Category pages, in page order: Work, Alarm, Favorite, SysTool, Boot, Player, Game.
    const WindowContext context = windowContext(m_pages);
    int category = Work;
    for (const ShellTables::Category& entry : ShellTables::categories()) {
        QWidget* page = entry.page ? entry.page(context) : new QWidget(m_pages);
        page->setObjectName(QStringLiteral("page%1").arg(category));
        page->setAutoFillBackground(true);
        QPalette pal = page->palette();
        pal.setColor(QPalette::Window, Qt::white);
        page->setPalette(pal);
        m_pages->addWidget(page);
        ++category;
    }
}

WindowContext CMarrowbyDlg::windowContext(QWidget* parent)
{
    return WindowContext{m_programDir, m_platform, this, parent, [this](PageWindow key) { openPageWindow(key); }};
}

QWidget* CMarrowbyDlg::page(int category) const
{
    return m_pages->widget(category - 1);
}

void CMarrowbyDlg::selectCategory(int category)
{
    if (category < Work || category > Game)
        return;
    m_pages->setCurrentIndex(category - 1);
    for (BitmapButton* b : m_categoryButtons)
        b->setSelected(false);
    m_categoryButtons[category - 1]->setSelected(true);
    m_category = category;
}

void CMarrowbyDlg::loadSettings()
{
    m_settings.setRect(geometry());
    const bool read = m_settings.load(m_programDir);
    const QRect screen = m_platform.desktop->screenGeometry();
    const QRect start = startRect(m_settings, read, geometry(), screen.width());
    setGeometry(start);
    m_docking.setExpandedHeight(start.height());
    setAlpha(m_settings.alpha);
    setWindowFlag(Qt::WindowStaysOnTopHint, m_settings.alwaysOnTop);

    m_runOnLogon = logonStart().isEnabled();
}

void CMarrowbyDlg::registerHotKeys()
{
    Desktop& desktop = *m_platform.desktop;
    HotKeyProfile::registerFromProfile(desktop, *m_platform.profile, HotKeyPanel);
    HotKeyProfile::registerFromProfile(desktop, *m_platform.profile, HotKeyWindow);
    connect(&desktop, &Desktop::hotKeyPressed, this, [this](int id) {
        if (id == HotKeyPanel)
            toggleShown();
        else if (id == HotKeyWindow)
            Q_EMIT windowHiderHotKey();
    });
}

void CMarrowbyDlg::createTray()
{
    m_tray = new QSystemTrayIcon(Skin::programIcon(), this);
    m_tray->setToolTip(QStringLiteral("Quillora"));
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick)
            restoreFromTray();
        else if (reason == QSystemTrayIcon::Context)
            // Not inside the icon's own mouse handler: "Exit" removes the icon.
            QMetaObject::invokeMethod(this, &CMarrowbyDlg::showTrayMenu, Qt::QueuedConnection);
    });
    m_tray->show();
}

void CMarrowbyDlg::showTrayMenu()
{
    PopupMenu menu(this);
    menu.addItem(IdMenuSetting, QStringLiteral("Setting"));
    menu.addItem(IdMenuExit, QStringLiteral("Exit"));
    const int chosen = menu.exec(m_platform.desktop->cursorPos());
    if (chosen == IdMenuSetting)
        openSettings();
    else if (chosen == IdMenuExit)
        exitProgram();
}

void CMarrowbyDlg::showMailMenu()
{
    PopupMenu menu(this);
    menu.addItem(IdMenuMiniMail, QStringLiteral("Mini mail"));
    menu.addItem(IdMenuProfessionalMail, QStringLiteral("Professional mail"));
    const int chosen = menu.exec(m_platform.desktop->cursorPos());
    if (chosen == IdMenuMiniMail)
        openToolWindow(IdMail);
    else if (chosen == IdMenuProfessionalMail) {
        m_platform.launcher->open(QStringLiteral("mailto:"));
    }
}

void CMarrowbyDlg::showAboutBox()
{
    CAboutDlg about(this);
    about.centreOnDesktop();
    about.exec();
}

void CMarrowbyDlg::openTool(int buttonId)
{
    if (buttonId == IdMail)
        showMailMenu();
    else
        openToolWindow(buttonId);
}

void CMarrowbyDlg::openToolWindow(int buttonId)
{
    QPointer<QWidget>& window = m_tools[buttonId];
    if (!window) {
        const auto tools = ShellTables::tools();
        const auto tool = std::find_if(tools.begin(), tools.end(), [buttonId](const auto& t) { return t.buttonId == buttonId; });
        if (tool == tools.end() || !tool->window)
            return; // that tool's window is not part of this build yet
        window = tool->window(windowContext(this));
    }
    centreOnDesktop(window);
    bringUp(window);
}

void CMarrowbyDlg::openPageWindow(PageWindow key)
{
    const auto windows = ShellTables::pageWindows();
    const auto entry = std::find_if(windows.begin(), windows.end(), [key](const auto& w) { return w.key == key; });
    if (entry == windows.end())
        return;
    if (entry->modal) {
        // Made anew each time and run until it closes.
        std::unique_ptr<QWidget> window(entry->window(windowContext(this)));
        if (auto* dialog = qobject_cast<QDialog*>(window.get()))
            dialog->exec();
        return;
    }
    QPointer<QWidget>& window = m_pageWindows[key];
    if (!window)
        window = entry->window(windowContext(this));
    bringUp(window);
}

QWidget* CMarrowbyDlg::pageWindow(PageWindow key) const
{
    const auto it = m_pageWindows.find(key);
    return it == m_pageWindows.end() ? nullptr : it->second.data();
}

void CMarrowbyDlg::bringUp(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

QWidget* CMarrowbyDlg::toolWindow(int buttonId) const
{
    const auto it = m_tools.find(buttonId);
    return it == m_tools.end() ? nullptr : it->second.data();
}

void CMarrowbyDlg::openSettings()
{
    if (!m_settingDlg) {
        m_settingDlg = new CSettingDlg(this);
        connect(m_settingDlg, &CSettingDlg::alphaChanged, this, &CMarrowbyDlg::setAlpha);
        connect(m_settingDlg, &CSettingDlg::runOnLogonClicked, this, &CMarrowbyDlg::setRunOnLogon);
        connect(m_settingDlg, &CSettingDlg::noHideTipClicked, this, [this](bool on) { m_settings.noHideTip = on; });
        connect(m_settingDlg, &CSettingDlg::alwaysOnTopClicked, this, &CMarrowbyDlg::setAlwaysOnTop);
    }
    m_settingDlg->setValues(m_settings.alpha, m_runOnLogon, frameWidth() <= 2, m_settings.noHideTip, m_settings.alwaysOnTop);
    m_settingDlg->centreOnDesktop();
    m_settingDlg->show();
    m_settingDlg->raise();
    m_settingDlg->activateWindow();
}

void CMarrowbyDlg::setAlpha(int alpha)
{
    m_settings.alpha = quint8(std::clamp(alpha, 0, 255));
    setWindowOpacity(m_settings.alpha / 255.0);
}

void CMarrowbyDlg::setAlwaysOnTop(bool on)
{
    m_settings.alwaysOnTop = on;
    if (QWindow* w = windowHandle())
        w->setFlag(Qt::WindowStaysOnTopHint, on);
    else
        setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (on)
        raise();
}

void CMarrowbyDlg::setRunOnLogon(bool on)
{
    m_runOnLogon = on;
    logonStart().setEnabled(on);
}

LogonStart CMarrowbyDlg::logonStart() const
{
    return LogonStart(*m_platform.registry, QCoreApplication::applicationFilePath());
}

bool CMarrowbyDlg::runOnLogon() const
{
    return m_runOnLogon;
}

int CMarrowbyDlg::frameWidth() const
{
    return (frameGeometry().width() - width()) / 2;
}

void CMarrowbyDlg::bringPanelForward()
{
    if (!isVisible())
        showPanel();
    if (!m_settings.alwaysOnTop) {
        setAlwaysOnTop(true);
        if (m_settingDlg)
            m_settingDlg->setValues(m_settings.alpha, m_runOnLogon, frameWidth() <= 2, m_settings.noHideTip, m_settings.alwaysOnTop);
    }
}

void CMarrowbyDlg::showAlarmMessage(const QString& info)
{
    MessageBox::info(this, info);
}

void CMarrowbyDlg::showPanel()
{
    show();
    if (m_settings.alwaysOnTop)
        setAlwaysOnTop(true);
    raise();
    activateWindow();
}

void CMarrowbyDlg::toggleShown()
{
    if (isVisible())
        hide();
    else
        showPanel();
}

void CMarrowbyDlg::minimizeToTray()
{
    if (!m_settings.noHideTip) {
        CHideTipDlg::run(m_settings.noHideTip, [this](bool on) { m_settings.noHideTip = on; }, this);
        if (m_settingDlg)
            m_settingDlg->setNoHideTip(m_settings.noHideTip);
    }
    hide();
}

void CMarrowbyDlg::restoreFromTray()
{
    const QRect g = geometry();
    if (g.height() < 10)
        setDockGeometry(QRect(g.left(), g.top() + 5, g.width(), m_docking.expandedHeight()));
    showPanel();
}

void CMarrowbyDlg::exitProgram()
{
    m_exiting = true;
    if (m_tray)
        m_tray->hide();
    done(QDialog::Accepted);
}

void CMarrowbyDlg::reject()
{
    // Escape never reaches here (the key filter drops it); only an exit closes the panel.
    if (m_exiting)
        QDialog::reject();
}

void CMarrowbyDlg::closeEvent(QCloseEvent* event)
{
    if (m_exiting) {
        event->accept();
        return;
    }
    // The window manager's close hides the panel to the tray; the program goes on.
    event->ignore();
    hide();
}

void CMarrowbyDlg::layoutControls()
{
    const int w = width(), h = height();
    m_close->setGeometry(w - 20, 0, 17, 20);
    m_setting->setGeometry(w - 37, 0, 17, 20);
    m_minimize->setGeometry(w - 54, 0, 17, 20);
    if (m_banner) {
        m_banner->setGeometry(0, 20, w - 1, 56);
        if (m_movie)
            m_movie->setScaledSize(QSize(w - 1, 56));
    }
    for (int i = 0; i < 7; ++i)
        m_categoryButtons[i]->setGeometry(0, 79 + 33 * i, 29, 33);
    m_pages->setGeometry(29, 79, w - 31, h - 113);
    int x = 20;
    for (BitmapButton* b : m_toolButtons) {
        b->setGeometry(x, h - 29, 29, 29);
        x += 29;
    }
}

void CMarrowbyDlg::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    Skin::paintPanel(p, rect(), frameWidth() <= 2);
    p.setFont(TitleStrip::titleFont());
    p.setPen(Qt::white);
    // At (10, 5), as the tool windows' title strips have it.
    p.drawText(QRect(10, 5, width() - 64, p.fontMetrics().height()), Qt::AlignLeft | Qt::AlignTop, windowTitle());
}

void CMarrowbyDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (!m_dockResizing) {
        const QRect g = geometry();
        if (width() < MinimumWidth) {
            resize(MinimumWidth, height());
            return;
        }
        if (height() < MinimumHeight && g.contains(m_platform.desktop->cursorPos())) {
            resize(width(), MinimumHeight);
            return;
        }
        // A size the user gave the panel is the size it docks back to.
        if (isVisible() && !Docking::isCollapsed(g))
            m_docking.setExpandedHeight(height());
        holdMinimumHeight();
    }
    layoutControls();
    // A frame wider than 2 pixels would show around the skin: clip it away.
    if (frameWidth() > 2) {
        QPainterPath rounded;
        rounded.addRoundedRect(QRectF(5, 5, width() + 3, height() + 3), 3, 3);
        setMask(QRegion(rounded.toFillPolygon().toPolygon()));
    }
    armDocking();
}

void CMarrowbyDlg::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    armDocking();
}

void CMarrowbyDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_platform.desktop->markToolWindow(winId(), QByteArrayLiteral("Quillora"), 1);
    if (m_movie) {
        m_bannerFrame = -1;
        m_movie->stop();
        m_movie->start();
    }
    armDocking();
}

void CMarrowbyDlg::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    m_dockTimer.stop();
    m_dockWatch.stop();
    if (m_movie)
        m_movie->setPaused(true);
}

void CMarrowbyDlg::enterEvent(QEnterEvent* event)
{
    QDialog::enterEvent(event);
    armDocking();
}

void CMarrowbyDlg::leaveEvent(QEvent* event)
{
    QDialog::leaveEvent(event);
    armDocking();
}

void CMarrowbyDlg::setDockGeometry(const QRect& r)
{
    m_dockResizing = true;
    if (r.height() < MinimumHeight)
        setMinimumHeight(1);
    setGeometry(r);
    m_dockResizing = false;
    holdMinimumHeight();
}

void CMarrowbyDlg::holdMinimumHeight()
{
    // A window manager that drives a resize itself does not take a size back from the
    // program in the middle of it, so the lowest height the user may drag to is a limit
    // it knows. The docking strip needs it lifted (setDockGeometry()).
    if (height() >= MinimumHeight && minimumHeight() != MinimumHeight)
        setMinimumHeight(MinimumHeight);
}

void CMarrowbyDlg::armDocking()
{
    // Nothing can change away from the top edge while the panel is expanded.
    if (isVisible() && Docking::isDockingZone(geometry()) && !m_dockTimer.isActive())
        m_dockTimer.start();
}

void CMarrowbyDlg::dockingStep()
{
    if (!isVisible())
        return;
    const QRect g = geometry();
    const QRect next = m_docking.step(g, m_platform.desktop->cursorPos());
    if (next != g)
        setDockGeometry(next);
    if (Docking::isDockingZone(next)) {
        if (!m_dockWatch.isActive())
            m_dockWatch.start();
    } else {
        m_dockWatch.stop();
    }
}

void CMarrowbyDlg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton && event->position().y() < 20) {
        // The panel's system menu.
        PopupMenu menu(this);
        menu.addItem(IdAbout, QStringLiteral("&About Marrowby..."));
        if (menu.exec(event->globalPosition().toPoint()) == IdAbout)
            showAboutBox();
        return;
    }
    QDialog::mousePressEvent(event);
}

bool CMarrowbyDlg::ownsWidget(QObject* object) const
{
    auto* w = qobject_cast<QWidget*>(object);
    if (!w)
        if (auto* window = qobject_cast<QWindow*>(object))
            return window == windowHandle();
    return w && w->window() == this;
}

bool CMarrowbyDlg::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type t = event->type();
    if ((t == QEvent::KeyPress || t == QEvent::KeyRelease || t == QEvent::ShortcutOverride) && ownsWidget(watched)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Enter, Escape and Space never press a button or close the panel.
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape || key == Qt::Key_Space)
            return true;
        if (key == Qt::Key_F1 && t == QEvent::KeyPress) {
            HelpViewer::show(HelpContext, this);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
