#include "mail/CComposeDlg.h"

#include "controls/ItemFileChooser.h"
#include "controls/MessageBox.h"
#include "mail/DraftRecord.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStringListModel>
#include <QTextBlock>
#include <QVBoxLayout>

namespace {

// Completion inside the body: the word before the cursor is the prefix.
class BodyCompleter : public QObject
{
public:
    BodyCompleter(QPlainTextEdit* edit, const QStringList& words) : QObject(edit), m_edit(edit)
    {
        m_completer = new QCompleter(words, this);
        m_completer->setCaseSensitivity(Qt::CaseInsensitive);
        m_completer->setWidget(edit);
        m_completer->setCompletionMode(QCompleter::PopupCompletion);
        QObject::connect(m_completer, qOverload<const QString&>(&QCompleter::activated), this, [this](const QString& word) {
            QTextCursor c = m_edit->textCursor();
            c.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, int(m_prefix.size()));
            c.insertText(word);
            m_edit->setTextCursor(c);
        });
        QObject::connect(edit, &QPlainTextEdit::textChanged, this, [this] { update(); });
    }

private:
    void update()
    {
        QTextCursor c = m_edit->textCursor();
        const QString line = c.block().text().left(c.positionInBlock());
        qsizetype start = line.size();
        while (start > 0 && (line[start - 1].isLetterOrNumber()))
            --start;
        m_prefix = line.mid(start);
        if (m_prefix.isEmpty()) {
            m_completer->popup()->hide();
            return;
        }
        m_completer->setCompletionPrefix(m_prefix);
        if (m_completer->completionCount() == 0
            || (m_completer->completionCount() == 1 && m_completer->currentCompletion().compare(m_prefix, Qt::CaseInsensitive) == 0)) {
            m_completer->popup()->hide();
            return;
        }
        QRect r = m_edit->cursorRect();
        r.setWidth(m_completer->popup()->sizeHintForColumn(0) + m_completer->popup()->verticalScrollBar()->sizeHint().width());
        m_completer->complete(r);
    }

    QPlainTextEdit* m_edit;
    QCompleter* m_completer = nullptr;
    QString m_prefix;
};

} // namespace

QStringList CComposeDlg::completionWords()
{
    return {QStringLiteral("alpha"), QStringLiteral("alphabet"), QStringLiteral("alphabet soup"), QStringLiteral("beta"),
            QStringLiteral("beta blocker"), QStringLiteral("beta carotine"), QStringLiteral("beta test"),
            QStringLiteral("one"), QStringLiteral("one of six"), QStringLiteral("one two"), QStringLiteral("one two three")};
}

CComposeDlg::CComposeDlg(const MailAccount& account, const QString& draftsDir, const TextCodec& codec, Hooks hooks,
                         QWidget* parent)
    : SkinnedDialog(QStringLiteral("New Mail"), 0, parent), m_account(account), m_draftsDir(draftsDir), m_codec(codec),
      m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("CComposeDlg"));
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(8);

    auto named = [](QWidget* w, int id) {
        w->setObjectName(QStringLiteral("id%1").arg(id));
        return w;
    };
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    m_receiver = new QLineEdit(body());
    m_copyTo = new QLineEdit(body());
    m_subject = new QLineEdit(body());
    named(m_receiver, IdReceiver);
    named(m_copyTo, IdCopyTo);
    named(m_subject, IdSubject);
    m_receiver->setToolTip(QStringLiteral("Type your address of receiver"));
    m_copyTo->setToolTip(QStringLiteral("Type your address of CopyTo"));
    m_receiver->setPlaceholderText(QStringLiteral("name@example.com, ..."));
    const QStringList words = completionWords();
    for (QLineEdit* e : {m_receiver, m_copyTo, m_subject}) {
        auto* completer = new QCompleter(words, e);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        e->setCompleter(completer);
    }
    // Who it goes out from: the account it was opened for.
    auto* from = new QLabel(account.senderName + QStringLiteral(" <") + account.mailAddress + QLatin1Char('>'), body());
    from->setObjectName(QStringLiteral("from"));
    from->setTextFormat(Qt::PlainText);
    fields->addWidget(new QLabel(QStringLiteral("From"), body()), 0, 0);
    fields->addWidget(from, 0, 1, 1, 2);
    fields->addWidget(new QLabel(QStringLiteral("Receiver"), body()), 1, 0);
    fields->addWidget(m_receiver, 1, 1, 1, 2);
    fields->addWidget(new QLabel(QStringLiteral("Copy to"), body()), 2, 0);
    fields->addWidget(m_copyTo, 2, 1, 1, 2);
    fields->addWidget(new QLabel(QStringLiteral("Subject"), body()), 3, 0);
    fields->addWidget(m_subject, 3, 1, 1, 2);

    // The attachments: a drop-down of their names, "..." to add one, "DEL" to remove one.
    fields->addWidget(new QLabel(QStringLiteral("Attach"), body()), 4, 0);
    auto* attachRow = new QHBoxLayout;
    m_attach = new QComboBox(body());
    named(m_attach, IdAttach);
    m_attach->setMinimumContentsLength(24);
    m_attach->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto* add = new QPushButton(QStringLiteral("..."), body());
    named(add, IdAttachAdd);
    add->setToolTip(QStringLiteral("Attach a file"));
    add->setFixedWidth(36);
    add->setAutoDefault(false);
    auto* del = new QPushButton(QStringLiteral("DEL"), body());
    named(del, IdAttachDel);
    del->setToolTip(QStringLiteral("Remove the chosen attachment"));
    del->setFixedWidth(44);
    del->setAutoDefault(false);
    m_html = new QCheckBox(QStringLiteral("HTML"), body());
    named(m_html, IdHtml);
    attachRow->addWidget(m_attach, 1);
    attachRow->addWidget(add);
    attachRow->addWidget(del);
    attachRow->addSpacing(12);
    attachRow->addWidget(m_html);
    fields->addLayout(attachRow, 4, 1, 1, 2);
    fields->setColumnStretch(1, 1);
    layout->addLayout(fields);

    m_body = new QPlainTextEdit(body());
    named(m_body, IdBody);
    m_body->setMinimumSize(520, 260);
    new BodyCompleter(m_body, words);
    layout->addWidget(m_body, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* send = new QPushButton(QStringLiteral("Send"), body());
    named(send, IdSend);
    auto* draft = new QPushButton(QStringLiteral("Draft"), body());
    named(draft, IdDraft);
    auto* close = new QPushButton(QStringLiteral("Close"), body());
    named(close, IdClose);
    for (QPushButton* b : {send, draft, close}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, &CComposeDlg::addAttachment);
    connect(del, &QPushButton::clicked, this, &CComposeDlg::removeAttachment);
    connect(send, &QPushButton::clicked, this, &CComposeDlg::send);
    connect(draft, &QPushButton::clicked, this, &CComposeDlg::saveDraft);
    connect(close, &QPushButton::clicked, this, &CComposeDlg::reject);

    setTabOrder(m_receiver, m_copyTo);
    setTabOrder(m_copyTo, m_subject);
    setTabOrder(m_subject, m_body);
    m_receiver->setFocus();
}

void CComposeDlg::addAttachment()
{
    const QString path = ItemFileChooser::openFile(this, QStringLiteral("Attach"), QStringLiteral("All file (*.*)|*.*||"));
    if (path.isEmpty())
        return;
    if (!QFileInfo::exists(path))
        MessageBox::info(this, path, QStringLiteral("文件未找到"));
    else if (!m_attachments.contains(path))
        m_attachments.append(path);
    refillAttachments();
}

void CComposeDlg::removeAttachment()
{
    const int at = m_attach->currentIndex();
    if (at < 0 || at >= m_attachments.size())
        return;
    m_attachments.removeAt(at);
    refillAttachments();
}

void CComposeDlg::refillAttachments()
{
    m_attach->clear();
    for (const QString& path : std::as_const(m_attachments))
        m_attach->addItem(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
    m_attach->setCurrentIndex(int(m_attachments.size()) - 1);
}

bool CComposeDlg::save()
{
    ComposedMail mail;
    mail.receiverText = m_receiver->text();
    mail.copyText = m_copyTo->text();
    mail.subject = m_subject->text();
    mail.body = m_body->toPlainText();
    mail.attachments = m_attachments;
    mail.html = m_html->isChecked();
    const DraftComposer::Result r
        = DraftComposer::SaveDraft(m_account, mail, m_draftsDir, m_hooks.sending && m_hooks.sending(), m_codec);
    if (!r.saved) {
        MessageBox::error(this, r.message);
        return false;
    }
    m_draftName = r.fileName;
    return true;
}

void CComposeDlg::saveDraft()
{
    // A refused draft keeps the composer open with everything typed.
    if (save())
        accept();
}

void CComposeDlg::send()
{
    if (m_hooks.sending && m_hooks.sending()) {
        MessageBox::error(this, QStringLiteral("Now, it is sending."));
        return;
    }
    if (!save())
        return;
    if (m_hooks.startSend)
        m_hooks.startSend(m_draftsDir + m_draftName);
    accept();
}
