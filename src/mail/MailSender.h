#pragma once
#include <QMutex>
#include <QObject>
#include <QString>

#include <atomic>

class SmtpClient;
class QThread;

// The send operation: sends one saved draft on a worker thread and, when the server has
// taken it, moves its message file to Sent and deletes its companion file. One send at
// a time; the worker reports through queued signals.
class MailSender : public QObject
{
    Q_OBJECT
public:
    explicit MailSender(QObject* parent = nullptr);
    ~MailSender() override;

    // Starts sending the draft whose message file is `draftPath`; false ("Now, it is
    // sending.") while a send runs.
    bool start(const QString& draftPath, const QByteArray& codecName = {});
    bool isBusy() const { return m_busy.load(); }
    void Abort(); // any thread
    bool wait(int timeoutMs);

    // "The No.%d/%d is " followed by "in sending ..." below 100 and "completed." after.
    static QString progressLine(int number, int total, int percent);

Q_SIGNALS:
    void progressText(const QString& text, int percent, bool hide);
    void progress(int number, int total, int percent);
    void folderChanged();
    void finished(bool sent);

private:
    bool run(QString draftPath, QByteArray codecName);

    std::atomic<bool> m_busy{false};
    std::atomic<bool> m_abort{false};
    QMutex m_clientLock;
    SmtpClient* m_client = nullptr;
    QThread* m_thread = nullptr;
    std::atomic<bool> m_sent{false};
};
