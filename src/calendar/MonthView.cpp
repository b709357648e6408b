#include "calendar/MonthView.h"

#include <QLocale>
#include <QPainter>
#include <QTextCharFormat>

MonthView::MonthView(QWidget* parent) : QCalendarWidget(parent)
{
    setObjectName(QStringLiteral("monthView"));
    setLocale(QLocale::c());
    setDateRange(QDate(1970, 1, 1), QDate(2037, 1, 1));
    setGridVisible(false);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setFirstDayOfWeek(Qt::Sunday);
    // The background and the month's background in the dialogs' light blue.
    setStyleSheet(QStringLiteral(
        "QCalendarWidget QAbstractItemView { background-color: #ccebff; selection-background-color: #3a78bc;"
        "  selection-color: white; }"
        "QCalendarWidget QWidget#qt_calendar_navigationbar { background-color: #ccebff; }"
        "QCalendarWidget QToolButton { color: #1d5aa0; font-weight: bold; background: transparent; }"
        "QCalendarWidget QToolButton:hover { background: #eaf6ff; }"));
    QTextCharFormat weekend;
    weekend.setForeground(QColor(170, 30, 30));
    setWeekdayTextFormat(Qt::Saturday, weekend);
    setWeekdayTextFormat(Qt::Sunday, weekend);
}

void MonthView::setToday(const QDate& date)
{
    if (m_today == date)
        return;
    m_today = date;
    updateCells();
}

void MonthView::paintCell(QPainter* painter, const QRect& rect, QDate date) const
{
    QCalendarWidget::paintCell(painter, rect, date);
    if (date != m_today)
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(QColor(200, 30, 30), 1.6));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(rect).adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
    painter->restore();
}
