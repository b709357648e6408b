#include "mail/MailWorker.h"

#include <QDeadlineTimer>
#include <QThread>

MailWorker::MailWorker(QObject* parent) : QObject(parent)
{
}

MailWorker::~MailWorker()
{
    finish();
    delete m_thread;
}

void MailWorker::finish()
{
    Abort();
    wait(-1);
}

bool MailWorker::startJob(std::function<bool()> job)
{
    if (m_running.exchange(true))
        return false;
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
    m_abort = false;
    m_thread = QThread::create([this, job = std::move(job)] { m_result = job(); });
    connect(m_thread, &QThread::finished, this, [this] {
        m_running = false;
        jobEnded(m_result.load());
    });
    m_thread->start();
    return true;
}

void MailWorker::Abort()
{
    m_abort = true;
    QMutexLocker lock(&m_clientLock);
    if (m_abortClient)
        m_abortClient();
}

bool MailWorker::wait(int timeoutMs)
{
    if (!m_thread)
        return true;
    return m_thread->wait(timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(timeoutMs));
}

QString MailWorker::progressLine(int number, int total, int percent, const QString& doing)
{
    return QStringLiteral("The No.%1/%2 is ").arg(number).arg(total)
        + (percent < 100 ? doing : QStringLiteral("completed."));
}

MailWorker::ClientScope::ClientScope(MailWorker& worker, std::function<void()> abort, std::function<void()> close)
    : m_worker(worker), m_close(std::move(close))
{
    QMutexLocker lock(&m_worker.m_clientLock);
    m_worker.m_abortClient = std::move(abort);
}

void MailWorker::ClientScope::end()
{
    if (!m_close)
        return;
    {
        QMutexLocker lock(&m_worker.m_clientLock);
        m_worker.m_abortClient = nullptr;
    }
    std::exchange(m_close, nullptr)();
}
