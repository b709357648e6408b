#pragma once
#include <QObject>
#include <QString>

class QLocalServer;

// One running Quillora per user and display. The first instance listens on a private local socket
// (in the runtime directory, with the uid in its name); a second start connects, asks the
// first to come to the front, and ends.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when an instance is running; it has been asked to show itself.
    bool notifyRunningInstance();
    // Becomes the running instance; false when the socket cannot be made.
    bool listen();

    static QString socketPath();

Q_SIGNALS:
    void showRequested();

private:
    QLocalServer* m_server = nullptr;
};
