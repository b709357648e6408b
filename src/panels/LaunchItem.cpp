#include "panels/LaunchItem.h"

#include "storage/DataArchive.h"

void LaunchItem::serialize(DataArchive& ar)
{
    ar.io(name);
    ar.io(target);
}
