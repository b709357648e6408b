#pragma once
#include <QImage>
#include <QString>
#include <QWidget>

// A row of LED-style cells, each showing one glyph 18 x 32 of the strip
// "bmp/StopWatch/LED.bmp": 0..9, blank, "A", "P", ".", "|", ":", "-"; any other character
// shows the blank. A text shorter than the row is right-aligned with blank cells before it.
class LedDigitRow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int GlyphWidth = 18, GlyphHeight = 32;
    static constexpr int Blank = 10;

    LedDigitRow(int cells, const QString& programDir, QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return m_text; }
    // The glyph index each cell shows, left to right.
    QList<int> glyphs() const;
    // The glyph index of a character.
    static int glyphOf(QChar c);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_cells;
    QString m_text;
    QImage m_strip;
};
