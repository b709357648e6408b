#include "mail/MailSender.h"

#include "storage/DataFile.h"
#include "mail/DraftRecord.h"
#include "mail/MailStore.h"
#include "mail/SmtpClient.h"
#include "platform/TextCodec.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

MailSender::MailSender(QObject* parent) : QObject(parent)
{
}

MailSender::~MailSender()
{
    Abort();
    wait(-1);
    delete m_thread;
}

QString MailSender::progressLine(int number, int total, int percent)
{
    return QStringLiteral("The No.%1/%2 is ").arg(number).arg(total)
        + (percent < 100 ? QStringLiteral("in sending ...") : QStringLiteral("completed."));
}

bool MailSender::start(const QString& draftPath, const QByteArray& codecName)
{
    if (m_busy.exchange(true))
        return false;
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
    m_abort = false;
    m_thread = QThread::create([this, draftPath, codecName] { m_sent = run(draftPath, codecName); });
    connect(m_thread, &QThread::finished, this, [this] {
        m_busy = false;
        Q_EMIT finished(m_sent.load());
    });
    m_thread->start();
    return true;
}

void MailSender::Abort()
{
    m_abort = true;
    QMutexLocker lock(&m_clientLock);
    if (m_client)
        m_client->Abort();
}

bool MailSender::wait(int timeoutMs)
{
    if (!m_thread)
        return true;
    return m_thread->wait(timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(timeoutMs));
}

bool MailSender::run(QString draftPath, QByteArray codecName)
{
    const LocaleTextCodec codec(codecName);
    Q_EMIT progressText(QStringLiteral("Start to sending ..."), 1, false);
    const QString companion = draftPath + QStringLiteral(".bak");
    DraftRecord draft;
    DraftRecord::load(companion, draft, &codec);
    const int total = int(draft.attachments.size());

    SmtpClient client(codec, [this, total](int i, int p) { Q_EMIT progress(i, total, p); });
    {
        QMutexLocker lock(&m_clientLock);
        m_client = &client;
    }
    struct Release
    {
        MailSender* self;
        SmtpClient& client;
        ~Release()
        {
            QMutexLocker lock(&self->m_clientLock);
            self->m_client = nullptr;
            client.close();
        }
    } release{this, client};

    auto fail = [&](const QString& text) {
        Q_EMIT progressText(text, 0, false);
        return false;
    };
    const QString unreadable = SmtpClient::unreadableAttachment(draft.attachments);
    if (!unreadable.isEmpty())
        return fail(QStringLiteral("The attachment \"%1\" cannot be opened.").arg(unreadable));
    if (!client.Connect(draft.smtpServer, draft.smtpPort) || m_abort.load())
        return fail(QStringLiteral("There is an error in connecting to the smtp server."));
    if (!client.Authenticate(draft.pop3Account, draft.password) || m_abort.load())
        return fail(QStringLiteral("The setting of the username or the password is error."));
    if (!client.WriteMessage(draft.outgoing()))
        return fail(QStringLiteral("The mail is unsuccessfully sent."));
    if (MailStore::MoveToSent(draftPath))
        QFile::remove(companion);
    Q_EMIT folderChanged();
    Q_EMIT progressText(QStringLiteral("The mail is successfully sent."), 100, true);
    return true;
}
