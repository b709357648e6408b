#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <list>
#include <memory>

#include "support/ChildProcess.h"
#include "support/TempDir.h"

// A private D-Bus daemon that stands in for both the session and the system bus of this
// process (DBUS_SESSION_BUS_ADDRESS and DBUS_SYSTEM_BUS_ADDRESS point at it), with
// python-dbusmock services on it: startTemplate("timedated") brings up org.freedesktop.timedate1.
// Everything it started ends with it.
class DbusMock
{
public:
    struct Call
    {
        QString method;
        QVariantList args;
    };

    DbusMock();
    ~DbusMock();

    // Starts the bus; false (with error()) when it cannot.
    bool start();
    // Starts a dbusmock template whose well-known name is `service` and waits until it is on the bus.
    bool startTemplate(const QString& name, const QString& service);
    QString error() const { return m_error; }

    // The calls a mock object has seen, oldest first, and forgetting them.
    QList<Call> calls(const QString& service, const QString& path) const;
    void clearCalls(const QString& service, const QString& path) const;
    // Replaces a method of a mock object by Python code (dbusmock's AddMethod).
    bool replaceMethod(const QString& service, const QString& path, const QString& interface, const QString& method,
                       const QString& inSignature, const QString& outSignature, const QString& code) const;

private:
    TempDir m_dir;
    ChildProcess m_bus;
    std::list<std::unique_ptr<ChildProcess>> m_mocks;
    QString m_error;
};
