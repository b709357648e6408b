#pragma once
#include <array>

// The numbers of the skin's pictures, in one place for the drawing (SkinArt) and the
// windows that show them (Skin::resource()).
namespace Skin {

// The pictures of a bitmap button: normal, pressed, hover, disabled (0 = none).
using ButtonImages = std::array<int, 4>;

// The main panel's category buttons (29 x 33).
inline constexpr ButtonImages WorkButton{234, 237, 235, 480};
inline constexpr ButtonImages AlarmButton{192, 195, 193, 479};
inline constexpr ButtonImages FavoriteButton{206, 209, 207, 481};
inline constexpr ButtonImages SysToolButton{227, 230, 228, 483};
inline constexpr ButtonImages BootButton{196, 199, 197, 484};
inline constexpr ButtonImages PlayerButton{220, 223, 221, 485};
inline constexpr ButtonImages GameButton{210, 213, 211, 486};
// Its tool buttons (29 x 29).
inline constexpr ButtonImages MetrologyButton{217, 218, 219, 487};
inline constexpr ButtonImages CalculatorButton{200, 201, 202, 488};
inline constexpr ButtonImages MailButton{216, 214, 215, 489};
inline constexpr ButtonImages CalendarButton{203, 204, 205, 490};
inline constexpr ButtonImages ShortcutKeyButton{224, 225, 226, 491};
// Caption buttons (17 x 20): the panel's three and the tool windows' Close and Help.
inline constexpr ButtonImages MinimizeButton{244, 245, 246, 0};
inline constexpr ButtonImages SettingButton{241, 242, 243, 0};
inline constexpr ButtonImages CloseButton{238, 239, 240, 0};
inline constexpr ButtonImages HelpButton{9011, 9012, 9013, 0};
// The player's transport buttons (16 x 19).
inline constexpr ButtonImages PlayerFirstButton{9201, 9202, 9203, 0};
inline constexpr ButtonImages PlayerPlayButton{9204, 9205, 9206, 0};
inline constexpr ButtonImages PlayerPauseButton{9207, 9208, 9209, 0};
inline constexpr ButtonImages PlayerStopButton{9210, 9211, 9212, 0};
inline constexpr ButtonImages PlayerLastButton{9213, 9214, 9215, 0};
inline constexpr ButtonImages PlayerMenuButton{9216, 9217, 9218, 0};
// The video window's title buttons: Hide and Zoom (20 x 24), Close (31 x 24).
inline constexpr ButtonImages MediaHideButton{9221, 9222, 9223, 0};
inline constexpr ButtonImages MediaZoomButton{9224, 9225, 9226, 0};
inline constexpr ButtonImages MediaCloseButton{9227, 9228, 9229, 0};

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

    PlayerBottom = 272, // the player page's bottom band (57 high), stretched

    // Pictures of our own (no number of their own in the program's resources).
    ToolTitleLeft = 9001, // title strip of the tool windows
    ToolTitleMiddle = 9002,
    ToolTitleRight = 9003,
    TrayTipPicture = 9100, // the hiding tip: the tray near the clock, our icon with a red arrow
};

// Sizes of the bitmap buttons.
inline constexpr int CategoryButtonWidth = 29, CategoryButtonHeight = 33;
inline constexpr int ToolButtonSize = 29;
inline constexpr int CaptionButtonWidth = 17, CaptionButtonHeight = 20;
inline constexpr int TitleHeight = 20;

} // namespace Skin
