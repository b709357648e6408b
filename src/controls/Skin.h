#pragma once
#include <QIcon>
#include <QPixmap>

class QPainter;
class QRect;

// The numbered pictures of the program's one light-blue skin. They are drawn in code
// the first time they are asked for (the same drawing the asset generator uses for
// the picture files), so they exist in every program and test that links the controls.
namespace Skin {

enum : int {
    ProgramIcon = 128,
    MenuImage = 138,            // small image of a pop-up menu item
    MenuImageHighlighted = 139, // the same, on the highlighted item

    // Main panel background, stretched to the panel's size (see paintPanel()).
    PanelTitleLeft = 247,    // title bar, left end
    PanelTitleMiddle = 248,  // title bar, stretched
    PanelTitleRight = 249,   // title bar, right end
    PanelBanner = 250,       // the band behind the banner movie (y 20..79), stretched
    PanelLeftEdge = 251,     // the category button column (x 0..29), stretched
    PanelRightEdge = 252,    // the 2-pixel right edge beside the page host, stretched
    PanelBody = 253,         // behind the page host, stretched
    PanelBottomLeft = 254,   // bottom row (34 high), left end
    PanelBottomMiddle = 255, // bottom row, stretched
    PanelBottomRight = 256,  // bottom row, right end
    PanelGrip = 257,         // the sizing grip in the bottom-right corner
    // The 2-pixel border painted when the window has no visible frame.
    BorderTop = 263,
    BorderRight = 264,
    BorderBottom = 265,
    BorderLeft = 266,

    PlayerBottom = 272,      // the player page's bottom band (57 high), stretched

    // Pictures of our own (no number of their own in the program's resources).
    ToolTitleLeft = 9001,   // title strip of the tool windows
    ToolTitleMiddle = 9002,
    ToolTitleRight = 9003,
    HelpNormal = 9011,      // the title strips' Help button (17 x 20)
    HelpPressed = 9012,
    HelpHover = 9013,
    TrayTipPicture = 9100,
    // The player's transport buttons (16 x 19), each normal, pressed, hover: n, n + 1, n + 2.
    PlayerFirst = 9201,
    PlayerPlay = 9204,
    PlayerPause = 9207,
    PlayerStop = 9210,
    PlayerLast = 9213,
    PlayerMenu = 9216,  // the hiding tip: the tray near the clock, our icon with a red arrow
};

// Sizes of the bitmap buttons.
inline constexpr int CategoryButtonWidth = 29, CategoryButtonHeight = 33;
inline constexpr int ToolButtonSize = 29;
inline constexpr int CaptionButtonWidth = 17, CaptionButtonHeight = 20;
inline constexpr int TitleHeight = 20;

// The picture with that resource number; a null pixmap for numbers the program lacks.
QPixmap resource(int number);
// Every number resource() knows.
QList<int> resourceNumbers();
// The program icon (resource 128) in its sizes.
QIcon programIcon();

// Paints the main panel's background from the skin pieces stretched over rect
// (title bar 0..20, banner band to y 79, category column x 0..29, bottom row of 34);
// with border set, also the 2-pixel border.
void paintPanel(QPainter& painter, const QRect& rect, bool border);
// Paints a tool window title strip over rect.
void paintToolTitle(QPainter& painter, const QRect& rect);

} // namespace Skin
