#pragma once
#include "controls/SkinnedDialog.h"
#include "diary/DiaryEntry.h"

#include <QList>
#include <QPixmap>

class QComboBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Write Diary": the editor of one entry, headed "New Diary" or "Modify Diary". Nothing
// is validated: an expiry before the start, or an empty title, is accepted.
class DiaryEntryDialog : public SkinnedDialog
{
    Q_OBJECT
public:
    enum : int {
        IdStart = 1072,
        IdWeather = 1073,
        IdExpire = 1076,
        IdSchedule = 1077,
        IdTitle = 1011,
        IdContent = 1009,
        IdRemark = 1010,
        IdOk = 1,
        IdCancel = 2,
        IdChoiceFace = 1078,
        IdInsertBitmap = 1079,
    };

    DiaryEntryDialog(const DiaryEntry& entry, bool isNew, const QString& programDir, QWidget* parent = nullptr);

    // The entry as the fields hold it.
    DiaryEntry entry() const;
    QString header() const;

    // The editor's date-time format, shared with the filter dialog's pickers.
    static QString pickerFormat() { return QStringLiteral("HH':'mm':'ss dddd MMM dd', 'yyyy"); }
    // A picker over the times a data file can hold (32-bit seconds since 1970).
    static QDateTimeEdit* makePicker(int id, qint64 value);
    static qint64 pickerValue(const QDateTimeEdit* picker);

private:
    DiaryEntry m_entry;
    QLabel* m_header = nullptr;
    QDateTimeEdit* m_start = nullptr;
    QDateTimeEdit* m_expire = nullptr;
    QComboBox* m_weather = nullptr;
    QComboBox* m_schedule = nullptr;
    QLineEdit* m_title = nullptr;
    QPlainTextEdit* m_content = nullptr;
    QPlainTextEdit* m_remark = nullptr;
    // The face pictures "ico/1.bmp" .. "ico/7.bmp"; the face picker's buttons stay hidden.
    QList<QPixmap> m_faces;
};
