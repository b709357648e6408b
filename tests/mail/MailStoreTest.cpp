#include "mail/MailStore.h"

#include "storage/DataArchive.h"
#include "support/TempDir.h"
#include "platform/TextCodec.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// A counted string in its Unicode form: FF FE FF, length, UTF-16LE.
QByteArray u(const char* latin)
{
    QByteArray b("\xff\xfe\xff", 3);
    const QByteArray s(latin);
    b.append(char(s.size()));
    for (char c : s) {
        b.append(c);
        b.append('\0');
    }
    return b;
}
// The 8-bit form older files may hold: length, bytes.
QByteArray a8(const char* latin)
{
    const QByteArray s(latin);
    return char(s.size()) + s;
}
QByteArray i32(qint32 v)
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char((quint32(v) >> (8 * i)) & 0xff);
    return b;
}

MailAccount bob()
{
    MailAccount a;
    a.smtpServer = QStringLiteral("smtp.x");
    a.smtpPort = 2525;
    a.pop3Server = QStringLiteral("pop.x");
    a.pop3Port = 1110;
    a.pop3Account = QStringLiteral("bob");
    a.password = QStringLiteral("pw");
    a.senderName = QStringLiteral("Bob");
    a.mailAddress = QStringLiteral("bob@x");
    a.userName = QStringLiteral("Bob");
    a.leaveCopy = 1;
    return a;
}

// A message file the parser accepts.
QByteArray message(const char* subject, const char* body = "Hello")
{
    return QByteArray("Return-Path: <a@x>\r\nFrom: Ann <a@x>\r\nTo: <b@y>\r\nSubject: ") + subject
        + "\r\nContent-Transfer-Encoding: 8bit\r\n\r\n" + body + "\r\n--\r\n";
}

struct StoreFixture : ::testing::Test
{
    TempDir dir;
    LocaleTextCodec codec{"UTF-8"};
    MailStore store{dir.path(), codec};
    QString inbox() const { return dir.path() + QStringLiteral("Bob/Inbox/"); }

    void SetUp() override
    {
        ASSERT_TRUE(store.confirmNewAccount(QStringLiteral("Bob")).isEmpty());
        store.AddAccount(bob());
    }
    void put(const QString& name, const QByteArray& bytes) const { dir.write(QStringLiteral("Bob/Inbox/") + name, bytes); }
    QStringList subjects()
    {
        QStringList s;
        for (const MailRecord& r : store.ListFolder(0, QStringLiteral("Inbox")))
            s << r.subject;
        return s;
    }
};

} // namespace

TEST(MailAccountFile, IsWrittenByteExactAndOwnerOnly)
{
    TempDir dir;
    LocaleTextCodec codec("UTF-8");
    MailStore store(dir.path(), codec);
    store.AddAccount(bob());
    const QByteArray expected = i32(1) + u("smtp.x") + i32(2525) + u("pop.x") + i32(1110) + u("bob") + u("pw") + u("Bob")
        + u("bob@x") + u("Bob") + u("") + u("") + i32(1);
    EXPECT_EQ(dir.read(QStringLiteral("MailAccount.cfg")), expected);
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(dir.file(QStringLiteral("MailAccount.cfg"))).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    MailStore again(dir.path(), codec);
    again.LoadAccounts();
    ASSERT_EQ(again.accounts().size(), 1);
    EXPECT_EQ(again.accounts()[0], bob());
}

TEST(MailAccountFile, ReadsBothStringFormsAndKeepsTheSpareField)
{
    TempDir dir;
    LocaleTextCodec codec("UTF-8");
    dir.write(QStringLiteral("MailAccount.cfg"),
              i32(2) + a8("s1") + i32(25) + u("p1") + i32(110) + a8("acc") + a8("pw") + u("Sender") + a8("m@x") + a8("One")
                  + a8("mine") + a8("spare!") + i32(0)
                  + u("s2") + i32(26) + u("p2") + i32(111) + u("a2") + u("w2") + u("N2") + u("m2@x") + u("Two") + u("") + u("")
                  + i32(1));
    MailStore store(dir.path(), codec);
    store.LoadAccounts();
    ASSERT_EQ(store.accounts().size(), 2);
    EXPECT_EQ(store.accounts()[0].smtpServer, QLatin1String("s1"));
    EXPECT_EQ(store.accounts()[0].myPassword, QLatin1String("mine"));
    EXPECT_EQ(store.accounts()[0].spare, QLatin1String("spare!"));
    EXPECT_EQ(store.accounts()[1].userName, QLatin1String("Two"));
    EXPECT_EQ(store.accounts()[1].leaveCopy, 1);
    // Saving writes the Unicode form and keeps the spare field as read.
    store.SaveAccounts();
    EXPECT_TRUE(dir.read(QStringLiteral("MailAccount.cfg")).contains(u("spare!")));

    // A missing file means no accounts, and so does a list that a load reloads.
    MailStore empty(dir.path() + QStringLiteral("nowhere/"), codec);
    empty.LoadAccounts();
    EXPECT_TRUE(empty.accounts().isEmpty());
}

TEST(MailAccountFile, AddReplaceRemoveKeepTheFileInStep)
{
    TempDir dir;
    LocaleTextCodec codec("UTF-8");
    MailStore store(dir.path(), codec);
    MailAccount one = bob(), two = bob();
    two.userName = QStringLiteral("Two");
    store.AddAccount(one);
    store.AddAccount(two);
    MailAccount renamed = two;
    renamed.userName = QStringLiteral("Renamed");
    store.ReplaceAccount(1, renamed);
    store.RemoveAccount(0);
    MailStore reread(dir.path(), codec);
    reread.LoadAccounts();
    ASSERT_EQ(reread.accounts().size(), 1);
    EXPECT_EQ(reread.accounts()[0].userName, QLatin1String("Renamed"));
}

TEST(MailAccountChecks, NamesPortsAndDirectories)
{
    for (const char* bad : {"a/b", "a\\b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b"})
        EXPECT_EQ(MailStore::accountNameError(QString::fromLatin1(bad)), QStringLiteral("MyAccount name is out of \"\\,/,:,*,?,\",<,>,|\"."))
            << bad;
    EXPECT_TRUE(MailStore::accountNameError(QStringLiteral("Bob Smith")).isEmpty());

    struct Port { const char* text; const char* message; } ports[] = {
        {"110", ""}, {"0", ""}, {"10000", ""}, {"abc", "Please enter an integer."}, {"", "Please enter an integer."},
        {"10001", "Please enter an integer between 0 and 10000."}, {"-1", "Please enter an integer between 0 and 10000."},
    };
    for (const Port& p : ports)
        EXPECT_EQ(MailStore::portError(QString::fromLatin1(p.text)), QLatin1String(p.message)) << p.text;

    TempDir dir;
    LocaleTextCodec codec("UTF-8");
    MailStore store(dir.path(), codec);
    EXPECT_TRUE(store.confirmNewAccount(QStringLiteral("Bob")).isEmpty());
    for (const char* folder : {"Inbox", "Drafts", "Sent", "Deleted", "Junk"})
        EXPECT_TRUE(QFileInfo(dir.path() + QStringLiteral("Bob/") + QLatin1String(folder)).isDir()) << folder;
    EXPECT_EQ(store.confirmNewAccount(QStringLiteral("Bob")), QStringLiteral("The \"Bob\" is in use."));
    EXPECT_EQ(store.confirmNewAccount(QString()), QStringLiteral("The \"\" is in use."));
    EXPECT_EQ(store.confirmNewAccount(QStringLiteral("..")), QStringLiteral("The \"..\" is in use."));
    // A refused name touches nothing.
    EXPECT_FALSE(store.confirmNewAccount(QStringLiteral("a/b")).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir.path() + QStringLiteral("a")));
}

TEST(MailStoreSizes, SizeText)
{
    struct Case { qint64 bytes; const char* text; } cases[] = {
        {0, "0.0K"}, {512, "0.5K"}, {1048575, "1024.0K"}, {1048576, "1.0M"}, {52428800, "50.0M"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MailStore::SizeText(c.bytes), QLatin1String(c.text)) << c.bytes;
}

TEST(FolderIndex, GoldenBytesAndRoundTrip)
{
    MailRecord r;
    r.sender = QStringLiteral("A");
    r.subject = QStringLiteral("S");
    r.date = QString();
    r.size = 300;
    r.path = QStringLiteral("/p/x.eml");
    r.bodyText = QStringLiteral("B");
    r.attachments = {QStringLiteral("a.txt"), QStringLiteral("b")};
    NonMailRecord n{7, QStringLiteral("/p/y")};
    const QByteArray expected = i32(1) + u("A") + u("all") + u("S") + u("") + i32(300) + u("/p/x.eml") + u("B") + i32(2)
        + u("a.txt") + u("b") + i32(1) + i32(7) + u("/p/y");
    EXPECT_EQ(MailStore::encodeIndex({r}, {n}), expected);

    TempDir dir;
    dir.write(QStringLiteral("Index"), expected);
    QList<MailRecord> mail;
    QList<NonMailRecord> non;
    ASSERT_TRUE(MailStore::loadIndex(dir.file(QStringLiteral("Index")), mail, non));
    ASSERT_EQ(mail.size(), 1);
    EXPECT_EQ(mail[0], r);
    ASSERT_EQ(non.size(), 1);
    EXPECT_EQ(non[0], n);
}

TEST_F(StoreFixture, ListingUsesTheIndexAndFollowsTheFiles)
{
    put(QStringLiteral("1.eml"), message("one"));
    put(QStringLiteral("2.eml"), message("two"));
    put(QStringLiteral("junk.txt"), "not a message at all");
    put(QStringLiteral("x.eml.bak"), message("companion"));
    EXPECT_EQ(subjects().size(), 2);
    const QByteArray index = dir.read(QStringLiteral("Bob/Inbox/Index"));
    ASSERT_FALSE(index.isEmpty());
    EXPECT_TRUE(index.contains(ArchiveString::encode(inbox() + QStringLiteral("junk.txt"))));

    // Listing again parses nothing new: a same-length change is not seen, and the index
    // stays as it was.
    put(QStringLiteral("1.eml"), message("ONE"));
    EXPECT_TRUE(subjects().contains(QStringLiteral("one")));
    EXPECT_EQ(dir.read(QStringLiteral("Bob/Inbox/Index")), index);

    // A file that changed length is parsed again; an added one appears; a vanished one
    // disappears; the rejected file stays remembered.
    put(QStringLiteral("1.eml"), message("one, longer"));
    put(QStringLiteral("3.eml"), message("three"));
    QFile::remove(inbox() + QStringLiteral("2.eml"));
    const QStringList now = subjects();
    EXPECT_TRUE(now.contains(QStringLiteral("one, longer")));
    EXPECT_TRUE(now.contains(QStringLiteral("three")));
    EXPECT_FALSE(now.contains(QStringLiteral("two")));
    EXPECT_EQ(now.size(), 2);
    ASSERT_EQ(store.nonMessages().size(), 1);
    EXPECT_EQ(store.nonMessages()[0].path, inbox() + QStringLiteral("junk.txt"));
    // A truncated file is parsed again too.
    put(QStringLiteral("3.eml"), message("three").left(20));
    EXPECT_EQ(subjects(), QStringList{QStringLiteral("one, longer")});
}

// A listing that finds nothing new leaves the index file alone (same file, same bytes);
// one that finds a change replaces it.
TEST_F(StoreFixture, AnUnchangedFolderKeepsItsIndexFile)
{
    put(QStringLiteral("1.eml"), message("one"));
    subjects();
    const QString index = inbox() + MailStore::indexFileName();
    const auto inode = [&] {
        struct stat st;
        return ::stat(QFile::encodeName(index).constData(), &st) == 0 ? qint64(st.st_ino) : -1;
    };
    ASSERT_TRUE(QFileInfo::exists(index));
    const auto first = inode();
    subjects();
    subjects();
    EXPECT_EQ(inode(), first);
    put(QStringLiteral("2.eml"), message("two"));
    EXPECT_EQ(subjects().size(), 2);
    EXPECT_NE(inode(), first);
}

// A deferred listing of an unchanged index leaves the bodies out and gives each on request,
// from the index (so a same-length change of the file is not seen, as in the listing);
// a listing that changes the index keeps every body in it.
TEST_F(StoreFixture, DeferredBodiesComeFromTheIndex)
{
    put(QStringLiteral("1.eml"), message("one"));
    put(QStringLiteral("2.eml"), message("two"));
    const QList<MailRecord> full = store.ListFolder(0, QStringLiteral("Inbox"));
    ASSERT_EQ(full.size(), 2);
    const QByteArray index = dir.read(QStringLiteral("Bob/Inbox/Index"));
    QList<MailRecord> light = store.ListFolder(0, QStringLiteral("Inbox"), nullptr, MailStore::Bodies::Deferred);
    ASSERT_EQ(light.size(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(light[i].bodyText.isEmpty());
        EXPECT_EQ(light[i].subject, full[i].subject);
        EXPECT_EQ(store.BodyText(light[i]), full[i].bodyText);
        EXPECT_FALSE(full[i].bodyText.isEmpty());
    }
    // A new file: the index is written again, whole.
    put(QStringLiteral("3.eml"), message("three"));
    light = store.ListFolder(0, QStringLiteral("Inbox"), nullptr, MailStore::Bodies::Deferred);
    ASSERT_EQ(light.size(), 3);
    EXPECT_FALSE(light[0].bodyText.isEmpty());
    EXPECT_EQ(dir.read(QStringLiteral("Bob/Inbox/Index")), MailStore::encodeIndex(light, store.nonMessages()));
    EXPECT_NE(dir.read(QStringLiteral("Bob/Inbox/Index")), index);
    EXPECT_EQ(store.ListFolder(0, QStringLiteral("Inbox")), light);
}

TEST_F(StoreFixture, FirstPendingDraftSkipsCompanionsWithoutTheirMessage)
{
    const QString drafts = store.FolderPath(0, MailFolder::Drafts);
    EXPECT_TRUE(store.FirstPendingDraft(0).isEmpty());
    dir.write(QStringLiteral("Bob/Drafts/.bak"), "x");
    dir.write(QStringLiteral("Bob/Drafts/1.eml.bak"), "x"); // its message file is gone
    EXPECT_TRUE(store.FirstPendingDraft(0).isEmpty());
    dir.write(QStringLiteral("Bob/Drafts/2.eml"), "m");
    dir.write(QStringLiteral("Bob/Drafts/2.eml.BAK"), "x");
    EXPECT_EQ(store.FirstPendingDraft(0), drafts + QStringLiteral("2.eml"));
    QDir(drafts).removeRecursively();
    QString message;
    EXPECT_TRUE(store.FirstPendingDraft(0, &message).isEmpty());
    EXPECT_EQ(message, QStringLiteral("The directory \"%1\" is not exist.").arg(drafts));
}

TEST_F(StoreFixture, ListingEdgeCases)
{
    EXPECT_TRUE(store.ListFolder(0, QString()).isEmpty());
    EXPECT_TRUE(store.ListFolder(5, QStringLiteral("Inbox")).isEmpty());
    // A renamed account's folders are looked up under the new name.
    MailAccount renamed = bob();
    renamed.userName = QStringLiteral("Robert");
    store.ReplaceAccount(0, renamed);
    QString message;
    EXPECT_TRUE(store.ListFolder(0, QStringLiteral("Inbox"), &message).isEmpty());
    EXPECT_EQ(message, QStringLiteral("The directory \"%1Robert/Inbox/\" is not exist.").arg(dir.path()));
    EXPECT_EQ(store.FolderPath(0, MailFolder::Sent), dir.path() + QStringLiteral("Robert/Sent/"));
}

TEST_F(StoreFixture, DeletingMovesToDeletedThenDeletesForGood)
{
    put(QStringLiteral("1.eml"), message("one"));
    const QString path = inbox() + QStringLiteral("1.eml");
    const QString deleted = dir.path() + QStringLiteral("Bob/Deleted/1.eml");
    ASSERT_TRUE(store.DeleteMessages({path}));
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_EQ(dir.read(QStringLiteral("Bob/Deleted/1.eml")), message("one"));
    ASSERT_TRUE(store.DeleteMessages({deleted}));
    EXPECT_FALSE(QFileInfo::exists(deleted));

    QString text;
    EXPECT_FALSE(store.DeleteMessages({}, &text));
    EXPECT_EQ(text, QStringLiteral("Please select thie File to be deleted."));
    EXPECT_FALSE(store.DeleteMessages({QStringLiteral("ab/c")}, &text));
    EXPECT_EQ(text, QStringLiteral("There is an error."));
}

TEST_F(StoreFixture, MoveToSent)
{
    dir.write(QStringLiteral("Bob/Drafts/d.eml"), "draft");
    EXPECT_TRUE(MailStore::MoveToSent(dir.path() + QStringLiteral("Bob/Drafts/d.eml")));
    EXPECT_EQ(dir.read(QStringLiteral("Bob/Sent/d.eml")), "draft");
    EXPECT_FALSE(dir.exists(QStringLiteral("Bob/Drafts/d.eml")));
    EXPECT_FALSE(MailStore::MoveToSent(QStringLiteral("nothing")));
    EXPECT_FALSE(MailStore::MoveToSent(dir.path() + QStringLiteral("Bob/Drafts/missing.eml")));
}
