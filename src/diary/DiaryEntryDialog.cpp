#include "diary/DiaryEntryDialog.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

namespace {

template <class W>
W* named(W* w, int id)
{
    w->setObjectName(QStringLiteral("id%1").arg(id));
    return w;
}

// Picks the entry's word in a list; a word the list lacks is added, so an entry read
// from a file keeps its value when it is saved again.
void selectWord(QComboBox* box, const QString& word)
{
    int i = box->findText(word, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i < 0) {
        box->addItem(word);
        i = box->count() - 1;
    }
    box->setCurrentIndex(i);
}

// Multi-line fields keep the Windows line breaks ("\r\n") the diary's texts are written
// with; an untouched field gives back its text exactly as it was read.
QString shown(const QString& stored)
{
    QString s = stored;
    return s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString stored(const QString& original, const QString& edited)
{
    if (edited == shown(original))
        return original;
    QString s = edited;
    return s.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

} // namespace

QDateTimeEdit* DiaryEntryDialog::makePicker(int id, qint64 value)
{
    auto* picker = named(new QDateTimeEdit, id);
    picker->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    picker->setTimeSpec(Qt::LocalTime);
    // "Diary.tmp" holds 32-bit times: the pickers stay within them.
    picker->setDateTimeRange(QDateTime::fromSecsSinceEpoch(0, Qt::LocalTime),
                             QDateTime::fromSecsSinceEpoch(std::numeric_limits<qint32>::max(), Qt::LocalTime));
    picker->setDisplayFormat(pickerFormat());
    picker->setCalendarPopup(true);
    picker->setDateTime(QDateTime::fromSecsSinceEpoch(value, Qt::LocalTime));
    return picker;
}

qint64 DiaryEntryDialog::pickerValue(const QDateTimeEdit* picker)
{
    return picker->dateTime().toSecsSinceEpoch();
}

DiaryEntryDialog::DiaryEntryDialog(const DiaryEntry& entry, bool isNew, const QString& programDir, QWidget* parent)
    : SkinnedDialog(QStringLiteral("Write Diary"), 0, parent), m_entry(entry)
{
    setObjectName(QStringLiteral("DiaryEntryDialog"));
    m_header = new QLabel(isNew ? QStringLiteral("New Diary") : QStringLiteral("Modify Diary"));
    m_header->setObjectName(QStringLiteral("header"));
    QFont hf(QStringLiteral("Verdana"));
    hf.setPixelSize(16);
    hf.setBold(true);
    m_header->setFont(hf);
    m_header->setStyleSheet(QStringLiteral("color: #1d5aa0;"));

    m_start = makePicker(IdStart, entry.startTime);
    m_expire = makePicker(IdExpire, entry.expireTime);
    m_weather = named(new QComboBox, IdWeather);
    m_weather->addItems(DiaryEntry::weatherWords());
    selectWord(m_weather, entry.weather);
    m_schedule = named(new QComboBox, IdSchedule);
    m_schedule->addItems(DiaryEntry::stateWords());
    selectWord(m_schedule, entry.schedule);
    m_title = named(new QLineEdit(entry.title), IdTitle);
    m_content = named(new QPlainTextEdit(shown(entry.content)), IdContent);
    m_remark = named(new QPlainTextEdit(shown(entry.remark)), IdRemark);
    for (QPlainTextEdit* e : {m_content, m_remark})
        e->setTabChangesFocus(true);
    m_content->setMinimumHeight(110);
    m_remark->setFixedHeight(60);

    for (int n = 1; n <= 7; ++n)
        m_faces.append(QPixmap(programDir + QStringLiteral("ico/%1.bmp").arg(n)));
    auto* choiceFace = named(new QPushButton(QStringLiteral("Choice Face")), IdChoiceFace);
    auto* insertBitmap = named(new QPushButton(QStringLiteral("Insert Bitmap")), IdInsertBitmap);
    choiceFace->hide();
    insertBitmap->hide();

    auto* times = new QFormLayout;
    times->addRow(QStringLiteral("Starting Time"), m_start);
    times->addRow(QStringLiteral("Expiring Time"), m_expire);
    auto* lists = new QHBoxLayout;
    lists->addWidget(new QLabel(QStringLiteral("Weather")));
    lists->addWidget(m_weather, 1);
    lists->addSpacing(12);
    lists->addWidget(new QLabel(QStringLiteral("Schedule")));
    lists->addWidget(m_schedule, 1);
    times->addRow(lists);
    times->addRow(QStringLiteral("Title"), m_title);
    times->addRow(QStringLiteral("Content"), m_content);
    times->addRow(QStringLiteral("Remark"), m_remark);

    auto* ok = named(new QPushButton(QStringLiteral("OK")), IdOk);
    ok->setDefault(true);
    auto* cancel = named(new QPushButton(QStringLiteral("Cancel")), IdCancel);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(choiceFace);
    buttons->addWidget(insertBitmap);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(body());
    layout->addWidget(m_header);
    layout->addLayout(times);
    layout->addLayout(buttons);
    resize(460, 440);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString DiaryEntryDialog::header() const
{
    return m_header->text();
}

DiaryEntry DiaryEntryDialog::entry() const
{
    DiaryEntry e = m_entry;
    e.startTime = pickerValue(m_start);
    e.expireTime = pickerValue(m_expire);
    e.weather = m_weather->currentText();
    e.schedule = m_schedule->currentText();
    e.title = m_title->text();
    e.content = stored(m_entry.content, m_content->toPlainText());
    e.remark = stored(m_entry.remark, m_remark->toPlainText());
    return e;
}
