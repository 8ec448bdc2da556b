#pragma once

#include "core/lang/message_catalogue.h"

#include <QBitmap>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <future>

// Every picture of the game, drawn in code from the theme's palette at the screen's device
// pixel ratio (pixelRatio()): sizes below are in the windows' own (logical) pixels, and a
// picture has that many times more pixels, so it stays sharp at any zoom. The small pictures
// are cached, so asking again is cheap; window backgrounds and masks are drawn on each request
// and kept by the window that asked.
namespace trivanto::artwork {

// The device pixel ratio pictures are drawn for: the one set below, else the highest of the
// screens (which includes the game's zoom), 1 without a GUI application.
qreal pixelRatio();
// Draws every picture from now on for `ratio`; 0 follows the screens again. Tools that write
// picture files of exact sizes set 1.
void setPixelRatio(qreal ratio);

enum class WindowStyle {
    Main,     // 640 x 479, main window with button band, seats, left column and banner area
    Message,  // any width x 118, message dialog (width = label width + 91)
    Splash,   // 555 x 446, title picture, not shaped
    Info,     // 309 x 290
    Waiting,  // 455 x 55
    NewGame,  // 620 x 470
    Generic,  // any size: editor, high scores, update wizard, dial-up window
};

// The size each window is designed for (Message: 474 x 118, Generic: 455 x 347).
QSize designSize(WindowStyle style);

// Background picture of a window; an empty size means the design size. Drawn for any size,
// anew on every call.
QPixmap windowBackground(WindowStyle style, QSize size = {});
// A window background being drawn on a thread of its own, for the window that shows first;
// `image.get()` waits for it. It is drawn at the pixel ratio of the moment and belongs to the
// caller, which must keep it until it is drawn (the future waits when it is dropped). Only the
// main window's background is drawn this way: it draws no text.
struct BackgroundAhead {
    QSize size;
    qreal ratio = 0;
    std::future<QImage> image;
};
BackgroundAhead drawWindowBackgroundAhead(WindowStyle style, QSize size = {});
// Shape of the window: set pixels are inside. Splash windows are rectangular (all set).
QBitmap windowMask(WindowStyle style, QSize size = {});

// Button picture list of the main window: pairs (normal, under the mouse) of 40 x 37.
// 0/1 New Game, 2/3 Open Game, 4/5 Save Game, 6/7 Hall Of Fame, 8/9 Editor,
// 10/11 Online Update, 12/13 Help, 14/15 Exit, 16/17 My Top10, 18/19 Online Top50.
inline constexpr int kButtonPictureCount = 20;
inline constexpr QSize kButtonPictureSize{40, 37};
QPixmap buttonPicture(int index);  // null outside 0..19

// Small title-bar buttons, 18 x 18.
enum class SmallButton { Close, Help, Minimise, Info };
inline constexpr QSize kSmallButtonSize{18, 18};
QPixmap smallButtonPicture(SmallButton button, bool hover = false);

// The sound button's two pictures, 24 x 24: 0 sound off, 1 sound on.
inline constexpr QSize kSoundPictureSize{24, 24};
QPixmap soundPicture(int index);  // null outside 0..1

// Toolbar pictures of the editor and the page buttons of other windows, 24 x 24.
enum class ToolPicture {
    Previous,
    Next,
    Search,
    NewQuestion,
    Delete,
    Save,
    Undo,
    NewFile,
    Open,
    Import,
    Export,
    Help,
    Exit,
};
inline constexpr int kToolPictureCount = 13;
inline constexpr QSize kToolPictureSize{24, 24};
QPixmap toolPicture(ToolPicture picture, bool hover = false);

// Player pictures 0..9 and the placeholder of an empty seat, 103 x 120.
inline constexpr int kPlayerPictureCount = 10;
inline constexpr QSize kPlayerPictureSize{103, 120};
QPixmap playerPicture(int index);  // null outside 0..9
QPixmap placeholderPicture();

// Frame that marks the current player's seat (transparent inside), see main_layout.h.
QPixmap seatFramePicture();

// Pictures of the question area, 160 x 120.
enum class ResultPicture { Right, Wrong, Joker, End, Estimation };
inline constexpr QSize kResultPictureSize{160, 120};
QPixmap resultPicture(ResultPicture picture);

// Language flags of the on-line list, 22 x 14: 0 German, 1 English, 2 French, 3 Spanish,
// 4 Italian, 5 any other language and empty rows.
inline constexpr int kFlagCount = 6;
inline constexpr QSize kFlagSize{22, 14};
QPixmap flagPicture(int index);  // null outside 0..5

// The default banner of the main window, 133 x 90, with its lines in `language`.
inline constexpr QSize kBannerSize{133, 90};
QPixmap bannerPicture(Language language = Language::Englisch);

// The side picture of the top-fifty upload (globe and trophy on a violet column), any size.
QPixmap wizardSidePicture(QSize size);

// The side picture of the update wizard: the world above packages coming down, the logo below.
inline constexpr QSize kWizardPictureSize{104, 250};
QPixmap updateWizardPicture();

// The program icon at 16, 32, 48 and 256 pixels, and one square picture of it (always in
// device pixels: icon files and the window manager ask for exact sizes).
QIcon programIcon();
QPixmap programIconPicture(int size = 32);

}  // namespace trivanto::artwork
