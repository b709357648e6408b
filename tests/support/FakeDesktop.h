#pragma once
#include <QList>
#include <QMap>
#include <QSet>

#include "platform/Desktop.h"
#include "support/FakeJournal.h"

// A desktop of settable geometry and cursor. Hot-key registrations are recorded; press(id)
// delivers a registered hot key as the real desktop would. Other programs' windows are
// added with addWindow(); hiding, showing, placing and activating them is journalled by
// title ("hideWindow xterm A"). pressMouse() reports a button while watching is on.
class FakeDesktop final : public Desktop
{
public:
    struct HotKey
    {
        int id;
        int modifiers; // system encoding (Desktop::Alt/Control/Shift)
        int virtualKey;
        friend bool operator==(const HotKey&, const HotKey&) = default;
    };

    explicit FakeDesktop(FakeJournalPtr journal = {}, QObject* parent = nullptr)
        : Desktop(parent), m_journal(std::move(journal))
    {
    }

    QRect screenGeometry() const override { return m_screen; }
    QRect workArea() const override { return m_workArea; }
    QPoint cursorPos() const override { return m_cursor; }

    // Key 0 and keys marked taken are refused, like the real desktop; every attempt is recorded.
    bool registerHotKey(int id, int modifiers, int virtualKey) override
    {
        m_registerCalls.append({id, modifiers, virtualKey});
        journalAdd(m_journal, QStringLiteral("registerHotKey %1 %2 %3").arg(id).arg(modifiers).arg(virtualKey));
        if (virtualKey == 0 || m_taken.contains(qMakePair(modifiers, virtualKey)))
            return false;
        m_active.insert(id, {id, modifiers, virtualKey});
        return true;
    }
    void unregisterHotKey(int id) override
    {
        m_unregisterCalls.append(id);
        journalAdd(m_journal, QStringLiteral("unregisterHotKey %1").arg(id));
        m_active.remove(id);
    }

    void markToolWindow(quintptr windowId, const QByteArray& property, int value) override
    {
        m_marks.append({windowId, property, value});
        journalAdd(m_journal, QStringLiteral("markToolWindow %1 %2").arg(QString::fromLatin1(property)).arg(value));
    }

    QList<WindowId> visibleWindows() const override
    {
        QList<WindowId> out;
        for (auto it = m_windows.cbegin(); it != m_windows.cend(); ++it)
            if (it->exists && it->visible)
                out.append(it.key());
        return out;
    }
    QString windowTitle(WindowId w) const override { return live(w) ? m_windows[w].title : QString(); }
    QString windowClass(WindowId w) const override { return live(w) ? m_windows[w].className : QString(); }
    WindowType windowType(WindowId w) const override { return live(w) ? m_windows[w].type : WindowType::Normal; }
    bool isWindowVisible(WindowId w) const override { return live(w) && m_windows[w].visible; }
    void hideWindow(WindowId w) override
    {
        journalAdd(m_journal, QStringLiteral("hideWindow %1").arg(m_windows.value(w).title));
        if (live(w))
            m_windows[w].visible = false;
    }
    void showWindow(WindowId w) override
    {
        journalAdd(m_journal, QStringLiteral("showWindow %1").arg(m_windows.value(w).title));
        if (live(w))
            m_windows[w].visible = true;
    }
    WindowPlacement windowPlacement(WindowId w) const override { return live(w) ? m_windows[w].placement : WindowPlacement{}; }
    void setWindowPlacement(WindowId w, const WindowPlacement& placement) override
    {
        journalAdd(m_journal, QStringLiteral("setWindowPlacement %1 %2,%3").arg(m_windows.value(w).title).arg(placement.frame.x()).arg(placement.frame.y()));
        if (live(w) && !placement.isNull())
            m_windows[w].placement = placement;
    }
    void activateWindow(WindowId w) override
    {
        journalAdd(m_journal, QStringLiteral("activateWindow %1").arg(m_windows.value(w).title));
        if (live(w))
            m_activeWindow = w;
    }
    bool watchMouseButtons(bool on) override
    {
        journalAdd(m_journal, QStringLiteral("watchMouseButtons %1").arg(on ? 1 : 0));
        if (m_noMouseButtons)
            return false;
        m_watchingButtons = on;
        return true;
    }

    // A visible window of another program; ids count up from 0x400001 in the order added,
    // which is the order visibleWindows() lists them in.
    WindowId addWindow(const QString& title, const QString& className, WindowType type = WindowType::Normal,
                       const QRect& frame = QRect(100, 100, 400, 300))
    {
        const WindowId id = m_nextWindow++;
        m_windows.insert(id, {title, className, type, true, true, {frame, WindowPlacement::Normal}});
        return id;
    }
    // The window's program closed it.
    void destroyWindow(WindowId w) { m_windows[w].exists = false; }
    // Moves the window as the user would.
    void moveWindow(WindowId w, const QRect& frame) { m_windows[w].placement.frame = frame; }
    WindowId activeWindow() const { return m_activeWindow; }
    // Reports a button as the desktop does (nothing unless watching).
    void pressMouse(int button, bool pressed)
    {
        if (m_watchingButtons)
            Q_EMIT mouseButton(button, pressed);
    }
    bool watchingMouseButtons() const { return m_watchingButtons; }
    // A desktop that cannot report the mouse buttons.
    void setNoMouseButtons(bool none) { m_noMouseButtons = none; }

    void setScreenGeometry(const QRect& screen) { m_screen = screen; }
    void setWorkArea(const QRect& area) { m_workArea = area; }
    // Sets both the screen and the work area.
    void setScreen(const QRect& screen)
    {
        m_screen = screen;
        m_workArea = screen;
    }
    void setCursorPos(const QPoint& pos) { m_cursor = pos; }
    // Another program holds this combination: registering it fails.
    void markTaken(int modifiers, int virtualKey) { m_taken.insert(qMakePair(modifiers, virtualKey)); }

    // Emits hotKeyPressed(id) when the id is registered; false (and nothing emitted) otherwise.
    bool press(int id)
    {
        if (!m_active.contains(id))
            return false;
        Q_EMIT hotKeyPressed(id);
        return true;
    }

    bool isRegistered(int id) const { return m_active.contains(id); }
    // The live registration of `id` (id -1 when none).
    HotKey registration(int id) const { return m_active.value(id, HotKey{-1, 0, 0}); }
    const QList<HotKey>& registerCalls() const { return m_registerCalls; }
    const QList<int>& unregisterCalls() const { return m_unregisterCalls; }
    struct Mark
    {
        quintptr windowId;
        QByteArray property;
        int value;
    };
    const QList<Mark>& marks() const { return m_marks; }

private:
    struct Window
    {
        QString title;
        QString className;
        WindowType type = WindowType::Normal;
        bool visible = false;
        bool exists = false;
        WindowPlacement placement;
    };
    bool live(WindowId w) const { return m_windows.contains(w) && m_windows[w].exists; }

    QMap<WindowId, Window> m_windows;
    WindowId m_nextWindow = 0x400001;
    WindowId m_activeWindow = 0;
    bool m_watchingButtons = false;
    bool m_noMouseButtons = false;
    QRect m_screen{0, 0, 1024, 768};
    QRect m_workArea{0, 0, 1024, 768};
    QPoint m_cursor{512, 384};
    QMap<int, HotKey> m_active;
    QList<HotKey> m_registerCalls;
    QList<int> m_unregisterCalls;
    QList<Mark> m_marks;
    QSet<QPair<int, int>> m_taken;
    FakeJournalPtr m_journal;
};
