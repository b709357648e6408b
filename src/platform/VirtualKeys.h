#pragma once
#include <QString>
#include <QtGlobal>

#include <span>

// Windows virtual-key codes are the stored form of every key the user chooses (the
// Tetris keys, the hot keys). This is the one place that maps them to and from Qt's keys
// (Qt::Key), to X keysyms for key grabs, and to the names shown to the user.
namespace VirtualKeys {

struct Key
{
    int vk;             // Windows virtual-key code
    int qtKey;          // Qt::Key as the key event reports it (unshifted)
    bool keypad;        // reported with Qt::KeypadModifier (the number pad's own keys)
    quint32 keysym;     // X keysym the key is grabbed by (letters by their lower case); 0 for
                        // Shift, Ctrl, Alt, the Windows keys and Caps Lock, which only qualify
                        // another key
    const char16_t* name;
};

// Every known key, one row per virtual-key code.
std::span<const Key> table();

// The Qt key of a virtual-key code; 0 when there is none.
int toQtKey(int vk);
// The virtual-key code of a key event's key. Shifted symbols of the US layout ("!", "+",
// "{"...) give their key's code; a number-pad key with no code of its own (Enter, the
// arrows with Num Lock off) gives the main key's. 0 when the key has no code.
int fromQtKey(int qtKey, bool keypad = false);
// The key's name for the user ("Left", "S", "Num 5", "F11"); empty when unknown.
QString name(int vk);
// The X keysym of a virtual-key code; 0 when there is none.
quint32 keysym(int vk);

} // namespace VirtualKeys
