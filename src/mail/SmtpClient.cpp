#include "mail/SmtpClient.h"

#include "mail/Base64.h"
#include "platform/TextCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QStringList SplitAddresses(const QString& text)
{
    if (text == QLatin1String(","))
        return {text};
    if (text.size() < 2)
        return {};
    QStringList pieces = text.split(QLatin1Char(','));
    if (pieces.last().isEmpty())
        pieces.removeLast(); // a trailing comma adds no piece
    return pieces;
}

void DotStuffer::apply(const QByteArray& in, QByteArray& out)
{
    const char* p = in.constData();
    const char* end = p + in.size();
    out.reserve(out.size() + in.size() + 16);
    while (p < end) {
        if (m_lineStart && *p == '.')
            out.append('.');
        const void* lf = memchr(p, '\n', size_t(end - p));
        const char* stop = lf ? static_cast<const char*>(lf) + 1 : end;
        out.append(p, stop - p);
        m_lineStart = lf != nullptr;
        p = stop;
    }
}

SmtpClient::SmtpClient(const TextCodec& codec, Progress progress)
    : m_codec(codec), m_progress(std::move(progress)), m_socket(m_abort)
{
}

void SmtpClient::close()
{
    m_socket.close();
}

void SmtpClient::Abort()
{
    m_abort = true;
}

bool SmtpClient::reply(const char* code)
{
    // "250-first" lines continue the reply; "250 last" (or a bare "250") ends it.
    QByteArray line;
    QByteArray first;
    for (int lines = 0;; ++lines) {
        if (!m_socket.readLine(line) || lines > 1000)
            return false;
        if (lines == 0)
            first = line;
        if (line.size() < 4 || line[3] != '-')
            break;
    }
    return first.startsWith(code);
}

bool SmtpClient::commandReply(const QByteArray& text, const char* code)
{
    if (!m_socket.send(text)) {
        close();
        return false;
    }
    return reply(code);
}

bool SmtpClient::Connect(const QString& server, int port)
{
    // A client serves one send: a cancel that came before it connected still counts.
    if (!m_socket.connectTo(server, port))
        return false;
    if (!reply("220"))
        return false;
    // AUTH is an extension announced by EHLO; HELO is for servers that refuse EHLO.
    const QByteArray name = m_codec.fromUnicode(server);
    if (commandReply("EHLO " + name + "\r\n", "250"))
        return true;
    if (!m_socket.isOpen())
        return false;
    return commandReply("HELO " + name + "\r\n", "250");
}

bool SmtpClient::Authenticate(const QString& user, const QString& password)
{
    // Each credential goes on one line, however long.
    return commandReply("AUTH LOGIN\r\n", "334") && commandReply(Base64EncodeLine(m_codec.fromUnicode(user)) + "\r\n", "334")
        && commandReply(Base64EncodeLine(m_codec.fromUnicode(password)) + "\r\n", "235");
}

QString SmtpClient::unreadableAttachment(const QStringList& attachments)
{
    for (const QString& path : attachments) {
        QFile f(path);
        if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly))
            return path;
    }
    return {};
}

bool SmtpClient::writeMessageTo(const OutgoingMail& mail, const std::function<bool(const QByteArray&, bool)>& out)
{
    const bool socket = !mail.toFile;
    auto text = [&](const QString& s) { return m_codec.fromUnicode(s); };
    // Every line of the layout ends in CRLF, the typed body's too.
    QString body = mail.body;
    body.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    body.replace(QLatin1Char('\n'), QLatin1String("\r\n"));

    QByteArray header;
    header += "From:" + text(mail.senderName) + "<" + text(mail.fromAddress) + ">\r\n";
    auto list = [&](const QStringList& addresses) {
        QByteArray l;
        for (qsizetype i = 0; i < addresses.size(); ++i)
            l += (i ? "," : "") + QByteArray("<") + text(addresses[i]) + ">";
        return l;
    };
    header += "To:" + list(mail.to) + "\r\n";
    header += "Cc:" + list(mail.cc) + "\r\n";
    header += "Subject:" + text(mail.subject) + "\r\n";
    header += "MIME-Version:1.0\r\n";
    header += "X-Mailer:\r\n";
    header += "Content-type:multipart/mixed;Boundary=\r\n\r\n";
    if (!out(header, true))
        return false;

    const QByteArray charset = m_codec.charsetName();
    QByteArray part = "\r\n";
    part += (mail.html ? "Content-type:text/html;Charset=" : "Content-type:text/plain;Charset=") + charset + "\r\n";
    part += "Content-Transfer-Encoding:8bit\r\n\r\n";
    part += text(body);
    part += "\r\n\r\n";
    if (!out(part, true))
        return false;

    for (qsizetype i = 0; i < mail.attachments.size(); ++i) {
        const QString& path = mail.attachments[i];
        const QByteArray name = text(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
        if (!out("--\r\nContent-Type:application/octet-stream;Name=" + name + "\r\nContent-Disposition:attachment;FileName=" + name
                     + "\r\nContent-Transfer-Encoding:Base64\r\n\r\n",
                 true))
            return false;
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return false;
        const qint64 size = f.size();
        qint64 done = 0;
        int lastPercent = 0;
        QByteArray block(kBlockSize, Qt::Uninitialized);
        for (;;) {
            qint64 got = 0;
            while (got < kBlockSize) {
                const qint64 n = f.read(block.data() + got, kBlockSize - got);
                if (n < 0)
                    return false;
                if (n == 0)
                    break;
                got += n;
            }
            if (got == 0)
                break;
            if (socket && m_abort.load())
                return false;
            QByteArray chunk = Base64Encode(got == kBlockSize ? block : block.left(got));
            if (got < kBlockSize)
                chunk += "\r\n\r\n";
            if (!out(chunk, false))
                return false;
            done += got;
            if (socket && m_progress && size > 0) {
                const int percent = int(done * 100 / size);
                if (qAbs(percent - lastPercent) > 1) {
                    lastPercent = percent;
                    m_progress(int(i + 1), percent);
                }
            }
            if (got < kBlockSize)
                break;
        }
    }
    return true;
}

bool SmtpClient::WriteMessage(const OutgoingMail& mail)
{
    if (mail.fromAddress.isEmpty() || mail.to.isEmpty())
        return false;
    // A cancel is never forgotten once given: one that came between the login and this
    // point stops the message before anything of it goes out.
    if (m_abort.load() && !mail.toFile)
        return false;
    // Nothing goes out for a message whose attachments cannot all be read.
    if (!unreadableAttachment(mail.attachments).isEmpty())
        return false;
    auto text = [&](const QString& s) { return m_codec.fromUnicode(s); };
    QByteArray envelope = "MAIL FROM:<" + text(mail.fromAddress) + ">\r\n";
    QStringList receivers = mail.to + mail.cc;

    if (mail.toFile) {
        // Written whole or not at all.
        QSaveFile file(mail.filePath);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        bool ok = file.write(envelope) == envelope.size();
        for (const QString& a : receivers) {
            const QByteArray rcpt = "RCPT To:<" + text(a) + ">\r\n";
            ok = ok && file.write(rcpt) == rcpt.size();
        }
        ok = ok && writeMessageTo(mail, [&](const QByteArray& b, bool) { return file.write(b) == b.size(); });
        ok = ok && file.write("----\r\n.\r\n") == 9;
        if (!ok) {
            file.cancelWriting();
            return false;
        }
        return file.commit();
    }

    if (m_progress)
        m_progress(1, 0);
    if (!commandReply(envelope, "250"))
        return false;
    for (const QString& a : receivers)
        if (!commandReply("RCPT To:<" + text(a) + ">\r\n", "250"))
            return false;
    if (!commandReply("DATA\r\n", "354"))
        return false;
    DotStuffer stuffer;
    QByteArray stuffed;
    const bool written = writeMessageTo(mail, [&](const QByteArray& b, bool mayNeedStuffing) {
        if (!mayNeedStuffing) // base64 lines never start with "."
            return m_socket.queue(b);
        stuffed.clear();
        stuffer.apply(b, stuffed);
        return m_socket.queue(stuffed);
    });
    if (!written) {
        // The message must not end as if it were complete: hang up instead.
        close();
        return false;
    }
    if (!commandReply("----\r\n.\r\n", "250"))
        return false;
    if (!commandReply("QUIT\r\n", "221"))
        return false;
    if (m_progress)
        m_progress(1, 100);
    close();
    return true;
}
