// Interfaces between the parts of the runtime; not for lesson code.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"
#include "platform/forms.h"
#include "platform/runtime.h"

namespace ham::detail {

// The canvas a target names: the main window for null.
Canvas& Target(Canvas* target);
// Trace name of a canvas ("MAINFORM", "FORM4", a picture's name).
const std::string& TraceName(const Canvas& c);
// A trace line on the current runtime (written nowhere without one).
TraceLine TraceOp(std::string_view op);
// Nearest whole pixel; far-off and non-finite values are held within int range.
int RoundCoord(double v);

// ----- text (text.cpp) -----
struct TextExtent {
  int width = 0;
  int height = 0;
};
// Pixel size of a face at a point size (1 point = 1 pixel).
TextExtent MeasureText(std::string_view face, double size, std::string_view utf8);
// Draws without background, anti-aliasing off, top-left corner at (x, y),
// each glyph pixel magnified sx by sy, combined with the draw mode.
void DrawTextPixels(Surface& s, int x, int y, std::string_view utf8, std::string_view face,
                    double size, Pixel color, int sx = 1, int sy = 1, int mode = kDrawCopyPen);
// Text cell of RtLocate: half the pixel size wide, the pixel size high.
int CellWidth(double size);
int CellHeight(double size);

// ----- images (png.cpp; bitmaps in codecs.h) -----
bool WritePng(const Surface& s, const std::filesystem::path& path);

// ----- DOS paths (dos_path.cpp) -----
// Host path of a DOS path, relative ones against the current folder; Latin
// letters matched without regard to case. Refuses paths that leave their
// drive. Returns nullopt with `error` set when refused.
std::optional<std::filesystem::path> ResolveDosPath(Runtime& rt, std::string_view dos,
                                                     std::string* error);
// DOS view of a host path: C:\... inside drive C, Z:\... otherwise.
std::string DosPathOf(Runtime& rt, const std::filesystem::path& host);
// Existing entry of `dir` whose name matches `name` without regard to the
// case of Latin letters.
std::optional<std::filesystem::path> FindEntryNoCase(const std::filesystem::path& dir,
                                                     std::string_view name);

// ----- forms (form_loader.cpp) -----
// Builds a form and its controls from a resource of the program.
std::unique_ptr<Form> BuildForm(std::string_view name, const ResourceTable& table, std::string* error);

// ----- screen (compose.cpp) -----
// Visible forms bottom to top, each its surface then its controls.
void ComposeDesktop(Runtime& rt, Surface& out);
void DrawControl(Surface& out, int ox, int oy, const Control& c, bool focused);
// The face a control's text is drawn in.
std::string_view ControlFace(const Control& c);
// Where the open message box stands on the desktop, and its OK button.
struct MessageBoxLayout {
  Rect panel;
  Rect ok;  // desktop coordinates
};
MessageBoxLayout MessageBoxLayoutOf(Runtime& rt);

// Per-runtime state of the modules, made by each module.
std::shared_ptr<Runtime::Files> MakeFilesState();
std::shared_ptr<Runtime::Media> MakeMediaState();
std::shared_ptr<Runtime::TextCache> MakeTextCache();

// One state of a file: which file, its size and its times.
struct FileStamp {
  std::uint64_t device = 0, inode = 0;
  std::int64_t size = 0, modified_ns = 0, changed_ns = 0;
  bool operator==(const FileStamp&) const = default;
};
// The stamp of a regular file; nullopt for anything else.
std::optional<FileStamp> FileStampOf(const std::filesystem::path& p);
// Reads a whole regular file, and the stamp of what it read.
bool ReadFileBytes(const std::filesystem::path& p, std::vector<std::uint8_t>& out, FileStamp* stamp = nullptr);

// ----- sequential files (files.cpp, file_input.cpp) -----
// One item of an input statement from a file's whole text, starting at
// `pos`, which moves past the item and its separator.
std::string ReadStringItem(std::string_view data, std::size_t& pos);
double ReadNumberItem(std::string_view data, std::size_t& pos);
// Closes every open file as the program's end does: outputs are put in
// place. Returns the first failure's description, empty when none.
std::string CloseOpenOutputs(Runtime& rt);

}  // namespace ham::detail
