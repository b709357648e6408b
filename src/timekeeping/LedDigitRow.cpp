#include "timekeeping/LedDigitRow.h"

#include "timekeeping/ClockPictures.h"

#include <QPainter>

LedDigitRow::LedDigitRow(int cells, const QString& programDir, QWidget* parent)
    : QWidget(parent), m_cells(cells), m_strip(ClockPictures::load(programDir + QStringLiteral("bmp/StopWatch/LED.bmp")))
{
    setFixedSize(sizeHint());
}

QSize LedDigitRow::sizeHint() const
{
    return QSize(m_cells * GlyphWidth, GlyphHeight);
}

int LedDigitRow::glyphOf(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    switch (c.unicode()) {
    case 'A':
        return 11;
    case 'P':
        return 12;
    case '.':
        return 13;
    case '|':
        return 14;
    case ':':
        return 15;
    case '-':
        return 16;
    default:
        return Blank;
    }
}

QList<int> LedDigitRow::glyphs() const
{
    QList<int> out(m_cells, Blank);
    const QString shown = m_text.right(m_cells);
    const qsizetype first = m_cells - shown.size();
    for (qsizetype i = 0; i < shown.size(); ++i)
        out[first + i] = glyphOf(shown.at(i));
    return out;
}

void LedDigitRow::setText(const QString& text)
{
    if (m_text == text)
        return;
    m_text = text;
    update();
}

void LedDigitRow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (m_strip.isNull())
        return;
    const QList<int> cells = glyphs();
    for (int i = 0; i < cells.size(); ++i)
        p.drawImage(QPoint(i * GlyphWidth, 0), m_strip, QRect(cells[i] * GlyphWidth, 0, GlyphWidth, GlyphHeight));
}
