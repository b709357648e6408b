#include <gtest/gtest.h>

#include "support/FakePlatform.h"

// The fakes other tests lean on: what they record and refuse must match what the real
// implementations do.

TEST(FakePlatform, JournalKeepsTheOrderAcrossSeams)
{
    FakePlatform fake;
    Platform& p = fake.platform();
    p.sound->playWave(QStringLiteral("a.wav"), 3);
    p.session->powerOff();
    p.sound->playTones({{100, 100}, {200, 100}});
    p.launcher->open(QStringLiteral("/bin/x"));
    p.session->lockSession();
    p.session->startScreenSaver();
    EXPECT_EQ(fake.journal(), (QStringList{QStringLiteral("playWave a.wav 3"), QStringLiteral("powerOff"),
                                           QStringLiteral("playTones 2"), QStringLiteral("open /bin/x open"),
                                           QStringLiteral("lockSession"), QStringLiteral("startScreenSaver")}));
    EXPECT_EQ(fake.sound().tones(), (QList<Sound::Tone>{{100, 100}, {200, 100}}));
}

TEST(FakePlatform, TakenPlatformKeepsTypedAccess)
{
    auto p = makeFakePlatform();
    fakeClock(*p).setNow(1000);
    fakeClock(*p).advance(5);
    EXPECT_EQ(p->clock->now(), 1005);
    EXPECT_EQ(p->clock->tickMs(), 5000);
    fakeClock(*p).setRefuseSetTime(true);
    EXPECT_FALSE(p->clock->setSystemTime(QDateTime::fromSecsSinceEpoch(2000)));
    EXPECT_EQ(p->clock->now(), 1005);
    fakeClock(*p).setRefuseSetTime(false);
    EXPECT_TRUE(p->clock->setSystemTime(QDateTime::fromSecsSinceEpoch(2000)));
    EXPECT_EQ(p->clock->now(), 2000);
    EXPECT_EQ(fakeClock(*p).setTimeCalls().size(), 2);
}

TEST(FakePlatform, HotKeysFireOnlyWhenRegistered)
{
    FakePlatform fake;
    FakeDesktop& d = fake.desktop();
    QList<int> fired;
    QObject::connect(&d, &Desktop::hotKeyPressed, &d, [&](int id) { fired.append(id); });
    EXPECT_FALSE(d.registerHotKey(107, Desktop::Control, 0)); // key 0: nothing
    d.markTaken(Desktop::Alt, 'K');
    EXPECT_FALSE(d.registerHotKey(108, Desktop::Alt, 'K'));
    EXPECT_TRUE(d.registerHotKey(108, Desktop::Control | Desktop::Alt, 'K'));
    EXPECT_FALSE(d.press(107));
    EXPECT_TRUE(d.press(108));
    d.unregisterHotKey(108);
    EXPECT_FALSE(d.press(108));
    EXPECT_EQ(fired, QList<int>{108});
    EXPECT_EQ(d.registerCalls().size(), 3);
}

TEST(FakePlatform, RegistryAndProfileIgnoreCase)
{
    FakePlatform fake;
    Registry& r = *fake.platform().registry;
    const QString run = QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\RUN");
    EXPECT_TRUE(r.writeString(run, QStringLiteral("Quillora"), QStringLiteral("zzz:")));
    EXPECT_TRUE(r.hasValue(run.toLower(), QStringLiteral("QUILLORA")));
    EXPECT_EQ(r.readString(run, QStringLiteral("quillora")), QStringLiteral("zzz:"));
    EXPECT_TRUE(r.removeValue(run, QStringLiteral("Quillora")));
    EXPECT_FALSE(r.hasValue(run, QStringLiteral("Quillora")));

    Profile& prof = *fake.platform().profile;
    EXPECT_EQ(prof.readInt(QStringLiteral("HotKey"), QStringLiteral("sk")), 0);
    EXPECT_EQ(prof.readInt(QStringLiteral("HotKey"), QStringLiteral("sk"), -1), -1);
    prof.writeInt(QStringLiteral("HotKey"), QStringLiteral("sk"), 3);
    EXPECT_EQ(prof.readInt(QStringLiteral("hotkey"), QStringLiteral("SK")), 3);
}

TEST(DesktopModifiers, HotKeyControlFlagsBecomeSystemFlags)
{
    const struct { int flags; int system; } cases[] = {
        {0, 0}, {1, Desktop::Shift}, {2, Desktop::Control}, {4, Desktop::Alt},
        {3, Desktop::Shift | Desktop::Control}, {6, Desktop::Control | Desktop::Alt}, {7, 7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Desktop::modifiersFromHotKeyFlags(c.flags), c.system) << c.flags;
}

TEST(FakePlatform, WindowsHideShowAndGoLikeTheRealOnes)
{
    FakePlatform fake;
    FakeDesktop& d = fake.desktop();
    const Desktop::WindowId a = d.addWindow(QStringLiteral("A"), QStringLiteral("XTerm"));
    const Desktop::WindowId b = d.addWindow(QStringLiteral("B"), QStringLiteral("Panel"), Desktop::WindowType::TaskBar);
    EXPECT_EQ(d.visibleWindows(), (QList<Desktop::WindowId>{a, b}));
    EXPECT_EQ(d.windowType(b), Desktop::WindowType::TaskBar);
    d.hideWindow(a);
    EXPECT_EQ(d.visibleWindows(), QList<Desktop::WindowId>{b});
    EXPECT_EQ(d.windowTitle(a), QStringLiteral("A")); // hidden windows still have their title
    d.showWindow(a);
    d.destroyWindow(b);
    EXPECT_EQ(d.visibleWindows(), QList<Desktop::WindowId>{a});
    EXPECT_TRUE(d.windowTitle(b).isEmpty());
    EXPECT_TRUE(d.windowPlacement(b).isNull());
    EXPECT_EQ(fake.journal(), (QStringList{QStringLiteral("hideWindow A"), QStringLiteral("showWindow A")}));

    QList<int> buttons;
    QObject::connect(&d, &Desktop::mouseButton, &d, [&](int button, bool) { buttons.append(button); });
    d.pressMouse(1, true);
    EXPECT_TRUE(d.watchMouseButtons(true));
    d.pressMouse(3, true);
    EXPECT_EQ(buttons, QList<int>{3});
    d.setNoMouseButtons(true);
    EXPECT_FALSE(d.watchMouseButtons(true));
}
