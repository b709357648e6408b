#pragma once
#include <QDateTime>
#include <QString>

#include <functional>

// The time stamp that names stored message files: the time in UTC+8 as year, month, day,
// hour, minute, second and milliseconds run together.
class MailStamp
{
public:
    using Now = std::function<QDateTime()>; // the current time in UTC

    // The stamp of a moment given in UTC.
    static QString format(const QDateTime& utc);

    // A fresh file name "stamp.eml" in `dir` (ending in "/"): a stamp not issued before in
    // this run and naming no existing file. Two calls within the same millisecond get the
    // stamps of consecutive milliseconds. Safe to call from any thread.
    static QString uniqueFileName(const QString& dir, const Now& now = {});
};
