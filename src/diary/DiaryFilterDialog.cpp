#include "diary/DiaryFilterDialog.h"

#include "diary/DiaryEntry.h"
#include "diary/DiaryEntryDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

template <class W>
W* named(W* w, int id)
{
    w->setObjectName(QStringLiteral("id%1").arg(id));
    return w;
}

QCheckBox* check(int id, const QString& text, bool on)
{
    auto* c = named(new QCheckBox(text), id);
    c->setChecked(on);
    return c;
}

QComboBox* list(int id, const QStringList& words, const QString& word)
{
    auto* box = named(new QComboBox, id);
    box->addItems(words);
    box->setCurrentIndex(std::max<int>(0, int(words.indexOf(word))));
    return box;
}

} // namespace

DiaryFilterDialog::DiaryFilterDialog(const DiaryFilter& f, QWidget* parent)
    : SkinnedDialog(QStringLiteral("Select Diary"), 0, parent)
{
    setObjectName(QStringLiteral("DiaryFilterDialog"));
    m_byStart = check(IdByStart, QStringLiteral("Starting Time"), f.byStart);
    m_byExpire = check(IdByExpire, QStringLiteral("Expiring Time"), f.byExpire);
    m_byWeather = check(IdByWeather, QStringLiteral("Weather"), f.byWeather);
    m_bySchedule = check(IdBySchedule, QStringLiteral("Schedule"), f.bySchedule);
    m_byTitle = check(IdByTitle, QStringLiteral("Title"), f.byTitle);
    m_byContent = check(IdByContent, QStringLiteral("Content"), f.byContent);
    m_byRemark = check(IdByRemark, QStringLiteral("Remark"), f.byRemark);
    m_startFrom = DiaryEntryDialog::makePicker(IdStartFrom, f.startFrom);
    m_startTo = DiaryEntryDialog::makePicker(IdStartTo, f.startTo);
    m_expireFrom = DiaryEntryDialog::makePicker(IdExpireFrom, f.expireFrom);
    m_expireTo = DiaryEntryDialog::makePicker(IdExpireTo, f.expireTo);
    m_weather = list(IdWeather, DiaryEntry::weatherWords(), f.weather);
    m_schedule = list(IdSchedule, DiaryEntry::stateWords(), f.schedule);
    m_title = named(new QLineEdit(f.title), IdTitle);
    m_content = named(new QLineEdit(f.content), IdContent);
    m_remark = named(new QLineEdit(f.remark), IdRemark);

    auto* grid = new QGridLayout;
    int row = 0;
    auto range = [&](QCheckBox* box, QDateTimeEdit* from, QDateTimeEdit* to) {
        grid->addWidget(box, row, 0);
        grid->addWidget(new QLabel(QStringLiteral("From")), row, 1);
        grid->addWidget(from, row, 2);
        ++row;
        grid->addWidget(new QLabel(QStringLiteral("To")), row, 1);
        grid->addWidget(to, row, 2);
        ++row;
    };
    auto single = [&](QCheckBox* box, QWidget* value) {
        grid->addWidget(box, row, 0);
        grid->addWidget(value, row, 1, 1, 2);
        ++row;
    };
    range(m_byStart, m_startFrom, m_startTo);
    range(m_byExpire, m_expireFrom, m_expireTo);
    single(m_byWeather, m_weather);
    single(m_bySchedule, m_schedule);
    single(m_byTitle, m_title);
    single(m_byContent, m_content);
    single(m_byRemark, m_remark);
    grid->setColumnStretch(2, 1);

    auto* ok = named(new QPushButton(QStringLiteral("OK")), IdOk);
    ok->setDefault(true);
    auto* cancel = named(new QPushButton(QStringLiteral("Cancel")), IdCancel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(body());
    layout->addLayout(grid);
    layout->addLayout(buttons);
    resize(440, 0);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

DiaryFilter DiaryFilterDialog::filter() const
{
    DiaryFilter f;
    f.byStart = m_byStart->isChecked();
    f.startFrom = DiaryEntryDialog::pickerValue(m_startFrom);
    f.startTo = DiaryEntryDialog::pickerValue(m_startTo);
    f.byExpire = m_byExpire->isChecked();
    f.expireFrom = DiaryEntryDialog::pickerValue(m_expireFrom);
    f.expireTo = DiaryEntryDialog::pickerValue(m_expireTo);
    f.byWeather = m_byWeather->isChecked();
    f.weather = m_weather->currentText();
    f.bySchedule = m_bySchedule->isChecked();
    f.schedule = m_schedule->currentText();
    f.byTitle = m_byTitle->isChecked();
    f.title = m_title->text();
    f.byContent = m_byContent->isChecked();
    f.content = m_content->text();
    f.byRemark = m_byRemark->isChecked();
    f.remark = m_remark->text();
    return f;
}
