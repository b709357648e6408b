#pragma once
#include "mail/MailWorker.h"

#include <QByteArray>
#include <QString>

// The send operation: sends one saved draft on a worker thread and, when the server has
// taken it, moves its message file to Sent and deletes its companion file.
class MailSender : public MailWorker
{
    Q_OBJECT
public:
    explicit MailSender(QObject* parent = nullptr);
    ~MailSender() override;

    // Starts sending the draft whose message file is `draftPath`; false ("Now, it is
    // sending.") while a send runs.
    bool start(const QString& draftPath, const QByteArray& codecName = {});

    // "The No.%d/%d is " followed by "in sending ..." below 100 and "completed." after.
    static QString progressLine(int number, int total, int percent);

Q_SIGNALS:
    void finished(bool sent);

private:
    bool run(const QString& draftPath, const QByteArray& codecName);
    void jobEnded(bool sent) override { Q_EMIT finished(sent); }
};
