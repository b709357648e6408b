#include "mail/MailStore.h"

#include "storage/DataArchive.h"
#include "storage/DataFile.h"
#include "platform/TextCodec.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMultiHash>
#include <QMutexLocker>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void serializeIndex(DataArchive& ar, QList<MailRecord>& mail, QList<NonMailRecord>& nonMail)
{
    if (ar.isStoring()) {
        ar.putInt(qint32(mail.size()));
        for (MailRecord& r : mail)
            r.serialize(ar);
        ar.putInt(qint32(nonMail.size()));
        for (NonMailRecord& r : nonMail)
            r.serialize(ar);
        return;
    }
    mail.clear();
    nonMail.clear();
    const qint32 n = ar.getInt();
    for (qint32 i = 0; i < n; ++i) {
        MailRecord r;
        r.serialize(ar);
        mail.append(r);
    }
    const qint32 m = ar.getInt();
    for (qint32 i = 0; i < m; ++i) {
        NonMailRecord r;
        r.serialize(ar);
        nonMail.append(r);
    }
}

bool endsWithNoCase(const QString& s, QLatin1String tail)
{
    return s.endsWith(tail, Qt::CaseInsensitive);
}

// A file's current length, or -1 when it cannot be opened for reading.
qint64 readableLength(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return f.size();
}

// A candidate message file of a folder: full path, length, and whether its owner bits
// already say it can be read (otherwise it is opened to find out).
struct Candidate
{
    QString path;
    qint64 size = 0;
    bool readable = false;
};

// The candidate message files of a folder, in directory order, each with one stat, as
// "find DIR -printf '%s\n'" does. `exists` tells whether the folder could be opened.
QList<Candidate> candidates(const QString& dir, bool skipIndex, bool* exists = nullptr)
{
    QList<Candidate> out;
    const QByteArray native = QFile::encodeName(dir);
    DIR* d = ::opendir(native.constData());
    if (exists)
        *exists = d != nullptr;
    if (!d)
        return out;
    const uid_t me = ::geteuid();
    const int fd = ::dirfd(d);
    const QString tmpName = MailStore::indexFileName() + QLatin1String(".tmp");
    while (const dirent* e = ::readdir(d)) {
        const char* raw = e->d_name;
        if (raw[0] == '.' && (raw[1] == 0 || (raw[1] == '.' && raw[2] == 0)))
            continue;
        if (e->d_type != DT_REG && e->d_type != DT_LNK && e->d_type != DT_UNKNOWN)
            continue;
        struct stat st;
        if (::fstatat(fd, raw, &st, 0) != 0 || !S_ISREG(st.st_mode))
            continue;
        const QString name = QFile::decodeName(raw);
        if (endsWithNoCase(name, QLatin1String(".bak")))
            continue;
        if (skipIndex && name.compare(MailStore::indexFileName(), Qt::CaseInsensitive) == 0)
            continue;
        // The index's own temporary sibling while it is being replaced.
        if (name.startsWith(tmpName))
            continue;
        out.append({dir + name, qint64(st.st_size), me == 0 || (st.st_uid == me && (st.st_mode & S_IRUSR))});
    }
    ::closedir(d);
    return out;
}

// The last separator, when it stands at position 5 or later.
qsizetype splitPoint(const QString& path)
{
    qsizetype at = path.lastIndexOf(QLatin1Char('/'));
    if (at < 5)
        at = path.lastIndexOf(QLatin1Char('\\'));
    return at < 5 ? -1 : at;
}

// Reads an index written in the program's own string form (counted UTF-16) straight from
// its mapped bytes. A folder of thousands of messages holds tens of megabytes of message
// text, the listing's main cost: with `spans` the bodies are not decoded but their places
// noted. Anything else (the other string form, damage) is left to the general reader,
// which also applies the rules for damaged files.
class FastIndexReader
{
public:
    FastIndexReader(const uchar* data, qint64 size) : m_start(data), m_p(data), m_end(data + size) {}

    bool read(QList<MailRecord>& mail, QList<NonMailRecord>& nonMail, QList<qint64>* bodyOffsets)
    {
        if constexpr (Q_BYTE_ORDER != Q_LITTLE_ENDIAN)
            return false;
        const qint32 n = i32();
        if (!m_ok || n < 0 || n > m_end - m_p)
            return false;
        mail.reserve(n);
        if (bodyOffsets)
            bodyOffsets->reserve(n);
        for (qint32 i = 0; i < n && m_ok; ++i) {
            MailRecord r;
            r.sender = str();
            r.state = str();
            r.subject = str();
            r.date = str();
            r.size = i32();
            r.path = str();
            if (bodyOffsets) {
                qint64 at = 0;
                const quint32 length = skipStr(&at);
                bodyOffsets->append(at);
                bodyOffsets->append(length);
            } else {
                r.bodyText = str();
            }
            const qint32 a = i32();
            if (a < 0 || a > m_end - m_p)
                return false;
            for (qint32 k = 0; k < a && m_ok; ++k)
                r.attachments.append(str());
            mail.append(std::move(r));
        }
        const qint32 m = i32();
        if (!m_ok || m < 0 || m > m_end - m_p)
            return false;
        for (qint32 i = 0; i < m && m_ok; ++i) {
            NonMailRecord r;
            r.size = i32();
            r.path = str();
            nonMail.append(std::move(r));
        }
        return m_ok && m_p == m_end;
    }

private:
    bool need(qint64 n)
    {
        m_ok = m_ok && m_end - m_p >= n;
        return m_ok;
    }
    quint32 u(int bytes)
    {
        if (!need(bytes))
            return 0;
        quint32 v = 0;
        for (int i = 0; i < bytes; ++i)
            v |= quint32(m_p[i]) << (8 * i);
        m_p += bytes;
        return v;
    }
    qint32 i32() { return qint32(u(4)); }
    // FF FE FF, then the length in one, two or four bytes; the text's offset and length.
    quint32 skipStr(qint64* at)
    {
        if (u(1) != 0xFF || u(2) != 0xFFFE) {
            m_ok = false;
            return 0;
        }
        quint32 length = u(1);
        if (length == 0xFF) {
            length = u(2);
            if (length == 0xFFFF)
                length = u(4);
        }
        if (!need(qint64(length) * 2))
            return 0;
        *at = m_p - m_start;
        m_p += qint64(length) * 2;
        return length;
    }
    QString str()
    {
        qint64 at = 0;
        const quint32 length = skipStr(&at);
        if (!m_ok)
            return {};
        return QString(reinterpret_cast<const QChar*>(m_start + at), qsizetype(length));
    }

    const uchar* m_start;
    const uchar* m_p;
    const uchar* m_end;
    bool m_ok = true;
};

QString spanKey(const QString& path, qint64 size)
{
    return path + QLatin1Char('|') + QString::number(size);
}

} // namespace

MailStore::MailStore(QString programDir, const TextCodec& codec)
    : m_programDir(std::move(programDir)), m_codec(codec), m_parser(m_programDir, codec)
{
    if (!m_programDir.endsWith(QLatin1Char('/')))
        m_programDir += QLatin1Char('/');
}

void MailStore::LoadAccounts()
{
    m_accounts.clear();
    QList<MailAccount> loaded;
    const auto status = DataFile::load(
        m_programDir + accountFileName(),
        [&](DataArchive& ar) {
            const qint32 n = ar.getInt();
            for (qint32 i = 0; i < n; ++i) {
                MailAccount a;
                a.serialize(ar);
                loaded.append(a);
            }
        },
        &m_codec);
    if (status == DataFile::LoadStatus::Loaded)
        m_accounts = loaded;
}

bool MailStore::SaveAccounts()
{
    return DataFile::store(
        m_programDir + accountFileName(),
        [&](DataArchive& ar) {
            ar.putInt(qint32(m_accounts.size()));
            for (MailAccount a : m_accounts)
                a.serialize(ar);
        },
        DataFile::Access::OwnerOnly);
}

void MailStore::AddAccount(const MailAccount& account)
{
    m_accounts.append(account);
    SaveAccounts();
}

void MailStore::ReplaceAccount(int index, const MailAccount& account)
{
    if (!isAccount(index))
        return;
    m_accounts[index] = account;
    SaveAccounts();
}

void MailStore::RemoveAccount(int index)
{
    if (!isAccount(index))
        return;
    m_accounts.removeAt(index);
    SaveAccounts();
}

bool MailStore::CreateAccountDirectories(const QString& userName)
{
    const QString base = m_programDir + userName;
    if (::mkdir(QFile::encodeName(base).constData(), 0755) != 0)
        return false;
    for (MailFolder f : MailFolders::all())
        ::mkdir(QFile::encodeName(base + QLatin1Char('/') + MailFolders::name(f)).constData(), 0755);
    return true;
}

QString MailStore::portError(const QString& text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok)
        return QStringLiteral("Please enter an integer.");
    if (v < 0 || v > 10000)
        return QStringLiteral("Please enter an integer between %1 and %2.").arg(0).arg(10000);
    return {};
}

QString MailStore::accountNameError(const QString& userName)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (QChar c : userName)
        if (forbidden.contains(c))
            return QStringLiteral("MyAccount name is out of \"\\,/,:,*,?,\",<,>,|\".");
    return {};
}

QString MailStore::confirmNewAccount(const QString& userName)
{
    const QString bad = accountNameError(userName);
    if (!bad.isEmpty())
        return bad;
    // Names that would leave the program directory ("..") are in use too.
    if (userName == QLatin1String(".") || userName == QLatin1String("..") || !CreateAccountDirectories(userName))
        return QStringLiteral("The \"") + userName + QStringLiteral("\" is in use.");
    return {};
}

QString MailStore::FolderPath(int index, MailFolder folder) const
{
    if (!isAccount(index))
        return {};
    return m_programDir + m_accounts[index].userName + QLatin1Char('/') + MailFolders::name(folder) + QLatin1Char('/');
}

QString MailStore::folderDir(int index, const QString& folderName) const
{
    QString dir = m_programDir + m_accounts[index].userName + QLatin1Char('/') + folderName;
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

QList<MailRecord> MailStore::ListFolder(int index, const QString& folderName, QString* message, Bodies bodies)
{
    if (folderName.isEmpty() || !isAccount(index))
        return {};
    QMutexLocker lock(&m_listing);
    const QString dir = folderDir(index, folderName);
    const QString indexPath = dir + indexFileName();
    QList<MailRecord> mail;
    m_nonMail.clear();

    auto parseInto = [&](const QString& path, QList<MailRecord>& into) {
        const MailParser::Result r = m_parser.Parse(path);
        if (const auto* rec = std::get_if<MailRecord>(&r))
            into.append(*rec);
        else if (const auto* non = std::get_if<NonMailRecord>(&r))
            m_nonMail.append(*non);
    };

    bool changed = true;
    if (QFileInfo(indexPath).isFile() && readableLength(indexPath) >= 0) {
        // The index, mapped; with deferred bodies only their places are noted.
        DataFile::resetAttributes(indexPath);
        QFile file(indexPath);
        const qint64 indexSize = file.open(QIODevice::ReadOnly) ? file.size() : -1;
        uchar* mapped = indexSize > 0 ? file.map(0, indexSize) : nullptr;
        QList<qint64> spans; // offset, length for each record while deferred
        bool loaded = false;
        if (mapped) {
            loaded = FastIndexReader(mapped, indexSize).read(mail, m_nonMail, bodies == Bodies::Deferred ? &spans : nullptr);
            if (!loaded) {
                mail.clear();
                m_nonMail.clear();
                spans.clear();
            }
        }
        if (!loaded) {
            file.unmap(mapped);
            mapped = nullptr;
            loaded = loadIndex(indexPath, mail, m_nonMail);
        }
        changed = !loaded;
        const QList<Candidate> files = candidates(dir, true);

        // What the index knows, by path without regard to case, and what the folder holds.
        QMultiHash<QString, qint64> known;
        known.reserve(mail.size() + m_nonMail.size());
        for (const MailRecord& r : std::as_const(mail))
            known.insert(r.path.toCaseFolded(), r.size);
        for (const NonMailRecord& r : std::as_const(m_nonMail))
            known.insert(r.path.toCaseFolded(), r.size);
        QHash<QString, const Candidate*> present;
        present.reserve(files.size());
        for (const Candidate& c : files)
            present.insert(c.path, &c);

        QList<MailRecord> fresh;
        const qsizetype nonBefore = m_nonMail.size();
        for (const Candidate& c : files) {
            const auto sizes = known.equal_range(c.path.toCaseFolded());
            if (std::find(sizes.first, sizes.second, c.size) == sizes.second)
                parseInto(c.path, fresh);
        }
        changed = changed || !fresh.isEmpty() || m_nonMail.size() != nonBefore;

        // A record stays while its file can be read and has the recorded length.
        auto current = [&](const QString& path, qint64 size) {
            const Candidate* c = present.value(path);
            if (c && c->readable)
                return c->size == size;
            return readableLength(path) == size;
        };
        const qsizetype indexed = mail.size();
        QList<bool> keep(indexed);
        qsizetype kept = 0;
        for (qsizetype i = 0; i < indexed; ++i)
            kept += (keep[i] = current(mail[i].path, mail[i].size)) ? 1 : 0;
        const qsizetype nonKnown = m_nonMail.size();
        m_nonMail.removeIf([&](const NonMailRecord& r) { return !current(r.path, r.size); });
        changed = changed || kept != indexed || m_nonMail.size() != nonKnown;

        if (!spans.isEmpty()) {
            if (changed) {
                // The index is written again: it needs every body.
                for (qsizetype i = 0; i < indexed; ++i)
                    mail[i].bodyText = QString(reinterpret_cast<const QChar*>(mapped + spans[2 * i]), qsizetype(spans[2 * i + 1]));
            } else {
                m_deferred.indexPath = indexPath;
                m_deferred.indexSize = indexSize;
                m_deferred.indexTime = QFileInfo(indexPath).lastModified();
                m_deferred.spans.clear();
                m_deferred.spans.reserve(indexed);
                for (qsizetype i = 0; i < indexed; ++i)
                    m_deferred.spans.insert(spanKey(mail[i].path, mail[i].size), {spans[2 * i], spans[2 * i + 1]});
            }
        }
        if (mapped)
            file.unmap(mapped);
        if (kept != indexed) {
            QList<MailRecord> staying;
            staying.reserve(kept + fresh.size());
            for (qsizetype i = 0; i < indexed; ++i)
                if (keep[i])
                    staying.append(std::move(mail[i]));
            mail = std::move(staying);
        }
        mail.append(fresh);
    } else {
        bool exists = false;
        const QList<Candidate> files = candidates(dir, false, &exists);
        if (!exists && message)
            *message = QStringLiteral("The directory \"%1\" is not exist.").arg(dir);
        for (const Candidate& c : files)
            parseInto(c.path, mail);
    }
    // An index that already says exactly this is left as it is.
    if (changed)
        storeIndex(indexPath, mail, m_nonMail);
    return mail;
}

QString MailStore::BodyText(const MailRecord& record) const
{
    if (!record.bodyText.isEmpty())
        return record.bodyText;
    const auto span = m_deferred.spans.constFind(spanKey(record.path, record.size));
    if (span == m_deferred.spans.cend())
        return record.bodyText;
    // The text is read from the index it was listed from, while that is unchanged.
    const QFileInfo info(m_deferred.indexPath);
    if (info.size() == m_deferred.indexSize && info.lastModified() == m_deferred.indexTime) {
        QFile file(m_deferred.indexPath);
        if (file.open(QIODevice::ReadOnly) && file.seek(span->offset)) {
            const QByteArray bytes = file.read(span->length * 2);
            if (bytes.size() == span->length * 2) {
                QString text(qsizetype(span->length), Qt::Uninitialized);
                char16_t* out = reinterpret_cast<char16_t*>(text.data());
                for (qint64 i = 0; i < span->length; ++i)
                    out[i] = char16_t(quint8(bytes[2 * i]) | (quint8(bytes[2 * i + 1]) << 8));
                return text;
            }
        }
    }
    const MailParser::Result r = m_parser.Parse(record.path);
    if (const auto* rec = std::get_if<MailRecord>(&r))
        return rec->bodyText;
    return {};
}

QString MailStore::FirstPendingDraft(int index, QString* message) const
{
    if (!isAccount(index))
        return {};
    const QString drafts = m_programDir + m_accounts[index].userName + QStringLiteral("/Drafts/");
    const QByteArray native = QFile::encodeName(drafts);
    DIR* d = ::opendir(native.constData());
    if (!d) {
        if (message)
            *message = QStringLiteral("The directory \"%1\" is not exist.").arg(drafts);
        return {};
    }
    QString found;
    const int fd = ::dirfd(d);
    while (const dirent* e = ::readdir(d)) {
        const QString name = QFile::decodeName(e->d_name);
        if (name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        struct stat st;
        if (::fstatat(fd, e->d_name, &st, 0) != 0 || S_ISDIR(st.st_mode))
            continue;
        if (name.size() <= 4 || !endsWithNoCase(name, QLatin1String(".bak")))
            continue;
        // A companion whose message file is gone would be sent again at every click:
        // its message could never move to Sent.
        struct stat message;
        if (::fstatat(fd, QFile::encodeName(name.left(name.size() - 4)).constData(), &message, 0) != 0
            || !S_ISREG(message.st_mode))
            continue;
        found = drafts + name.left(name.size() - 4);
        break;
    }
    ::closedir(d);
    return found;
}

bool MailStore::DeleteMessages(const QStringList& paths, QString* message)
{
    if (paths.isEmpty()) {
        if (message)
            *message = QStringLiteral("Please select thie File to be deleted.");
        return false;
    }
    for (const QString& p : paths) {
        const qsizetype at = splitPoint(p);
        if (at < 0) {
            if (message)
                *message = QStringLiteral("There is an error.");
            return false;
        }
        const QString dir = p.left(at);
        const QString namePart = p.mid(at);
        if (!endsWithNoCase(dir, QLatin1String("Deleted"))) {
            const qsizetype up = splitPoint(dir);
            if (up < 0) {
                if (message)
                    *message = QStringLiteral("There is an error.");
                return false;
            }
            const QString target = dir.left(up) + QStringLiteral("/Deleted") + namePart;
            QFile::remove(target);
            // A message that could not be kept in Deleted is not deleted either.
            if (!QFile::copy(p, target))
                continue;
        }
        QFile::remove(p);
    }
    return true;
}

bool MailStore::MoveToSent(const QString& draftPath)
{
    const qsizetype at = draftPath.lastIndexOf(QLatin1Char('/'));
    if (at < 0)
        return false;
    const QString dir = draftPath.left(at);
    const QString name = draftPath.mid(at + 1);
    const qsizetype up = dir.lastIndexOf(QLatin1Char('/'));
    const QString target = dir.left(up + 1) + QStringLiteral("Sent/") + name;
    if (QFileInfo::exists(target))
        return false;
    return QFile::rename(draftPath, target);
}

QString MailStore::SizeText(qint64 bytes)
{
    if (bytes > 1048575)
        return QString::asprintf("%0.1fM", double(bytes) / 1048576.0);
    return QString::asprintf("%0.1fK", double(bytes) / 1024.0);
}

QByteArray MailStore::encodeIndex(const QList<MailRecord>& mail, const QList<NonMailRecord>& nonMail)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        DataArchive ar(&buffer, DataArchive::Mode::Store);
        QList<MailRecord> m = mail;
        QList<NonMailRecord> n = nonMail;
        serializeIndex(ar, m, n);
        ar.flush();
    }
    return bytes;
}

bool MailStore::loadIndex(const QString& path, QList<MailRecord>& mail, QList<NonMailRecord>& nonMail)
{
    QList<MailRecord> m;
    QList<NonMailRecord> n;
    const auto status = DataFile::load(path, [&](DataArchive& ar) { serializeIndex(ar, m, n); });
    if (status != DataFile::LoadStatus::Loaded)
        return false;
    mail = m;
    nonMail = n;
    return true;
}

bool MailStore::storeIndex(const QString& path, const QList<MailRecord>& mail, const QList<NonMailRecord>& nonMail)
{
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir())
        return false;
    return DataFile::store(path, [&](DataArchive& ar) {
        QList<MailRecord> m = mail;
        QList<NonMailRecord> n = nonMail;
        serializeIndex(ar, m, n);
    });
}
