#pragma once
#include "mail/MailAccount.h"
#include "mail/MailWorker.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The receive operation: fetches every waiting message of an account into its Inbox on a
// worker thread, working on a copy of the account.
class MailReceiver : public MailWorker
{
    Q_OBJECT
public:
    explicit MailReceiver(QObject* parent = nullptr);
    ~MailReceiver() override;

    // Starts a receive for the selected account (none: "Please select the account.").
    // False, doing nothing, while a receive runs. `codecName` names the code page of
    // command text (empty: the locale's).
    bool start(const std::optional<MailAccount>& account, const QString& programDir, const QByteArray& codecName = {});

    // "The No.%d/%d is " followed by "in receiving ..." below 100 and "completed." after.
    static QString progressLine(int number, int total, int percent);

Q_SIGNALS:
    // A message box with the caption "Error".
    void message(const QString& text);
    void finished();

private:
    bool run(const MailAccount& account, const QString& inbox, const QByteArray& codecName);
    void jobEnded(bool) override { Q_EMIT finished(); }
};
