// Text output: face names mapped onto the IPA fonts through fontconfig,
// glyphs rendered monochrome by FreeType and drawn without background;
// graphic text and text-cell prints with their trace lines.
#include <ft2build.h>
#include FT_FREETYPE_H
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

#include "platform/api.h"
#include "platform/internal.h"
#include "platform/utf8.h"

namespace ham {

// The print statement being built.
struct Runtime::TextCache {
  bool printing = false;
  Canvas* target = nullptr;
  std::string text;
};

namespace {

enum FaceId { kMincho, kPMincho, kGothic, kPGothic, kFaceCount };

struct FaceInfo {
  const char* family;
  bool fixed_pitch;
};

constexpr FaceInfo kFaces[kFaceCount] = {
    {"IPAMincho", true},
    {"IPAPMincho", false},
    {"IPAGothic", true},
    {"IPAPGothic", false},
};

FaceId FaceOf(std::string_view name) {
  if (name == "標準明朝" || name == "ＭＳ 明朝") return kMincho;
  if (name == "ＭＳ Ｐ明朝") return kPMincho;
  if (name == "ＭＳ Ｐゴシック") return kPGothic;
  return kGothic;  // "$ＪＳゴシック", "FixedSys" and every other face
}

// Pixel size of a point size (1 point = 1 pixel), held within sane bounds.
int PixelSize(double size) {
  if (!(size >= 1)) return 1;
  if (size > 1024) return 1024;
  return static_cast<int>(std::lround(size));
}

// Single-byte characters of the classic Japanese code page: ASCII and the
// half-width katakana and forms.
bool IsHalfWidth(char32_t cp) {
  return cp < 0x80 || (cp >= 0xFF61 && cp <= 0xFF9F) || (cp >= 0xFFE8 && cp <= 0xFFEE);
}

struct Glyph {
  int left = 0;  // from the pen position
  int top = 0;   // above the baseline
  int width = 0;
  int height = 0;
  int advance = 0;
  std::vector<std::uint8_t> bits;  // one byte per pixel, row by row
};

// Fonts are shared by the whole process: faces load once.
class FontCache {
 public:
  static FontCache& Get() {
    static FontCache cache;
    return cache;
  }

  std::mutex mutex;

  // Null when no font file could be loaded.
  FT_Face Face(FaceId id) {
    if (!tried_[id]) {
      tried_[id] = true;
      faces_[id] = Load(kFaces[id].family);
    }
    return faces_[id];
  }

  // Baseline below the top of a line of the pixel size.
  int Ascender(FaceId id, int px) {
    FT_Face f = Face(id);
    if (!f || f->ascender - f->descender <= 0) return px * 7 / 8;
    double a = static_cast<double>(px) * f->ascender / (f->ascender - f->descender);
    return static_cast<int>(std::lround(a));
  }

  const Glyph& GlyphOf(FaceId id, int px, char32_t cp) {
    auto key = std::make_tuple(static_cast<int>(id), px, cp);
    auto it = glyphs_.find(key);
    if (it != glyphs_.end()) return it->second;
    return glyphs_.emplace(key, Render(id, px, cp)).first->second;
  }

  // Called before a text is laid out, never while glyphs of it are held.
  void Trim() {
    if (glyphs_.size() > 50000) glyphs_.clear();
  }

  ~FontCache() {
    for (FT_Face f : faces_)
      if (f) FT_Done_Face(f);
    if (library_) FT_Done_FreeType(library_);
    if (fc_ready_) FcFini();
  }

 private:
  FontCache() = default;

  FT_Face Load(const char* family) {
    if (!library_ && FT_Init_FreeType(&library_) != 0) {
      library_ = nullptr;
      return nullptr;
    }
    std::string file;
    int index = 0;
    if (fc_ready_ || (fc_ready_ = FcInit() != 0)) {
      FcPattern* pat = FcPatternCreate();
      FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
      FcConfigSubstitute(nullptr, pat, FcMatchPattern);
      FcDefaultSubstitute(pat);
      FcResult result = FcResultNoMatch;
      FcPattern* match = FcFontMatch(nullptr, pat, &result);
      if (match) {
        FcChar8* path = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path)
          file = reinterpret_cast<const char*>(path);
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        FcPatternDestroy(match);
      }
      FcPatternDestroy(pat);
    }
    if (file.empty()) return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Face(library_, file.c_str(), index, &face) != 0) return nullptr;
    return face;
  }

  Glyph Render(FaceId id, int px, char32_t cp) {
    Glyph g;
    g.advance = kFaces[id].fixed_pitch ? (IsHalfWidth(cp) ? px / 2 : px) : 0;
    FT_Face f = Face(id);
    if (!f || cp < 0x20 || FT_Set_Pixel_Sizes(f, 0, static_cast<FT_UInt>(px)) != 0) {
      if (!kFaces[id].fixed_pitch) g.advance = IsHalfWidth(cp) ? px / 2 : px;
      return g;
    }
    if (FT_Load_Char(f, cp, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) != 0) {
      if (!kFaces[id].fixed_pitch) g.advance = IsHalfWidth(cp) ? px / 2 : px;
      return g;
    }
    FT_GlyphSlot slot = f->glyph;
    if (slot->format != FT_GLYPH_FORMAT_BITMAP) FT_Render_Glyph(slot, FT_RENDER_MODE_MONO);
    if (!kFaces[id].fixed_pitch) g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    const FT_Bitmap& bm = slot->bitmap;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.width = static_cast<int>(bm.width);
    g.height = static_cast<int>(bm.rows);
    g.bits.assign(static_cast<std::size_t>(g.width) * static_cast<std::size_t>(g.height), 0);
    for (int y = 0; y < g.height; ++y) {
      const unsigned char* row = bm.buffer + static_cast<std::ptrdiff_t>(y) * bm.pitch;
      for (int x = 0; x < g.width; ++x) {
        bool on = bm.pixel_mode == FT_PIXEL_MODE_MONO ? ((row[x >> 3] >> (7 - (x & 7))) & 1) != 0
                                                      : row[x] >= 128;
        g.bits[static_cast<std::size_t>(y * g.width + x)] = on ? 1 : 0;
      }
    }
    return g;
  }

  FT_Library library_ = nullptr;
  FT_Face faces_[kFaceCount] = {};
  bool tried_[kFaceCount] = {};
  bool fc_ready_ = false;
  std::map<std::tuple<int, int, char32_t>, Glyph> glyphs_;
};

// Whole pixel of a coordinate, non-finite and far-away values held in range.
int ToPixel(double v) {
  if (!std::isfinite(v)) return 0;
  v = std::clamp(v, -1e9, 1e9);
  return static_cast<int>(std::floor(v + 0.5));
}

int Scale(int s) { return s < 1 ? 1 : s; }

TraceLine TraceOp(std::string_view op) {
  Runtime& rt = Runtime::Current();
  return TraceLine(&rt.trace(), rt.Now(), op);
}

void TraceFont(Canvas& c) {
  TraceOp("font")
      .Str("form", detail::TraceName(c))
      .Str("name", c.state().font_name)
      .Num("size", c.state().font_size);
}

}  // namespace

namespace detail {

int CellWidth(double size) { return PixelSize(size) / 2; }
int CellHeight(double size) { return PixelSize(size); }

TextExtent MeasureText(std::string_view face, double size, std::string_view utf8) {
  FaceId id = FaceOf(face);
  int px = PixelSize(size);
  FontCache& fc = FontCache::Get();
  std::lock_guard<std::mutex> lock(fc.mutex);
  fc.Trim();
  TextExtent e;
  e.height = px;
  for (char32_t cp : utf8::Decode(utf8)) e.width += fc.GlyphOf(id, px, cp).advance;
  return e;
}

void DrawTextPixels(Surface& s, int x, int y, std::string_view utf8, std::string_view face,
                    double size, Pixel color, int sx, int sy, int mode) {
  if (s.empty() || utf8.empty()) return;
  sx = Scale(sx);
  sy = Scale(sy);
  FaceId id = FaceOf(face);
  int px = PixelSize(size);
  FontCache& fc = FontCache::Get();
  std::lock_guard<std::mutex> lock(fc.mutex);
  fc.Trim();
  const int ascender = fc.Ascender(id, px);

  // Glyph pixels of the whole text in unscaled units from the top-left
  // corner, each set once, so that modes such as XOR see every pixel once.
  struct Placed {
    const Glyph* g;
    int ox, oy;
  };
  std::vector<Placed> placed;
  int pen = 0;
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool any = false;
  for (char32_t cp : utf8::Decode(utf8)) {
    const Glyph& g = fc.GlyphOf(id, px, cp);
    if (g.width > 0 && g.height > 0) {
      Placed p{&g, pen + g.left, ascender - g.top};
      if (!any) {
        x0 = p.ox, y0 = p.oy, x1 = p.ox + g.width, y1 = p.oy + g.height;
        any = true;
      } else {
        x0 = std::min(x0, p.ox), y0 = std::min(y0, p.oy);
        x1 = std::max(x1, p.ox + g.width), y1 = std::max(y1, p.oy + g.height);
      }
      placed.push_back(p);
    }
    pen += g.advance;
  }
  if (!any) return;
  const int mw = x1 - x0, mh = y1 - y0;
  std::vector<std::uint8_t> mask(static_cast<std::size_t>(mw) * static_cast<std::size_t>(mh), 0);
  for (const Placed& p : placed)
    for (int gy = 0; gy < p.g->height; ++gy)
      for (int gx = 0; gx < p.g->width; ++gx)
        if (p.g->bits[static_cast<std::size_t>(gy * p.g->width + gx)])
          mask[static_cast<std::size_t>((p.oy - y0 + gy) * mw + (p.ox - x0 + gx))] = 1;

  for (int my = 0; my < mh; ++my) {
    const std::int64_t top = static_cast<std::int64_t>(y) + static_cast<std::int64_t>(my + y0) * sy;
    const std::int64_t ya = std::max<std::int64_t>(top, 0);
    const std::int64_t yb = std::min<std::int64_t>(top + sy, s.height());
    if (ya >= yb) continue;
    // Each run of set mask pixels covers one run of screen pixels.
    const std::uint8_t* bits = mask.data() + static_cast<std::size_t>(my) * static_cast<std::size_t>(mw);
    for (int mx = 0; mx < mw;) {
      if (!bits[mx]) {
        ++mx;
        continue;
      }
      int end = mx;
      while (end < mw && bits[end]) ++end;
      const std::int64_t left = static_cast<std::int64_t>(x) + static_cast<std::int64_t>(mx + x0) * sx;
      const std::int64_t right = static_cast<std::int64_t>(x) + static_cast<std::int64_t>(end + x0) * sx;
      const std::int64_t xa = std::max<std::int64_t>(left, 0);
      const std::int64_t xb = std::min<std::int64_t>(right, s.width());
      if (xa < xb)
        for (std::int64_t py = ya; py < yb; ++py) {
          Pixel* row = s.Row(static_cast<int>(py));
          ApplyDrawModeRun(mode, color, row + xa, row + xb);
        }
      mx = end;
    }
  }
}

}  // namespace detail

void FmSetFontName(Canvas* target, std::string_view face) {
  Canvas& c = detail::Target(target);
  c.state().font_name = std::string(face);
  TraceFont(c);
}

void FmSetFontSize(Canvas* target, double points) {
  Canvas& c = detail::Target(target);
  c.state().font_size = points;
  TraceFont(c);
}

void FmSetFontSize(Control* box, double points) {
  if (box) box->font_size = points;
}

void RtDrawText(Canvas* target, double x, double y, std::string_view text, int color, int scale_x,
                int scale_y) {
  Canvas& c = detail::Target(target);
  const int ink = (color < 0 ? c.state().foreground : color) & 15;
  const int sx = Scale(scale_x), sy = Scale(scale_y);
  detail::DrawTextPixels(c.surface(), ToPixel(c.MapX(x)), ToPixel(c.MapY(y)), text,
                         c.state().font_name, c.state().font_size, c.PaletteColor(ink), sx, sy,
                         c.state().draw_mode);
  TraceLine line = TraceOp("text");
  line.Str("form", detail::TraceName(c)).Num("x", x).Num("y", y).Int("color", ink).Str("text", text);
  if (sx != 1) line.Int("sx", sx);
  if (sy != 1) line.Int("sy", sy);
}

void RtLocate(Canvas* target, int col, int row) {
  Canvas& c = detail::Target(target);
  c.state().text_col = col;
  c.state().text_row = row;
}

void RtPrintBegin(Canvas* target) {
  Runtime::TextCache& p = Runtime::Current().text_cache();
  p.printing = true;
  p.target = &detail::Target(target);
  p.text.clear();
}

namespace {
// Items without a print statement begun go to the main window.
Runtime::TextCache& OpenPrint() {
  Runtime::TextCache& p = Runtime::Current().text_cache();
  if (!p.printing) RtPrintBegin(nullptr);
  return p;
}
}  // namespace

void RtPrintString(std::string_view s) { OpenPrint().text += s; }
void RtPrintSingle(float v) { OpenPrint().text += RtPrintFormSingle(v); }
void RtPrintInteger(std::int32_t v) { OpenPrint().text += RtPrintFormInteger(v); }

void RtPrintEnd() {
  Runtime::TextCache& p = Runtime::Current().text_cache();
  if (!p.printing) return;
  p.printing = false;
  Canvas& c = *p.target;
  DrawState& st = c.state();
  const int ink = st.foreground & 15;
  const std::int64_t px = static_cast<std::int64_t>(st.text_col) * detail::CellWidth(st.font_size);
  const std::int64_t py = static_cast<std::int64_t>(st.text_row) * detail::CellHeight(st.font_size);
  detail::DrawTextPixels(c.surface(), static_cast<int>(std::clamp<std::int64_t>(px, -1000000000, 1000000000)),
                         static_cast<int>(std::clamp<std::int64_t>(py, -1000000000, 1000000000)),
                         p.text, st.font_name, st.font_size, c.PaletteColor(ink), 1, 1, st.draw_mode);
  TraceOp("print")
      .Str("form", detail::TraceName(c))
      .Int("col", st.text_col)
      .Int("row", st.text_row)
      .Int("color", ink)
      .Str("text", p.text);
  st.text_col = 0;
  if (st.text_row < 1000000) ++st.text_row;
  p.text.clear();
  p.target = nullptr;
}

}  // namespace ham

namespace ham::detail {
std::shared_ptr<Runtime::TextCache> MakeTextCache() { return std::make_shared<Runtime::TextCache>(); }
}  // namespace ham::detail
