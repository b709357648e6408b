#include "platform/VirtualKeys.h"

#include <QtCore/qnamespace.h>

#include <array>

namespace VirtualKeys {
namespace {

using K = Key;

constexpr std::array Keys = {
    K{0x08, Qt::Key_Backspace, false, 0xff08, u"Backspace"},
    K{0x09, Qt::Key_Tab, false, 0xff09, u"Tab"},
    K{0x0d, Qt::Key_Return, false, 0xff0d, u"Enter"},
    K{0x10, Qt::Key_Shift, false, 0, u"Shift"},
    K{0x11, Qt::Key_Control, false, 0, u"Ctrl"},
    K{0x12, Qt::Key_Alt, false, 0, u"Alt"},
    K{0x13, Qt::Key_Pause, false, 0xff13, u"Pause"},
    K{0x14, Qt::Key_CapsLock, false, 0, u"Caps Lock"},
    K{0x1b, Qt::Key_Escape, false, 0xff1b, u"Esc"},
    K{0x20, Qt::Key_Space, false, 0x0020, u"Space"},
    K{0x21, Qt::Key_PageUp, false, 0xff55, u"Page Up"},
    K{0x22, Qt::Key_PageDown, false, 0xff56, u"Page Down"},
    K{0x23, Qt::Key_End, false, 0xff57, u"End"},
    K{0x24, Qt::Key_Home, false, 0xff50, u"Home"},
    K{0x25, Qt::Key_Left, false, 0xff51, u"Left"},
    K{0x26, Qt::Key_Up, false, 0xff52, u"Up"},
    K{0x27, Qt::Key_Right, false, 0xff53, u"Right"},
    K{0x28, Qt::Key_Down, false, 0xff54, u"Down"},
    K{0x2c, Qt::Key_Print, false, 0xff61, u"Print Screen"},
    K{0x2d, Qt::Key_Insert, false, 0xff63, u"Insert"},
    K{0x2e, Qt::Key_Delete, false, 0xffff, u"Delete"},
    K{'0', Qt::Key_0, false, '0', u"0"},
    K{'1', Qt::Key_1, false, '1', u"1"},
    K{'2', Qt::Key_2, false, '2', u"2"},
    K{'3', Qt::Key_3, false, '3', u"3"},
    K{'4', Qt::Key_4, false, '4', u"4"},
    K{'5', Qt::Key_5, false, '5', u"5"},
    K{'6', Qt::Key_6, false, '6', u"6"},
    K{'7', Qt::Key_7, false, '7', u"7"},
    K{'8', Qt::Key_8, false, '8', u"8"},
    K{'9', Qt::Key_9, false, '9', u"9"},
    K{'A', Qt::Key_A, false, 'a', u"A"},
    K{'B', Qt::Key_B, false, 'b', u"B"},
    K{'C', Qt::Key_C, false, 'c', u"C"},
    K{'D', Qt::Key_D, false, 'd', u"D"},
    K{'E', Qt::Key_E, false, 'e', u"E"},
    K{'F', Qt::Key_F, false, 'f', u"F"},
    K{'G', Qt::Key_G, false, 'g', u"G"},
    K{'H', Qt::Key_H, false, 'h', u"H"},
    K{'I', Qt::Key_I, false, 'i', u"I"},
    K{'J', Qt::Key_J, false, 'j', u"J"},
    K{'K', Qt::Key_K, false, 'k', u"K"},
    K{'L', Qt::Key_L, false, 'l', u"L"},
    K{'M', Qt::Key_M, false, 'm', u"M"},
    K{'N', Qt::Key_N, false, 'n', u"N"},
    K{'O', Qt::Key_O, false, 'o', u"O"},
    K{'P', Qt::Key_P, false, 'p', u"P"},
    K{'Q', Qt::Key_Q, false, 'q', u"Q"},
    K{'R', Qt::Key_R, false, 'r', u"R"},
    K{'S', Qt::Key_S, false, 's', u"S"},
    K{'T', Qt::Key_T, false, 't', u"T"},
    K{'U', Qt::Key_U, false, 'u', u"U"},
    K{'V', Qt::Key_V, false, 'v', u"V"},
    K{'W', Qt::Key_W, false, 'w', u"W"},
    K{'X', Qt::Key_X, false, 'x', u"X"},
    K{'Y', Qt::Key_Y, false, 'y', u"Y"},
    K{'Z', Qt::Key_Z, false, 'z', u"Z"},
    K{0x5b, Qt::Key_Super_L, false, 0, u"Left Windows"},
    K{0x5c, Qt::Key_Super_R, false, 0, u"Right Windows"},
    K{0x5d, Qt::Key_Menu, false, 0xff67, u"Application"},
    K{0x60, Qt::Key_0, true, 0xffb0, u"Num 0"},
    K{0x61, Qt::Key_1, true, 0xffb1, u"Num 1"},
    K{0x62, Qt::Key_2, true, 0xffb2, u"Num 2"},
    K{0x63, Qt::Key_3, true, 0xffb3, u"Num 3"},
    K{0x64, Qt::Key_4, true, 0xffb4, u"Num 4"},
    K{0x65, Qt::Key_5, true, 0xffb5, u"Num 5"},
    K{0x66, Qt::Key_6, true, 0xffb6, u"Num 6"},
    K{0x67, Qt::Key_7, true, 0xffb7, u"Num 7"},
    K{0x68, Qt::Key_8, true, 0xffb8, u"Num 8"},
    K{0x69, Qt::Key_9, true, 0xffb9, u"Num 9"},
    K{0x6a, Qt::Key_Asterisk, true, 0xffaa, u"Num *"},
    K{0x6b, Qt::Key_Plus, true, 0xffab, u"Num +"},
    K{0x6c, Qt::Key_Comma, true, 0xffac, u"Num ,"},
    K{0x6d, Qt::Key_Minus, true, 0xffad, u"Num -"},
    K{0x6e, Qt::Key_Period, true, 0xffae, u"Num ."},
    K{0x6f, Qt::Key_Slash, true, 0xffaf, u"Num /"},
    K{0x70, Qt::Key_F1, false, 0xffbe, u"F1"},
    K{0x71, Qt::Key_F2, false, 0xffbf, u"F2"},
    K{0x72, Qt::Key_F3, false, 0xffc0, u"F3"},
    K{0x73, Qt::Key_F4, false, 0xffc1, u"F4"},
    K{0x74, Qt::Key_F5, false, 0xffc2, u"F5"},
    K{0x75, Qt::Key_F6, false, 0xffc3, u"F6"},
    K{0x76, Qt::Key_F7, false, 0xffc4, u"F7"},
    K{0x77, Qt::Key_F8, false, 0xffc5, u"F8"},
    K{0x78, Qt::Key_F9, false, 0xffc6, u"F9"},
    K{0x79, Qt::Key_F10, false, 0xffc7, u"F10"},
    K{0x7a, Qt::Key_F11, false, 0xffc8, u"F11"},
    K{0x7b, Qt::Key_F12, false, 0xffc9, u"F12"},
    K{0x7c, Qt::Key_F13, false, 0xffca, u"F13"},
    K{0x7d, Qt::Key_F14, false, 0xffcb, u"F14"},
    K{0x7e, Qt::Key_F15, false, 0xffcc, u"F15"},
    K{0x7f, Qt::Key_F16, false, 0xffcd, u"F16"},
    K{0x80, Qt::Key_F17, false, 0xffce, u"F17"},
    K{0x81, Qt::Key_F18, false, 0xffcf, u"F18"},
    K{0x82, Qt::Key_F19, false, 0xffd0, u"F19"},
    K{0x83, Qt::Key_F20, false, 0xffd1, u"F20"},
    K{0x84, Qt::Key_F21, false, 0xffd2, u"F21"},
    K{0x85, Qt::Key_F22, false, 0xffd3, u"F22"},
    K{0x86, Qt::Key_F23, false, 0xffd4, u"F23"},
    K{0x87, Qt::Key_F24, false, 0xffd5, u"F24"},
    K{0x90, Qt::Key_NumLock, false, 0xff7f, u"Num Lock"},
    K{0x91, Qt::Key_ScrollLock, false, 0xff14, u"Scroll Lock"},
    K{0xba, Qt::Key_Semicolon, false, ';', u";"},
    K{0xbb, Qt::Key_Equal, false, '=', u"="},
    K{0xbc, Qt::Key_Comma, false, ',', u","},
    K{0xbd, Qt::Key_Minus, false, '-', u"-"},
    K{0xbe, Qt::Key_Period, false, '.', u"."},
    K{0xbf, Qt::Key_Slash, false, '/', u"/"},
    K{0xc0, Qt::Key_QuoteLeft, false, '`', u"`"},
    K{0xdb, Qt::Key_BracketLeft, false, '[', u"["},
    K{0xdc, Qt::Key_Backslash, false, '\\', u"\\"},
    K{0xdd, Qt::Key_BracketRight, false, ']', u"]"},
    K{0xde, Qt::Key_Apostrophe, false, '\'', u"'"},
};

struct Alias
{
    int qtKey;
    int vk;
};

// Keys that Qt reports under another name than the table's: the US layout's shifted
// symbols, Shift + Tab, the number pad's Enter, the Windows key as Meta.
constexpr Alias Aliases[] = {
    {Qt::Key_Exclam, '1'}, {Qt::Key_At, '2'}, {Qt::Key_NumberSign, '3'}, {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'}, {Qt::Key_AsciiCircum, '6'}, {Qt::Key_Ampersand, '7'}, {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'}, {Qt::Key_ParenRight, '0'},
    {Qt::Key_Colon, 0xba}, {Qt::Key_Plus, 0xbb}, {Qt::Key_Less, 0xbc}, {Qt::Key_Underscore, 0xbd},
    {Qt::Key_Greater, 0xbe}, {Qt::Key_Question, 0xbf}, {Qt::Key_AsciiTilde, 0xc0}, {Qt::Key_BraceLeft, 0xdb},
    {Qt::Key_Bar, 0xdc}, {Qt::Key_BraceRight, 0xdd}, {Qt::Key_QuoteDbl, 0xde},
    {Qt::Key_Backtab, 0x09}, {Qt::Key_Enter, 0x0d}, {Qt::Key_Meta, 0x5b},
};

const Key* byVk(int vk)
{
    for (const Key& k : Keys)
        if (k.vk == vk)
            return &k;
    return nullptr;
}

} // namespace

std::span<const Key> table()
{
    return Keys;
}

int toQtKey(int vk)
{
    const Key* k = byVk(vk);
    return k ? k->qtKey : 0;
}

int fromQtKey(int qtKey, bool keypad)
{
    if (keypad)
        for (const Key& k : Keys)
            if (k.keypad && k.qtKey == qtKey)
                return k.vk;
    for (const Key& k : Keys)
        if (!k.keypad && k.qtKey == qtKey)
            return k.vk;
    for (const Alias& a : Aliases)
        if (a.qtKey == qtKey)
            return a.vk;
    return 0;
}

QString name(int vk)
{
    const Key* k = byVk(vk);
    return k ? QString::fromUtf16(k->name) : QString();
}

quint32 keysym(int vk)
{
    const Key* k = byVk(vk);
    return k ? k->keysym : 0;
}

} // namespace VirtualKeys
