// MailParser on arbitrary file contents: Parse, the header decoding, and extracting every
// attachment it lists. No crash, no hang, memory bounded by the input.
#include "mail/MailParser.h"

#include "platform/TextCodec.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

namespace {

struct Env
{
    QTemporaryDir dir{QDir::tempPath() + QStringLiteral("/mailfuzz-XXXXXX")};
    LocaleTextCodec codec{"UTF-8"};
    MailParser parser{dir.path() + QLatin1Char('/'), codec};
    QString file = dir.path() + QStringLiteral("/m.eml");
    QString out = dir.path() + QStringLiteral("/out.bin");
};

Env& env()
{
    static Env e;
    return e;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Env& e = env();
    const char* bytes = reinterpret_cast<const char*>(data);
    const MailParser::Result r = e.parser.parseBytes(bytes, qint64(size), e.file);
    e.parser.DecodeHeader(QString::fromLatin1(bytes, qsizetype(qMin<size_t>(size, 512))));

    if (const auto* mail = std::get_if<MailRecord>(&r); mail && !mail->attachments.isEmpty()) {
        QFile f(e.file);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            f.write(bytes, qint64(size));
            f.close();
            for (int k = 0; k < mail->attachments.size() && k < 4; ++k)
                e.parser.ExtractAttachment(e.file, k, e.out);
        }
    }
    return 0;
}
