#pragma once
#include <QPixmap>
#include <QTimer>
#include <QWidget>

// The start-up picture: a borderless window the size of the picture, centred on the screen,
// revealing the picture with one of 20 transitions step by step.
class CSplashWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int TransitionCount = 20;
    static constexpr int Steps = 24;

    CSplashWindow(const QPixmap& picture, int transition, QWidget* parent = nullptr);

    int transition() const { return m_transition; }
    int step() const { return m_step; }

    // The part of a w x h picture shown after `step` of `Steps` steps of the transition.
    static QRegion revealed(int transition, int step, int w, int h);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    int m_transition;
    int m_step = 0;
    QTimer m_timer;
};
