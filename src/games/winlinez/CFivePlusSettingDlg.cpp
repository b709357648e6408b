#include "games/winlinez/CFivePlusSettingDlg.h"

#include "controls/MessageBox.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CFivePlusSettingDlg::CFivePlusSettingDlg(const CFivePlusGameModel::Settings& settings, QWidget* parent)
    : SkinnedDialog(QStringLiteral("Winlinez Setting"), 0, parent)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("CFivePlusSettingDlg"));
    using S = CFivePlusGameModel::Settings;
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(8);

    auto addField = [this](QGridLayout* grid, int row, int column, const QString& label, int id, int low, int high,
                           int S::*value) {
        auto* edit = new QLineEdit(QString::number(m_settings.*value));
        edit->setObjectName(QStringLiteral("id%1").arg(id));
        edit->setFixedWidth(54);
        edit->setMaxLength(6);
        auto* text = new QLabel(label);
        text->setBuddy(edit);
        grid->addWidget(text, row, column);
        grid->addWidget(edit, row, column + 1);
        m_fields.append({edit, low, high, value});
    };

    auto* births = new QGroupBox(QStringLiteral("The Freq for born balls"), body());
    auto* birthGrid = new QGridLayout(births);
    addField(birthGrid, 0, 0, QStringLiteral("Common"), IdCommon, 1, 100, &S::commonFrequency);
    addField(birthGrid, 0, 2, QStringLiteral("Any"), IdAny, 1, 100, &S::anyFrequency);
    addField(birthGrid, 0, 4, QStringLiteral("Crack"), IdCrack, 1, 100, &S::crackFrequency);
    layout->addWidget(births);

    auto* cartoon = new QGroupBox(QStringLiteral("The interval for cartoon"), body());
    auto* cartoonGrid = new QGridLayout(cartoon);
    addField(cartoonGrid, 0, 0, QStringLiteral("Show"), IdShow, 1, 200, &S::showInterval);
    addField(cartoonGrid, 0, 2, QStringLiteral("Move"), IdMove, 1, 200, &S::moveInterval);
    addField(cartoonGrid, 0, 4, QStringLiteral("Select"), IdSelect, 1, 200, &S::selectInterval);
    layout->addWidget(cartoon);

    auto* stepRow = new QGridLayout;
    addField(stepRow, 0, 0, QStringLiteral("The score for crescent ball"), IdScoreStep, 1, 500, &S::scoreStep);
    stepRow->setColumnStretch(2, 1);
    layout->addLayout(stepRow);

    auto* note = new QLabel(QStringLiteral("注释：游戏的难度会越来越大，当分数到某个值时，棋子会多产生 分数/渐增棋子的分数值"), body());
    note->setWordWrap(true);
    note->setToolTip(QStringLiteral("The game gets harder: when the score reaches a multiple of this value, "
                                    "score / value extra balls are born."));
    layout->addWidget(note);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"), body());
    ok->setObjectName(QStringLiteral("id1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), body());
    cancel->setObjectName(QStringLiteral("id2"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &CFivePlusSettingDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setFixedWidth(380);
}

void CFivePlusSettingDlg::accept()
{
    CFivePlusGameModel::Settings read = m_settings;
    for (const Field& f : m_fields) {
        bool ok = false;
        const int v = f.edit->text().trimmed().toInt(&ok);
        if (!ok || v < f.low || v > f.high) {
            MessageBox::info(this, ok ? QStringLiteral("Please enter an integer between %1 and %2.").arg(f.low).arg(f.high)
                                      : QStringLiteral("Please enter an integer."));
            f.edit->setFocus();
            f.edit->selectAll();
            return;
        }
        read.*f.value = v;
    }
    m_settings = read;
    SkinnedDialog::accept();
}
