#pragma once
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Message files in the layout the parser reads (the one the program writes).
namespace MailTestMessages {

using Attachment = QPair<QString, QByteArray>; // file name as written, bytes

inline QByteArray message(const QString& from, const QString& subject, const QString& body,
                          const QList<Attachment>& attachments = {}, const QString& date = {})
{
    QByteArray m;
    m += "From:" + from.toUtf8() + "\r\n";
    m += "To:<bob@example.test>\r\n";
    m += "Cc:\r\n";
    m += "Subject:" + subject.toUtf8() + "\r\n";
    if (!date.isEmpty())
        m += "Date:" + date.toUtf8() + "\r\n";
    m += "MIME-Version:1.0\r\nX-Mailer:\r\nContent-type:multipart/mixed;Boundary=\r\n\r\n";
    m += "\r\nContent-type:text/plain;Charset=UTF-8\r\nContent-Transfer-Encoding:8bit\r\n\r\n" + body.toUtf8() + "\r\n\r\n";
    for (const Attachment& a : attachments) {
        m += "--\r\nContent-Type:application/octet-stream;Name=" + a.first.toUtf8()
            + "\r\nContent-Disposition:attachment;FileName=" + a.first.toUtf8()
            + "\r\nContent-Transfer-Encoding:Base64\r\n\r\n";
        const QByteArray b64 = a.second.toBase64();
        for (qsizetype i = 0; i < b64.size(); i += 76)
            m += b64.mid(i, 76) + "\r\n";
        m += "\r\n";
    }
    m += "----\r\n.\r\n";
    return m;
}

} // namespace MailTestMessages
