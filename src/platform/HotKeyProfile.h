#pragma once
#include "platform/Desktop.h"
#include "platform/Registry.h"

// The two global hot keys as the profile keeps them: section "HotKey" (107, shows or
// hides the panel) and "HotKeyWindow" (108, the window hider), each with "sk" (the
// hot-key-control flags: 1 Shift, 2 Control, 4 Alt) and "vk" (the virtual key code).
// Missing values read as 0.
namespace HotKeyProfile {

enum : int { PanelHotKey = 107, WindowHotKey = 108 };

struct HotKey
{
    int flags = 0;      // 1 Shift, 2 Control, 4 Alt
    int virtualKey = 0;
};

inline QString section(int hotKeyId)
{
    return hotKeyId == WindowHotKey ? QStringLiteral("HotKeyWindow") : QStringLiteral("HotKey");
}

inline HotKey read(const Profile& profile, int hotKeyId)
{
    return {profile.readInt(section(hotKeyId), QStringLiteral("sk")), profile.readInt(section(hotKeyId), QStringLiteral("vk"))};
}

inline void write(Profile& profile, int hotKeyId, const HotKey& key)
{
    profile.writeInt(section(hotKeyId), QStringLiteral("sk"), key.flags);
    profile.writeInt(section(hotKeyId), QStringLiteral("vk"), key.virtualKey);
}

// Registers the hot key as the profile has it; failures (a key taken, key 0) are ignored.
inline void registerFromProfile(Desktop& desktop, const Profile& profile, int hotKeyId)
{
    const HotKey key = read(profile, hotKeyId);
    desktop.registerHotKey(hotKeyId, Desktop::modifiersFromHotKeyFlags(key.flags), key.virtualKey);
}

} // namespace HotKeyProfile
