#pragma once
#include <QString>

class DataArchive;

// One entry of the Boot or Favorite list.
struct LaunchItem
{
    QString name;
    // Boot: the program or document to open; Favorite: the web site address.
    QString target;

    void serialize(DataArchive& ar);
    friend bool operator==(const LaunchItem&, const LaunchItem&) = default;
};
