#include "LaunchItem.h"

#include "DataArchive.h"

void LaunchItem::serialize(DataArchive& ar)
{
    ar.io(name);
    ar.io(target);
}
