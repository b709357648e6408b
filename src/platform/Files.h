#pragma once
#include <QString>

// File-system operations beyond plain reading and writing.
class Files
{
public:
    virtual ~Files() = default;
    // "Reset the attributes to normal": gives the owner read and write permission.
    virtual bool resetAttributes(const QString& path) = 0;
};
