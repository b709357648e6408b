#pragma once
#include <QByteArray>

// The base64 coder of the mail client (standard alphabet, "=" padding).

// Encodes the bytes; within one call a CRLF follows every complete line of 76 characters,
// a short last line gets none.
QByteArray Base64Encode(const QByteArray& bytes);
// The same without any line breaks (for values that must stay on one line).
QByteArray Base64EncodeLine(const QByteArray& bytes);
// Decodes four characters at a time: a CR or LF where a group would start is skipped,
// a "=" in the third or fourth place ends that group's output, characters outside the
// alphabet count as 0. A short last group gives the bytes its characters hold.
QByteArray Base64Decode(const QByteArray& text);

// The decoder of Base64Decode, fed piece by piece (a group may span two pieces).
class Base64Decoder
{
public:
    // Appends the bytes decoded from `text` to `out`; returns how many were appended.
    qsizetype feed(const char* text, qsizetype size, QByteArray& out);
    qsizetype feed(const QByteArray& text, QByteArray& out) { return feed(text.constData(), text.size(), out); }
    // Ends the input: a short last group gives what it holds.
    qsizetype finish(QByteArray& out);

private:
    qsizetype flushGroup(int chars, QByteArray& out);

    unsigned char m_group[4] = {};
    int m_count = 0;
    int m_data = 0;   // characters before the "=" of the current group
    bool m_ended = false; // a "=" ended the current group's output
};
