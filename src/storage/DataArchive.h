#pragma once
#include <QByteArray>
#include <QString>

#include <exception>

class QIODevice;
class TextCodec;

// Raised by a typed read that needs more bytes than the file holds. It is the one error
// that unwinds: it abandons the load in progress.
class ArchiveEofError : public std::exception
{
public:
    const char* what() const noexcept override { return "archive end of file"; }
    // The message the user sees for it.
    static QString message();
};

// The typed binary stream every data file is written in: little-endian integers,
// 32-bit time values, marked UTF-16 strings, no header.
class DataArchive
{
public:
    enum class Mode { Store, Load };

    // The device must be open (for writing when storing, for reading when loading).
    // `codec` converts the 8-bit strings older files may hold; null = the locale's charset.
    DataArchive(QIODevice* device, Mode mode, const TextCodec* codec = nullptr);
    ~DataArchive();
    DataArchive(const DataArchive&) = delete;
    DataArchive& operator=(const DataArchive&) = delete;

    bool isStoring() const { return m_mode == Mode::Store; }
    bool isLoading() const { return m_mode == Mode::Load; }

    void putByte(quint8 v);
    void putWord(quint16 v);
    void putInt(qint32 v);
    void putUInt(quint32 v) { putInt(qint32(v)); }
    void putTime(qint64 secondsSince1970);
    void putString(const QString& s);
    void putBlock(const char* data, qint64 size);
    void putCount(quint32 count);

    quint8 getByte();
    quint16 getWord();
    qint32 getInt();
    quint32 getUInt() { return quint32(getInt()); }
    qint64 getTime();
    QString getString();
    // Reads up to `size` raw bytes; at the end of the file it returns fewer, without error.
    qint64 getBlock(char* data, qint64 size);
    quint32 getCount();

    // Bytes left to read (loading only).
    qint64 remaining() const;

    // Writes out the buffer (storing); true when every byte reached the device.
    bool flush();
    bool ok() const { return !m_writeFailed; }

    // Serialisation in one place: a record's serialize() calls io() for each field and
    // the same code writes or reads it.
    void io(quint8& v) { isStoring() ? putByte(v) : void(v = getByte()); }
    void io(bool& v);
    void io(quint16& v) { isStoring() ? putWord(v) : void(v = getWord()); }
    void io(qint32& v) { isStoring() ? putInt(v) : void(v = getInt()); }
    void io(quint32& v) { isStoring() ? putUInt(v) : void(v = getUInt()); }
    void io(QString& v) { isStoring() ? putString(v) : void(v = getString()); }

private:
    void need(qint64 n) const;
    void readExact(char* data, qint64 n);
    quint32 readLength(bool* unicode);

    QIODevice* m_device;
    Mode m_mode;
    const TextCodec* m_codec;
    QByteArray m_buffer;
    bool m_writeFailed = false;
};

// The byte form of one string, as the archive writes it.
namespace ArchiveString {
QByteArray encode(const QString& s);
}
