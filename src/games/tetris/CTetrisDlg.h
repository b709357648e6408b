#pragma once
#include "controls/SkinnedDialog.h"
#include "games/tetris/TetrisGame.h"

class QPainter;
class QPushButton;
struct Platform;

// The Tetris window: a black field with the second player's board on the left, the main
// player's on the right, their previews above and the counters between them. "Start"
// starts (or restarts) a game, "Setting" opens "Tetris Setting", which writes "Block.tmp".
class CTetrisDlg : public SkinnedDialog
{
    Q_OBJECT
public:
    enum : int { IdStart = 1008, IdSetting = 1009, IdClose = 1032, HelpContext = 10012 };
    // Client size of the window.
    static constexpr int Width = 710, Height = 700;

    CTetrisDlg(const QString& programDir, Platform& platform, QWidget* parent = nullptr);

    TetrisGame& game() { return *m_game; }

    // The boards' and previews' places (window coordinates).
    static QRect boardRect(int side);
    static QRect previewRect(int side);
    // The buttons "Start", "Setting" and "Close" below the field.
    static QRect buttonRect(int id);

    // One block as the window draws it, with its top-left corner at `at`.
    static void drawBlock(QPainter& p, QPoint at, int kind);

    void startGame();
    void openSettings();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void drawField(QPainter& p);
    void drawPlayer(QPainter& p, int side);
    void drawCounters(QPainter& p, int side);
    void showGameOver();

    QString m_programDir;
    TetrisGame* m_game;
};
