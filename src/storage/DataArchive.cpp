#include "storage/DataArchive.h"

#include "platform/TextCodec.h"

#include <QIODevice>
#include <QtEndian>

namespace {
constexpr qsizetype kBufferSize = 4096;

void appendLength(QByteArray& out, quint32 length, bool withMarker)
{
    auto word = [&](quint16 w) {
        out.append(char(w & 0xFF));
        out.append(char(w >> 8));
    };
    if (withMarker) {
        out.append(char(0xFF));
        word(0xFFFE);
    }
    if (length <= 254) {
        out.append(char(length));
    } else if (length <= 65533) {
        out.append(char(0xFF));
        word(quint16(length));
    } else {
        out.append(char(0xFF));
        word(0xFFFF);
        char b[4];
        qToLittleEndian<quint32>(length, b);
        out.append(b, 4);
    }
}
} // namespace

QString ArchiveEofError::message()
{
    return QStringLiteral("An attempt was made to access %1 past its end.").arg(QStringLiteral("an unnamed file"));
}

QByteArray ArchiveString::encode(const QString& s)
{
    QByteArray out;
    appendLength(out, quint32(s.size()), true);
    const ushort* u = s.utf16();
    for (qsizetype i = 0; i < s.size(); ++i) {
        out.append(char(u[i] & 0xFF));
        out.append(char(u[i] >> 8));
    }
    return out;
}

DataArchive::DataArchive(QIODevice* device, Mode mode, const TextCodec* codec)
    : m_device(device), m_mode(mode), m_codec(codec)
{
    if (isStoring())
        m_buffer.reserve(kBufferSize);
}

DataArchive::~DataArchive()
{
    if (isStoring())
        flush();
}

bool DataArchive::flush()
{
    if (!m_buffer.isEmpty()) {
        if (m_device->write(m_buffer) != m_buffer.size())
            m_writeFailed = true;
        m_buffer.clear();
    }
    return !m_writeFailed;
}

void DataArchive::putBlock(const char* data, qint64 size)
{
    if (size <= 0)
        return;
    if (m_buffer.size() + size > kBufferSize) {
        flush();
        if (size >= kBufferSize) {
            if (m_device->write(data, size) != size)
                m_writeFailed = true;
            return;
        }
    }
    m_buffer.append(data, qsizetype(size));
}

void DataArchive::putByte(quint8 v)
{
    const char c = char(v);
    putBlock(&c, 1);
}

void DataArchive::putWord(quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    putBlock(b, 2);
}

void DataArchive::putInt(qint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    putBlock(b, 4);
}

void DataArchive::putTime(qint64 secondsSince1970)
{
    putInt(qint32(quint32(secondsSince1970)));
}

void DataArchive::putString(const QString& s)
{
    const QByteArray bytes = ArchiveString::encode(s);
    putBlock(bytes.constData(), bytes.size());
}

void DataArchive::putCount(quint32 count)
{
    if (count < 0xFFFF) {
        putWord(quint16(count));
    } else {
        putWord(0xFFFF);
        putUInt(count);
    }
}

qint64 DataArchive::remaining() const
{
    return m_device->bytesAvailable();
}

void DataArchive::need(qint64 n) const
{
    if (remaining() < n)
        throw ArchiveEofError();
}

void DataArchive::readExact(char* data, qint64 n)
{
    need(n);
    if (m_device->read(data, n) != n)
        throw ArchiveEofError();
}

qint64 DataArchive::getBlock(char* data, qint64 size)
{
    const qint64 got = m_device->read(data, size);
    return got < 0 ? 0 : got;
}

quint8 DataArchive::getByte()
{
    char c;
    readExact(&c, 1);
    return quint8(c);
}

quint16 DataArchive::getWord()
{
    char b[2];
    readExact(b, 2);
    return qFromLittleEndian<quint16>(b);
}

qint32 DataArchive::getInt()
{
    char b[4];
    readExact(b, 4);
    return qFromLittleEndian<qint32>(b);
}

qint64 DataArchive::getTime()
{
    // The stored value is the platform's 32-bit calendar time.
    return qint64(getInt());
}

quint32 DataArchive::getCount()
{
    const quint16 w = getWord();
    return w != 0xFFFF ? w : getUInt();
}

quint32 DataArchive::readLength(bool* unicode)
{
    *unicode = false;
    const quint8 b = getByte();
    if (b < 0xFF)
        return b;
    quint16 w = getWord();
    if (w == 0xFFFE) { // Unicode marker: the length follows in its own three forms
        *unicode = true;
        const quint8 b2 = getByte();
        if (b2 < 0xFF)
            return b2;
        w = getWord();
    }
    if (w < 0xFFFF)
        return w;
    return getUInt();
}

QString DataArchive::getString()
{
    bool unicode = false;
    const quint32 length = readLength(&unicode);
    // The length is checked against the bytes left before anything is allocated, so a
    // damaged length fails at once instead of exhausting memory.
    const qint64 bytes = unicode ? qint64(length) * 2 : qint64(length);
    need(bytes);
    QByteArray raw(qsizetype(bytes), Qt::Uninitialized);
    readExact(raw.data(), bytes);
    if (!unicode)
        return m_codec ? m_codec->toUnicode(raw) : LocaleTextCodec().toUnicode(raw);
    QString s(qsizetype(length), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(s.data());
    for (quint32 i = 0; i < length; ++i)
        out[i] = char16_t(quint8(raw[2 * i]) | (quint8(raw[2 * i + 1]) << 8));
    return s;
}

void DataArchive::io(bool& v)
{
    if (isStoring())
        putByte(v ? 1 : 0);
    else
        v = getByte() != 0;
}
