#pragma once
#include <QString>

// The registry keys and values the program names, and the profile of integers.
// Key paths are written as the program names them, e.g.
// "HKEY_CURRENT_USER\\SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\RUN".
class Registry
{
public:
    virtual ~Registry() = default;
    virtual bool hasValue(const QString& key, const QString& name) const = 0;
    virtual QString readString(const QString& key, const QString& name) const = 0;
    virtual bool writeString(const QString& key, const QString& name, const QString& value) = 0;
    virtual bool removeValue(const QString& key, const QString& name) = 0;
};

// The program's initialisation file: sections of named integers ("HotKey"/"sk").
class Profile
{
public:
    virtual ~Profile() = default;
    // Missing values read as `fallback`.
    virtual int readInt(const QString& section, const QString& key, int fallback = 0) const = 0;
    virtual bool writeInt(const QString& section, const QString& key, int value) = 0;
};
