#pragma once
#include <QCalendarWidget>
#include <QDate>

// The calendar window's month view: 1970-01-01 to 2037-01-01 on the light-blue background,
// with the day it holds for today framed in red. The today mark is set from outside (the
// opening, a new day, "Update", a calibration).
class MonthView : public QCalendarWidget
{
    Q_OBJECT
public:
    explicit MonthView(QWidget* parent = nullptr);

    void setToday(const QDate& date);
    QDate today() const { return m_today; }

protected:
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;

private:
    QDate m_today;
};
