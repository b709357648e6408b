#include "mail/Base64.h"

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

struct DecodeTable
{
    signed char value[256];
    constexpr DecodeTable() : value{}
    {
        for (int i = 0; i < 256; ++i)
            value[i] = 0; // outside the alphabet: 0
        for (int i = 0; i < 64; ++i)
            value[static_cast<unsigned char>(kAlphabet[i])] = static_cast<signed char>(i);
    }
};
constexpr DecodeTable kDecode;

QByteArray encode(const QByteArray& bytes, bool breakLines)
{
    // A CRLF follows every complete line of 76 characters; a short last line gets none.
    const qsizetype n = bytes.size();
    const qsizetype chars = (n + 2) / 3 * 4;
    QByteArray out(chars + (breakLines ? chars / 76 * 2 : 0), Qt::Uninitialized);
    char* o = out.data();
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.constData());
    int onLine = 0;
    auto put = [&](char c) {
        *o++ = c;
        if (breakLines && ++onLine == 76) {
            *o++ = '\r';
            *o++ = '\n';
            onLine = 0;
        }
    };
    qsizetype i = 0;
    for (; i + 3 <= n; i += 3) {
        const unsigned v = (unsigned(in[i]) << 16) | (unsigned(in[i + 1]) << 8) | in[i + 2];
        put(kAlphabet[(v >> 18) & 63]);
        put(kAlphabet[(v >> 12) & 63]);
        put(kAlphabet[(v >> 6) & 63]);
        put(kAlphabet[v & 63]);
    }
    if (n - i == 1) {
        const unsigned v = unsigned(in[i]) << 16;
        put(kAlphabet[(v >> 18) & 63]);
        put(kAlphabet[(v >> 12) & 63]);
        put('=');
        put('=');
    } else if (n - i == 2) {
        const unsigned v = (unsigned(in[i]) << 16) | (unsigned(in[i + 1]) << 8);
        put(kAlphabet[(v >> 18) & 63]);
        put(kAlphabet[(v >> 12) & 63]);
        put(kAlphabet[(v >> 6) & 63]);
        put('=');
    }
    out.truncate(o - out.constData());
    return out;
}

} // namespace

QByteArray Base64Encode(const QByteArray& bytes)
{
    return encode(bytes, true);
}

QByteArray Base64EncodeLine(const QByteArray& bytes)
{
    return encode(bytes, false);
}

qsizetype Base64Decoder::flushGroup(int chars, QByteArray& out)
{
    // A group gives three bytes, fewer when "=" ended it or the input ended early.
    const unsigned v = (unsigned(kDecode.value[m_group[0]]) << 18) | (unsigned(chars > 1 ? kDecode.value[m_group[1]] : 0) << 12)
        | (unsigned(chars > 2 ? kDecode.value[m_group[2]] : 0) << 6) | unsigned(chars > 3 ? kDecode.value[m_group[3]] : 0);
    const int bytes = chars - 1;
    const char b[3] = {char(v >> 16), char(v >> 8), char(v)};
    if (bytes > 0)
        out.append(b, bytes);
    m_count = 0;
    m_ended = false;
    return bytes > 0 ? bytes : 0;
}

qsizetype Base64Decoder::feed(const char* text, qsizetype size, QByteArray& out)
{
    qsizetype produced = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (m_count == 0 && (c == '\r' || c == '\n'))
            continue;
        if (c == '=' && m_count >= 2 && !m_ended) {
            m_ended = true;
            m_data = m_count;
        }
        if (!m_ended)
            m_group[m_count] = c;
        if (++m_count == 4)
            produced += flushGroup(m_ended ? m_data : 4, out);
    }
    return produced;
}

qsizetype Base64Decoder::finish(QByteArray& out)
{
    if (m_count == 0)
        return 0;
    return flushGroup(m_ended ? m_data : m_count, out);
}

QByteArray Base64Decode(const QByteArray& text)
{
    QByteArray out;
    out.reserve(text.size() / 4 * 3 + 3);
    Base64Decoder d;
    d.feed(text, out);
    d.finish(out);
    return out;
}
