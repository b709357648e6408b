#include "panels/PanelPages.h"

#include "panels/FixedPanels.h"
#include "panels/ItemPanel.h"

QWidget* makeWorkPage(const WindowContext& context)
{
    auto* page = new WorkPanel(context.programDir, context.parent);
    QObject::connect(page, &WorkPanel::diaryRequested, page, [open = context.openPageWindow] {
        if (open)
            open(PageWindow::Diary);
    });
    return page;
}

QWidget* makeFavoritePage(const WindowContext& context)
{
    return new ItemPanel(ItemPanel::Kind::Favorite, context.programDir, context.platform, context.parent);
}

QWidget* makeBootPage(const WindowContext& context)
{
    return new ItemPanel(ItemPanel::Kind::Boot, context.programDir, context.platform, context.parent);
}

QWidget* makeGamePage(const WindowContext& context)
{
    auto* page = new GamePanel(context.programDir, context.parent);
    QObject::connect(page, &GamePanel::gameRequested, page, [open = context.openPageWindow](GamePanel::Game game) {
        if (!open)
            return;
        switch (game) {
        case GamePanel::Game::SameGame: open(PageWindow::SameGame); break;
        case GamePanel::Game::Gobang: open(PageWindow::Gobang); break;
        case GamePanel::Game::Winlinez: open(PageWindow::Winlinez); break;
        case GamePanel::Game::Tetris: open(PageWindow::Tetris); break;
        }
    });
    return page;
}
