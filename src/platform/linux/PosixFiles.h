#pragma once
#include "platform/Files.h"

// Files on a POSIX file system.
class PosixFiles final : public Files
{
public:
    // Adds owner read and write to the permissions (a symbolic link itself is left alone);
    // false when the file is missing or its mode cannot be changed.
    bool resetAttributes(const QString& path) override;
};
