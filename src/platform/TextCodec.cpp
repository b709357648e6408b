#include "platform/TextCodec.h"

#include <cerrno>
#include <iconv.h>
#include <langinfo.h>

namespace {

QByteArray localeCharset()
{
    const char* cs = nl_langinfo(CODESET);
    const QByteArray name = cs ? QByteArray(cs) : QByteArray();
    if (name.isEmpty() || name == "ANSI_X3.4-1968" || name == "ASCII")
        return QByteArrayLiteral("UTF-8");
    return name;
}

// Converts a whole buffer; unconvertible input is replaced by '?' rather than dropped.
QByteArray convert(const char* to, const char* from, const QByteArray& in)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return {};
    QByteArray out;
    out.resize(in.size() * 4 + 16);
    char* src = const_cast<char*>(in.constData());
    size_t srcLeft = size_t(in.size());
    char* dst = out.data();
    size_t dstLeft = size_t(out.size());
    while (srcLeft > 0) {
        if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) != size_t(-1))
            break;
        if (errno == E2BIG) {
            const qsizetype used = dst - out.data();
            out.resize(out.size() * 2);
            dst = out.data() + used;
            dstLeft = size_t(out.size() - used);
        } else { // invalid or incomplete sequence: skip one input byte
            ++src;
            --srcLeft;
            if (dstLeft == 0)
                continue;
            *dst++ = '?';
            --dstLeft;
        }
    }
    out.resize(dst - out.data());
    iconv_close(cd);
    return out;
}

} // namespace

LocaleTextCodec::LocaleTextCodec(QByteArray charset)
    : m_charset(charset.isEmpty() ? localeCharset() : std::move(charset))
{
    const QByteArray up = m_charset.toUpper();
    if (up == "UTF-8" || up == "UTF8")
        m_kind = Kind::Utf8;
    else if (up == "ISO-8859-1" || up == "LATIN1")
        m_kind = Kind::Latin1;
    else
        m_kind = Kind::Iconv;
}

QString LocaleTextCodec::toUnicode(const QByteArray& bytes) const
{
    switch (m_kind) {
    case Kind::Utf8: return QString::fromUtf8(bytes);
    case Kind::Latin1: return QString::fromLatin1(bytes);
    case Kind::Iconv: break;
    }
    const QByteArray u = convert("UTF-16LE", m_charset.constData(), bytes);
    return QString(reinterpret_cast<const QChar*>(u.constData()), u.size() / 2);
}

QByteArray LocaleTextCodec::fromUnicode(const QString& text) const
{
    switch (m_kind) {
    case Kind::Utf8: return text.toUtf8();
    case Kind::Latin1: return text.toLatin1();
    case Kind::Iconv: break;
    }
    const QByteArray in(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    return convert(m_charset.constData(), "UTF-16LE", in);
}
