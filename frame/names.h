// The names of the frame's own forms and controls, as its form resources
// give them. A lesson's further forms and bars are named in its own tables.
#pragma once

namespace ham::frame {

inline constexpr const char* kNumberBarForm = "FORM3";   // paragraph, problem or page number and its OK
inline constexpr const char* kTitleStripForm = "FORM4";  // a click moves the screen between two places
inline constexpr const char* kFooterForm = "FORM5";      // the strip under the page
inline constexpr const char* kMascotForm = "FORM6";      // the two mascots beside the page
inline constexpr const char* kAnswerBarForm = "FORM7";   // the one-box answer bar
inline constexpr const char* kNavigationForm = "FORM8";  // the navigation buttons

inline constexpr const char* kNumberBox = "EDIT1";  // on the number bar
inline constexpr const char* kNumberOk = "BUTTON1";
inline constexpr const char* kAnswerBox = "EDIT2";  // on the one-box answer bar
inline constexpr const char* kMediaControl = "MCI1";
// Navigation button k is "BMPBUTTON" k, 1 to kNavButtons; the last one exits,
// the others open pages. On the bar, left to right: kLastSeen, kPrevious,
// kNext, kChooser, kPageStart, kContents, kExit.
inline constexpr const char* kNavButtonPrefix = "BMPBUTTON";
enum class NavButton {
  kPrevious = 1,   // the page before this one
  kLastSeen = 2,   // the page shown before the last move
  kNext = 3,       // the page after this one
  kChooser = 4,    // the page chooser
  kPageStart = 5,  // this page from its start
  kContents = 6,   // the contents page
  kExit = 7,       // the record written, the host started
};
inline constexpr int kNavButtons = 7;
inline constexpr int kExitButton = static_cast<int>(NavButton::kExit);

// A "move.sub" target that stands for the main window.
inline constexpr const char* kMainWindowTarget = "MAIN";

}  // namespace ham::frame
