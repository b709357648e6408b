#include "games/tetris/CTetrisSettingDlg.h"

#include "platform/VirtualKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString idName(int id)
{
    return QStringLiteral("id%1").arg(id);
}

constexpr int KeyIds[2][4] = {
    {CTetrisSettingDlg::IdMainLeft, CTetrisSettingDlg::IdMainRight, CTetrisSettingDlg::IdMainRotate, CTetrisSettingDlg::IdMainDrop},
    {CTetrisSettingDlg::IdSecondLeft, CTetrisSettingDlg::IdSecondRight, CTetrisSettingDlg::IdSecondRotate, CTetrisSettingDlg::IdSecondDrop},
};

} // namespace

KeyCaptureEdit::KeyCaptureEdit(QWidget* parent) : QLineEdit(parent)
{
    setReadOnly(true);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::StrongFocus);
}

void KeyCaptureEdit::setKey(int vk, const QString& name)
{
    m_vk = vk;
    setText(name);
}

bool KeyCaptureEdit::event(QEvent* event)
{
    const bool press = event->type() == QEvent::KeyPress;
    if (press || event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            return QLineEdit::event(event); // moving on, OK and Cancel
        default:
            break;
        }
        if (press) {
            const int vk = VirtualKeys::fromQtKey(key->key(), key->modifiers() & Qt::KeypadModifier);
            if (vk != 0)
                setKey(vk, VirtualKeys::name(vk).left(32));
        }
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

CTetrisSettingDlg::CTetrisSettingDlg(const TetrisSettings& settings, QWidget* parent)
    : SkinnedDialog(QStringLiteral("Tetris Setting"), 0, parent), m_settings(settings)
{
    setObjectName(QStringLiteral("CTetrisSettingDlg"));

    auto* groups = new QHBoxLayout;
    groups->setSpacing(12);
    // The second player's group on the left, like its board.
    m_secondGroup = makeGroup(QStringLiteral("Left"), TetrisSettings::Second);
    groups->addWidget(m_secondGroup);
    groups->addWidget(makeGroup(QStringLiteral("Right"), TetrisSettings::Main));

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(idName(IdOk));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(idName(IdCancel));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(12, 10, 12, 10);
    layout->addLayout(groups);
    layout->addLayout(buttons);

    m_enable[TetrisSettings::Main]->setChecked(true);
    m_enable[TetrisSettings::Main]->setEnabled(false); // the main player always plays
    m_enable[TetrisSettings::Second]->setChecked(settings.enabled[TetrisSettings::Second] != 0);
    connect(m_enable[TetrisSettings::Second], &QCheckBox::toggled, this, &CTetrisSettingDlg::updateSecondGroup);
    updateSecondGroup();
}

QWidget* CTetrisSettingDlg::makeGroup(const QString& title, int side)
{
    auto* group = new QGroupBox(title);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(10);
    const QString actions[4] = {QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Rotation"),
                                QStringLiteral("Drop")};
    for (int action = 0; action < 4; ++action) {
        auto* edit = new KeyCaptureEdit(group);
        edit->setObjectName(idName(KeyIds[side][action]));
        edit->setMinimumWidth(110);
        edit->setKey(m_settings.keyCodes[side][action], m_settings.keyNames[side][action]);
        m_keys[side][action] = edit;
        grid->addWidget(new QLabel(actions[action], group), action, 0);
        grid->addWidget(edit, action, 1);
    }
    const bool main = side == TetrisSettings::Main;
    m_enable[side] = new QCheckBox(QStringLiteral("Enable"), group);
    m_enable[side]->setObjectName(idName(main ? IdMainEnable : IdSecondEnable));
    grid->addWidget(m_enable[side], 4, 0, 1, 2);

    m_grade[side] = new QComboBox(group);
    m_grade[side]->setObjectName(idName(main ? IdMainGrade : IdSecondGrade));
    for (int g = 1; g <= TetrisSettings::Grades; ++g)
        m_grade[side]->addItem(QString::number(g));
    m_grade[side]->setCurrentIndex(m_settings.gradeIndex(side));
    grid->addWidget(new QLabel(QStringLiteral("Grade"), group), 5, 0);
    grid->addWidget(m_grade[side], 5, 1);

    // The step list is kept but not shown.
    m_step[side] = new QComboBox(group);
    m_step[side]->setObjectName(idName(main ? IdMainStep : IdSecondStep));
    for (int s = 1; s <= TetrisSettings::Steps; ++s)
        m_step[side]->addItem(QString::number(s));
    m_step[side]->setCurrentIndex(m_settings.stepIndex(side));
    m_step[side]->hide();
    return group;
}

void CTetrisSettingDlg::updateSecondGroup()
{
    const bool on = m_enable[TetrisSettings::Second]->isChecked();
    for (KeyCaptureEdit* edit : m_keys[TetrisSettings::Second])
        edit->setEnabled(on);
    m_grade[TetrisSettings::Second]->setEnabled(on);
}

TetrisSettings CTetrisSettingDlg::settings() const
{
    TetrisSettings s = m_settings;
    for (int side : {TetrisSettings::Main, TetrisSettings::Second}) {
        for (int action = 0; action < 4; ++action) {
            s.keyCodes[side][action] = quint16(m_keys[side][action]->virtualKey());
            s.keyNames[side][action] = m_keys[side][action]->text();
        }
        s.grade[side] = m_grade[side]->currentIndex();
        s.step[side] = m_step[side]->currentIndex();
    }
    s.enabled[TetrisSettings::Main] = 1;
    s.enabled[TetrisSettings::Second] = m_enable[TetrisSettings::Second]->isChecked() ? 1 : 0;
    return s;
}
