#include "mail/CMailProgressDlg.h"

#include "controls/BitmapButton.h"
#include "controls/TitleStrip.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

CMailProgressDlg::CMailProgressDlg(int dialogId, QWidget* parent)
    : SkinnedDialog(QStringLiteral("Progress"), 0, parent), m_dialogId(dialogId)
{
    setObjectName(QStringLiteral("CMailProgressDlg%1").arg(dialogId));
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);

    m_text = new QLabel(body());
    m_text->setObjectName(QStringLiteral("id%1").arg(IdText));
    m_text->setMinimumWidth(320);
    m_text->setWordWrap(true);
    layout->addWidget(m_text);

    m_bar = new QProgressBar(body());
    m_bar->setObjectName(QStringLiteral("id%1").arg(IdBar));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    layout->addWidget(m_bar);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), body());
    m_cancel->setObjectName(QStringLiteral("id%1").arg(IdCancel));
    m_cancel->setAutoDefault(false);
    row->addWidget(m_cancel);
    layout->addLayout(row);

    // On the press itself: a transfer that fills the event queue still stops at once.
    connect(m_cancel, &QPushButton::pressed, this, &CMailProgressDlg::abortPressed);
    disconnect(titleStrip(), &TitleStrip::closeClicked, nullptr, nullptr);
    connect(titleStrip()->closeButton(), &QAbstractButton::pressed, this, &CMailProgressDlg::abortPressed);
}

void CMailProgressDlg::abortPressed()
{
    Q_EMIT abortRequested();
    hide();
}

void CMailProgressDlg::ShowProgress(const QString& text, int percent, bool hideWindow)
{
    if (m_text->text() != text)
        m_text->setText(text);
    if (percent > 0)
        m_bar->setValue(qMin(percent, 100));
    if (hideWindow)
        hide();
}

QString CMailProgressDlg::text() const
{
    return m_text->text();
}

int CMailProgressDlg::percent() const
{
    return m_bar->value();
}
