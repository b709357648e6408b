// The one table of virtual-key codes: Qt keys both ways, key names, X keysyms.
#include "platform/VirtualKeys.h"

#include <QSet>
#include <QtCore/qnamespace.h>

#include <gtest/gtest.h>

namespace {

TEST(VirtualKeys, EveryCodeHasOneRowAQtKeyANameAndAKeysym)
{
    QSet<int> codes;
    QSet<QString> names;
    for (const VirtualKeys::Key& k : VirtualKeys::table()) {
        EXPECT_FALSE(codes.contains(k.vk)) << k.vk;
        codes.insert(k.vk);
        const QString name = VirtualKeys::name(k.vk);
        EXPECT_FALSE(name.isEmpty()) << k.vk;
        EXPECT_LE(name.size(), 32) << k.vk;
        EXPECT_FALSE(names.contains(name)) << qPrintable(name);
        names.insert(name);
        EXPECT_NE(k.qtKey, 0) << k.vk;
        // Only the modifier keys are never grabbed by themselves.
        const bool modifier = k.vk == 0x10 || k.vk == 0x11 || k.vk == 0x12 || k.vk == 0x14 || k.vk == 0x5b || k.vk == 0x5c;
        EXPECT_EQ(k.keysym == 0, modifier) << k.vk;
        // Back and forth through Qt's key gives the same code.
        EXPECT_EQ(VirtualKeys::toQtKey(k.vk), k.qtKey);
        EXPECT_EQ(VirtualKeys::fromQtKey(k.qtKey, k.keypad), k.vk) << k.vk;
    }
}

struct Case
{
    int vk;
    int qtKey;
    bool keypad;
    const char* name;
    quint32 keysym;
};

TEST(VirtualKeys, KnownKeys)
{
    const Case cases[] = {
        // The Tetris defaults.
        {37, Qt::Key_Left, false, "Left", 0xff51},
        {39, Qt::Key_Right, false, "Right", 0xff53},
        {38, Qt::Key_Up, false, "Up", 0xff52},
        {40, Qt::Key_Down, false, "Down", 0xff54},
        {83, Qt::Key_S, false, "S", 's'},
        {70, Qt::Key_F, false, "F", 'f'},
        {68, Qt::Key_D, false, "D", 'd'},
        {67, Qt::Key_C, false, "C", 'c'},
        // Letters and digits, function keys, the number pad, punctuation, editing keys.
        {'K', Qt::Key_K, false, "K", 'k'},
        {'7', Qt::Key_7, false, "7", '7'},
        {0x70, Qt::Key_F1, false, "F1", 0xffbe},
        {0x87, Qt::Key_F24, false, "F24", 0xffd5},
        {0x60, Qt::Key_0, true, "Num 0", 0xffb0},
        {0x69, Qt::Key_9, true, "Num 9", 0xffb9},
        {0x6a, Qt::Key_Asterisk, true, "Num *", 0xffaa},
        {0x6f, Qt::Key_Slash, true, "Num /", 0xffaf},
        {0xbd, Qt::Key_Minus, false, "-", '-'},
        {0xde, Qt::Key_Apostrophe, false, "'", '\''},
        {0x20, Qt::Key_Space, false, "Space", 0x20},
        {0x0d, Qt::Key_Return, false, "Enter", 0xff0d},
        {0x2e, Qt::Key_Delete, false, "Delete", 0xffff},
        {0x21, Qt::Key_PageUp, false, "Page Up", 0xff55},
        {0x24, Qt::Key_Home, false, "Home", 0xff50},
        {0x10, Qt::Key_Shift, false, "Shift", 0},
        {0x5b, Qt::Key_Super_L, false, "Left Windows", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(VirtualKeys::toQtKey(c.vk), c.qtKey);
        EXPECT_EQ(VirtualKeys::fromQtKey(c.qtKey, c.keypad), c.vk);
        EXPECT_EQ(VirtualKeys::name(c.vk), QString::fromLatin1(c.name));
        EXPECT_EQ(VirtualKeys::keysym(c.vk), c.keysym);
    }
}

TEST(VirtualKeys, OtherReportsOfAKeyGiveItsCode)
{
    const struct { int qtKey; bool keypad; int vk; } cases[] = {
        {Qt::Key_Exclam, false, '1'},       // Shift + 1
        {Qt::Key_Plus, false, 0xbb},        // Shift + =
        {Qt::Key_Asterisk, false, '8'},     // Shift + 8, not the number pad's *
        {Qt::Key_Question, false, 0xbf},
        {Qt::Key_Backtab, false, 0x09},     // Shift + Tab
        {Qt::Key_Enter, true, 0x0d},        // the number pad's Enter
        {Qt::Key_Left, true, 0x25},         // the number pad's 4 with Num Lock off
        {Qt::Key_Minus, true, 0x6d},
        {Qt::Key_Minus, false, 0xbd},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VirtualKeys::fromQtKey(c.qtKey, c.keypad), c.vk) << c.qtKey;
}

TEST(VirtualKeys, UnknownCodesAndKeysGiveNothing)
{
    for (int vk : {0, 0x07, 0xff, 0x1234}) {
        EXPECT_EQ(VirtualKeys::toQtKey(vk), 0);
        EXPECT_TRUE(VirtualKeys::name(vk).isEmpty());
        EXPECT_EQ(VirtualKeys::keysym(vk), 0u);
    }
    EXPECT_EQ(VirtualKeys::fromQtKey(Qt::Key_unknown), 0);
    EXPECT_EQ(VirtualKeys::fromQtKey(Qt::Key_Eacute), 0);
}

} // namespace
