#pragma once
#include "controls/SkinnedDialog.h"
#include "diary/DiaryFilter.h"

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLineEdit;

// "Select Diary": the seven criteria of the filter, each with its check box.
class DiaryFilterDialog : public SkinnedDialog
{
    Q_OBJECT
public:
    enum : int {
        IdStartFrom = 1083,
        IdStartTo = 1074,
        IdExpireFrom = 1085,
        IdExpireTo = 1084,
        IdWeather = 1073,
        IdSchedule = 1077,
        IdTitle = 1011,
        IdContent = 1009,
        IdRemark = 1010,
        // The check boxes.
        IdByStart = 1086,
        IdByExpire = 1087,
        IdByWeather = 1088,
        IdBySchedule = 1089,
        IdByTitle = 1090,
        IdByContent = 1091,
        IdByRemark = 1092,
        IdOk = 1,
        IdCancel = 2,
    };

    explicit DiaryFilterDialog(const DiaryFilter& filter, QWidget* parent = nullptr);

    DiaryFilter filter() const;

private:
    QCheckBox* m_byStart;
    QCheckBox* m_byExpire;
    QCheckBox* m_byWeather;
    QCheckBox* m_bySchedule;
    QCheckBox* m_byTitle;
    QCheckBox* m_byContent;
    QCheckBox* m_byRemark;
    QDateTimeEdit* m_startFrom;
    QDateTimeEdit* m_startTo;
    QDateTimeEdit* m_expireFrom;
    QDateTimeEdit* m_expireTo;
    QComboBox* m_weather;
    QComboBox* m_schedule;
    QLineEdit* m_title;
    QLineEdit* m_content;
    QLineEdit* m_remark;
};
