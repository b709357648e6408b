#pragma once
#include <QRect>
#include <QString>

// The main panel's settings, kept in the 19-byte file "Transparence": alpha, noHideTip,
// alwaysOnTop (one byte each), then left, top, right, bottom (32-bit signed each).
struct PanelSettings
{
    quint8 alpha = 255;
    bool noHideTip = false;
    bool alwaysOnTop = true;
    // Window rectangle in screen pixels; right and bottom are exclusive edges.
    qint32 left = 0, top = 0, right = 0, bottom = 0;

    QRect rect() const { return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)); }
    void setRect(const QRect& r);

    static QString fileName() { return QStringLiteral("Transparence"); }
    // True when the file existed and was read whole; otherwise the settings keep their values.
    bool load(const QString& programDir);
    bool save(const QString& programDir) const;
};

// Where the panel starts. `current` is the panel's own rectangle at creation, `screenWidth`
// the screen's. A rectangle whose top is above 5 is moved down to 5 (height kept); without
// a file the panel keeps its size at the top right (10 pixels from the right and the top).
QRect startRect(const PanelSettings& settings, bool fileRead, const QRect& current, int screenWidth);

// The rectangle saved at the end: a panel collapsed to the docking strip is saved with its
// remembered expanded height.
QRect rectToSave(const QRect& current, int expandedHeight);

