#pragma once
#include "controls/SkinnedDialog.h"
#include "games/gobang/GobangGame.h"

#include <QTimer>

class QComboBox;
class QRadioButton;

// The board panel: a 19 x 19 board on wood, black and white stones, the last move blinking
// in light violet. A left click on it is turned into an intersection for the window.
class GobangBoardView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Side = 520; // 26 pixels between lines

    explicit GobangBoardView(const GobangGame& game, QWidget* parent = nullptr);
    void setBlink(bool on);
    bool blink() const { return m_blink; }
    QSize sizeHint() const override { return {Side, Side}; }

Q_SIGNALS:
    void clicked(QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const GobangGame& m_game;
    bool m_blink = false;
};

// The Gobang window: the board, the level ("Junior", "Senior"), who begins ("Gamer First",
// "Compute First"), "Start"/"ReStart" and "UnDo". The player clicks an intersection for a
// black stone and the computer answers at once with white.
class CGobangDlg : public SkinnedDialog
{
    Q_OBJECT
public:
    enum : int {
        IdGamerFirst = 1001, IdComputeFirst = 1002, IdClose = 1003, IdStart = 1008, IdUnDo = 1009,
        IdReStart = 1011, IdBoard = 1020, IdLevel = 1021, IdTitleClose = 1115, HelpContext = 10010,
    };
    static constexpr int BlinkMs = 500;
    // Client size of the window.
    static constexpr int Width = 680, Height = 564;

    explicit CGobangDlg(QWidget* parent = nullptr);

    // Where the board panel and the controls sit (window coordinates).
    static QRect boardRect();
    static QRect controlRect(int id);

    GobangGame& game() { return m_game; }
    GobangBoardView* boardView() const { return m_board; }
    bool isBlinking() const { return m_blinkTimer.isActive(); }

    void startGame();
    void undo();
    // A click on the board panel at `pos` (panel coordinates).
    void clickBoard(QPoint pos);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    GobangGame m_game;
    GobangBoardView* m_board;
    QComboBox* m_level;
    QRadioButton* m_computerFirst;
    QTimer m_blinkTimer;
};
