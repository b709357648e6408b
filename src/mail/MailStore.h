#pragma once
#include "mail/MailAccount.h"
#include "mail/MailParser.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>

class TextCodec;

// The account list in "MailAccount.cfg" and the mail store beside it: one directory per
// account with five folders, each with its "Index" cache of parsed message files.
// Paths use "/"; the program directory ends in "/".
class MailStore
{
public:
    MailStore(QString programDir, const TextCodec& codec);

    static QString accountFileName() { return QStringLiteral("MailAccount.cfg"); }
    static QString indexFileName() { return QStringLiteral("Index"); }

    // The account list.
    void LoadAccounts();
    bool SaveAccounts();
    void AddAccount(const MailAccount& account);
    void ReplaceAccount(int index, const MailAccount& account);
    void RemoveAccount(int index);
    const QList<MailAccount>& accounts() const { return m_accounts; }
    bool isAccount(int index) const { return index >= 0 && index < m_accounts.size(); }

    // Makes the account directory (failing when it exists) and then its five folders.
    bool CreateAccountDirectories(const QString& userName);
    // The account dialog's checks: the text of the message to show, empty when accepted.
    static QString portError(const QString& text);
    static QString accountNameError(const QString& userName);
    // Name check and, for a new account, the directories ("The "N" is in use." on failure).
    QString confirmNewAccount(const QString& userName);

    QString FolderPath(int index, MailFolder folder) const;
    QString programDir() const { return m_programDir; }

    // The folder's message list, using and rewriting its index. `message` receives the
    // text of a message to show (a missing folder directory), if any. With Bodies::Deferred
    // the records read from an unchanged index come without their bodyText (the bulk of a
    // large index), which BodyText() then gives for the one message shown.
    enum class Bodies { Load, Deferred };
    QList<MailRecord> ListFolder(int index, const QString& folderName, QString* message = nullptr,
                                 Bodies bodies = Bodies::Load);
    // The record's bodyText: its own, or, for a record of a deferred listing, the text the
    // folder's index holds for it (the message file parsed again if the index changed).
    QString BodyText(const MailRecord& record) const;
    // The first pending draft of the account: the message file of the first companion
    // file ("name.bak") in its Drafts folder, in directory order; empty when there is none
    // (`message` says so when the folder is missing).
    QString FirstPendingDraft(int index, QString* message = nullptr) const;
    // The rejected files remembered by the last listing.
    const QList<NonMailRecord>& nonMessages() const { return m_nonMail; }

    // Moves the files to the account's Deleted folder, or deletes them for good when they
    // are in it. False with `message` set when it stopped on an error.
    bool DeleteMessages(const QStringList& paths, QString* message = nullptr);
    // Moves a sent draft's message file from ".../N/Drafts/" to ".../N/Sent/".
    static bool MoveToSent(const QString& draftPath);
    static QString SizeText(qint64 bytes);

    // The folder index file, byte-exact.
    static QByteArray encodeIndex(const QList<MailRecord>& mail, const QList<NonMailRecord>& nonMail);
    static bool loadIndex(const QString& path, QList<MailRecord>& mail, QList<NonMailRecord>& nonMail);
    static bool storeIndex(const QString& path, const QList<MailRecord>& mail, const QList<NonMailRecord>& nonMail);

private:
    QString folderDir(int index, const QString& folderName) const;

    // Where each deferred body lies in the index of the last deferred listing.
    struct BodySpan
    {
        qint64 offset = 0; // of the UTF-16LE text in the index file
        qint64 length = 0; // in characters
    };
    struct DeferredBodies
    {
        QString indexPath;
        qint64 indexSize = -1;
        QDateTime indexTime;
        QHash<QString, BodySpan> spans; // by path + "|" + size
    };
    DeferredBodies m_deferred;

    QString m_programDir;
    const TextCodec& m_codec;
    MailParser m_parser;
    QList<MailAccount> m_accounts;
    QList<NonMailRecord> m_nonMail;
    QMutex m_listing; // one listing at a time: each rewrites its folder's index
};
