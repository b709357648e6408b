// The mail window on a real X desktop (Xvfb and openbox) against Dovecot and the SMTP
// server of the engine's tests, driven with the mouse through xdotool; the dialogs are
// filled through their test hooks.
#include "mail/CAccountDlg.h"
#include "mail/CComposeDlg.h"
#include "mail/CMailDlg.h"
#include "mail/CMailProgressDlg.h"
#include "mail/MailTestMessages.h"
#include "mail/support/MailServers.h"

#include "controls/ItemFileChooser.h"
#include "controls/MessageBox.h"
#include "controls/Style.h"
#include "platform/TextCodec.h"
#include "support/DesktopTools.h"
#include "support/ModalHelper.h"
#include "support/TempDir.h"
#include "support/TestWait.h"
#include "support/XDisplayFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace MailTestMessages;

namespace {

void clickAt(const QPoint& global, int button = 1, bool twice = false)
{
    xdotool({QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())});
    if (twice)
        xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"), QStringLiteral("--delay"),
                 QStringLiteral("80"), QString::number(button)});
    else
        xdotool({QStringLiteral("click"), QString::number(button)});
}

// Clicks the middle of a widget once the desktop shows its window there.
void clickWidget(QWidget* w)
{
    const QPoint centre = w->mapToGlobal(w->rect().center());
    const QString id = QString::number(quint64(w->window()->winId()));
    EXPECT_TRUE(waitUntil([&] { return windowGeometry(id).contains(centre); }, 10000)) << w->objectName().toStdString();
    clickAt(centre);
}

// A screenshot of the whole desktop into $QUILLORA_SCREENSHOTS/<name>.png, when set.
void screenshot(const QString& name)
{
    const QString dir = qEnvironmentVariable("QUILLORA_SCREENSHOTS");
    if (dir.isEmpty())
        return;
    waitUntil([] { return false; }, 300); // let the last paints reach the server
    runTool(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), dir + QLatin1Char('/') + name + QStringLiteral(".png")});
}

QStringList filesIn(const QString& dir, const QString& pattern = QStringLiteral("*.eml"))
{
    return QDir(dir).entryList({pattern}, QDir::Files);
}

class MailDesktop : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Style::applyApplicationLook(*qApp);
        MessageBox::setTestMode(true);
        MessageBox::takeShown();
        ItemFileChooser::clearNextFileName();
        ASSERT_TRUE(pop3.start(10000)) << pop3.log().toStdString();
        ASSERT_TRUE(smtp.start(10000));
    }
    void TearDown() override { MessageBox::setTestMode(false); }

    // Opens the window as the panel does and waits until the desktop shows it.
    void openWindow()
    {
        window = std::make_unique<CMailDlg>(program.path(), codec);
        window->centreOnDesktop();
        window->show();
        const QString id = QString::number(quint64(window->winId()));
        ASSERT_TRUE(waitUntil([&] { return !windowGeometry(id).isEmpty() && window->isActiveWindow(); }, 10000));
    }
    QWidget* button(int id) { return window->findChild<QWidget*>(QStringLiteral("id%1").arg(id)); }
    void clickNode(int account, int folder)
    {
        QTreeWidget* tree = window->tree();
        QTreeWidgetItem* item = window->node(account, folder);
        clickAt(tree->viewport()->mapToGlobal(tree->visualItemRect(item).center()));
        ASSERT_TRUE(waitUntil([&] { return tree->currentItem() == item; }));
    }
    void clickRow(int row)
    {
        QTableView* list = window->messageList();
        clickAt(list->viewport()->mapToGlobal(list->visualRect(list->model()->index(row, 2)).center()));
    }
    // Creates the account through the dialog, as a user fills it in.
    void createAccount()
    {
        bool filled = false;
        whenModal([&](QDialog* d) {
            setText(d, CAccountDlg::IdUserName, QStringLiteral("Bob"));
            setText(d, CAccountDlg::IdSmtpServer, QStringLiteral("127.0.0.1"));
            setText(d, CAccountDlg::IdSmtpPort, QString::number(smtp.port()));
            setText(d, CAccountDlg::IdPop3Server, QStringLiteral("127.0.0.1"));
            setText(d, CAccountDlg::IdPop3Port, QString::number(pop3.port()));
            setText(d, CAccountDlg::IdPop3Account, DovecotServer::user());
            setText(d, CAccountDlg::IdPassword, DovecotServer::password());
            setText(d, CAccountDlg::IdSenderName, QStringLiteral("Bob Baker"));
            setText(d, CAccountDlg::IdMailAddress, QStringLiteral("bob@example.test"));
            screenshot(QStringLiteral("account-dialog"));
            clickWidget(child<QPushButton>(d, CAccountDlg::IdOk));
            filled = true;
        }, 15000);
        clickWidget(button(CMailDlg::IdNewAccount));
        ASSERT_TRUE(waitUntil([&] { return filled && window->tree()->topLevelItemCount() == 1; }, 15000))
            << (MessageBox::testMode() && !MessageBox::takeShown().isEmpty() ? "a message box came" : "");
        EXPECT_TRUE(MessageBox::takeShown().isEmpty());
    }
    QString folder(const char* name) const { return program.path() + QStringLiteral("Bob/") + QLatin1String(name) + QLatin1Char('/'); }

    TempDir program;
    LocaleTextCodec codec{"UTF-8"};
    DovecotServer pop3;
    SmtpServer smtp;
    std::unique_ptr<CMailDlg> window;
};

} // namespace

TEST_F(MailDesktop, ReceiveReadSaveComposeAndSendAsAUserWould)
{
    // Three messages wait on the server, one of them with an attachment.
    const QByteArray picture = QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(3000, '\x42');
    pop3.deliver(message(QStringLiteral("Ann Archer<ann@example.test>"), QStringLiteral("Lunch on Friday?"),
                         QStringLiteral("Hi Bob,\n\nShall we meet at noon?\n\nAnn")));
    pop3.deliver(message(QStringLiteral("Cy Cooper<cy@example.test>"), QStringLiteral("Holiday pictures"),
                         QStringLiteral("Here is the view from the hotel."), {{QStringLiteral("beach.png"), picture}},
                         QStringLiteral("Tue, 5 Mar 2024 10:12:00 +0100")));
    pop3.deliver(message(QStringLiteral("Dee Dale<dee@example.test>"), QStringLiteral("Minutes of the meeting"),
                         QStringLiteral("Attached are the minutes.")));

    openWindow();
    createAccount();
    for (const char* f : {"Inbox", "Drafts", "Sent", "Deleted", "Junk"})
        EXPECT_TRUE(QFileInfo(folder(f)).isDir()) << f;

    // Receive into Inbox and read the message with the attachment.
    clickNode(0, 0);
    clickWidget(button(CMailDlg::IdReceive));
    ASSERT_TRUE(waitUntil([&] { return window->messages().rowCount() == 3 && !window->receiver().isRunning(); }, 20000))
        << window->messages().rowCount();
    EXPECT_TRUE(MessageBox::takeShown().isEmpty());
    EXPECT_FALSE(window->receiveProgress()->isVisible());
    EXPECT_EQ(pop3.storedCount(), 0);
    int withAttachment = -1;
    for (int row = 0; row < 3; ++row)
        if (window->messages().record(row)->subject == QStringLiteral("Holiday pictures"))
            withAttachment = row;
    ASSERT_GE(withAttachment, 0);
    clickRow(withAttachment);
    ASSERT_TRUE(waitUntil([&] { return window->attachmentList()->count() == 1; }));
    EXPECT_TRUE(window->readingPane()->toPlainText().startsWith(QStringLiteral("Here is the view")));
    screenshot(QStringLiteral("mail-window"));
    EXPECT_TRUE(window->messageList()->horizontalHeader()->isVisible());
    EXPECT_GT(window->messageList()->horizontalHeader()->height(), 10);

    // Double-click the attachment and save it where the chooser says.
    TempDir saved;
    ItemFileChooser::setNextFileName(saved.file(QStringLiteral("beach.png")));
    QListWidget* attachments = window->attachmentList();
    clickAt(attachments->viewport()->mapToGlobal(attachments->visualItemRect(attachments->item(0)).center()), 1, true);
    ASSERT_TRUE(waitUntil([&] { return saved.read(QStringLiteral("beach.png")) == picture; }, 5000));
    EXPECT_EQ(ItemFileChooser::lastProposedName(), QStringLiteral("beach.png"));

    // Compose a message with an attachment and send it from the composer.
    TempDir files;
    files.write(QStringLiteral("notes.txt"), "Notes for the trip.\n");
    bool sent = false;
    whenModal([&](QDialog* d) {
        setText(d, CComposeDlg::IdReceiver, QStringLiteral("ann@example.test"));
        setText(d, CComposeDlg::IdSubject, QStringLiteral("Re: Lunch on Friday?"));
        child<QPlainTextEdit>(d, CComposeDlg::IdBody)->setPlainText(QStringLiteral("Noon is fine. My notes are attached.\n\nBob"));
        ItemFileChooser::setNextFileName(files.file(QStringLiteral("notes.txt")));
        clickWidget(child<QPushButton>(d, CComposeDlg::IdAttachAdd));
        waitUntil([&] { return child<QComboBox>(d, CComposeDlg::IdAttach)->count() == 1; });
        screenshot(QStringLiteral("composer"));
        clickWidget(child<QPushButton>(d, CComposeDlg::IdSend));
        sent = true;
    }, 15000);
    clickWidget(button(CMailDlg::IdNew));
    ASSERT_TRUE(waitUntil([&] { return sent && smtp.receivedCount() == 1 && !window->sender().isRunning(); }, 20000));
    EXPECT_TRUE(MessageBox::takeShown().isEmpty());
    const QByteArray out = smtp.message(1);
    EXPECT_TRUE(out.contains("Subject:Re: Lunch on Friday?"));
    EXPECT_TRUE(out.contains("FileName=notes.txt"));
    EXPECT_TRUE(out.contains(QByteArray("Notes for the trip.\n").toBase64()));
    EXPECT_TRUE(smtp.envelope(1).contains("ann@example.test"));

    // It is in Sent and no longer pending in Drafts.
    EXPECT_TRUE(filesIn(folder("Drafts"), QStringLiteral("*")).filter(QStringLiteral(".bak")).isEmpty());
    ASSERT_EQ(filesIn(folder("Sent")).size(), 1);
    clickNode(0, 2);
    ASSERT_TRUE(waitUntil([&] { return window->messages().rowCount() == 1; }));
    EXPECT_EQ(window->messages().record(0)->subject, QStringLiteral("Re: Lunch on Friday?"));
    ASSERT_TRUE(waitUntil([&] { return window->attachmentList()->count() == 1; }));
    EXPECT_EQ(window->attachmentList()->item(0)->text(), QStringLiteral("notes.txt"));
}

TEST_F(MailDesktop, CancelDuringALargeReceiveShowsNoFloodOfBoxes)
{
    QByteArray big = "From: a@x\nTo: b@example.test\nSubject: big\n\n";
    const QByteArray line = QByteArray(76, 'z') + "\n";
    while (big.size() < 60 * 1024 * 1024)
        big += line;
    pop3.deliver(message(QStringLiteral("Ann<ann@example.test>"), QStringLiteral("small first"), QStringLiteral("1")));
    pop3.deliver(big);
    for (int i = 0; i < 200; ++i)
        pop3.deliver(message(QStringLiteral("Ann<ann@example.test>"), QStringLiteral("after"), QStringLiteral("more")));

    openWindow();
    createAccount();
    clickNode(0, 0);
    // Cancel once the large message is under way, as the window reports it.
    bool large = false;
    QObject::connect(&window->receiver(), &MailReceiver::progress, window.get(), [&](int number, int total, int percent) {
        large = large || (number == 2 && total == 202 && percent >= 1);
    });
    clickWidget(button(CMailDlg::IdReceive));
    CMailProgressDlg* progress = window->receiveProgress();
    ASSERT_TRUE(waitUntil([&] { return large; }, 30000))
        << progress->text().toStdString() << " " << MessageBox::takeShown().value(0).text.toStdString();
    screenshot(QStringLiteral("receive-progress"));
    clickWidget(progress->findChild<QPushButton*>(QStringLiteral("id2")));
    ASSERT_TRUE(waitUntil([&] { return !window->receiver().isRunning(); }, 10000));
    EXPECT_FALSE(progress->isVisible());
    // No box at all; the receive stopped there, what arrived before is kept and listed.
    waitUntil([] { return false; }, 300);
    EXPECT_TRUE(MessageBox::takeShown().isEmpty());
    const qsizetype stored = filesIn(folder("Inbox")).size();
    EXPECT_GE(stored, 1);
    EXPECT_LT(stored, 202);
    EXPECT_GE(window->messages().rowCount(), 1);
}
