#include "mail/CAccountDlg.h"

#include "controls/MessageBox.h"
#include "mail/MailStore.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CAccountDlg::CAccountDlg(Mode mode, const MailAccount& account, MailStore& store, QWidget* parent)
    : SkinnedDialog(QStringLiteral("Create New User Account"), 0, parent), m_mode(mode), m_account(account), m_store(store)
{
    setObjectName(QStringLiteral("CAccountDlg"));
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(8);

    // The account itself.
    auto* who = new QGridLayout;
    who->setHorizontalSpacing(8);
    m_userName = addEdit(IdUserName);
    m_myPassword = addEdit(IdMyPassword);
    m_myPassword->setEchoMode(QLineEdit::Password);
    m_myPassword->setEnabled(false);
    who->addWidget(new QLabel(QStringLiteral("User Name"), body()), 0, 0);
    who->addWidget(m_userName, 0, 1);
    who->addWidget(new QLabel(QStringLiteral("My Password"), body()), 0, 2);
    who->addWidget(m_myPassword, 0, 3);
    who->setColumnStretch(1, 1);
    who->setColumnStretch(3, 1);
    layout->addLayout(who);

    // The two servers, each in its own group: a row per server setting.
    auto serverGroup = [&](const QString& title, const QString& label, QLineEdit*& server, int serverId, QLineEdit*& port,
                           int portId) {
        auto* group = new QGroupBox(title, body());
        auto* grid = new QGridLayout(group);
        grid->setHorizontalSpacing(8);
        server = addEdit(serverId);
        port = addEdit(portId);
        port->setMaximumWidth(70);
        grid->addWidget(new QLabel(label, group), 0, 0);
        grid->addWidget(server, 0, 1);
        grid->addWidget(new QLabel(QStringLiteral("Port"), group), 0, 2);
        grid->addWidget(port, 0, 3);
        grid->setColumnStretch(1, 1);
        grid->setColumnMinimumWidth(0, 90);
        layout->addWidget(group);
    };
    serverGroup(QStringLiteral("Outgoing mail"), QStringLiteral("SMTP Server"), m_smtpServer, IdSmtpServer, m_smtpPort, IdSmtpPort);
    serverGroup(QStringLiteral("Incoming mail"), QStringLiteral("POP3 Server"), m_pop3Server, IdPop3Server, m_pop3Port, IdPop3Port);

    // The login and the sender.
    auto* login = new QGroupBox(QStringLiteral("Login and sender"), body());
    auto* grid = new QGridLayout(login);
    grid->setHorizontalSpacing(8);
    m_pop3Account = addEdit(IdPop3Account);
    m_password = addEdit(IdPassword);
    m_password->setEchoMode(QLineEdit::Password);
    m_senderName = addEdit(IdSenderName);
    m_mailAddress = addEdit(IdMailAddress);
    grid->addWidget(new QLabel(QStringLiteral("POP3 Account"), login), 0, 0);
    grid->addWidget(m_pop3Account, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Password"), login), 1, 0);
    grid->addWidget(m_password, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Sender Name"), login), 2, 0);
    grid->addWidget(m_senderName, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Mail Address"), login), 3, 0);
    grid->addWidget(m_mailAddress, 3, 1);
    grid->setColumnMinimumWidth(0, 90);
    grid->setColumnStretch(1, 1);
    layout->addWidget(login);

    m_leaveCopy = new QCheckBox(QStringLiteral("Leave a copy in server"), body());
    m_leaveCopy->setObjectName(QStringLiteral("id%1").arg(IdLeaveCopy));
    layout->addWidget(m_leaveCopy);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"), body());
    ok->setObjectName(QStringLiteral("id%1").arg(IdOk));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), body());
    cancel->setObjectName(QStringLiteral("id%1").arg(IdCancel));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &CAccountDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CAccountDlg::reject);

    m_userName->setText(account.userName);
    m_myPassword->setText(account.myPassword);
    m_smtpServer->setText(account.smtpServer);
    m_smtpPort->setText(QString::number(account.smtpPort));
    m_pop3Server->setText(account.pop3Server);
    m_pop3Port->setText(QString::number(account.pop3Port));
    m_pop3Account->setText(account.pop3Account);
    m_password->setText(account.password);
    m_senderName->setText(account.senderName);
    m_mailAddress->setText(account.mailAddress);
    m_leaveCopy->setChecked(account.leaveCopy != 0);
    setMinimumWidth(460);
    m_userName->setFocus();
}

QLineEdit* CAccountDlg::addEdit(int id)
{
    auto* edit = new QLineEdit(body());
    edit->setObjectName(QStringLiteral("id%1").arg(id));
    return edit;
}

void CAccountDlg::accept()
{
    // The ports: integers from 0 to 10000.
    for (QLineEdit* port : {m_smtpPort, m_pop3Port}) {
        const QString error = MailStore::portError(port->text());
        if (!error.isEmpty()) {
            MessageBox::info(this, error);
            port->setFocus();
            port->selectAll();
            return;
        }
    }
    MailAccount a = m_account;
    a.userName = m_userName->text();
    a.smtpServer = m_smtpServer->text();
    a.smtpPort = m_smtpPort->text().trimmed().toInt();
    a.pop3Server = m_pop3Server->text();
    a.pop3Port = m_pop3Port->text().trimmed().toInt();
    a.pop3Account = m_pop3Account->text();
    a.password = m_password->text();
    a.senderName = m_senderName->text();
    a.mailAddress = m_mailAddress->text();
    a.leaveCopy = m_leaveCopy->isChecked() ? 1 : 0;

    const QString bad = m_mode == Mode::NewAccount ? m_store.confirmNewAccount(a.userName) : MailStore::accountNameError(a.userName);
    if (!bad.isEmpty()) {
        MessageBox::error(this, bad);
        m_userName->setFocus();
        return;
    }
    m_account = a;
    SkinnedDialog::accept();
}
