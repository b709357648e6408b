#pragma once
#include "controls/SkinnedDialog.h"
#include "games/winlinez/CFivePlusGameModel.h"
#include "games/winlinez/FivePlusTurn.h"

#include <QPixmap>
#include <QTimer>

class TextCodec;

// The Winlinez board as the window shows it (360 x 410): the background picture, the
// score in four digits, the three coming balls and the 9 x 9 board of 40-pixel cells
// from y = 50, with the moving, fading and pulsing balls of the turn.
class FivePlusBoardView : public QWidget
{
    Q_OBJECT
public:
    FivePlusBoardView(const QString& programDir, const CFivePlusGameModel& model, const FivePlusTurn& turn,
                      QWidget* parent = nullptr);

    static constexpr int BoardTop = 50;
    static constexpr int CellSize = 40;
    // The cell under a point of the view, or {-1, -1}.
    static FiveCell cellAt(const QPoint& pos);
    static QRect cellRect(FiveCell cell);

Q_SIGNALS:
    void cellClicked(FiveCell cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void drawBall(QPainter& p, FiveCell cell, int kind, bool highlighted, qreal opacity = 1.0) const;

    const CFivePlusGameModel& m_model;
    const FivePlusTurn& m_turn;
    QPixmap m_background; // "bmp/FivePlus/BK.bmp"
    QPixmap m_balls;      // "bmp/FivePlus/ALL_GRID.bmp"
    QPixmap m_digits;     // "bmp/FivePlus/NUMBER.bmp"
};

// The Winlinez window: the board, New, Score, Help, Setting, OK and Cancel. It keeps its
// game in "Game.tmp", read when it is made and written whenever it is closed and when it
// is destroyed, so a game in progress survives the end of the run (or a crash).
class CFivePlusDlg : public SkinnedDialog
{
    Q_OBJECT
public:
    enum : int {
        IdOk = 1, IdCancel = 2,
        IdSetting = 1009, IdScore = 1010, IdHelp = 1011, IdNew = 1146,
    };
    static constexpr int HelpContext = 10011;

    // seed: the current time, for the random births.
    CFivePlusDlg(const QString& programDir, quint32 seed, const TextCodec* codec = nullptr, QWidget* parent = nullptr);
    ~CFivePlusDlg() override;

    CFivePlusGameModel& model() { return m_model; }
    FivePlusTurn& turn() { return m_turn; }
    FivePlusBoardView* boardView() const { return m_view; }
    QString gameFile() const { return m_programDir + QStringLiteral("Game.tmp"); }

    // "New": offers the score to the high-score table, then starts a new game.
    void newGame();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void clickCell(FiveCell cell);
    void moveTick();
    void fadeTick();
    void afterTick(FivePlusTurn::Outcome outcome);
    void showScores();
    void openSettings();
    void save();

    QString m_programDir;
    CFivePlusGameModel m_model;
    FivePlusTurn m_turn{m_model};
    FivePlusBoardView* m_view = nullptr;
    QTimer m_moveTimer;
    QTimer m_showTimer;
    QTimer m_pulseTimer;
};
