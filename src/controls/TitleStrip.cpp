#include "controls/TitleStrip.h"

#include "controls/BitmapButton.h"
#include "controls/FramelessFrame.h"
#include "controls/Skin.h"

#include <QPainter>

TitleStrip::TitleStrip(QWidget* parent)
    : TitleStrip(QString(), true, false, parent)
{
}

TitleStrip::TitleStrip(const QString& title, bool closeButton, bool helpButton, QWidget* parent)
    : QWidget(parent)
    , m_title(title)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedHeight(Skin::TitleHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    new FramelessFrame(this); // dragging the strip moves its window

    m_close = new BitmapButton(this);
    m_close->setObjectName(QStringLiteral("id1064"));
    m_close->setImages(Skin::CloseButton);
    m_close->setToolTip(QStringLiteral("Close"));
    m_close->setAccessibleName(QStringLiteral("Close"));
    connect(m_close, &BitmapButton::clicked, this, &TitleStrip::closeClicked);

    m_help = new BitmapButton(this);
    m_help->setObjectName(QStringLiteral("id1065"));
    m_help->setImages(Skin::HelpButton);
    m_help->setToolTip(QStringLiteral("Help"));
    m_help->setAccessibleName(QStringLiteral("Help"));
    connect(m_help, &BitmapButton::clicked, this, &TitleStrip::helpClicked);

    m_min = new BitmapButton(this);
    m_min->setObjectName(QStringLiteral("minimize"));
    m_min->setImages(Skin::MinimizeButton);
    m_min->setToolTip(QStringLiteral("Minimize"));
    m_min->setAccessibleName(QStringLiteral("Min"));
    connect(m_min, &BitmapButton::clicked, this, &TitleStrip::minimizeClicked);
    m_min->setVisible(false);

    m_close->setVisible(closeButton);
    m_help->setVisible(helpButton);
    placeButtons();
}

void TitleStrip::setTitle(const QString& title)
{
    m_title = title;
    update();
}

void TitleStrip::setCloseButtonVisible(bool on)
{
    m_close->setVisible(on);
    placeButtons();
}

void TitleStrip::setMinimizeButtonVisible(bool on)
{
    m_min->setVisible(on);
    placeButtons();
}

void TitleStrip::setHelpButtonVisible(bool on)
{
    m_help->setVisible(on);
    placeButtons();
}

QFont TitleStrip::titleFont()
{
    QFont f(QStringLiteral("Verdana"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(13);
    f.setBold(true);
    return f;
}

QSize TitleStrip::sizeHint() const
{
    const int text = QFontMetrics(titleFont()).horizontalAdvance(m_title);
    const int buttons = m_min->isVisibleTo(this) ? 3 : 2;
    return {10 + text + 16 + buttons * (Skin::CaptionButtonWidth + 2), Skin::TitleHeight};
}

QSize TitleStrip::minimumSizeHint() const { return {60, Skin::TitleHeight}; }

void TitleStrip::placeButtons()
{
    int x = width() - 3;
    for (BitmapButton* b : {m_close, m_min, m_help}) {
        if (!b->isVisibleTo(this))
            continue;
        x -= Skin::CaptionButtonWidth;
        b->setGeometry(x, 0, Skin::CaptionButtonWidth, Skin::CaptionButtonHeight);
    }
}

void TitleStrip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    Skin::paintToolTitle(p, rect());
    p.setFont(titleFont());
    const QFontMetrics fm(p.font());
    int right = width();
    for (BitmapButton* b : {m_close, m_min, m_help})
        if (b->isVisibleTo(this))
            right = qMin(right, b->x());
    const QRect textRect(10, 5, qMax(0, right - 14), fm.height());
    const QString text = fm.elidedText(m_title, Qt::ElideRight, textRect.width());
    // A soft shadow under the white title keeps it readable on the lighter top of the strip.
    p.setPen(QColor(20, 60, 110, 150));
    p.drawText(textRect.translated(1, 1), Qt::AlignLeft | Qt::AlignTop, text);
    p.setPen(Qt::white);
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignTop, text);
}

void TitleStrip::resizeEvent(QResizeEvent*) { placeButtons(); }
