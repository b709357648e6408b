#include "app/ShellTables.h"

#include "alarms/AlarmWindows.h"
#include "app/CMarrowbyDlg.h"
#include "calc/CalcWindows.h"
#include "calendar/CalendarWindows.h"
#include "diary/DiaryWindows.h"
#include "games/gobang/GobangWindows.h"
#include "games/sameball/SameBallWindows.h"
#include "games/tetris/TetrisWindows.h"
#include "games/winlinez/WinlinezWindows.h"
#include "mail/MailWindows.h"
#include "panels/PanelPages.h"
#include "player/PlayerWindows.h"

#include <vector>

namespace ShellTables {
namespace {

using Panel = CMarrowbyDlg;

const Category kCategories[] = {
    {Panel::IdWork, Skin::WorkButton, u"Diary", makeWorkPage},
    {Panel::IdAlarm, Skin::AlarmButton, u"Alarm", makeAlarmPage},
    {Panel::IdFavorite, Skin::FavoriteButton, u"Favorite", makeFavoritePage},
    {Panel::IdSysTool, Skin::SysToolButton, u"System Tool", nullptr},
    {Panel::IdBoot, Skin::BootButton, u"Boot custom program at startup", makeBootPage},
    {Panel::IdPlayer, Skin::PlayerButton, u"Player", makePlayerPage},
    {Panel::IdGame, Skin::GameButton, u"Game", makeGamePage},
};
static_assert(std::size(kCategories) == Panel::Game);

const Tool kTools[] = {
    {Panel::IdMetrology, Skin::MetrologyButton, u"Metrology", makeMetrologyWindow},
    {Panel::IdCalculator, Skin::CalculatorButton, u"Calculator", makeCalculatorWindow},
    {Panel::IdMail, Skin::MailButton, u"Mail", makeMailWindow}, // opened through the Mail menu
    {Panel::IdCalendar, Skin::CalendarButton, u"Calendar", makeCalendarWindow},
    {Panel::IdShortcutKey, Skin::ShortcutKeyButton, u"Shortcut Key", nullptr},
};

// The Game page's four games and the Work page's diary, one line each as they come:
const std::vector<PageWindowEntry> kPageWindows = {
    {PageWindow::SameGame, makeSameBallWindow, false},
    {PageWindow::Gobang, makeGobangWindow, false},
    {PageWindow::Winlinez, makeWinlinezWindow, false},
    {PageWindow::Diary, makeDiaryWindow, false},
    {PageWindow::Tetris, makeTetrisWindow, true},
};

} // namespace

std::span<const Category> categories() { return kCategories; }
std::span<const Tool> tools() { return kTools; }
std::span<const PageWindowEntry> pageWindows() { return kPageWindows; }

} // namespace ShellTables
