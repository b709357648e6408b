#include "controls/HelpViewer.h"

#include "controls/Skin.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

namespace {
struct HelpState
{
    int lastContext = 0;
    bool testMode = false;
    QString helpDir;
    QPointer<QWidget> window;
    QPointer<QTextBrowser> browser;
};

HelpState& state()
{
    static HelpState s;
    return s;
}

void buildWindow()
{
    auto* w = new QWidget(nullptr, Qt::Window);
    w->setObjectName(QStringLiteral("helpViewer"));
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->setWindowTitle(QStringLiteral("Quillora Help"));
    w->setWindowIcon(Skin::programIcon());
    auto* layout = new QVBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* browser = new QTextBrowser(w);
    browser->setObjectName(QStringLiteral("helpBrowser"));
    browser->setOpenExternalLinks(false);
    browser->setOpenLinks(true);
    layout->addWidget(browser);
    w->resize(560, 480);
    // The viewer belongs to no window, so it outlives whichever window asked for it;
    // it goes with the application.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, w, &QObject::deleteLater);
    state().window = w;
    state().browser = browser;
}
} // namespace

void HelpViewer::setTestMode(bool on) { state().testMode = on; }

int HelpViewer::lastContext() { return state().lastContext; }

void HelpViewer::setHelpDir(const QString& dir) { state().helpDir = dir; }

QString HelpViewer::helpDir()
{
    if (!state().helpDir.isEmpty())
        return state().helpDir;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/help");
}

QString HelpViewer::pageFile(int context)
{
    return QDir(helpDir()).filePath(QString::number(context) + QStringLiteral(".html"));
}

QWidget* HelpViewer::window() { return state().window; }

void HelpViewer::show(int context, QWidget* parent)
{
    state().lastContext = context;
    if (state().testMode)
        return;
    if (!state().window)
        buildWindow();
    QTextBrowser* browser = state().browser;
    const QString file = pageFile(context);
    browser->setSearchPaths({helpDir()});
    if (QFileInfo::exists(file)) {
        browser->setSource(QUrl::fromLocalFile(file));
    } else {
        browser->setHtml(QStringLiteral("<h3>Quillora Help</h3><p>There is no help page for "
                                        "this window (%1).</p>")
                             .arg(file.toHtmlEscaped()));
    }
    QWidget* w = state().window;
    // A modal dialog blocks every window that is not its own: while one runs, the viewer
    // becomes a window of that dialog so that it can be read and scrolled.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == w)
        modal = nullptr;
    if (w->parentWidget() != modal) {
        const QPoint at = w->pos();
        w->setParent(modal, Qt::Window);
        w->move(at);
    }
    if (parent && !w->isVisible()) {
        const QRect area = parent->window()->frameGeometry();
        w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
    }
    w->show();
    w->raise();
    w->activateWindow();
}
