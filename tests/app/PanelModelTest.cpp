#include "app/CompanionControl.h"
#include "app/Docking.h"
#include "app/PanelSettings.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(PanelSettings, FileIsNineteenBytesInFieldOrder)
{
    TempDir dir;
    PanelSettings s;
    s.alpha = 200;
    s.noHideTip = true;
    s.alwaysOnTop = false;
    s.setRect(QRect(804, 10, 210, 440));
    ASSERT_TRUE(s.save(dir.path()));
    EXPECT_EQ(dir.read(QStringLiteral("Transparence")).toHex(' '),
              QByteArray("c8 01 00 24 03 00 00 0a 00 00 00 f6 03 00 00 c2 01 00 00"));

    PanelSettings back;
    ASSERT_TRUE(back.load(dir.path()));
    EXPECT_EQ(back.alpha, 200);
    EXPECT_TRUE(back.noHideTip);
    EXPECT_FALSE(back.alwaysOnTop);
    EXPECT_EQ(back.rect(), QRect(804, 10, 210, 440));
}

TEST(PanelSettings, MissingOrShortFileKeepsDefaults)
{
    TempDir dir;
    PanelSettings s;
    EXPECT_FALSE(s.load(dir.path()));
    dir.write(QStringLiteral("Transparence"), QByteArray::fromHex("8001"));
    EXPECT_FALSE(s.load(dir.path()));
    EXPECT_EQ(s.alpha, 255);
    EXPECT_FALSE(s.noHideTip);
    EXPECT_TRUE(s.alwaysOnTop);
    EXPECT_TRUE(dir.exists(QStringLiteral("Transparence.bad"))); // the damaged file is kept aside
}

TEST(PanelSettings, StartRect)
{
    const QRect current(0, 0, 210, 440);
    PanelSettings s;
    // No file: the panel's own size at the top right of a 1024-pixel screen.
    EXPECT_EQ(startRect(s, false, current, 1024), QRect(804, 10, 210, 440));
    struct Case { int top; int expectedTop; };
    for (const Case c : {Case{0, 5}, Case{3, 5}, Case{4, 5}, Case{5, 5}, Case{120, 120}, Case{-30, 5}}) {
        s.setRect(QRect(300, c.top, 220, 400));
        EXPECT_EQ(startRect(s, true, current, 1024), QRect(300, c.expectedTop, 220, 400)) << c.top;
    }
}

TEST(PanelSettings, CollapsedPanelIsSavedAtItsExpandedHeight)
{
    EXPECT_EQ(rectToSave(QRect(700, 0, 210, 3), 440), QRect(700, 0, 210, 440));
    EXPECT_EQ(rectToSave(QRect(700, 40, 210, 380), 440), QRect(700, 40, 210, 380));
    // Saved while collapsed, started again: full height at top 5.
    PanelSettings s;
    s.setRect(rectToSave(QRect(700, 0, 210, 3), 440));
    EXPECT_EQ(startRect(s, true, QRect(0, 0, 210, 440), 1024), QRect(700, 5, 210, 440));
}

TEST(Docking, Steps)
{
    const Docking dock(440);
    const QPoint away(10, 700);
    struct Case { const char* what; QRect panel; QPoint cursor; QRect expected; };
    const Case cases[] = {
        {"at the top, pointer away: collapses to the strip", QRect(700, 2, 210, 440), away, QRect(700, 0, 210, 3)},
        {"strip, pointer on it: expands", QRect(700, 0, 210, 3), QPoint(750, 1), QRect(700, 0, 210, 440)},
        {"strip, pointer away: stays", QRect(700, 0, 210, 3), away, QRect(700, 0, 210, 3)},
        {"at the top, pointer inside: stays expanded", QRect(700, 1, 210, 440), QPoint(750, 100), QRect(700, 1, 210, 440)},
        {"below the top: nothing", QRect(700, 3, 210, 440), away, QRect(700, 3, 210, 440)},
        {"low and away from the top: height back", QRect(700, 50, 210, 8), away, QRect(700, 50, 210, 440)},
        {"low, pointer inside: nothing", QRect(700, 50, 210, 8), QPoint(750, 52), QRect(700, 50, 210, 8)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dock.step(c.panel, c.cursor), c.expected) << c.what;
        // After a step nothing changes until the pointer or the panel moves.
        const QRect once = dock.step(c.panel, c.cursor);
        EXPECT_EQ(dock.step(once, c.cursor), once) << c.what;
    }
}

TEST(CompanionControl, RegistersThroughTheShippedLibraryAndReportsAMissingOne)
{
    TempDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    const QString bin = qEnvironmentVariable("QUILLORA_BIN_DIR") + QLatin1Char('/');
    ASSERT_EQ(CompanionControl::call(bin, "DllRegisterServer"), CompanionControl::Result::Done);
    EXPECT_TRUE(home.exists(QStringLiteral("Quillora/Marrowby.control")));
    EXPECT_EQ(CompanionControl::call(bin, "DllUnregisterServer"), CompanionControl::Result::Done);
    EXPECT_FALSE(home.exists(QStringLiteral("Quillora/Marrowby.control")));
    EXPECT_EQ(CompanionControl::call(bin, "NoSuchEntry"), CompanionControl::Result::NoEntryPoint);

    TempDir empty;
    EXPECT_EQ(CompanionControl::call(empty.path(), "DllRegisterServer"), CompanionControl::Result::NoLibrary);
    EXPECT_EQ(CompanionControl::message(CompanionControl::Result::NoLibrary), QStringLiteral("Error in LoadLibrary."));
    EXPECT_EQ(CompanionControl::message(CompanionControl::Result::NoEntryPoint), QStringLiteral("Error in GetProcAddress."));
}
