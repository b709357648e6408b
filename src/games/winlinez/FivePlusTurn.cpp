#include "games/winlinez/FivePlusTurn.h"

#include <algorithm>

int FivePlusTurn::click(FiveCell cell)
{
    if (m_phase != Phase::Idle)
        return 0;
    const int result = m_model.click(cell);
    if (result == 1) {
        m_pulseAlpha = 0;
        m_pulseNext = 0;
        m_pulseStep = 8;
    } else if (result == 2) {
        m_phase = Phase::Moving;
        m_moveIndex = -1;
    }
    return result;
}

FivePlusTurn::Outcome FivePlusTurn::moveTick()
{
    if (m_phase != Phase::Moving)
        return Outcome::None;
    const QList<FiveCell>& route = m_model.route();
    if (m_moveIndex + 1 < route.size())
        ++m_moveIndex;
    if (m_moveIndex < route.size() - 1)
        return Outcome::None;

    // The ball has arrived: a line it makes fades out, otherwise balls are born.
    const FiveCell target = route.last();
    m_model.clearChanged();
    if (m_model.scanLines(target) > 0) {
        startFadeOut();
        return Outcome::None;
    }
    const bool placed = m_model.birth();
    const QList<FiveCell> born = m_model.changed();
    if (placed) {
        m_model.makeNextBalls();
        m_phase = Phase::FadingIn;
        m_fading = born;
        m_fadeAlpha = 0;
        return Outcome::None;
    }
    // The board filled up before every ball was placed: unless the balls that did come
    // made a line, the game is over.
    const Outcome outcome = resolveBorn(born);
    if (m_phase == Phase::FadingOut)
        m_model.makeNextBalls();
    return outcome;
}

FivePlusTurn::Outcome FivePlusTurn::resolveBorn(const QList<FiveCell>& born)
{
    // Each born ball is scanned in turn; the scans add their lines to a fresh list, so
    // only the lines fade out, not every ball just born.
    m_model.clearChanged();
    bool scored = false;
    for (const FiveCell& c : born)
        if (m_model.scanLines(c) > 0)
            scored = true;
    if (scored) {
        // Even a full board goes on when a line frees it.
        startFadeOut();
        return Outcome::None;
    }
    m_phase = Phase::Idle;
    m_fading.clear();
    return m_model.isFull() ? Outcome::GameOver : Outcome::None;
}

void FivePlusTurn::startFadeOut()
{
    m_phase = Phase::FadingOut;
    m_fading = m_model.changed();
    m_fadeAlpha = 255;
}

FivePlusTurn::Outcome FivePlusTurn::fadeTick()
{
    if (m_phase == Phase::FadingIn) {
        if (m_fadeAlpha < 255) {
            m_fadeAlpha = std::min(255, m_fadeAlpha + 8);
            return Outcome::None;
        }
        return resolveBorn(m_fading);
    }
    if (m_phase == Phase::FadingOut) {
        if (m_fadeAlpha > 0) {
            m_fadeAlpha = std::max(0, m_fadeAlpha - 8);
            return Outcome::None;
        }
        for (const FiveCell& c : m_fading)
            m_model.setKind(c, CFivePlusGameModel::Empty);
        m_model.clearChanged();
        m_fading.clear();
        m_phase = Phase::Idle;
    }
    return Outcome::None;
}

void FivePlusTurn::pulseTick()
{
    if (!m_model.hasSelection())
        return;
    m_pulseAlpha = m_pulseNext;
    if (m_pulseNext <= 0)
        m_pulseStep = 8;
    if (m_pulseNext > 254)
        m_pulseStep = -8;
    m_pulseNext = std::clamp(m_pulseNext + m_pulseStep, 0, 255);
}

void FivePlusTurn::reset()
{
    m_phase = Phase::Idle;
    m_moveIndex = -1;
    m_fadeAlpha = 0;
    m_fading.clear();
    m_pulseAlpha = m_pulseNext = 0;
    m_pulseStep = 8;
}
