#pragma once
#include <QString>

namespace FavoriteAddress {
// The address a favourite's web site opens: leading spaces, then leading slashes, then
// trailing spaces removed, and "http://" put in front unless the address already names
// its scheme ("http://" in any case, or another "scheme://").
QString normalise(const QString& webSite);
}
