#include "app/CHideTipDlg.h"

#include "controls/Skin.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
bool g_testMode = false;
int g_shown = 0;
}

CHideTipDlg::CHideTipDlg(bool noHideTip, QWidget* parent) : SkinnedDialog(QStringLiteral("Quillora Tip"), 0, parent)
{
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(14, 10, 14, 10);
    auto* first = new QLabel(QStringLiteral("Although you can minimized the window, it will continue to hide in the taskbar(near the clock)"), body());
    first->setWordWrap(true);
    layout->addWidget(first);
    auto* picture = new QLabel(body());
    picture->setPixmap(Skin::resource(Skin::TrayTipPicture));
    picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(picture);
    auto* second = new QLabel(QStringLiteral("To reveal the program, please double-click the icon with red-arrow mark. "), body());
    second->setWordWrap(true);
    layout->addWidget(second);
    auto* row = new QHBoxLayout;
    m_check = new QCheckBox(QStringLiteral("Do not show me this message again"), body());
    m_check->setObjectName(QStringLiteral("id%1").arg(int(IdDoNotShow)));
    m_check->setChecked(noHideTip);
    row->addWidget(m_check);
    row->addStretch();
    auto* close = new QPushButton(QStringLiteral("Close"), body());
    close->setObjectName(QStringLiteral("idClose"));
    row->addWidget(close);
    layout->addLayout(row);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    setFixedWidth(380);
}

void CHideTipDlg::run(bool noHideTip, const std::function<void(bool)>& onCheck, QWidget* parent)
{
    ++g_shown;
    if (g_testMode)
        return;
    CHideTipDlg tip(noHideTip, parent);
    connect(tip.m_check, &QCheckBox::clicked, &tip, [&](bool on) { onCheck(on); });
    tip.centreOnDesktop();
    tip.exec();
}

void CHideTipDlg::setTestMode(bool on)
{
    g_testMode = on;
    g_shown = 0;
}

int CHideTipDlg::timesShown()
{
    return g_shown;
}
