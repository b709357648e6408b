#pragma once
#include "games/winlinez/CFivePlusGameModel.h"

#include <QList>

// The course of a Winlinez turn and its animations, one tick at a time: the ball running
// along its route, the lines fading out, the born balls fading in, and the selected ball's
// pulse. The window runs a timer for each phase (the move interval while moving, the show
// interval while fading) and calls the matching tick; tests call them directly.
class FivePlusTurn
{
public:
    enum class Phase { Idle, Moving, FadingIn, FadingOut };
    // What a tick leaves for the window to do.
    enum class Outcome { None, GameOver };

    explicit FivePlusTurn(CFivePlusGameModel& model) : m_model(model) { }

    Phase phase() const { return m_phase; }
    bool isIdle() const { return m_phase == Phase::Idle; }

    // A click on a board cell (ignored unless idle): the model's 0, 1 or 2. A new selection
    // starts its pulse from alpha 0; a move starts the run along the route.
    int click(FiveCell cell);

    // Moving: the route cell the ball is drawn on (-1 before the first tick).
    int moveIndex() const { return m_moveIndex; }
    // Each tick draws the ball on the next route cell; the tick that reaches the target
    // resolves the turn: a line fades out, or balls are born and fade in.
    Outcome moveTick();
    // Fading: the alpha the fading cells are drawn with, and those cells.
    int fadeAlpha() const { return m_fadeAlpha; }
    const QList<FiveCell>& fadingCells() const { return m_fading; }
    // Fade-in: +8 a tick up to 255; the tick that finds 255 ends it and scans the born
    // balls (their lines fade out). Fade-out: -8 a tick down to 0; the tick that finds 0
    // empties the cells.
    Outcome fadeTick();

    // The selected ball's pulse: the alpha its highlighted picture is drawn with.
    int pulseAlpha() const { return m_pulseAlpha; }
    void pulseTick();

    // Back to idle with no animation (after a new game or a load).
    void reset();

private:
    void startFadeOut();
    // After a birth: the born balls' lines fade out; a full board with no line ends the game.
    Outcome resolveBorn(const QList<FiveCell>& born);

    CFivePlusGameModel& m_model;
    Phase m_phase = Phase::Idle;
    int m_moveIndex = -1;
    int m_fadeAlpha = 0;
    QList<FiveCell> m_fading;
    int m_pulseAlpha = 0; // drawn at the last tick
    int m_pulseNext = 0;
    int m_pulseStep = 8;
};
