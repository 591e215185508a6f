// The operations of the forms runtime (Fm...) and of the general runtime
// (Rt...), with the names and argument orders the lesson programs use.
// A drawing target is a Canvas*: a form, a picture, or 0 for the main window.
// Operations that can fail take the caller's source location, so that the
// fatal report names the statement's module and line.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <source_location>
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"
#include "platform/forms.h"
#include "platform/runtime.h"
#include "platform/shapes.h"

namespace ham {

using Loc = std::source_location;

// The main window as a drawing target.
inline constexpr Canvas* kMainWindow = nullptr;
#define HAM_LOC Loc loc = Loc::current()

// ----- drawing surface and colour --------------------------------------------

void RtClearScreen(Canvas* target, int mode = 0);
// Logical window: (x1, y1) top left, (x2, y2) bottom right.
void RtSetWindow(Canvas* target, int flag1, double x1, double y1, int flag2, double x2, double y2);
void RtSetViewport(Canvas* target, int x1, int y1, int x2, int y2, int a = 0, int b = 0, int c = 0);
// Sets one palette entry: green, red, blue in this order.
void RtSetPalette(Canvas* target, int index, int green, int red, int blue);
// mask bits: 1 foreground, 2 background, 4 third, 8 fourth colour.
void RtSetColor(Canvas* target, int fg, int bg, int c3, int c4, int mask);

// color -1: the foreground colour. A filled box with fill_color >= 0 is a
// framed box: outline in `color`, inside in `fill_color`.
void RtDrawLine(Canvas* target, double x1, double y1, double x2, double y2, int color = -1,
                LineShape shape = LineShape::kLine, int fill_color = -1);

// Circle, ellipse (vertical radius r * aspect) or arc from start to end, in
// fractions of a turn from +x towards +y; start > end runs through 0; both 0
// is the whole figure. fill: filled in fill_color (or color when -1).
void RtDrawCircle(Canvas* target, double x, double y, double r, int color = -1, double aspect = 1,
                  double start = 0, double end = 0, bool fill = false, int fill_color = -1);

// One chain: outlined open, or (filled) a closed polygon filled with
// fill_color and outlined with color.
void RtDrawPolyline(Canvas* target, const std::vector<PolyPoint>& points, int color = -1,
                    bool filled = false, int fill_color = -1);

void FmSetDrawMode(Canvas* target, int mode);
void FmSetDrawStyle(Canvas* target, int style);
void FmSetFillStyle(Canvas* target, int style);
void FmSetFillColor(Canvas* target, std::uint32_t rgb);
// Colour value as the forms runtime writes it: r | g << 8 | b << 16.
std::uint32_t FmRgb(int r, int g, int b);
// Fills from (x, y) outwards up to pixels of border_rgb (mode 0), or over the
// connected area of the colour found at (x, y) (mode 1), in the fill colour.
void FmFloodFill(Canvas* target, double x, double y, std::uint32_t border_rgb, int mode = 0);

// ----- pictures -----------------------------------------------------------------

void FmNewPicture(Picture& picture);
void FmLoadPicture(Picture& picture, std::string_view dos_path, HAM_LOC);
void FmDrawPicture(Canvas* target, Picture& picture, double x, double y);
void FmNewPictureSize(Picture& picture, int width, int height);
// Copies a w x h block of src at (sx, sy) to dst at (dx, dy); positions are
// the targets' own coordinates.
void FmCopyRect(Canvas* dst, double dx, double dy, int w, int h, Canvas* src, double sx, double sy);
void FmDeletePicture(Picture& picture);

// ----- text ---------------------------------------------------------------------

void FmSetFontName(Canvas* target, std::string_view face);
void FmSetFontSize(Canvas* target, double points);
void FmSetFontSize(Control* box, double points);
// The literal 0 names the main window.
inline void FmSetFontSize(int main_window, double points) {
  (void)main_window;
  FmSetFontSize(static_cast<Canvas*>(nullptr), points);
}
// Graphic text at a logical position; color -1 is the foreground colour.
// A scale of 0 counts as 1.
void RtDrawText(Canvas* target, double x, double y, std::string_view text, int color = -1,
                int scale_x = 1, int scale_y = 1);
void RtLocate(Canvas* target, int col, int row);
void RtPrintBegin(Canvas* target);
void RtPrintString(std::string_view s);
void RtPrintSingle(float v);
void RtPrintInteger(std::int32_t v);
void RtPrintEnd();

// ----- strings and numbers ------------------------------------------------------

int RtLen(std::string_view s);
std::string RtLeft(std::string_view s, int n);
std::string RtRight(std::string_view s, int n);
std::string RtMid(std::string_view s, int start, int n = -1);
double RtVal(std::string_view s);
std::string RtStrFromSingle(float v);
std::string RtStrFromFloat(double v);
// The text a print statement writes for a number.
std::string RtPrintFormSingle(float v);
std::string RtPrintFormInteger(std::int32_t v);
// Rounds half to even into a 16-bit integer, saturating at its bounds.
std::int16_t RtCInt(double v);

// ----- files --------------------------------------------------------------------

void RtFileOpen(int number, std::string_view dos_path, std::string_view mode, HAM_LOC);
void RtFileClose(std::initializer_list<int> numbers, HAM_LOC);
void RtFileInputBegin(int number, HAM_LOC);
// One input statement's variables, filled in order.
struct InputVar {
  InputVar(std::string& s) : str(&s) {}
  InputVar(float& f) : single(&f) {}
  InputVar(std::int16_t& i) : integer(&i) {}
  InputVar(double& d) : dbl(&d) {}
  std::string* str = nullptr;
  float* single = nullptr;
  std::int16_t* integer = nullptr;
  double* dbl = nullptr;
};
void RtFileInputVars(std::initializer_list<InputVar> vars, HAM_LOC);
void RtFilePrintBegin(int number, HAM_LOC);
void RtFilePrintInteger(std::int32_t v, int more);
void RtFilePrintSingle(float v, int more);
void RtFilePrintFloat(double v, int more);
void RtFilePrintEnd(HAM_LOC);
void RtFileDelete(std::string_view dos_path, HAM_LOC);
// Holds a file for as long as the program runs: an exclusive advisory lock
// on a hidden file beside it, "." + its name + ".lock", which the system
// releases when the program ends, however it ends. The lock file is left in
// place. -1 when the file is held (now, or already), 0 when another program
// holds it. Programs this one starts do not hold it.
int OsLockFile(std::string_view dos_path, HAM_LOC);

// ----- folders, programs, time ----------------------------------------------------

// The current folder as a DOS path (at most 260 characters).
std::string OsGetCurrentDirectory(HAM_LOC);
void OsSetCurrentDirectory(std::string_view dos_path, HAM_LOC);
// The host's path of a DOS path, for what the program tells the teacher; the
// DOS path as given when it leads nowhere on the host.
std::string OsHostPath(std::string_view dos_path);
// File search by name: start, then the test whether nothing was found
// (-1 nothing, 0 found), then close.
void OsFindFirstFile(int search, std::string_view dos_pattern);
int OsFindNothing(int search);
// -1 when what the search found is a file (not a folder), else 0.
int OsFindFoundFile(int search);
void OsFindClose(int search);
void RtRunProgram(std::string_view file_name, HAM_LOC);
[[noreturn]] void RtEnd(int status);
void RtWait(std::int32_t units);
void RtCallSub(std::string_view name, HAM_LOC);

// ----- forms runtime --------------------------------------------------------------

Form* FmLoadForm(std::string_view name, int as_main = 0, HAM_LOC);
Form* FmGetMainForm(int unused = 0);
void FmSetVisible(Form* form, int visible);
void FmSetPosition(Form* form, int left, int top);
void FmMoveForm(Form* form, double left, double top);
double FmGetLeft(Form* form);
double FmGetTop(Form* form);
void FmSetSize(Form* form, double width, double height);
void FmSetFormFlag(Form* form, int flag);
Control* FmGetControl(Form* form, std::string_view name, HAM_LOC);
std::string FmGetText(Control* control);
void FmSetText(Control* control, std::string_view text);
void FmSetFocus(Control* control);
void FmSetEnabled(Control* control, int enabled);
int FmMessageBox(Form* owner, std::string_view caption, std::string_view text, int a = 0, int b = 1);
void FmWaitEvent(int unused = 0);
int FmEventPending();
void FmClearEvent();
int FmMciSend(Control* mci, std::string_view command);

}  // namespace ham
