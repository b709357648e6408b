#pragma once
#include <QList>
#include <QMap>
#include <QSet>

#include "platform/Desktop.h"
#include "support/FakeJournal.h"

// A desktop of settable geometry and cursor. Hot-key registrations are recorded; press(id)
// delivers a registered hot key as the real desktop would.
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
