#pragma once
#include "alarms/AlarmRecord.h"
#include "storage/ItemArray.h"

// The Alarm page's records and their file "Alarm.tmp": the count, the row last
// double-clicked, then the records.
using AlarmList = ItemArray<AlarmRecord>;
