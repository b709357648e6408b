#include "controls/SkinnedDialog.h"

#include "controls/HelpViewer.h"
#include "controls/Skin.h"
#include "controls/TitleStrip.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr int BorderWidth = 2;
}

SkinnedDialog::SkinnedDialog(const QString& title, int helpContext, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_helpContext(helpContext)
{
    setWindowTitle(title);
    setWindowIcon(Skin::programIcon());

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(BorderWidth, BorderWidth, BorderWidth, BorderWidth);
    outer->setSpacing(0);

    m_title = new TitleStrip(title, true, helpContext != 0, this);
    outer->addWidget(m_title);

    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("body"));
    outer->addWidget(m_body, 1);

    connect(m_title, &TitleStrip::closeClicked, this, &QDialog::reject);
    connect(m_title, &TitleStrip::helpClicked, this, &SkinnedDialog::showHelp);
}

void SkinnedDialog::setTitle(const QString& title)
{
    setWindowTitle(title);
    m_title->setTitle(title);
}

void SkinnedDialog::centreOnDesktop()
{
    QScreen* screen = this->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    if (!isVisible())
        adjustSize();
    const QRect area = screen->availableGeometry();
    const QSize size = frameGeometry().size();
    move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

void SkinnedDialog::showHelp()
{
    if (m_helpContext != 0)
        HelpViewer::show(m_helpContext, this);
}

void SkinnedDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        showHelp();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void SkinnedDialog::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    // The 2-pixel skin border around the frameless window.
    const QRect r = rect();
    p.drawPixmap(QRect(0, 0, r.width(), BorderWidth), Skin::resource(Skin::BorderTop));
    p.drawPixmap(QRect(0, r.height() - BorderWidth, r.width(), BorderWidth),
                 Skin::resource(Skin::BorderBottom));
    p.drawPixmap(QRect(0, 0, BorderWidth, r.height()), Skin::resource(Skin::BorderLeft));
    p.drawPixmap(QRect(r.width() - BorderWidth, 0, BorderWidth, r.height()),
                 Skin::resource(Skin::BorderRight));
}
