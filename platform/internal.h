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

// ----- images (bmp.cpp, png.cpp) -----
// A .BMP file (with its file header), of at most 2048 x 2048 pixels.
bool DecodeBmpFile(const std::vector<std::uint8_t>& bytes, Surface& out, std::string* error);
// A device-independent bitmap without file header (information header first).
bool DecodeDib(const std::uint8_t* data, std::size_t size, Surface& out, std::string* error);
// 24-bit bottom-up DIB of a surface, rows padded to 4 bytes, with the
// resolution fields given.
std::vector<std::uint8_t> EncodeDib24(const Surface& s, std::int32_t xppm = 3790, std::int32_t yppm = 3800);
std::vector<std::uint8_t> EncodeBmpFile24(const Surface& s);
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

// ----- sound (wav.cpp) -----
// PCM 8/16 bit, IMA and Microsoft ADPCM; mono or stereo, 4000 to 192000 Hz,
// at most 10 minutes.
std::shared_ptr<SoundClip> DecodeWav(const std::vector<std::uint8_t>& bytes, std::string* error);

// ----- forms (form_loader.cpp) -----
// Builds a form and its controls from a resource of the program.
std::unique_ptr<Form> BuildForm(std::string_view name, const ResourceTable& table, std::string* error);

// ----- screen (compose.cpp) -----
// Visible forms bottom to top, each its surface then its controls.
void ComposeDesktop(Runtime& rt, Surface& out);
void DrawControl(Surface& out, int ox, int oy, const Control& c, bool focused);
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

// Reads a whole file.
bool ReadFileBytes(const std::filesystem::path& p, std::vector<std::uint8_t>& out);

}  // namespace ham::detail
