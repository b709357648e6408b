// A cached folder of 10,000 messages: the listing beside `find DIR -printf '%s\n'` in the
// same run, and the mail window listing and showing it (selecting the folder until the list
// is painted), then scrolling through it page by page.
//   mail_window_bench [COUNT]     (10000 messages unless told)
// Runs the window on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include "mail/CMailDlg.h"
#include "mail/MailStore.h"

#include "platform/TextCodec.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

const char* const kWords[] = {"meeting", "report", "holiday", "invoice", "lunch", "project", "update", "question",
                              "draft", "review", "plan", "budget", "notes", "photos", "friday", "tomorrow"};

QByteArray words(QRandomGenerator& r, int count)
{
    QByteArray out;
    for (int i = 0; i < count; ++i) {
        if (i)
            out += (i % 12 == 0) ? "\r\n" : " ";
        out += kWords[r.bounded(int(std::size(kWords)))];
    }
    return out;
}

// A message of 1 to 5 KB in the layout the program writes; every tenth has an attachment.
QByteArray message(QRandomGenerator& r, int n)
{
    QByteArray m = "From:Sender " + QByteArray::number(n % 97) + "<sender" + QByteArray::number(n % 97)
        + "@example.test>\r\nTo:<bob@example.test>\r\nCc:\r\nSubject:" + words(r, 4) + " " + QByteArray::number(n)
        + "\r\nDate:Tue, 5 Mar 2024 10:12:00 +0100\r\nMIME-Version:1.0\r\nX-Mailer:\r\n"
          "Content-type:multipart/mixed;Boundary=\r\n\r\n\r\nContent-type:text/plain;Charset=UTF-8\r\n"
          "Content-Transfer-Encoding:8bit\r\n\r\n";
    const int target = 1024 + r.bounded(4 * 1024);
    const bool attachment = n % 10 == 0;
    while (m.size() < target - (attachment ? 700 : 20))
        m += words(r, 12) + "\r\n";
    m += "\r\n";
    if (attachment) {
        m += "--\r\nContent-Type:application/octet-stream;Name=notes.txt\r\nContent-Disposition:attachment;FileName=notes.txt"
             "\r\nContent-Transfer-Encoding:Base64\r\n\r\n";
        const QByteArray b64 = words(r, 60).toBase64();
        for (qsizetype i = 0; i < b64.size(); i += 76)
            m += b64.mid(i, 76) + "\r\n";
        m += "\r\n";
    }
    m += "----\r\n.\r\n";
    return m;
}

double findMs(const QString& dir)
{
    QElapsedTimer t;
    QProcess find;
    find.setStandardOutputFile(QProcess::nullDevice());
    t.start();
    find.start(QStringLiteral("find"), {dir, QStringLiteral("-printf"), QStringLiteral("%s\\n")});
    find.waitForFinished(-1);
    return t.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 10000;

    QTemporaryDir program;
    const QString dir = program.path() + QLatin1Char('/');
    const LocaleTextCodec codec("UTF-8");
    qint64 bytes = 0;
    {
        MailStore store(dir, codec);
        store.confirmNewAccount(QStringLiteral("Bob"));
        MailAccount bob;
        bob.userName = QStringLiteral("Bob");
        store.AddAccount(bob);
        QRandomGenerator r(20240305);
        for (int n = 0; n < count; ++n) {
            QFile f(dir + QStringLiteral("Bob/Inbox/%1.eml").arg(20240305000000000LL + n));
            f.open(QIODevice::WriteOnly);
            const QByteArray m = message(r, n);
            bytes += m.size();
            f.write(m);
        }
    }
    const QString inbox = dir + QStringLiteral("Bob/Inbox");
    std::printf("folder: %d messages, %.1f MB\n", count, bytes / 1048576.0);

    // The first listing parses every file and writes the index.
    MailStore store(dir, codec);
    store.LoadAccounts();
    QElapsedTimer t;
    t.start();
    const int listed = int(store.ListFolder(0, QStringLiteral("Inbox")).size());
    const double firstMs = t.nsecsElapsed() / 1e6;
    std::printf("first listing (parse all, write the index): %.1f ms, %d listed, index %.1f MB\n", firstMs, listed,
                QFile(inbox + QStringLiteral("/Index")).size() / 1048576.0);

    // The cached listing beside find, alternating, five times each.
    std::vector<double> finds, listings, deferred;
    for (int i = 0; i < 5; ++i) {
        finds.push_back(findMs(inbox));
        t.restart();
        auto records = store.ListFolder(0, QStringLiteral("Inbox"));
        listings.push_back(t.nsecsElapsed() / 1e6);
        if (int(records.size()) != listed)
            std::printf("listing found %d\n", int(records.size()));
        t.restart();
        records = store.ListFolder(0, QStringLiteral("Inbox"), nullptr, MailStore::Bodies::Deferred);
        deferred.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("find DIR -printf '%%s\\n':                   %.1f ms (median of 5)\n", median(finds));
    std::printf("cached listing, bodies read:                %.1f ms (median of 5), %.2fx find\n", median(listings),
                median(listings) / median(finds));
    std::printf("cached listing, bodies deferred (window):   %.1f ms (median of 5), %.2fx find\n", median(deferred),
                median(deferred) / median(finds));

    // The window: select the folder until the list is painted.
    CMailDlg window(dir, codec);
    window.resize(1280, 900);
    window.show();
    QCoreApplication::processEvents();
    std::vector<double> shown;
    for (int i = 0; i < 5; ++i) {
        window.selectNode(0);
        QCoreApplication::processEvents();
        t.restart();
        window.selectNode(0, 0);
        window.messageList()->viewport()->repaint();
        QCoreApplication::processEvents();
        shown.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("window: folder selected to list painted: %.1f ms (median of 5), %d rows\n", median(shown),
                window.messages().rowCount());

    // Scrolling: page by page to the end, each page painted.
    QScrollBar* bar = window.messageList()->verticalScrollBar();
    int pages = 0;
    t.restart();
    for (int v = 0; v <= bar->maximum(); v += std::max(1, bar->pageStep())) {
        bar->setValue(v);
        window.messageList()->viewport()->repaint();
        ++pages;
    }
    const double scrollMs = t.nsecsElapsed() / 1e6;
    std::printf("scrolling: %d pages in %.1f ms, %.2f ms a page\n", pages, scrollMs, scrollMs / std::max(1, pages));
    // Sorting by a column header.
    t.restart();
    window.messageList()->sortByColumn(2, Qt::AscendingOrder);
    window.messageList()->viewport()->repaint();
    std::printf("sorting by Subject: %.1f ms\n", t.nsecsElapsed() / 1e6);
    return 0;
}
