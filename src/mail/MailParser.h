#pragma once
#include "mail/MailAccount.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <variant>

class TextCodec;

// Reads the program's own message files and typical received messages: a handful of
// header names, the text between the first text-part header and the first "--" as the
// body, and the attachments found by their Content-Disposition lines. Works on the file's
// bytes; text is converted from the code page of `codec`.
class MailParser
{
public:
    // Nothing (unopenable file), a message record or a non-message record.
    using Result = std::variant<std::monostate, MailRecord, NonMailRecord>;

    // `programDir` ends in "/": extraction's scratch and fallback files go there.
    MailParser(QString programDir, const TextCodec& codec);

    Result Parse(const QString& path) const;
    // Writes the k-th attachment (from 0, in the order of the record's attachments) to
    // `destination`; when that cannot be created, to "file0" in the program directory
    // (unless `fallback` is None: then nothing is written). False when the file holds no
    // such attachment or nothing could be written where asked.
    enum class Fallback { ProgramDir, None };
    bool ExtractAttachment(const QString& path, int k, const QString& destination,
                           Fallback fallback = Fallback::ProgramDir) const;
    // The header-value decoding: the base64 text between the last two "?" when there are
    // two or more, otherwise the value with spaces trimmed.
    QString DecodeHeader(const QString& value) const;

    // Parse of bytes already read (the same result as for a file holding them).
    Result parseBytes(const char* data, qint64 size, const QString& path) const;

    // A received attachment name reduced to a plain file name to propose when saving: its
    // last path component, without control characters; "attachment" when nothing is left.
    static QString plainFileName(const QString& name);

    static QString scratchName() { return QStringLiteral("1111111111111111111"); }

private:
    struct Part
    {
        QString name;
        qint64 dataStart = 0;
        qint64 dataEnd = 0;
    };
    struct Walk;
    bool walk(const char* data, qint64 size, Walk& out) const;

    QString m_programDir;
    const TextCodec& m_codec;
};
