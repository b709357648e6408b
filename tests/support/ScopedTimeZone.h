#pragma once
#include <QByteArray>
#include <QtGlobal>

#include <ctime>

// Runs a stretch of a test in another local time zone (an IANA name such as "Asia/Shanghai"):
// sets TZ for the process and puts the previous value back at the end of the scope.
class ScopedTimeZone
{
public:
    explicit ScopedTimeZone(const char* zone)
        : m_had(qEnvironmentVariableIsSet("TZ")), m_old(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~ScopedTimeZone()
    {
        if (m_had)
            qputenv("TZ", m_old);
        else
            qunsetenv("TZ");
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    bool m_had;
    QByteArray m_old;
};
