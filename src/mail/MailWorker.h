#pragma once
#include <QMutex>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>

class QThread;

// What the mail operations (receive, send) share: one operation at a time, run on a
// worker thread of its own with copies of what it needs taken at the start; Abort from
// any thread, which also reaches the protocol client the operation is using; reports
// through signals, which reach the owner's thread queued.
class MailWorker : public QObject
{
    Q_OBJECT
public:
    ~MailWorker() override;

    bool isRunning() const { return m_running.load(); }
    // Cancels the running operation (the progress window's Cancel and Close); any thread.
    void Abort();
    // Waits until the worker has ended (tests, shutdown); false on time-out. A negative
    // time-out waits for ever.
    bool wait(int timeoutMs);

Q_SIGNALS:
    // The progress window's ShowProgress: new text (empty: keep), percent (0: keep), hide.
    void progressText(const QString& text, int percent, bool hide);
    // One message's or attachment's progress, with the total of the operation.
    void progress(int number, int total, int percent);
    // Files in the mail folders changed: list the selected folder again.
    void folderChanged();

protected:
    explicit MailWorker(QObject* parent);

    // Runs `job` on a new worker thread; false, doing nothing, while an operation runs.
    // The job works on the copies it captured.
    bool startJob(std::function<bool()> job);
    // Cancels the job and waits for its end. Each operation's destructor calls it first:
    // the job runs the operation's own code, so it must end while the whole object exists.
    void finish();
    // On the owner's thread, once the job has ended, with what it returned.
    virtual void jobEnded(bool result) = 0;

    bool abortRequested() const { return m_abort.load(); }

    // While it lives, Abort reaches the operation's client too. Ending it (or leaving its
    // scope) unhooks the client first and then closes its connection.
    class ClientScope
    {
    public:
        template <class Client>
        ClientScope(MailWorker& worker, Client& client)
            : ClientScope(worker, [&client] { client.Abort(); }, [&client] { client.close(); })
        {
        }
        ~ClientScope() { end(); }
        ClientScope(const ClientScope&) = delete;
        ClientScope& operator=(const ClientScope&) = delete;
        void end();

    private:
        ClientScope(MailWorker& worker, std::function<void()> abort, std::function<void()> close);

        MailWorker& m_worker;
        std::function<void()> m_close;
    };

    // "The No.%d/%d is " followed by `doing` below 100 percent and "completed." from 100 on.
    static QString progressLine(int number, int total, int percent, const QString& doing);

private:
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_abort{false};
    QMutex m_clientLock; // guards m_abortClient: Abort reaches the worker's client through it
    std::function<void()> m_abortClient;
    QThread* m_thread = nullptr;
    std::atomic<bool> m_result{false};
};
