// The mail window and its dialogs on the offscreen platform, with the dialogs' test hooks.
#include "mail/CAccountDlg.h"
#include "mail/CComposeDlg.h"
#include "mail/CMailDlg.h"
#include "mail/CMailProgressDlg.h"
#include "mail/DraftRecord.h"
#include "mail/MailTestMessages.h"
#include "mail/support/MailServers.h"

#include "controls/HelpViewer.h"
#include "controls/ItemFileChooser.h"
#include "controls/MessageBox.h"
#include "controls/PopupMenu.h"
#include "mail/MailSocket.h"
#include "platform/TextCodec.h"
#include "support/ModalHelper.h"
#include "support/TempDir.h"
#include "support/TestWait.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QHeaderView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace MailTestMessages;

namespace {

QStringList texts(const QList<MessageBox::Shown>& shown)
{
    QStringList out;
    for (const auto& s : shown)
        out << s.text;
    return out;
}

class MailWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MessageBox::setTestMode(true);
        MessageBox::takeShown();
        HelpViewer::setTestMode(true);
        ItemFileChooser::clearNextFileName();
        PopupMenu::setNextChoice(-1);
        MailSocket::setTimeoutMs(3000);
    }
    void TearDown() override
    {
        MessageBox::setTestMode(false);
        MailSocket::setTimeoutMs(MailSocket::kDefaultTimeoutMs);
    }

    // An account "Bob" made as the dialog makes it, with its folders.
    void addAccount(const QString& name = QStringLiteral("Bob"), int pop3Port = 110, int smtpPort = 25)
    {
        MailStore store(dir.path(), codec);
        store.LoadAccounts();
        ASSERT_TRUE(store.confirmNewAccount(name).isEmpty());
        MailAccount a;
        a.userName = name;
        a.pop3Server = a.smtpServer = QStringLiteral("127.0.0.1");
        a.pop3Port = pop3Port;
        a.smtpPort = smtpPort;
        a.pop3Account = QStringLiteral("bob");
        a.password = QStringLiteral("pw");
        a.senderName = QStringLiteral("Bob");
        a.mailAddress = QStringLiteral("bob@example.test");
        store.AddAccount(a);
    }
    void put(const QString& relative, const QByteArray& bytes) const { dir.write(relative, bytes); }
    std::unique_ptr<CMailDlg> open()
    {
        auto w = std::make_unique<CMailDlg>(dir.path(), codec);
        w->resize(1000, 700);
        w->show();
        return w;
    }

    TempDir dir;
    LocaleTextCodec codec{"UTF-8"};
};

} // namespace

TEST_F(MailWindow, TreeFoldersAndListing)
{
    addAccount();
    put(QStringLiteral("Bob/Inbox/1.eml"), message(QStringLiteral("Ann<ann@x>"), QStringLiteral("First"), QStringLiteral("Hello one")));
    put(QStringLiteral("Bob/Inbox/2.eml"), message(QStringLiteral("Cy<cy@x>"), QStringLiteral("Second"), QStringLiteral("Hello two"),
                                                   {{QStringLiteral("a.txt"), "abc"}}, QStringLiteral("Mon, 1 Jan 2024")));
    auto w = open();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Mail"));
    ASSERT_EQ(w->tree()->topLevelItemCount(), 1);
    QTreeWidgetItem* bob = w->tree()->topLevelItem(0);
    EXPECT_EQ(bob->text(0), QStringLiteral("Bob"));
    ASSERT_EQ(bob->childCount(), 5);
    const QStringList folders{QStringLiteral("Inbox"), QStringLiteral("Drafts"), QStringLiteral("Sent"), QStringLiteral("Deleted"),
                              QStringLiteral("Junk")};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(bob->child(i)->text(0), folders[i]);
        EXPECT_FALSE(bob->child(i)->icon(0).isNull());
    }
    // The account node, selected as it was added, lists nothing.
    EXPECT_EQ(w->tree()->currentItem(), bob);
    EXPECT_EQ(w->messages().rowCount(), 0);

    w->selectNode(0, 0);
    ASSERT_EQ(w->messages().rowCount(), 2);
    EXPECT_TRUE(MessageBox::takeShown().isEmpty());
    // The columns as declared, and the first row selected and shown.
    QStringList headers;
    for (int c = 0; c < w->messages().columnCount(); ++c)
        headers << w->messages().headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers.join(QLatin1Char(',')), QStringLiteral("Sender,State,Subject,Date,Size,DIR"));
    EXPECT_EQ(w->messageList()->columnWidth(2), 250);
    EXPECT_TRUE(w->messageList()->horizontalHeader()->isVisible());
    EXPECT_GT(w->messageList()->horizontalHeader()->height(), 10);
    const QModelIndexList selected = w->messageList()->selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    const int first = selected[0].row();
    EXPECT_EQ(first, 0);
    const MailRecord* shown = w->messages().record(first);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(w->readingPane()->toPlainText().trimmed(),
              shown->subject == QStringLiteral("First") ? QStringLiteral("Hello one") : QStringLiteral("Hello two"));
    EXPECT_EQ(w->messages().data(w->messages().index(0, 1)).toString(), QStringLiteral("all"));

    // Listed again from its index (the bodies read only for the message shown).
    w->selectNode(0);
    w->selectNode(0, 0);
    ASSERT_EQ(w->messages().rowCount(), 2);
    shown = w->messages().record(0);
    EXPECT_EQ(w->readingPane()->toPlainText().trimmed(),
              shown->subject == QStringLiteral("First") ? QStringLiteral("Hello one") : QStringLiteral("Hello two"));

    // Choosing the other row shows its text and attachment.
    const int other = shown->subject == QStringLiteral("First") ? 1 : 0;
    w->messageList()->selectRow(other);
    EXPECT_EQ(w->readingPane()->toPlainText().trimmed(), QStringLiteral("Hello two"));
    ASSERT_EQ(w->attachmentList()->count(), 1);
    EXPECT_EQ(w->attachmentList()->item(0)->text(), QStringLiteral("a.txt"));
    EXPECT_FALSE(w->attachmentList()->item(0)->icon().isNull());

    // Sorting by a column header, and back to the listing order by the model.
    w->messageList()->sortByColumn(2, Qt::DescendingOrder);
    EXPECT_EQ(w->messages().data(w->messages().index(0, 2)).toString(), QStringLiteral("Second"));
    w->messageList()->sortByColumn(2, Qt::AscendingOrder);
    EXPECT_EQ(w->messages().data(w->messages().index(0, 2)).toString(), QStringLiteral("First"));

    // Back on the account node: an empty list and nothing shown.
    w->selectNode(0);
    EXPECT_EQ(w->messages().rowCount(), 0);
    EXPECT_EQ(w->attachmentList()->count(), 0);
    EXPECT_TRUE(w->readingPane()->toPlainText().isEmpty());
}

TEST_F(MailWindow, LaidOutByTheClientSizeOnEveryResize)
{
    addAccount();
    auto w = open();
    for (const QSize size : {QSize(1000, 700), QSize(1280, 900)}) {
        w->resize(size);
        const int W = size.width(), H = size.height();
        auto inWindow = [&](QWidget* c) { return QRect(c->mapTo(w.get(), QPoint(0, 0)), c->size()); };
        EXPECT_EQ(inWindow(w->tree()), QRect(5, 60, W / 4 - 22, H - 77));
        EXPECT_EQ(inWindow(w->messageList()), QRect(QPoint(W / 4 + 5, 60), QPoint(W - 17 - 1, H / 2 - 17 - 1)));
        EXPECT_EQ(inWindow(w->readingPane()), QRect(QPoint(W / 4 + 5, H / 2 + 65), QPoint(W - 122 - 1, H - 17 - 1)));
        EXPECT_EQ(inWindow(w->attachmentList()), QRect(W - 100, H / 2 + 65, 83, H - 17 - (H / 2 + 65)));
    }
    // The three title-bar buttons and F1 open the help of the mail window.
    EXPECT_NE(w->findChild<QWidget*>(QStringLiteral("id1064")), nullptr);
    EXPECT_NE(w->findChild<QWidget*>(QStringLiteral("id1014")), nullptr);
    auto* help = w->findChild<QAbstractButton*>(QStringLiteral("id1011"));
    ASSERT_NE(help, nullptr);
    help->click();
    EXPECT_EQ(HelpViewer::lastContext(), 10016);
}

TEST_F(MailWindow, AccountDialogCreatesChecksAndRemembers)
{
    auto w = open();
    auto fill = [](QDialog* d, const QString& name, const QString& smtpPort, const QString& pop3Port) {
        setText(d, CAccountDlg::IdUserName, name);
        setText(d, CAccountDlg::IdSmtpServer, QStringLiteral("smtp.example.test"));
        setText(d, CAccountDlg::IdSmtpPort, smtpPort);
        setText(d, CAccountDlg::IdPop3Server, QStringLiteral("pop.example.test"));
        setText(d, CAccountDlg::IdPop3Port, pop3Port);
        setText(d, CAccountDlg::IdPop3Account, QStringLiteral("bob"));
        setText(d, CAccountDlg::IdPassword, QStringLiteral("pw"));
        setText(d, CAccountDlg::IdSenderName, QStringLiteral("Bob B"));
        setText(d, CAccountDlg::IdMailAddress, QStringLiteral("bob@example.test"));
    };
    // The defaults of a first new account, then a good one.
    whenModal([&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Create New User Account"));
        EXPECT_EQ(child<QLineEdit>(d, CAccountDlg::IdSmtpPort)->text(), QStringLiteral("25"));
        EXPECT_EQ(child<QLineEdit>(d, CAccountDlg::IdPop3Port)->text(), QStringLiteral("110"));
        EXPECT_FALSE(child<QLineEdit>(d, CAccountDlg::IdMyPassword)->isEnabled());
        EXPECT_EQ(child<QLineEdit>(d, CAccountDlg::IdPassword)->echoMode(), QLineEdit::Password);
        fill(d, QStringLiteral("Bob"), QStringLiteral("2525"), QStringLiteral("1110"));
        child<QCheckBox>(d, CAccountDlg::IdLeaveCopy)->setChecked(true);
        click(d, CAccountDlg::IdOk);
    });
    w->newAccount();
    EXPECT_TRUE(MessageBox::takeShown().isEmpty());
    for (const char* f : {"Bob/Inbox", "Bob/Drafts", "Bob/Sent", "Bob/Deleted", "Bob/Junk"})
        EXPECT_TRUE(QFileInfo(dir.path() + QLatin1String(f)).isDir()) << f;
    ASSERT_EQ(w->tree()->topLevelItemCount(), 1);
    EXPECT_EQ(w->tree()->topLevelItem(0)->text(0), QStringLiteral("Bob"));
    MailStore saved(dir.path(), codec);
    saved.LoadAccounts();
    ASSERT_EQ(saved.accounts().size(), 1);
    EXPECT_EQ(saved.accounts()[0].smtpPort, 2525);
    EXPECT_EQ(saved.accounts()[0].leaveCopy, 1);

    // Refused entries keep the dialog open with the focus on the field; the next dialog
    // starts from the values last entered (the scratch account).
    struct Case { QString name, smtp, pop3, message; } cases[] = {
        {QStringLiteral("Cy"), QStringLiteral("abc"), QStringLiteral("110"), QStringLiteral("Please enter an integer.")},
        {QStringLiteral("Cy"), QStringLiteral("25"), QStringLiteral("10001"), QStringLiteral("Please enter an integer between 0 and 10000.")},
        {QStringLiteral("Cy"), QStringLiteral("-1"), QStringLiteral("110"), QStringLiteral("Please enter an integer between 0 and 10000.")},
        {QStringLiteral("a/b"), QStringLiteral("25"), QStringLiteral("110"), QStringLiteral("MyAccount name is out of \"\\,/,:,*,?,\",<,>,|\".")},
        {QStringLiteral("Bob"), QStringLiteral("25"), QStringLiteral("110"), QStringLiteral("The \"Bob\" is in use.")},
        {QString(), QStringLiteral("25"), QStringLiteral("110"), QStringLiteral("The \"\" is in use.")},
    };
    for (const Case& c : cases) {
        whenModal([&](QDialog* d) {
            EXPECT_EQ(child<QLineEdit>(d, CAccountDlg::IdUserName)->text(), QStringLiteral("Bob"));
            EXPECT_EQ(child<QLineEdit>(d, CAccountDlg::IdSmtpPort)->text(), QStringLiteral("2525"));
            fill(d, c.name, c.smtp, c.pop3);
            click(d, CAccountDlg::IdOk);
            EXPECT_TRUE(d->isVisible()) << c.message.toStdString();
            d->reject();
        });
        w->newAccount();
        EXPECT_EQ(texts(MessageBox::takeShown()), QStringList{c.message});
    }
    EXPECT_FALSE(QFileInfo::exists(dir.path() + QStringLiteral("a")));
    EXPECT_FALSE(QFileInfo::exists(dir.path() + QStringLiteral("Cy")));
    EXPECT_EQ(w->tree()->topLevelItemCount(), 1);

    // Properties: the new name on the node and in the file, the directory left as it is.
    w->selectNode(0, 2);
    PopupMenu::setNextChoice(CMailDlg::IdMenuProperty);
    whenModal([&](QDialog* d) {
        EXPECT_EQ(child<QLineEdit>(d, CAccountDlg::IdUserName)->text(), QStringLiteral("Bob"));
        setText(d, CAccountDlg::IdUserName, QStringLiteral("Robert"));
        click(d, CAccountDlg::IdOk);
    });
    w->treeMenu(w->tree()->visualItemRect(w->node(0, 2)).center());
    EXPECT_EQ(w->tree()->topLevelItem(0)->text(0), QStringLiteral("Robert"));
    saved.LoadAccounts();
    EXPECT_EQ(saved.accounts()[0].userName, QStringLiteral("Robert"));
    EXPECT_TRUE(QFileInfo(dir.path() + QStringLiteral("Bob/Inbox")).isDir());
    EXPECT_FALSE(QFileInfo::exists(dir.path() + QStringLiteral("Robert")));
}

TEST_F(MailWindow, PassWordDoesNothingAndDeletingTheShownAccountEmptiesBothLists)
{
    addAccount(QStringLiteral("Ann"));
    addAccount();
    put(QStringLiteral("Bob/Inbox/1.eml"),
        message(QStringLiteral("Ann<ann@x>"), QStringLiteral("With file"), QStringLiteral("Hi"), {{QStringLiteral("a.txt"), "abc"}}));
    auto w = open();
    w->selectNode(1, 0);
    ASSERT_EQ(w->messages().rowCount(), 1);
    ASSERT_EQ(w->attachmentList()->count(), 1);
    const QByteArray before = dir.read(QStringLiteral("MailAccount.cfg"));

    PopupMenu::setNextChoice(CMailDlg::IdMenuPassWord);
    w->treeMenu(w->tree()->visualItemRect(w->node(1, 0)).center());
    EXPECT_EQ(dir.read(QStringLiteral("MailAccount.cfg")), before);
    EXPECT_EQ(w->messages().rowCount(), 1);
    EXPECT_TRUE(MessageBox::takeShown().isEmpty());

    PopupMenu::setNextChoice(CMailDlg::IdMenuDeleteAccount);
    w->treeMenu(w->tree()->visualItemRect(w->node(1, 0)).center());
    EXPECT_EQ(w->messages().rowCount(), 0);
    EXPECT_EQ(w->attachmentList()->count(), 0);
    EXPECT_TRUE(w->readingPane()->toPlainText().isEmpty());
    ASSERT_EQ(w->tree()->topLevelItemCount(), 1);
    EXPECT_EQ(w->tree()->topLevelItem(0)->text(0), QStringLiteral("Ann"));
    MailStore saved(dir.path(), codec);
    saved.LoadAccounts();
    ASSERT_EQ(saved.accounts().size(), 1);
    EXPECT_EQ(saved.accounts()[0].userName, QStringLiteral("Ann"));
    // The account's files stay on disk.
    EXPECT_TRUE(dir.exists(QStringLiteral("Bob/Inbox/1.eml")));

    // With nothing selected, "Delete Account" does nothing.
    w->deleteAccount();
    EXPECT_EQ(w->tree()->topLevelItemCount(), 1);
}

TEST_F(MailWindow, SavingAnAttachmentWritesOnlyTheChosenFile)
{
    addAccount();
    const QByteArray bytes("\x00\x01picture bytes\xff", 16);
    put(QStringLiteral("Bob/Inbox/1.eml"),
        message(QStringLiteral("Eve<eve@x>"), QStringLiteral("Names"), QStringLiteral("Look"),
                {{QStringLiteral("../../evil.txt"), "evil"}, {QStringLiteral("/etc/passwd"), "pw"}, {QStringLiteral("pic.png"), bytes}}));
    auto w = open();
    w->selectNode(0, 0);
    ASSERT_EQ(w->attachmentList()->count(), 3);
    TempDir target;

    // A double-click on the empty part of the list does nothing.
    ItemFileChooser::setNextFileName(target.file(QStringLiteral("never")));
    const QPoint empty(w->attachmentList()->viewport()->width() - 3, w->attachmentList()->viewport()->height() - 3);
    ASSERT_EQ(w->attachmentList()->itemAt(empty), nullptr);
    QTest::mouseDClick(w->attachmentList()->viewport(), Qt::LeftButton, {}, empty);
    EXPECT_FALSE(target.exists(QStringLiteral("never")));
    ItemFileChooser::clearNextFileName();

    // Received names are proposed as plain file names; the chosen path is the only file
    // written.
    const QStringList proposed{QStringLiteral("evil.txt"), QStringLiteral("passwd"), QStringLiteral("pic.png")};
    for (int i = 0; i < 3; ++i) {
        ItemFileChooser::setNextFileName(target.file(QStringLiteral("saved%1").arg(i)));
        w->saveAttachment(w->attachmentList()->item(i));
        EXPECT_EQ(ItemFileChooser::lastProposedName(), proposed[i]);
    }
    EXPECT_EQ(target.read(QStringLiteral("saved0")), QByteArray("evil"));
    EXPECT_EQ(target.read(QStringLiteral("saved2")), bytes);
    EXPECT_EQ(QDir(target.path()).entryList(QDir::Files).size(), 3);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("MailAccount.cfg")});

    // A destination that cannot be written says so and writes nothing anywhere else.
    ItemFileChooser::setNextFileName(target.file(QStringLiteral("missing/dir/x")));
    w->saveAttachment(w->attachmentList()->item(0));
    EXPECT_EQ(MessageBox::takeShown().size(), 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("MailAccount.cfg")});
}

TEST_F(MailWindow, DeletingMessagesMovesThemToDeleted)
{
    addAccount();
    put(QStringLiteral("Bob/Inbox/1.eml"), message(QStringLiteral("A<a@x>"), QStringLiteral("One"), QStringLiteral("1")));
    put(QStringLiteral("Bob/Inbox/2.eml"), message(QStringLiteral("A<a@x>"), QStringLiteral("Two"), QStringLiteral("2")));
    auto w = open();
    w->selectNode(0, 0);
    w->messageList()->clearSelection();
    w->deleteMessages();
    EXPECT_EQ(texts(MessageBox::takeShown()), QStringList{QStringLiteral("Please select thie File to be deleted.")});
    w->messageList()->selectAll();
    w->deleteMessages();
    EXPECT_EQ(w->messages().rowCount(), 0);
    EXPECT_TRUE(dir.exists(QStringLiteral("Bob/Deleted/1.eml")) && dir.exists(QStringLiteral("Bob/Deleted/2.eml")));
    w->selectNode(0, 3);
    EXPECT_EQ(w->messages().rowCount(), 2);
}

TEST_F(MailWindow, ComposerKeepsWhatWasTypedWhenACheckRefuses)
{
    addAccount();
    auto w = open();
    // With no account selected, "New" does nothing.
    w->tree()->setCurrentItem(nullptr);
    w->newMessage();
    w->selectNode(0, 1);
    TempDir files;
    files.write(QStringLiteral("a.txt"), "abc");
    files.write(QStringLiteral("b.bin"), "bbb");
    whenModal([&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("New Mail"));
        auto* receiver = child<QLineEdit>(d, CComposeDlg::IdReceiver);
        EXPECT_EQ(receiver->toolTip(), QStringLiteral("Type your address of receiver"));
        EXPECT_EQ(child<QLineEdit>(d, CComposeDlg::IdCopyTo)->toolTip(), QStringLiteral("Type your address of CopyTo"));
        ASSERT_NE(receiver->completer(), nullptr);
        auto* words = qobject_cast<QStringListModel*>(receiver->completer()->model());
        ASSERT_NE(words, nullptr);
        EXPECT_EQ(words->stringList(), CComposeDlg::completionWords());
        EXPECT_EQ(words->stringList().size(), 11);

        // Attachments: a missing path is reported, one already attached is not added again.
        ItemFileChooser::setNextFileName(files.file(QStringLiteral("gone.txt")));
        click(d, CComposeDlg::IdAttachAdd);
        const auto shown = MessageBox::takeShown();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].caption, QStringLiteral("文件未找到"));
        EXPECT_EQ(shown[0].text, files.file(QStringLiteral("gone.txt")));
        for (const char* name : {"a.txt", "b.bin", "a.txt"}) {
            ItemFileChooser::setNextFileName(files.file(QLatin1String(name)));
            click(d, CComposeDlg::IdAttachAdd);
        }
        auto* attach = child<QComboBox>(d, CComposeDlg::IdAttach);
        ASSERT_EQ(attach->count(), 2);
        EXPECT_EQ(attach->currentText(), QStringLiteral("b.bin"));
        click(d, CComposeDlg::IdAttachDel);
        ASSERT_EQ(attach->count(), 1);
        EXPECT_EQ(attach->currentText(), QStringLiteral("a.txt"));

        // No receiver: refused, and everything typed stays.
        setText(d, CComposeDlg::IdSubject, QStringLiteral("Plans"));
        child<QPlainTextEdit>(d, CComposeDlg::IdBody)->setPlainText(QStringLiteral("Long text typed with care."));
        click(d, CComposeDlg::IdDraft);
        EXPECT_EQ(texts(MessageBox::takeShown()), QStringList{QStringLiteral("The setting of the receiver's E-Mail is error.")});
        EXPECT_TRUE(d->isVisible());
        click(d, CComposeDlg::IdSend);
        EXPECT_EQ(texts(MessageBox::takeShown()), QStringList{QStringLiteral("The setting of the receiver's E-Mail is error.")});
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(child<QPlainTextEdit>(d, CComposeDlg::IdBody)->toPlainText(), QStringLiteral("Long text typed with care."));
        EXPECT_FALSE(w->sender().isRunning());

        // An attachment that went away before the save: refused, kept open.
        setText(d, CComposeDlg::IdReceiver, QStringLiteral("ann@example.test"));
        QFile::remove(files.file(QStringLiteral("a.txt")));
        click(d, CComposeDlg::IdDraft);
        EXPECT_EQ(MessageBox::takeShown().size(), 1);
        EXPECT_TRUE(d->isVisible());
        click(d, CComposeDlg::IdAttachDel);
        click(d, CComposeDlg::IdDraft);
        EXPECT_FALSE(d->isVisible());
    });
    w->newMessage();
    EXPECT_TRUE(MessageBox::takeShown().isEmpty());
    // The draft is saved (message and companion) and listed, as Drafts is shown.
    const QStringList drafts = QDir(dir.path() + QStringLiteral("Bob/Drafts")).entryList(QDir::Files);
    ASSERT_EQ(drafts.filter(QStringLiteral(".bak")).size(), 1);
    ASSERT_EQ(w->messages().rowCount(), 1);
    EXPECT_EQ(w->messages().record(0)->subject, QStringLiteral("Plans"));
    EXPECT_EQ(w->scratchAccount().userName, QStringLiteral("Bob"));
}

TEST_F(MailWindow, OneSendAtATimeAndTheFirstPendingDraft)
{
    using S = ScriptedServer;
    // A server that greets and then says nothing: the send stays under way.
    S smtp({S::send("220 hi\r\n"), S::readLine(), S::silence()});
    addAccount(QStringLiteral("Bob"), 110, smtp.port());
    auto w = open();
    w->selectNode(0);

    // Without a Drafts folder.
    QDir(dir.path() + QStringLiteral("Bob/Drafts")).removeRecursively();
    w->sendFirstDraft();
    EXPECT_EQ(texts(MessageBox::takeShown()),
              QStringList{QStringLiteral("The directory \"%1Bob/Drafts/\" is not exist.").arg(dir.path())});
    QDir().mkpath(dir.path() + QStringLiteral("Bob/Drafts"));
    // With nothing pending, nothing happens.
    w->sendFirstDraft();
    EXPECT_FALSE(w->sender().isRunning());
    EXPECT_TRUE(MessageBox::takeShown().isEmpty());

    // Two drafts: the first is sent, a second click says "Now, it is sending.".
    MailStore store(dir.path(), codec);
    store.LoadAccounts();
    for (const char* subject : {"one", "two"}) {
        ComposedMail mail;
        mail.receiverText = QStringLiteral("ann@example.test");
        mail.subject = QLatin1String(subject);
        ASSERT_TRUE(DraftComposer::SaveDraft(store.accounts()[0], mail, store.FolderPath(0, MailFolder::Drafts), false, codec).saved);
    }
    // A companion without its message file is passed over.
    put(QStringLiteral("Bob/Drafts/0.eml.bak"), "stale");
    const QString first = store.FirstPendingDraft(0);
    ASSERT_FALSE(first.isEmpty());
    EXPECT_TRUE(QFile::exists(first));
    w->sendFirstDraft();
    ASSERT_TRUE(w->sender().isRunning());
    EXPECT_TRUE(w->sendProgress()->isVisible());
    w->sendFirstDraft();
    EXPECT_EQ(texts(MessageBox::takeShown()), QStringList{QStringLiteral("Now, it is sending.")});
    // The composer refuses too, and stays open.
    whenModal([&](QDialog* d) {
        setText(d, CComposeDlg::IdReceiver, QStringLiteral("cy@example.test"));
        click(d, CComposeDlg::IdSend);
        EXPECT_EQ(texts(MessageBox::takeShown()), QStringList{QStringLiteral("Now, it is sending.")});
        EXPECT_TRUE(d->isVisible());
        click(d, CComposeDlg::IdClose);
    });
    w->newMessage();

    // Cancel on its press: the send ends, both drafts stay pending.
    QTest::mousePress(w->sendProgress()->findChild<QPushButton*>(QStringLiteral("id2")), Qt::LeftButton);
    EXPECT_FALSE(w->sendProgress()->isVisible());
    EXPECT_TRUE(waitUntil([&] { return !w->sender().isRunning(); }, 5000));
    EXPECT_EQ(QDir(dir.path() + QStringLiteral("Bob/Drafts")).entryList({QStringLiteral("*.eml")}, QDir::Files).size(), 2);
    EXPECT_TRUE(MessageBox::takeShown().isEmpty());
}

TEST_F(MailWindow, ASecondReceiveBringsTheRunningOneForwardAndDeletingTheAccountEndsIt)
{
    using S = ScriptedServer;
    S pop3({S::send("+OK ready\r\n"), S::readLine(), S::silence()});
    addAccount(QStringLiteral("Bob"), pop3.port());
    auto w = open();
    w->tree()->setCurrentItem(nullptr);
    w->receive();
    EXPECT_EQ(texts(MessageBox::takeShown()), QStringList{QStringLiteral("Please select the account.")});

    w->selectNode(0, 0);
    w->receive();
    ASSERT_TRUE(w->receiver().isRunning());
    EXPECT_TRUE(w->receiveProgress()->isVisible());
    w->receiveProgress()->hide();
    w->receive();
    EXPECT_TRUE(w->receiveProgress()->isVisible());
    EXPECT_TRUE(w->receiver().isRunning());

    // Removing the account ends its receive first; nothing is written for it and no
    // report of it comes afterwards.
    w->deleteAccount();
    EXPECT_FALSE(w->receiver().isRunning());
    waitUntil([] { return false; }, 200);
    EXPECT_TRUE(MessageBox::takeShown().isEmpty());
    EXPECT_TRUE(QDir(dir.path() + QStringLiteral("Bob/Inbox")).entryList({QStringLiteral("*.eml")}, QDir::Files).isEmpty());
    EXPECT_EQ(w->tree()->topLevelItemCount(), 0);
}

TEST(MailProgressWindow, ShowsProgressAndAbortsOnThePress)
{
    CMailProgressDlg p(CMailDlg::ReceiveDialog);
    EXPECT_EQ(p.windowTitle(), QStringLiteral("Progress"));
    p.show();
    p.ShowProgress(QStringLiteral("Start to receiving ..."), 1, false);
    EXPECT_EQ(p.text(), QStringLiteral("Start to receiving ..."));
    EXPECT_EQ(p.percent(), 1);
    p.ShowProgress(QStringLiteral("The No.1/3 is in receiving ..."), 0, false); // 0 keeps the bar
    EXPECT_EQ(p.percent(), 1);
    p.ShowProgress(QStringLiteral("The No.1/3 is in receiving ..."), 250, false);
    EXPECT_EQ(p.percent(), 100);
    EXPECT_TRUE(p.isVisible());
    p.ShowProgress(QStringLiteral("Succeed to receive!"), 100, true);
    EXPECT_FALSE(p.isVisible());

    // Cancel and Close act on the press, also when nothing runs.
    int aborts = 0;
    QObject::connect(&p, &CMailProgressDlg::abortRequested, &p, [&] { ++aborts; });
    for (const char* button : {"id2", "id1064"}) {
        p.show();
        QTest::mousePress(p.findChild<QAbstractButton*>(QLatin1String(button)), Qt::LeftButton);
        EXPECT_FALSE(p.isVisible()) << button;
    }
    EXPECT_EQ(aborts, 2);
}
