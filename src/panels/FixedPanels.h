#pragma once
#include <QWidget>

class ItemListView;

// The Game page: four fixed rows, each opening the game it names.
class GamePanel : public QWidget
{
    Q_OBJECT
public:
    enum class Game { SameGame = 0, Gobang = 1, Winlinez = 2, Tetris = 3 };

    explicit GamePanel(const QString& programDir, QWidget* parent = nullptr);
    ItemListView* listView() const { return m_view; }
    static QStringList rowTexts();

Q_SIGNALS:
    // A row was double-clicked. The game windows connect here as they come: Same Game,
    // Gobang and Winlinez are created on first use and shown; Tetris is modal and new
    // each time.
    void gameRequested(GamePanel::Game game);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    ItemListView* m_view;
};

// The Work page: the fixed row " Diary", opening the work diary.
class WorkPanel : public QWidget
{
    Q_OBJECT
public:
    explicit WorkPanel(const QString& programDir, QWidget* parent = nullptr);
    ItemListView* listView() const { return m_view; }

Q_SIGNALS:
    // " Diary" was double-clicked; the diary window (created on first use) connects here.
    void diaryRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    ItemListView* m_view;
};
