#include "alarms/AlarmDialog.h"

#include "platform/Clock.h"
#include "controls/ItemFileChooser.h"
#include "controls/MessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

template <class W>
W* named(W* w, int id)
{
    w->setObjectName(QStringLiteral("id%1").arg(id));
    return w;
}

// A number edit that holds what is typed to its range: a value past either end becomes
// that end (typing 75 into minutes gives 59) instead of the key being refused.
class ClampingSpinBox final : public QSpinBox
{
public:
    QValidator::State validate(QString& input, int& pos) const override
    {
        bool ok = false;
        const qlonglong v = input.trimmed().toLongLong(&ok);
        if (ok && (v < minimum() || v > maximum())) {
            input = QString::number(std::clamp<qlonglong>(v, minimum(), maximum()));
            pos = std::min<int>(pos, int(input.size()));
            return QValidator::Acceptable;
        }
        return QSpinBox::validate(input, pos);
    }
};

QSpinBox* spin(int id, int lo, int hi, int value)
{
    auto* s = named(new ClampingSpinBox, id);
    s->setRange(lo, hi);
    s->setValue(value);
    s->setKeyboardTracking(true);
    return s;
}

QCheckBox* check(int id, const QString& text, qint32 value)
{
    auto* c = named(new QCheckBox(text), id);
    c->setChecked(value != 0);
    return c;
}

QDateTime local(qint64 t)
{
    return QDateTime::fromSecsSinceEpoch(t, Qt::LocalTime);
}

} // namespace

AlarmDialog::AlarmDialog(const AlarmRecord& alarm, bool isNew, const Clock& clock, QWidget* parent)
    : SkinnedDialog(QStringLiteral("Alarm Setting"), HelpContext, parent), m_clock(clock), m_alarm(alarm)
{
    if (isNew)
        m_alarm.startTime = clock.now();
    m_base = m_alarm.startTime;
    const QLocale english(QLocale::English, QLocale::UnitedStates);

    m_name = named(new QLineEdit(m_alarm.name), IdName);
    m_info = named(new QPlainTextEdit(m_alarm.info), IdInfo);
    m_info->setFixedHeight(54);
    m_info->setTabChangesFocus(true);
    m_nowTime = named(new QLabel, IdNowTime);
    m_nowDate = named(new QLabel, IdNowDate);

    m_at = named(new QDateTimeEdit, IdAlarmAt);
    m_at->setLocale(english);
    m_at->setTimeSpec(Qt::LocalTime);
    m_at->setDateTimeRange(QDateTime(QDate(2007, 1, 1), QTime(0, 0, 0), Qt::LocalTime),
        QDateTime(QDate(2037, 1, 1), QTime(0, 0, 0), Qt::LocalTime));
    m_at->setDisplayFormat(QStringLiteral("HH':'mm':'ss dddd MMM dd', 'yyyy"));
    m_at->setCalendarPopup(true);

    m_hours = spin(IdHours, -30000, 30000, m_alarm.delayHours);
    m_minutes = spin(IdMinutes, -59, 59, m_alarm.delayMinutes);
    m_seconds = spin(IdSeconds, -59, 59, m_alarm.delaySeconds);

    m_repeat = named(new QComboBox, IdRepeat);
    m_repeat->addItems(AlarmRecord::repeatNames());
    m_repeat->setCurrentIndex(m_alarm.repeat >= 0 && m_alarm.repeat <= AlarmRecord::Monthly ? m_alarm.repeat : AlarmRecord::Never);
    m_weekday = named(new QComboBox, IdWeekday);
    m_weekday->addItems(AlarmRecord::weekdayNames());
    m_weekday->setCurrentIndex(m_alarm.weekday >= 0 && m_alarm.weekday <= 6 ? m_alarm.weekday : 0);

    m_playSound = check(IdPlaySound, QStringLiteral("PlaySound"), m_alarm.playSound);
    m_soundPath = named(new QLineEdit(m_alarm.soundPath), IdSoundPath);
    m_soundBrowse = named(new QPushButton(QStringLiteral("...")), IdSoundBrowse);
    m_soundCount = spin(IdSoundCount, 0, 100, AlarmDelay::clampSoundCount(m_alarm.soundCount));
    m_shutDown = check(IdShutDown, QStringLiteral("ShutDown"), m_alarm.shutDown);
    m_beep = check(IdBeep, QStringLiteral("Beep"), m_alarm.beep);
    m_popUp = check(IdPopUp, QStringLiteral("PopUp"), m_alarm.popUp);
    m_lockScreen = check(IdLockScreen, QStringLiteral("LockScreen"), m_alarm.lockScreen);
    m_screenSave = check(IdScreenSave, QStringLiteral("ScreenSave"), m_alarm.screenSave);
    m_runApp = check(IdRunApp, QStringLiteral("RunApp"), m_alarm.runApp);
    m_runPath = named(new QLineEdit(m_alarm.runPath), IdRunPath);
    m_runBrowse = named(new QPushButton(QStringLiteral("...")), IdRunBrowse);
    for (QPushButton* b : {m_soundBrowse, m_runBrowse}) {
        b->setAutoDefault(false);
        b->setFixedWidth(28);
    }

    // Layout: name and info, the time group, the type group, the actions, the buttons.
    auto* top = new QGridLayout;
    top->addWidget(new QLabel(QStringLiteral("Alarm Name")), 0, 0);
    top->addWidget(m_name, 0, 1);
    top->addWidget(new QLabel(QStringLiteral("Alarm Info")), 1, 0, Qt::AlignTop);
    top->addWidget(m_info, 1, 1);

    auto* timeBox = new QGroupBox(QStringLiteral("Alarm Time"));
    auto* tg = new QGridLayout(timeBox);
    tg->addWidget(new QLabel(QStringLiteral("NowTime")), 0, 0);
    tg->addWidget(m_nowTime, 0, 1);
    tg->addWidget(new QLabel(QStringLiteral("NowDate")), 0, 2);
    tg->addWidget(m_nowDate, 0, 3);
    tg->addWidget(new QLabel(QStringLiteral("Alarm At")), 1, 0);
    tg->addWidget(m_at, 1, 1, 1, 3);
    auto* after = new QHBoxLayout;
    after->addWidget(m_hours);
    after->addWidget(new QLabel(QStringLiteral("hr.")));
    after->addWidget(m_minutes);
    after->addWidget(new QLabel(QStringLiteral("min.")));
    after->addWidget(m_seconds);
    after->addWidget(new QLabel(QStringLiteral("Sec.")));
    after->addStretch();
    tg->addWidget(new QLabel(QStringLiteral("Alarm After")), 2, 0);
    tg->addLayout(after, 2, 1, 1, 3);

    auto* typeBox = new QGroupBox(QStringLiteral("Alarm Type"));
    auto* ty = new QHBoxLayout(typeBox);
    ty->addWidget(m_repeat);
    ty->addWidget(m_weekday);
    ty->addStretch();

    auto* actionBox = new QGroupBox(QStringLiteral("Alarm Action"));
    auto* ag = new QGridLayout(actionBox);
    ag->addWidget(m_playSound, 0, 0);
    ag->addWidget(m_soundPath, 0, 1);
    ag->addWidget(m_soundBrowse, 0, 2);
    ag->addWidget(m_soundCount, 0, 3);
    ag->addWidget(m_runApp, 1, 0);
    ag->addWidget(m_runPath, 1, 1);
    ag->addWidget(m_runBrowse, 1, 2);
    auto* flags = new QHBoxLayout;
    for (QCheckBox* c : {m_shutDown, m_beep, m_popUp, m_lockScreen, m_screenSave})
        flags->addWidget(c);
    flags->addStretch();
    ag->addLayout(flags, 2, 0, 1, 4);

    auto* ok = named(new QPushButton(QStringLiteral("OK")), IdOk);
    ok->setDefault(true);
    auto* cancel = named(new QPushButton(QStringLiteral("Cancel")), IdCancel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(body());
    layout->addLayout(top);
    layout->addWidget(timeBox);
    layout->addWidget(typeBox);
    layout->addWidget(actionBox);
    layout->addLayout(buttons);

    showStart();
    connect(m_at, &QDateTimeEdit::dateTimeChanged, this, &AlarmDialog::pickerChanged);
    for (QSpinBox* s : {m_hours, m_minutes, m_seconds})
        connect(s, &QSpinBox::valueChanged, this, &AlarmDialog::delayChanged);
    connect(m_repeat, &QComboBox::currentIndexChanged, this, &AlarmDialog::updateEnabling);
    connect(m_playSound, &QCheckBox::toggled, this, &AlarmDialog::updateEnabling);
    connect(m_runApp, &QCheckBox::toggled, this, &AlarmDialog::updateEnabling);
    connect(m_soundBrowse, &QPushButton::clicked, this, &AlarmDialog::chooseSound);
    connect(m_runBrowse, &QPushButton::clicked, this, &AlarmDialog::chooseProgram);
    connect(ok, &QPushButton::clicked, this, &AlarmDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &AlarmDialog::reject);
    updateEnabling();

    m_nowTimer = new QTimer(this);
    m_nowTimer->setInterval(kNowRefreshMs);
    connect(m_nowTimer, &QTimer::timeout, this, &AlarmDialog::refreshNow);
    refreshNow();
    m_nowTimer->start();
}

void AlarmDialog::refreshNow()
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QDateTime now = local(m_clock.now());
    m_nowTime->setText(english.toString(now, QStringLiteral("HH:mm:ss,")));
    m_nowDate->setText(english.toString(now, QStringLiteral("dddd, MMMM dd, yyyy")));
}

void AlarmDialog::updateEnabling()
{
    m_weekday->setEnabled(m_repeat->currentIndex() == AlarmRecord::Weekly);
    const bool sound = m_playSound->isChecked();
    m_soundPath->setEnabled(sound);
    m_soundBrowse->setEnabled(sound);
    m_soundCount->setEnabled(sound);
    const bool run = m_runApp->isChecked();
    m_runPath->setEnabled(run);
    m_runBrowse->setEnabled(run);
}

void AlarmDialog::showStart()
{
    const bool was = m_syncing;
    m_syncing = true;
    m_at->setDateTime(local(m_alarm.startTime));
    m_syncing = was;
}

void AlarmDialog::pickerChanged()
{
    if (m_syncing)
        return;
    m_alarm.startTime = m_at->dateTime().toSecsSinceEpoch();
    const AlarmDelay d = AlarmDelay::fromDifference(m_alarm.startTime - m_base);
    m_syncing = true;
    m_hours->setValue(d.hours);
    m_minutes->setValue(d.minutes);
    m_seconds->setValue(d.seconds);
    m_syncing = false;
}

void AlarmDialog::delayChanged()
{
    if (m_syncing)
        return;
    // The edits hold their values to the ranges already (typed values included).
    const AlarmDelay d = AlarmDelay{m_hours->value(), m_minutes->value(), m_seconds->value()}.clamped();
    m_alarm.startTime = m_base + d.totalSeconds();
    showStart();
}

void AlarmDialog::chooseSound()
{
    const QString path = ItemFileChooser::openFile(this, QStringLiteral("Open"), soundFilter());
    if (path.isEmpty())
        return;
    MessageBox::info(this, path);
    m_soundPath->setText(path);
}

void AlarmDialog::chooseProgram()
{
    const QString path = ItemFileChooser::openFile(this, QStringLiteral("Open"), programFilter());
    if (!path.isEmpty())
        m_runPath->setText(path);
}

AlarmRecord AlarmDialog::alarm() const
{
    AlarmRecord a = m_alarm;
    a.name = m_name->text();
    a.info = m_info->toPlainText();
    a.playSound = m_playSound->isChecked();
    a.shutDown = m_shutDown->isChecked();
    a.beep = m_beep->isChecked();
    a.popUp = m_popUp->isChecked();
    a.runApp = m_runApp->isChecked();
    a.lockScreen = m_lockScreen->isChecked();
    a.screenSave = m_screenSave->isChecked();
    a.soundPath = m_soundPath->text();
    a.soundCount = AlarmDelay::clampSoundCount(m_soundCount->value());
    a.runPath = m_runPath->text();
    a.delayHours = m_hours->value();
    a.delayMinutes = m_minutes->value();
    a.delaySeconds = m_seconds->value();
    a.repeat = m_repeat->currentIndex();
    a.weekday = m_weekday->currentIndex();
    return a;
}

void AlarmDialog::accept()
{
    if (m_name->text().isEmpty()) {
        MessageBox::error(this, QStringLiteral("Please input an char at least."));
        return;
    }
    m_nowTimer->stop();
    SkinnedDialog::accept();
}
