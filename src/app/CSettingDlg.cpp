#include "app/CSettingDlg.h"

#include "controls/LineTrackBar.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CSettingDlg::CSettingDlg(QWidget* parent) : SkinnedDialog(QStringLiteral("Setting"), 1001, parent)
{
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(8);

    auto* group = new QGroupBox(QStringLiteral("Transparence"), body());
    auto* gl = new QVBoxLayout(group);
    m_alpha = new LineTrackBar(group);
    m_alpha->setObjectName(QStringLiteral("id%1").arg(int(IdTransparence)));
    m_alpha->setRange(0, 256);
    gl->addWidget(m_alpha);
    layout->addWidget(group);

    auto box = [&](const QString& text, int id) {
        auto* c = new QCheckBox(text, body());
        c->setObjectName(QStringLiteral("id%1").arg(id));
        layout->addWidget(c);
        return c;
    };
    m_run = box(QStringLiteral("Run on logging on to the Windows"), IdRunOnLogon);
    m_noTip = box(QStringLiteral("Do not tip me on hiding the main window"), IdNoHideTip);
    m_onTop = box(QStringLiteral("Always on top."), IdAlwaysOnTop);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, body());
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    connect(m_alpha, &LineTrackBar::valueChanged, this, [this](int v) { Q_EMIT alphaChanged(std::min(v, 255)); });
    connect(m_run, &QCheckBox::clicked, this, &CSettingDlg::runOnLogonClicked);
    connect(m_noTip, &QCheckBox::clicked, this, &CSettingDlg::noHideTipClicked);
    connect(m_onTop, &QCheckBox::clicked, this, &CSettingDlg::alwaysOnTopClicked);
    setModal(false);
}

void CSettingDlg::setValues(int alpha, bool runOnLogon, bool runAvailable, bool noHideTip, bool alwaysOnTop)
{
    const QSignalBlocker block(m_alpha);
    m_alpha->setValue(alpha);
    m_run->setChecked(runAvailable && runOnLogon);
    m_run->setEnabled(runAvailable);
    m_noTip->setChecked(noHideTip);
    m_onTop->setChecked(alwaysOnTop);
}

void CSettingDlg::setNoHideTip(bool on)
{
    m_noTip->setChecked(on);
}
