#include <QGuiApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>

#include <gtest/gtest.h>
#include <xcb/screensaver.h>
#include <xcb/xcb.h>

#include "support/ChildProcess.h"
#include "platform/linux/DbusSessionServices.h"
#include "platform/linux/DesktopLauncher.h"
#include "platform/linux/LinuxPlatform.h"
#include "support/TempDir.h"
#include "support/TestWait.h"
#include "platform/linux/X11Desktop.h"
#include "support/XDisplayFixture.h"

namespace {

bool xdotool(const QStringList& args)
{
    return runTool(QStringLiteral("xdotool"), args).ok();
}

// The lock modifiers now in effect (Lock, Mod2 = NumLock on the default keymap).
quint16 lockState()
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    quint16 mask = 0;
    if (!xcb_connection_has_error(c)) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        if (xcb_query_pointer_reply_t* r = xcb_query_pointer_reply(c, xcb_query_pointer(c, root), nullptr)) {
            mask = r->mask & (XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2);
            free(r);
        }
    }
    xcb_disconnect(c);
    return mask;
}

} // namespace

TEST(X11Desktop, GeometryAndPointerComeFromTheDisplay)
{
    X11Desktop desktop;
    EXPECT_EQ(desktop.screenGeometry(), QRect(0, 0, 1024, 768));
    // trayer docks at the bottom and reserves its strip.
    EXPECT_TRUE(QRect(0, 0, 1024, 768).contains(desktop.workArea()));
    ASSERT_TRUE(xdotool({QStringLiteral("mousemove"), QStringLiteral("321"), QStringLiteral("123")}));
    EXPECT_TRUE(waitUntil([&] { return desktop.cursorPos() == QPoint(321, 123); }, 3000)) << desktop.cursorPos().x();
}

TEST(X11Desktop, GrabbedHotKeyFiresWithAndWithoutNumLock)
{
    X11Desktop desktop;
    QList<int> fired;
    QObject::connect(&desktop, &Desktop::hotKeyPressed, &desktop, [&](int id) { fired.append(id); });
    ASSERT_TRUE(desktop.registerHotKey(107, Desktop::Control | Desktop::Alt, 'K'));
    ASSERT_TRUE(desktop.registerHotKey(108, Desktop::Shift, 0x77)); // F8

    ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+k")}));
    ASSERT_TRUE(waitUntil([&] { return fired.size() == 1; }, 5000));
    ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("shift+F8")}));
    ASSERT_TRUE(waitUntil([&] { return fired.size() == 2; }, 5000));
    EXPECT_EQ(fired, (QList<int>{107, 108}));

    // Other modifiers on the same key are not the hot key.
    ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+k")}));
    // With NumLock (and CapsLock) on, the grab still matches.
    ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("Num_Lock"), QStringLiteral("Caps_Lock")}));
    ASSERT_TRUE(waitUntil([] { return lockState() == (XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2); }, 3000));
    ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+k")}));
    ASSERT_TRUE(waitUntil([&] { return fired.size() == 3; }, 5000));
    EXPECT_EQ(fired, (QList<int>{107, 108, 107}));
    ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("Num_Lock"), QStringLiteral("Caps_Lock")}));
    ASSERT_TRUE(waitUntil([] { return lockState() == 0; }, 3000));

    // Unregistered keys are released: another client can take them now.
    desktop.unregisterHotKey(107);
    ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+k")}));
    ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("shift+F8")}));
    ASSERT_TRUE(waitUntil([&] { return fired.size() == 4; }, 5000));
    EXPECT_EQ(fired, (QList<int>{107, 108, 107, 108}));
}

TEST(X11Desktop, KeyZeroUnmappableAndTakenKeysRegisterNothing)
{
    X11Desktop desktop;
    EXPECT_FALSE(desktop.registerHotKey(107, Desktop::Control, 0));
    EXPECT_FALSE(desktop.registerHotKey(107, Desktop::Control, 0x07)); // no such virtual key
    EXPECT_FALSE(desktop.registerHotKey(107, Desktop::Control, 0xE5)); // IME process key: no keysym
    // A key held by another X client gives BadAccess: refused, quietly.
    ChildProcess holder;
    TempDir dir;
    const QString script = dir.file(QStringLiteral("hold.py"));
    dir.write(QStringLiteral("hold.py"),
              "import sys, ctypes\n"
              "x = ctypes.CDLL('libX11.so.6')\n"
              "x.XOpenDisplay.restype = ctypes.c_void_p\n"
              "x.XDefaultRootWindow.restype = ctypes.c_ulong\n"
              "x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]\n"
              "d = x.XOpenDisplay(None)\n"
              "root = x.XDefaultRootWindow(d)\n"
              "x.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]\n"
              "code = x.XKeysymToKeycode(d, 0x6a)\n" // 'j'
              "x.XGrabKey.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_int]\n"
              "x.XGrabKey(d, code, 4 | 8, root, 1, 1, 1)\n" // Control+Alt
              "x.XSync(ctypes.c_void_p(d), 0)\n"
              "print('held', flush=True)\n"
              "__import__('time').sleep(600)\n");
    const QString out = dir.file(QStringLiteral("hold.out"));
    ASSERT_TRUE(holder.start(QStringLiteral("/usr/bin/python3"), {script}, {}, out, dir.file(QStringLiteral("hold.err"))));
    ASSERT_TRUE(waitUntil([&] { return dir.read(QStringLiteral("hold.out")).contains("held"); }, 10000))
        << dir.read(QStringLiteral("hold.err")).constData();
    EXPECT_FALSE(desktop.registerHotKey(107, Desktop::Control | Desktop::Alt, 'J'));
    EXPECT_TRUE(desktop.registerHotKey(107, Desktop::Control | Desktop::Shift, 'J'));
    holder.stop();
}

TEST(X11Desktop, VirtualKeysMapToKeysyms)
{
    const struct { int vk; quint32 keysym; } cases[] = {
        {'A', 'a'}, {'Z', 'z'}, {'0', '0'}, {'9', '9'}, {0x70, 0xffbe /* F1 */}, {0x87, 0xffd5 /* F24 */},
        {0x25, 0xff51 /* Left */}, {0x28, 0xff54 /* Down */}, {0x21, 0xff55 /* Prior */}, {0x22, 0xff56 /* Next */},
        {0x24, 0xff50 /* Home */}, {0x23, 0xff57 /* End */}, {0x2d, 0xff63 /* Insert */}, {0x2e, 0xffff /* Delete */},
        {0x60, 0xffb0 /* KP_0 */}, {0x69, 0xffb9 /* KP_9 */}, {0x6a, 0xffaa /* KP_Multiply */}, {0x6f, 0xffaf /* KP_Divide */},
        {0x20, ' '}, {0xba, ';'}, {0xbb, '='}, {0xbc, ','}, {0xbd, '-'}, {0xbe, '.'}, {0xbf, '/'}, {0xc0, '`'},
        {0xdb, '['}, {0xdc, '\\'}, {0xdd, ']'}, {0xde, '\''},
        {0, 0}, {0x07, 0}, {0x5b /* left Windows key */, 0}, {0xe5, 0}, {0x100, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(X11Desktop::keysymForVirtualKey(c.vk), c.keysym) << std::hex << c.vk;
}

// The X server's own screen saver state.
int screenSaverState()
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    int state = -1;
    if (!xcb_connection_has_error(c)) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        if (auto* r = xcb_screensaver_query_info_reply(c, xcb_screensaver_query_info(c, root), nullptr)) {
            state = r->state;
            free(r);
        }
    }
    xcb_disconnect(c);
    return state;
}

TEST(DbusSessionServices, ScreenSaverStartsOnTheDisplay)
{
    ASSERT_EQ(screenSaverState(), XCB_SCREENSAVER_STATE_OFF);
    EXPECT_TRUE(DbusSessionServices().startScreenSaver());
    EXPECT_TRUE(waitUntil([] { return screenSaverState() == XCB_SCREENSAVER_STATE_ON; }, 5000));
    ASSERT_TRUE(xdotool({QStringLiteral("mousemove"), QStringLiteral("10"), QStringLiteral("10")}));
    EXPECT_TRUE(waitUntil([] { return screenSaverState() == XCB_SCREENSAVER_STATE_OFF; }, 5000));
}

TEST(DesktopLauncher, StartsAProgramAndFailsCleanlyForAMissingTarget)
{
    TempDir dir;
    const QString marker = dir.file(QStringLiteral("ran"));
    dir.write(QStringLiteral("touch.sh"), QStringLiteral("#!/bin/sh\necho \"$PWD\" > '%1'\n").arg(marker).toUtf8());
    QFile::setPermissions(dir.file(QStringLiteral("touch.sh")), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    DesktopLauncher launcher;
    ASSERT_TRUE(launcher.open(dir.file(QStringLiteral("touch.sh"))));
    ASSERT_TRUE(waitUntil([&] { return !dir.read(QStringLiteral("ran")).isEmpty(); }, 10000));
    // Programs start in their own folder.
    EXPECT_EQ(dir.read(QStringLiteral("ran")).trimmed(), QFileInfo(dir.path()).canonicalFilePath().toUtf8());

    const QString marker2 = dir.file(QStringLiteral("ran 2"));
    ASSERT_TRUE(launcher.runCommand(QStringLiteral("/bin/sh -c \"echo ok > '%1'\"").arg(marker2)));
    ASSERT_TRUE(waitUntil([&] { return dir.read(QStringLiteral("ran 2")).trimmed() == "ok"; }, 10000));

    EXPECT_FALSE(launcher.open(dir.file(QStringLiteral("missing.exe"))));
    EXPECT_FALSE(launcher.open(QString()));
    EXPECT_FALSE(launcher.runCommand(QStringLiteral("/nonexistent/program --flag")));
    EXPECT_FALSE(launcher.runCommand(QStringLiteral("   ")));
}

TEST(LinuxPlatform, FactoryFillsEverySeam)
{
    const auto p = makeLinuxPlatform();
    ASSERT_TRUE(p->clock && p->launcher && p->sound && p->session && p->desktop && p->registry && p->profile
                && p->files && p->codec && p->network);
    EXPECT_EQ(p->desktop->screenGeometry(), QRect(0, 0, 1024, 768));
    EXPECT_FALSE(p->codec->charsetName().isEmpty());
}
