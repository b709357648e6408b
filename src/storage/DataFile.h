#pragma once
#include <QString>

#include <functional>

class DataArchive;
class TextCodec;

// The rules for finding, reading and replacing a data file.
//  - A missing or unopenable file loads nothing and says nothing: the owner keeps its defaults.
//  - A load that fails part-way (end of file, damage) tells the user once, moves the file
//    aside as NAME.bad so nothing overwrites it, and reports Damaged: the owner then goes on
//    with its defaults (readers fill a scratch record and apply it only when Loaded).
//  - A store writes a sibling temporary file, flushes and syncs it, then renames it over
//    the old one, so a crash or a full disk leaves the previous file intact.
class DataFile
{
public:
    enum class LoadStatus { Missing, Unreadable, Loaded, Damaged };
    enum class Access { Normal, OwnerOnly }; // OwnerOnly: mode 0600, for files holding passwords

    using Reader = std::function<void(DataArchive&)>;
    using Writer = std::function<void(DataArchive&)>;
    using Notifier = std::function<void(const QString& message)>;

    static LoadStatus load(const QString& path, const Reader& read, const TextCodec* codec = nullptr);
    static bool store(const QString& path, const Writer& write, Access access = Access::Normal);

    // "Reset the attributes to normal": the owner may read and write the file.
    static void resetAttributes(const QString& path);

    // Who tells the user about a damaged file (the application installs a message box);
    // without one the message goes to the log.
    static void setDamageNotifier(Notifier notifier);
};
