#include "mail/MailParser.h"

#include "mail/Base64.h"
#include "storage/DataFile.h"
#include "platform/TextCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

#include <string_view>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 kBlock = 1024;

// The bytes of a file, mapped when it has any.
class FileBytes
{
public:
    explicit FileBytes(const QString& path)
    {
        const QByteArray native = QFile::encodeName(path);
        m_fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
        if (m_fd < 0)
            return;
        struct stat st;
        if (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(m_fd);
            m_fd = -1;
            return;
        }
        m_size = st.st_size;
        if (m_size > 0) {
            void* p = ::mmap(nullptr, size_t(m_size), PROT_READ, MAP_PRIVATE, m_fd, 0);
            if (p == MAP_FAILED) {
                ::close(m_fd);
                m_fd = -1;
                return;
            }
            m_data = static_cast<const char*>(p);
        }
    }
    ~FileBytes()
    {
        if (m_data)
            ::munmap(const_cast<char*>(m_data), size_t(m_size));
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;

    bool ok() const { return m_fd >= 0; }
    const char* data() const { return m_data ? m_data : ""; }
    qint64 size() const { return m_size; }

private:
    int m_fd = -1;
    const char* m_data = nullptr;
    qint64 m_size = 0;
};

qint64 find(std::string_view hay, std::string_view needle, qint64 from)
{
    if (from < 0 || from > qint64(hay.size()))
        return -1;
    const size_t at = hay.find(needle, size_t(from));
    return at == std::string_view::npos ? -1 : qint64(at);
}

qint64 findChar(std::string_view hay, char c, qint64 from)
{
    if (from < 0 || from > qint64(hay.size()))
        return -1;
    const size_t at = hay.find(c, size_t(from));
    return at == std::string_view::npos ? -1 : qint64(at);
}

// The end of a value that runs to the next line feed: the CR of a CRLF is not part of it.
qint64 valueEnd(std::string_view text, qint64 start)
{
    qint64 lf = findChar(text, '\n', start);
    if (lf < 0)
        lf = qint64(text.size());
    if (lf > start && text[size_t(lf - 1)] == '\r')
        --lf;
    return lf;
}

// Whether base64 data yields at least one byte: after the line ends where the first group
// would start, two more characters make a group that gives a byte.
bool yieldsData(std::string_view data)
{
    size_t i = 0;
    while (i < data.size() && (data[i] == '\r' || data[i] == '\n'))
        ++i;
    return data.size() - i >= 2;
}

QString trimSpaces(const QString& s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && (s[b] == QLatin1Char(' ') || s[b] == QLatin1Char('\t')))
        ++b;
    while (e > b && (s[e - 1] == QLatin1Char(' ') || s[e - 1] == QLatin1Char('\t')))
        --e;
    return s.mid(b, e - b);
}

} // namespace

struct MailParser::Walk
{
    QString sender, subject, date, to, encoding;
    bool isMail = false;
    qint64 bodyStart = 0, bodyEnd = 0;
    QList<Part> parts;
};

MailParser::MailParser(QString programDir, const TextCodec& codec)
    : m_programDir(std::move(programDir)), m_codec(codec)
{
}

QString MailParser::DecodeHeader(const QString& value) const
{
    const QString v = trimSpaces(value);
    const qsizetype last = v.lastIndexOf(QLatin1Char('?'));
    if (last <= 0)
        return v;
    const qsizetype before = v.lastIndexOf(QLatin1Char('?'), last - 1);
    if (before < 0)
        return v;
    const QByteArray text = m_codec.fromUnicode(v.mid(before + 1, last - before - 1));
    QByteArray bytes = Base64Decode(text);
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    return m_codec.toUnicode(bytes);
}

bool MailParser::walk(const char* data, qint64 size, Walk& w) const
{
    const std::string_view file(data, size_t(size));

    // The header text: the first three blocks, each up to its first zero byte. `origin`
    // maps a position of the header text back to its byte offset in the file. A line feed
    // stands before the text so a header on the very first line is found too.
    QByteArray head("\n");
    struct Piece { qint64 headStart, fileStart, length; };
    QList<Piece> pieces;
    for (qint64 b = 0; b < 3 && b * kBlock < size; ++b) {
        const qint64 start = b * kBlock;
        const qint64 avail = qMin(kBlock, size - start);
        const void* zero = memchr(data + start, 0, size_t(avail));
        const qint64 len = zero ? static_cast<const char*>(zero) - (data + start) : avail;
        pieces.append({head.size(), start, len});
        head.append(data + start, len);
    }
    auto origin = [&](qint64 headPos) -> qint64 {
        for (const Piece& p : pieces)
            if (headPos >= p.headStart && headPos < p.headStart + p.length)
                return p.fileStart + (headPos - p.headStart);
        return pieces.isEmpty() ? 0 : pieces.last().fileStart + pieces.last().length;
    };
    const std::string_view h(head.constData(), size_t(head.size()));

    auto value = [&](qint64 start) {
        const qint64 end = valueEnd(h, start);
        return m_codec.toUnicode(QByteArray(head.constData() + start, end - start));
    };

    qint64 pos = -1;
    QString rawTo;
    for (qint64 i = findChar(h, '\n', 0); i >= 0; i = findChar(h, '\n', i + 1)) {
        const std::string_view at = h.substr(size_t(i));
        if (at.starts_with("\nFrom:")) {
            w.sender = DecodeHeader(value(i + 6));
        } else if (at.starts_with("\nTo:")) {
            const QString raw = value(i + 4);
            const qsizetype eq = raw.lastIndexOf(QLatin1Char('='));
            const QString tail = eq >= 0 ? raw.mid(eq + 1) : QString();
            QString v = DecodeHeader(raw);
            while (!v.isEmpty() && tail.contains(v.back()))
                v.chop(1);
            w.to = v + tail;
        } else if (at.starts_with("\nSubject:")) {
            w.subject = DecodeHeader(value(i + 9));
        } else if (at.starts_with("\nDate:")) {
            w.date = DecodeHeader(value(i + 6));
        } else if (at.starts_with("\nContent-Transfer-Encoding:")) {
            w.encoding = trimSpaces(value(i + 27));
            pos = origin(i + 26);
            break;
        }
    }
    if (pos < 0)
        pos = origin(head.size());

    if (!w.to.contains(QLatin1Char('@')))
        return false;

    // The body: from the encoding line to the first "--".
    const qint64 dash = find(file, "--", pos);
    if (dash < 0)
        return false;
    w.isMail = true;
    const qint64 lf = findChar(file, '\n', pos);
    qint64 start = dash;
    if (lf >= 0 && lf < dash) {
        start = lf + 1;
        // Skip the empty line that ends the part header.
        if (file.substr(size_t(start)).starts_with("\r\n"))
            start += 2;
        else if (file.substr(size_t(start)).starts_with("\n"))
            start += 1;
        start = qMin(start, dash);
    }
    w.bodyStart = start;
    w.bodyEnd = dash;
    qint64 p = dash + 2;

    // The attachments: parts whose header names a Content-Disposition of attachment.
    while (size - p > 2) {
        const qint64 blank = find(file, "\n\r\n", p);
        if (blank < 0)
            break;
        const std::string_view t = file.substr(size_t(p), size_t(blank + 3 - p));
        p = blank + 3;
        const qint64 cd = find(t, "Content-Disposition", 0);
        if (cd < 0)
            continue;
        const qint64 att = find(t, "attachment", cd + 10);
        if (att < 0)
            continue;
        const qint64 nameLf = findChar(t, '\n', att);
        qint64 nameStart = att + 20;
        qint64 nameEnd = nameLf < 0 ? -1 : valueEnd(t, att);
        if (nameEnd <= nameStart) {
            // A folded header: take the file name from its own parameter.
            qint64 fn = -1;
            for (qint64 k = att; k + 9 <= qint64(t.size()); ++k)
                if (QByteArray::fromRawData(t.data() + k, 9).compare("filename=", Qt::CaseInsensitive) == 0) {
                    fn = k;
                    break;
                }
            if (fn < 0)
                continue;
            nameStart = fn;
            nameEnd = valueEnd(t, fn);
            if (nameEnd <= nameStart)
                continue;
        }
        QString name = m_codec.toUnicode(QByteArray(t.data() + nameStart, nameEnd - nameStart));
        const qsizetype eq = name.indexOf(QLatin1Char('='));
        if (eq >= 0)
            name = name.mid(eq + 1);
        while (name.startsWith(QLatin1Char('"')))
            name.remove(0, 1);
        while (name.endsWith(QLatin1Char('"')))
            name.chop(1);
        name = DecodeHeader(name);

        // The data runs to the first "=" (padding) or "--" (the next delimiter).
        Part part{name, p, p};
        if (size - p > 2) {
            const qint64 dashAt = find(file, "--", p);
            const std::string_view region = file.substr(0, size_t(dashAt < 0 ? size : dashAt));
            const qint64 eqAt = findChar(region, '=', p);
            const qint64 stop = eqAt >= 0 ? eqAt : dashAt;
            if (stop < 0) {
                part.dataEnd = size;
                p = size;
            } else {
                part.dataEnd = stop;
                p = stop + 2;
            }
        }
        if (yieldsData(file.substr(size_t(part.dataStart), size_t(part.dataEnd - part.dataStart))))
            w.parts.append(part);
        else
            p += 1;
    }
    return true;
}

MailParser::Result MailParser::parseBytes(const char* data, qint64 size, const QString& path) const
{
    Walk w;
    const qint32 size32 = qint32(qMin<qint64>(size, std::numeric_limits<qint32>::max()));
    if (!walk(data, size, w))
        return NonMailRecord{size32, path};
    MailRecord r;
    r.sender = w.sender;
    r.subject = w.subject;
    r.date = w.date;
    r.size = size32;
    r.path = path;
    QByteArray body(data + w.bodyStart, w.bodyEnd - w.bodyStart);
    if (w.encoding == QLatin1String("base64"))
        body = Base64Decode(body);
    const qsizetype zero = body.indexOf('\0');
    if (zero >= 0)
        body.truncate(zero);
    r.bodyText = m_codec.toUnicode(body);
    for (const Part& p : w.parts)
        r.attachments.append(p.name);
    return r;
}

MailParser::Result MailParser::Parse(const QString& path) const
{
    DataFile::resetAttributes(path);
    FileBytes f(path);
    if (!f.ok())
        return std::monostate{};
    return parseBytes(f.data(), f.size(), path);
}

bool MailParser::ExtractAttachment(const QString& path, int k, const QString& destination, Fallback fallback) const
{
    FileBytes f(path);
    if (!f.ok())
        return false;
    Walk w;
    if (!walk(f.data(), f.size(), w) || k < 0 || k >= w.parts.size())
        return false;
    const Part& part = w.parts[k];

    // Decode into the scratch file first, then copy it to the destination.
    const QString scratchPath = m_programDir + scratchName();
    QFile scratch(scratchPath);
    if (!scratch.open(QIODevice::ReadWrite | QIODevice::Truncate))
        return false;
    Base64Decoder decoder;
    QByteArray out;
    constexpr qint64 kChunk = 1 << 16;
    bool written = true;
    for (qint64 at = part.dataStart; at < part.dataEnd && written; at += kChunk) {
        out.clear();
        decoder.feed(f.data() + at, qMin(kChunk, part.dataEnd - at), out);
        written = scratch.write(out) == out.size();
    }
    out.clear();
    decoder.finish(out);
    written = written && scratch.write(out) == out.size();

    QFile target(destination);
    if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (fallback == Fallback::None) {
            scratch.close();
            scratch.remove();
            return false;
        }
        target.setFileName(m_programDir + QStringLiteral("file") + QString::number(0));
        if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            scratch.close();
            scratch.remove();
            return false;
        }
    }
    scratch.seek(0);
    QByteArray block;
    while (written && !(block = scratch.read(kChunk)).isEmpty())
        written = target.write(block) == block.size();
    written = target.flush() && written;
    target.close();
    scratch.close();
    scratch.remove();
    return written;
}

QString MailParser::plainFileName(const QString& name)
{
    QString last = name;
    const qsizetype cut = qMax(last.lastIndexOf(QLatin1Char('/')), last.lastIndexOf(QLatin1Char('\\')));
    if (cut >= 0)
        last = last.mid(cut + 1);
    QString out;
    out.reserve(last.size());
    for (QChar c : std::as_const(last))
        if (c.unicode() >= 0x20 && c.unicode() != 0x7f && c.category() != QChar::Other_Control)
            out.append(c);
    out = out.trimmed();
    if (out.isEmpty() || out == QLatin1String(".") || out == QLatin1String(".."))
        return QStringLiteral("attachment");
    return out;
}
