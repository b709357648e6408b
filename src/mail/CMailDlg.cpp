#include "mail/CMailDlg.h"

#include "controls/BitmapButton.h"
#include "controls/FramelessFrame.h"
#include "controls/ItemFileChooser.h"
#include "controls/MessageBox.h"
#include "controls/PopupMenu.h"
#include "controls/TitleStrip.h"
#include "mail/CAccountDlg.h"
#include "mail/CComposeDlg.h"
#include "mail/CMailProgressDlg.h"
#include "mail/MailIcons.h"
#include "mail/MailParser.h"
#include "platform/TextCodec.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>

namespace {

constexpr int FolderRole = Qt::UserRole + 1; // -1 on an account node, else the MailFolder

QString idName(int id)
{
    return QStringLiteral("id%1").arg(id);
}

} // namespace

CMailDlg::CMailDlg(const QString& programDir, const TextCodec& codec, QWidget* parent)
    : SkinnedDialog(QStringLiteral("Mail"), kHelpContext, parent), m_programDir(programDir), m_codec(codec),
      m_store(programDir, codec)
{
    setObjectName(QStringLiteral("CMailDlg"));
    // A window of its own with its own task-bar entry, not a dialog over the panel.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setSizeGripEnabled(false);
    setMinimumSize(420, 300);
    titleStrip()->setMinimizeButtonVisible(true);
    titleStrip()->minimizeButton()->setObjectName(idName(IdMin));
    titleStrip()->helpButton()->setObjectName(idName(IdHelp));
    connect(titleStrip(), &TitleStrip::minimizeClicked, this, &QWidget::showMinimized);
    // Dragged by any free point of its surface, resized by its edges.
    auto* frame = new FramelessFrame(this);
    frame->setResizeEdges(Qt::LeftEdge | Qt::RightEdge | Qt::TopEdge | Qt::BottomEdge, 4);

    // The buttons along the top.
    m_toolbar = new QWidget(body());
    m_toolbar->setObjectName(QStringLiteral("toolbar"));
    auto* bar = new QHBoxLayout(m_toolbar);
    bar->setContentsMargins(0, 0, 0, 0);
    bar->setSpacing(4);
    auto addButton = [&](int id, const QString& text, MailIcons::Action icon, const QString& tip, void (CMailDlg::*act)()) {
        auto* b = new QToolButton(m_toolbar);
        b->setObjectName(idName(id));
        b->setText(text);
        b->setIcon(MailIcons::action(icon));
        b->setIconSize(QSize(24, 24));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
        b->setToolTip(tip);
        connect(b, &QToolButton::clicked, this, act);
        bar->addWidget(b);
        return b;
    };
    using A = MailIcons::Action;
    addButton(IdNewAccount, QStringLiteral("New Account"), A::NewAccount, QStringLiteral("Add a mail account"), &CMailDlg::newAccount);
    addButton(IdDeleteAccount, QStringLiteral("Delete Account"), A::DeleteAccount,
              QStringLiteral("Remove the selected account from the list"), &CMailDlg::deleteAccount);
    auto* separator = new QFrame(m_toolbar);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    bar->addSpacing(6);
    bar->addWidget(separator);
    bar->addSpacing(6);
    addButton(IdNew, QStringLiteral("New"), A::Compose, QStringLiteral("Write a new message"), &CMailDlg::newMessage);
    addButton(IdSend, QStringLiteral("Send"), A::Send, QStringLiteral("Send the first message waiting in Drafts"),
              &CMailDlg::sendFirstDraft);
    addButton(IdReceive, QStringLiteral("Receive"), A::Receive, QStringLiteral("Fetch new mail into Inbox"), &CMailDlg::receive);
    addButton(IdDelete, QStringLiteral("Delete"), A::Delete, QStringLiteral("Move the selected messages to Deleted"),
              &CMailDlg::deleteMessages);
    bar->addStretch(1);

    // The account tree.
    m_tree = new QTreeWidget(body());
    m_tree->setObjectName(idName(IdTree));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->setIconSize(QSize(16, 16));
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (current)
            listSelectedFolder();
    });
    connect(m_tree, &QWidget::customContextMenuRequested, this, &CMailDlg::treeMenu);

    // The message list.
    m_list = new QTableView(body());
    m_list->setObjectName(idName(IdList));
    m_list->setModel(&m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setShowGrid(false);
    m_list->setWordWrap(false);
    m_list->setAlternatingRowColors(true);
    m_list->setTextElideMode(Qt::ElideRight);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 6);
    m_list->horizontalHeader()->setHighlightSections(false);
    m_list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_list->horizontalHeader()->setStretchLastSection(true);
    QPalette white = m_list->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black);
    m_list->setPalette(white);
    const auto columns = MessageListModel::parseColumns(MessageListModel::columnText());
    for (int c = 0; c < columns.size(); ++c)
        m_list->setColumnWidth(c, columns[c].width);
    // Unsorted until the user clicks a column header.
    m_list->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_list->setSortingEnabled(true);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CMailDlg::showMessage);

    // The head of the shown message, between the list and the reading pane.
    m_header = new QWidget(body());
    m_header->setObjectName(QStringLiteral("messageHeader"));
    auto* head = new QGridLayout(m_header);
    head->setContentsMargins(4, 2, 4, 2);
    head->setHorizontalSpacing(8);
    head->setVerticalSpacing(2);
    auto headLine = [&](int row, const QString& label, QLabel*& value) {
        auto* l = new QLabel(label, m_header);
        QFont bold = l->font();
        bold.setBold(true);
        l->setFont(bold);
        value = new QLabel(m_header);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setTextFormat(Qt::PlainText);
        value->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        head->addWidget(l, row, 0);
        head->addWidget(value, row, 1);
    };
    headLine(0, QStringLiteral("From:"), m_from);
    headLine(1, QStringLiteral("Subject:"), m_subject);
    headLine(2, QStringLiteral("Date:"), m_date);
    head->setColumnStretch(1, 1);
    QFont big = m_subject->font();
    big.setBold(true);
    m_subject->setFont(big);

    // The reading pane and the attachment list.
    m_reading = new QPlainTextEdit(body());
    m_reading->setObjectName(idName(IdReading));
    m_reading->setReadOnly(true);
    m_reading->setPalette(white);
    m_attachmentsLabel = new QLabel(QStringLiteral("Attachments"), body());
    m_attachments = new QListWidget(body());
    m_attachments->setObjectName(idName(IdAttachments));
    m_attachments->setViewMode(QListView::IconMode);
    m_attachments->setIconSize(QSize(32, 32));
    m_attachments->setMovement(QListView::Static);
    m_attachments->setResizeMode(QListView::Adjust);
    m_attachments->setWordWrap(true);
    m_attachments->setGridSize(QSize(78, 64));
    m_attachments->setPalette(white);
    m_attachments->setToolTip(QStringLiteral("Double-click an attachment to save it"));
    connect(m_attachments, &QListWidget::itemDoubleClicked, this, &CMailDlg::saveAttachment);

    // The two progress windows, hidden until a transfer starts.
    m_receiveProgress = new CMailProgressDlg(ReceiveDialog, this);
    m_sendProgress = new CMailProgressDlg(SendDialog, this);
    connect(m_receiveProgress, &CMailProgressDlg::abortRequested, &m_receiver, &MailReceiver::Abort);
    connect(m_sendProgress, &CMailProgressDlg::abortRequested, &m_sender, &MailSender::Abort);

    // What the workers report arrives queued, on this thread.
    auto showOn = [](CMailProgressDlg* window) {
        return [window](const QString& text, int percent, bool hide) {
            window->ShowProgress(text.isEmpty() ? window->text() : text, percent, hide);
        };
    };
    connect(&m_receiver, &MailReceiver::progressText, this, showOn(m_receiveProgress));
    connect(&m_receiver, &MailReceiver::progress, this, [this](int n, int total, int p) {
        m_receiveProgress->ShowProgress(MailReceiver::progressLine(n, total, p), p, false);
    });
    connect(&m_receiver, &MailReceiver::message, this, [this](const QString& text) { MessageBox::error(this, text); });
    connect(&m_receiver, &MailReceiver::folderChanged, this, &CMailDlg::listSelectedFolder);
    connect(&m_receiver, &MailReceiver::finished, this, [this] { m_receiveAccount.clear(); });
    connect(&m_sender, &MailSender::progressText, this, showOn(m_sendProgress));
    connect(&m_sender, &MailSender::progress, this, [this](int i, int total, int p) {
        m_sendProgress->ShowProgress(MailSender::progressLine(i, total, p), p, false);
    });
    connect(&m_sender, &MailSender::folderChanged, this, &CMailDlg::listSelectedFolder);
    connect(&m_sender, &MailSender::finished, this, [this] { m_sendAccount.clear(); });

    m_store.LoadAccounts();
    buildTree();

    // The desktop's work area, centred.
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen)
        setGeometry(screen->availableGeometry());
    else
        resize(1000, 700);
    m_size = size();
    layoutControls();
}

CMailDlg::~CMailDlg()
{
    // Workers end before the window they report to.
    m_receiver.Abort();
    m_sender.Abort();
    m_receiver.wait(-1);
    m_sender.wait(-1);
}

void CMailDlg::buildTree()
{
    m_tree->clear();
    for (const MailAccount& a : m_store.accounts())
        m_tree->setCurrentItem(addAccountNode(a));
}

QTreeWidgetItem* CMailDlg::addAccountNode(const MailAccount& account)
{
    auto* item = new QTreeWidgetItem(m_tree, {account.userName});
    item->setIcon(0, MailIcons::account());
    item->setData(0, FolderRole, -1);
    for (MailFolder f : MailFolders::all()) {
        auto* child = new QTreeWidgetItem(item, {MailFolders::name(f)});
        child->setIcon(0, MailIcons::folder(f));
        child->setData(0, FolderRole, int(f));
    }
    item->setExpanded(true);
    return item;
}

QTreeWidgetItem* CMailDlg::node(int account, int folder) const
{
    QTreeWidgetItem* top = m_tree->topLevelItem(account);
    if (!top || folder < 0)
        return top;
    return top->child(folder);
}

void CMailDlg::selectNode(int account, int folder)
{
    if (QTreeWidgetItem* n = node(account, folder))
        m_tree->setCurrentItem(n);
}

int CMailDlg::selectedAccount(QString* folder) const
{
    QTreeWidgetItem* item = m_tree->currentItem();
    if (folder)
        folder->clear();
    if (!item)
        return -1;
    if (QTreeWidgetItem* parent = item->parent()) {
        if (folder)
            *folder = item->text(0);
        item = parent;
    }
    return m_tree->indexOfTopLevelItem(item);
}

void CMailDlg::layoutControls()
{
    const int W = width();
    const int H = height();
    // Places a control by window coordinates, as the whole surface is laid out.
    auto place = [this](QWidget* w, int left, int top, int right, int bottom) {
        const QPoint origin = body()->mapFrom(this, QPoint(left, top));
        w->setGeometry(origin.x(), origin.y(), qMax(0, right - left), qMax(0, bottom - top));
    };
    place(m_toolbar, 5, 24, W - 5, 56);
    place(m_tree, 5, 60, 5 + W / 4 - 22, 60 + H - 77);
    if (W - 17 - (W / 4 + 5) > 100 && H / 2 - 17 - 60 > 100)
        place(m_list, W / 4 + 5, 60, W - 17, H / 2 - 17);
    place(m_header, W / 4 + 5, H / 2 - 12, W - 17, H / 2 + 60);
    place(m_reading, W / 4 + 5, H / 2 + 65, W - 122, H - 17);
    if (H - 17 - (H / 2 + 65) > 30) {
        place(m_attachments, W - 100, H / 2 + 65, W - 17, H - 17);
        place(m_attachmentsLabel, W - 100, H / 2 + 44, W - 17, H / 2 + 62);
    }
    // The header's attachment caption sits over the attachment list, not over the text.
    m_header->setMaximumWidth(QWIDGETSIZE_MAX);
    place(m_header, W / 4 + 5, H / 2 - 12, W - 105, H / 2 + 60);
}

QSize CMailDlg::sizeHint() const
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize(1000, 700);
}

void CMailDlg::resizeEvent(QResizeEvent* event)
{
    SkinnedDialog::resizeEvent(event);
    if (isVisible())
        m_size = size();
    layoutControls();
}

void CMailDlg::showEvent(QShowEvent* event)
{
    // Shown again at its own size (the shell's centring fits a hidden window to its
    // contents first), centred on the work area.
    if (!m_size.isEmpty() && size() != m_size) {
        resize(m_size);
        centreOnDesktop();
    }
    SkinnedDialog::showEvent(event);
}

void CMailDlg::keyPressEvent(QKeyEvent* event)
{
    // Escape and Enter never close the mail window.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    SkinnedDialog::keyPressEvent(event);
}

void CMailDlg::clearMessage()
{
    m_attachments->clear();
    m_reading->clear();
    m_from->clear();
    m_subject->clear();
    m_date->clear();
}

void CMailDlg::listSelectedFolder()
{
    QString folder;
    const int account = selectedAccount(&folder);
    QString message;
    // The bodies of a large cached folder are read only for the message shown.
    QList<MailRecord> records = m_store.ListFolder(account, folder, &message, MailStore::Bodies::Deferred);
    if (!message.isEmpty())
        MessageBox::error(this, message);
    m_model.setRecords(std::move(records));
    clearMessage();
    if (m_model.rowCount() > 0)
        m_list->selectRow(0);
}

void CMailDlg::showMessage()
{
    clearMessage();
    int first = -1;
    for (const QModelIndex& i : m_list->selectionModel()->selectedRows())
        if (first < 0 || i.row() < first)
            first = i.row();
    const MailRecord* r = m_model.record(first);
    if (!r)
        return;
    m_reading->setPlainText(m_store.BodyText(*r));
    m_from->setText(r->sender);
    m_subject->setText(r->subject);
    m_date->setText(r->date);
    for (const QString& name : r->attachments) {
        auto* item = new QListWidgetItem(MailIcons::forFileName(name), name, m_attachments);
        item->setToolTip(name);
    }
}

void CMailDlg::saveAttachment(QListWidgetItem* item)
{
    if (!item)
        return;
    const int k = m_attachments->row(item);
    // Only the attachment's own name is proposed, never a path it may carry.
    const QString chosen = ItemFileChooser::saveFile(this, QStringLiteral("Save Attachment"),
                                                     MailParser::plainFileName(item->text()), QStringLiteral("*.*||"));
    if (chosen.isEmpty())
        return;
    int first = -1;
    for (const QModelIndex& i : m_list->selectionModel()->selectedRows())
        if (first < 0 || i.row() < first)
            first = i.row();
    const MailRecord* r = m_model.record(first);
    if (!r)
        return;
    const MailParser parser(m_programDir, m_codec);
    if (!parser.ExtractAttachment(r->path, k, chosen, MailParser::Fallback::None))
        MessageBox::error(this, QStringLiteral("The attachment cannot be saved as \"%1\".").arg(chosen));
}

void CMailDlg::treeMenu(const QPoint& pos)
{
    QTreeWidgetItem* item = m_tree->itemAt(pos);
    if (!item)
        return;
    m_tree->setCurrentItem(item);
    PopupMenu menu(this);
    menu.addItem(IdMenuProperty, QStringLiteral("Property"));
    menu.addItem(IdMenuPassWord, QStringLiteral("PassWord"));
    menu.addItem(IdMenuDeleteAccount, QStringLiteral("DeleteAccount"));
    switch (menu.exec(m_tree->viewport()->mapToGlobal(pos))) {
    case IdMenuProperty: accountProperties(); break;
    case IdMenuPassWord: break; // has no effect
    case IdMenuDeleteAccount: deleteAccount(); break;
    default: break;
    }
}

void CMailDlg::newAccount()
{
    CAccountDlg dlg(CAccountDlg::Mode::NewAccount, m_scratch, m_store, this);
    dlg.centreOnDesktop();
    if (dlg.exec() != QDialog::Accepted)
        return;
    m_scratch = dlg.account();
    m_store.AddAccount(dlg.account());
    addAccountNode(dlg.account());
}

void CMailDlg::accountProperties()
{
    const int index = selectedAccount();
    if (!m_store.isAccount(index))
        return;
    CAccountDlg dlg(CAccountDlg::Mode::Properties, m_store.accounts()[index], m_store, this);
    dlg.centreOnDesktop();
    if (dlg.exec() != QDialog::Accepted)
        return;
    m_store.ReplaceAccount(index, dlg.account());
    node(index)->setText(0, dlg.account().userName);
}

void CMailDlg::endTransfersOf(const QString& userName)
{
    // Cancelled and waited for, so that nothing more is written for the account and no
    // report of it arrives after it is gone.
    if (m_receiver.isRunning() && m_receiveAccount == userName) {
        m_receiver.Abort();
        m_receiver.wait(-1);
        QCoreApplication::sendPostedEvents(&m_receiver, QEvent::MetaCall);
        m_receiveProgress->hide();
    }
    if (m_sender.isRunning() && m_sendAccount == userName) {
        m_sender.Abort();
        m_sender.wait(-1);
        QCoreApplication::sendPostedEvents(&m_sender, QEvent::MetaCall);
        m_sendProgress->hide();
    }
}

void CMailDlg::deleteAccount()
{
    const int index = selectedAccount();
    if (!m_store.isAccount(index))
        return;
    endTransfersOf(m_store.accounts()[index].userName);
    m_store.RemoveAccount(index);
    {
        const QSignalBlocker block(m_tree);
        delete m_tree->takeTopLevelItem(index);
        m_tree->setCurrentItem(nullptr);
        m_tree->clearSelection();
    }
    m_model.clear();
    clearMessage();
}

void CMailDlg::newMessage()
{
    const int index = selectedAccount();
    if (!m_store.isAccount(index))
        return;
    const MailAccount account = m_store.accounts()[index];
    m_scratch = account;
    const QString drafts = m_programDir + account.userName + QStringLiteral("/Drafts/");
    CComposeDlg::Hooks hooks;
    hooks.sending = [this] { return m_sender.isRunning(); };
    hooks.startSend = [this](const QString& draft) { startSend(draft); };
    CComposeDlg composer(account, drafts, m_codec, hooks, this);
    composer.centreOnDesktop();
    const bool saved = composer.exec() == QDialog::Accepted;
    // A draft saved while its folder is shown appears in the list.
    QString folder;
    if (saved && selectedAccount(&folder) == index && folder == MailFolders::name(MailFolder::Drafts))
        listSelectedFolder();
}

void CMailDlg::sendFirstDraft()
{
    const int index = selectedAccount();
    if (!m_store.isAccount(index))
        return;
    QString message;
    const QString draft = m_store.FirstPendingDraft(index, &message);
    if (!message.isEmpty())
        MessageBox::error(this, message);
    if (!draft.isEmpty())
        startSend(draft);
}

void CMailDlg::startSend(const QString& draftPath)
{
    if (draftPath.isEmpty() || m_sender.isRunning()) {
        if (m_sender.isRunning())
            MessageBox::error(this, QStringLiteral("Now, it is sending."));
        return;
    }
    // The account whose Drafts folder holds the draft: ".../N/Drafts/name".
    const QString dir = draftPath.left(draftPath.lastIndexOf(QLatin1Char('/')));
    const QString accountDir = dir.left(dir.lastIndexOf(QLatin1Char('/')));
    m_sendAccount = accountDir.mid(accountDir.lastIndexOf(QLatin1Char('/')) + 1);
    m_sendProgress->ShowProgress(QStringLiteral("Start to sending ..."), 1, false);
    m_sendProgress->centreOnDesktop();
    m_sendProgress->show();
    m_sendProgress->raise();
    if (!m_sender.start(draftPath, m_codec.charsetName()))
        MessageBox::error(this, QStringLiteral("Now, it is sending."));
}

void CMailDlg::receive()
{
    const int index = selectedAccount();
    if (m_receiver.isRunning()) {
        // One receive at a time: the running one's window comes to the front.
        m_receiveProgress->show();
        m_receiveProgress->raise();
        m_receiveProgress->activateWindow();
        return;
    }
    std::optional<MailAccount> account;
    if (m_store.isAccount(index))
        account = m_store.accounts()[index];
    if (account) {
        m_receiveAccount = account->userName;
        m_receiveProgress->ShowProgress(QStringLiteral("Start to receiving ..."), 1, false);
        m_receiveProgress->centreOnDesktop();
        m_receiveProgress->show();
        m_receiveProgress->raise();
    }
    m_receiver.start(account, m_programDir, m_codec.charsetName());
}

void CMailDlg::deleteMessages()
{
    QList<int> rows;
    for (const QModelIndex& i : m_list->selectionModel()->selectedRows())
        rows.append(i.row());
    std::sort(rows.begin(), rows.end());
    QStringList paths;
    for (int row : rows)
        if (const MailRecord* r = m_model.record(row))
            paths.append(r->path);
    QString message;
    const bool done = m_store.DeleteMessages(paths, &message);
    if (!message.isEmpty())
        MessageBox::error(this, message);
    if (done)
        listSelectedFolder();
}
