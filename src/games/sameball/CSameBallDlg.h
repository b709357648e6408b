#pragma once
#include "games/sameball/SameBallBoard.h"
#include "games/scores/SameBallTopList.h"
#include "platform/CRand.h"

#include <QDialog>
#include <QPixmap>
#include <QTimer>

#include <memory>

class QLabel;
class QRadioButton;
class Sound;
class SoundClip;
class TextCodec;

// The SameBall board drawn from the sprite sheet, with the hovered group animated.
class SameBallView : public QWidget
{
    Q_OBJECT
public:
    explicit SameBallView(const SameBallBoard& board, QWidget* parent = nullptr);
    void setSheet(const QPixmap& sheet, int cellSize);
    int cellSize() const { return m_cell; }

Q_SIGNALS:
    void hovered(int row, int col);
    void clicked(int row, int col);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    const SameBallBoard& m_board;
    QPixmap m_sheet;
    int m_cell = 64;
};

// "Same Game": the board over a band with Start, UnDo, TopScore, Close, the three sizes
// and the status line. The top five are kept in "SameBall.tmp".
class CSameBallDlg : public QDialog
{
    Q_OBJECT
public:
    enum : int {
        IdStart = 1008, IdUndo = 1009, IdTopScore = 1010, IdClose = 1035,
        IdSmall = 1011, IdLarge = 1113, IdMedium = 1114, IdStatus = 1156,
    };
    // The sizes: cell size and the sprite sheet's number.
    enum class Size { Large, Medium, Small };

    CSameBallDlg(const QString& programDir, Sound& sound, quint32 seed, const TextCodec* codec = nullptr,
                 QWidget* parent = nullptr);
    ~CSameBallDlg() override;

    SameBallBoard& board() { return m_board; }
    const SameBallTopList& topList() const { return m_top; }
    SameBallView* view() const { return m_view; }
    bool started() const { return m_started; }
    static int cellSizeOf(Size size);

    // "Start": the chosen size, a new board, the music on the first game.
    void start();
    // "UnDo".
    void undo();
    // "TopScore".
    void showTopScore();
    // The hovered group's animation, every 60 ms.
    void animate();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void hoverCell(int row, int col);
    void clickCell(int row, int col);
    void gameOver();
    void updateStatus();
    void layoutBand();
    void centreOnDesktop();
    Size chosenSize() const;

    QString m_programDir;
    Sound& m_sound;
    CRand m_rand;
    SameBallBoard m_board;
    SameBallTopList m_top;
    SameBallView* m_view = nullptr;
    QWidget* m_band = nullptr;
    QLabel* m_status = nullptr;
    QRadioButton* m_large = nullptr;
    QRadioButton* m_medium = nullptr;
    QRadioButton* m_small = nullptr;
    QTimer m_timer;
    bool m_started = false;
    bool m_musicOn = false;
    std::unique_ptr<SoundClip> m_music;
    std::unique_ptr<SoundClip> m_kill;
    std::unique_ptr<SoundClip> m_active;
    std::unique_ptr<SoundClip> m_gameOver;
};
