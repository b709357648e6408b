#pragma once
#include "mail/MailAccount.h"

#include <QMutex>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <optional>

class Pop3Client;
class QThread;

// The receive operation: fetches every waiting message of an account into its Inbox on a
// worker thread. The worker works on copies of the account and reports through queued
// signals; one receive at a time.
class MailReceiver : public QObject
{
    Q_OBJECT
public:
    explicit MailReceiver(QObject* parent = nullptr);
    ~MailReceiver() override;

    // Starts a receive for the selected account (none: "Please select the account.").
    // False, doing nothing, while a receive runs. `codecName` names the code page of
    // command text (empty: the locale's).
    bool start(const std::optional<MailAccount>& account, const QString& programDir, const QByteArray& codecName = {});
    bool isRunning() const { return m_running.load(); }
    // Cancels the running receive (the progress window's Cancel and Close); any thread.
    void Abort();
    // Waits until the worker has ended (tests, shutdown); false on time-out.
    bool wait(int timeoutMs);

    // "The No.%d/%d is " followed by "in receiving ..." below 100 and "completed." after.
    static QString progressLine(int number, int total, int percent);

Q_SIGNALS:
    // The progress window's ShowProgress: new text (empty: keep), percent (0: keep), hide.
    void progressText(const QString& text, int percent, bool hide);
    // One message's progress, with the total of the receive.
    void progress(int number, int total, int percent);
    // A message box with the caption "Error".
    void message(const QString& text);
    // New files may be in Inbox: list the selected folder again.
    void folderChanged();
    void finished();

private:
    void run(MailAccount account, QString inbox, QByteArray codecName);

    std::atomic<bool> m_running{false};
    std::atomic<bool> m_abort{false};
    QMutex m_clientLock; // guards m_client: Abort reaches the worker's client through it
    Pop3Client* m_client = nullptr;
    QThread* m_thread = nullptr;
};
