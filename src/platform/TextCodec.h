#pragma once
#include <QByteArray>
#include <QString>

// The "ANSI code page" of the system: on Linux the locale's charset (usually UTF-8).
// All 8-bit text conversions of the program go through here.
class TextCodec
{
public:
    virtual ~TextCodec() = default;
    virtual QString toUnicode(const QByteArray& bytes) const = 0;
    virtual QByteArray fromUnicode(const QString& text) const = 0;
    // The MIME/IANA name of the code page the conversions use, e.g. "UTF-8".
    virtual QByteArray charsetName() const = 0;
};

// Converts with a named charset: UTF-8 and Latin-1 natively, anything else through iconv.
// An empty name means the locale's charset (nl_langinfo(CODESET)); the C locale counts as UTF-8.
class LocaleTextCodec final : public TextCodec
{
public:
    explicit LocaleTextCodec(QByteArray charset = {});
    QString toUnicode(const QByteArray& bytes) const override;
    QByteArray fromUnicode(const QString& text) const override;
    QByteArray charsetName() const override { return m_charset; }

private:
    enum class Kind { Utf8, Latin1, Iconv };
    QByteArray m_charset;
    Kind m_kind = Kind::Utf8;
};
