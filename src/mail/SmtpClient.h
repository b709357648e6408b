#pragma once
#include "mail/MailSocket.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

class TextCodec;

// A message for the writer: the same layout goes to the server or into a draft file.
struct OutgoingMail
{
    QString fromAddress;
    QStringList to;
    QStringList cc;
    QString senderName;
    QString subject;
    QString body;
    QStringList attachments; // full paths, in order
    bool html = false;
    bool toFile = false;
    QString filePath; // the draft file, when toFile
};

// Splits the composer's "Receiver" and "Copy to" texts at every comma.
QStringList SplitAddresses(const QString& text);

// Adds the dot-stuffing of SMTP data: a line that starts with "." gets another in front.
class DotStuffer
{
public:
    void apply(const QByteArray& in, QByteArray& out);

private:
    bool m_lineStart = true;
};

// The SMTP client with AUTH LOGIN; blocking, on the calling (worker) thread. `Abort` may
// be called from any thread.
class SmtpClient
{
public:
    static constexpr qint64 kBlockSize = 11400; // 200 base64 lines of 57 bytes
    // (attachment number from 1, percent)
    using Progress = std::function<void(int number, int percent)>;

    explicit SmtpClient(const TextCodec& codec, Progress progress = {});

    bool Connect(const QString& server, int port);
    bool Authenticate(const QString& user, const QString& password);
    bool WriteMessage(const OutgoingMail& mail);
    void Abort();
    void close();

    // The first attachment that cannot be opened for reading, or empty.
    static QString unreadableAttachment(const QStringList& attachments);

private:
    // Reads one reply, every line of a multi-line one, and checks its three-digit code.
    bool reply(const char* code);
    bool commandReply(const QByteArray& text, const char* code);
    bool writeMessageTo(const OutgoingMail& mail, const std::function<bool(const QByteArray&, bool data)>& out);

    const TextCodec& m_codec;
    Progress m_progress;
    std::atomic<bool> m_abort{false};
    MailSocket m_socket;
};
