// Pictures: reading and writing bitmaps, drawing and copying pictures,
// loading from files, PNG output.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include <unistd.h>

#include "platform/api.h"
#include "platform/backend/headless.h"
#include "platform/internal.h"
#include "tests/support/media_files.h"

namespace ham {
namespace {

namespace fs = std::filesystem;

using testing::BmpWith;
using testing::Put16;
using testing::Put32;

// A bitmap of w x h from rows given top first: palette indices for up to 8
// bits, 0xRRGGBB values otherwise. With file_header false, a bare DIB.
std::vector<std::uint8_t> MakeBmp(int bits, int w, int h, bool top_down, const std::vector<Pixel>& palette,
                                  const std::vector<std::uint32_t>& values, bool file_header = true) {
  const std::uint32_t stride = ((static_cast<std::uint32_t>(w * bits) + 31) / 32) * 4;
  std::vector<std::uint8_t> pixels;
  for (int r = 0; r < h; ++r) {
    const int y = top_down ? r : h - 1 - r;
    std::vector<std::uint8_t> row(stride, 0);
    for (int x = 0; x < w; ++x) {
      const std::uint32_t v = values[static_cast<std::size_t>(y * w + x)];
      if (bits <= 8) {
        const int bit = x * bits;
        row[static_cast<std::size_t>(bit / 8)] |= static_cast<std::uint8_t>(v << (8 - bits - bit % 8));
      } else {
        const std::size_t at = static_cast<std::size_t>(x * (bits / 8));
        row[at] = static_cast<std::uint8_t>(v & 255);
        row[at + 1] = static_cast<std::uint8_t>((v >> 8) & 255);
        row[at + 2] = static_cast<std::uint8_t>((v >> 16) & 255);
        if (bits == 32) row[at + 3] = 0xAA;  // unused byte
      }
    }
    pixels.insert(pixels.end(), row.begin(), row.end());
  }
  std::vector<std::uint8_t> entries;
  for (Pixel p : palette) Put32(entries, p);  // blue, green, red, 0
  std::vector<std::uint8_t> file = BmpWith(w, top_down ? -h : h, bits, 0, static_cast<std::uint32_t>(pixels.size()),
                                           entries, pixels);
  if (!file_header) file.erase(file.begin(), file.begin() + 14);
  return file;
}

struct Sample {
  std::vector<Pixel> palette;
  std::vector<std::uint32_t> values;
  std::vector<Pixel> want;  // top first
};

Sample MakeSample(int bits, int w, int h) {
  Sample s;
  if (bits <= 8) {
    const int n = 1 << bits;
    for (int k = 0; k < n; ++k) s.palette.push_back(MakePixel((k * 37) & 255, 255 - k, (k * 11 + 5) & 255));
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const std::uint32_t v = static_cast<std::uint32_t>((x + 3 * y) % n);
        s.values.push_back(v);
        s.want.push_back(s.palette[v]);
      }
  } else {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const Pixel p = MakePixel(x * 40, y * 80, 7 * x + y);
        s.values.push_back(p);
        s.want.push_back(p);
      }
  }
  return s;
}

TEST(Bmp, DecodesEveryDepthInBothRowOrders) {
  const int w = 5, h = 3;  // odd width: rows need padding and partial bytes
  for (int bits : {1, 4, 8, 24, 32}) {
    for (bool top_down : {false, true}) {
      const Sample smp = MakeSample(bits, w, h);
      Surface out;
      std::string error;
      ASSERT_TRUE(detail::DecodeBmpFile(MakeBmp(bits, w, h, top_down, smp.palette, smp.values), out, &error))
          << bits << " bits: " << error;
      ASSERT_EQ(out.width(), w);
      ASSERT_EQ(out.height(), h);
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
          EXPECT_EQ(out.Get(x, y), smp.want[static_cast<std::size_t>(y * w + x)])
              << bits << " bits, top_down " << top_down << " at " << x << "," << y;
    }
  }
}

TEST(Bmp, RunLengthBitmapsDecode) {
  // 4 x 2, bottom row first: a run, end of line; a literal of three, end of
  // bitmap. Pixels the runs leave out stay entry 0.
  struct Case {
    int bits;
    std::uint32_t compression;
    std::vector<std::uint8_t> stream;
    std::vector<Pixel> bottom, top;
  };
  const std::vector<Pixel> palette = {0x101010, 0xFF0000, 0x00FF00};
  const Case cases[] = {
      {8, 1, {3, 1, 0, 0, 0, 3, 2, 1, 2, 0, 0, 1},
       {0xFF0000, 0xFF0000, 0xFF0000, 0x101010}, {0x00FF00, 0xFF0000, 0x00FF00, 0x101010}},
      {4, 2, {3, 0x12, 0, 0, 0, 3, 0x21, 0x20, 0, 1},
       {0xFF0000, 0x00FF00, 0xFF0000, 0x101010}, {0x00FF00, 0xFF0000, 0x00FF00, 0x101010}},
  };
  std::vector<std::uint8_t> entries;
  for (Pixel p : palette) Put32(entries, p);
  for (const Case& c : cases) {
    std::vector<std::uint8_t> dib = BmpWith(4, 2, c.bits, c.compression, 0, entries, c.stream, 3);
    dib.erase(dib.begin(), dib.begin() + 14);
    Surface out;
    std::string error;
    ASSERT_TRUE(detail::DecodeDib(dib.data(), dib.size(), out, &error)) << c.bits << ": " << error;
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(out.Get(x, 1), c.bottom[static_cast<std::size_t>(x)]) << c.bits << " bits, x " << x;
      EXPECT_EQ(out.Get(x, 0), c.top[static_cast<std::size_t>(x)]) << c.bits << " bits, x " << x;
    }
    // The same stream cut inside the literal is refused.
    dib.resize(dib.size() - 4);
    EXPECT_FALSE(detail::DecodeDib(dib.data(), dib.size(), out, &error)) << c.bits;
  }
}

TEST(Bmp, SixteenBitBitmapsDecode) {
  // 2 x 1: plain 16-bit is 5-5-5; bit fields here 5-6-5. White and pure red.
  std::vector<std::uint8_t> masks;
  Put32(masks, 0xF800);
  Put32(masks, 0x07E0);
  Put32(masks, 0x001F);
  struct Case {
    const char* name;
    std::uint32_t comp;
    std::vector<std::uint8_t> before;
    std::vector<std::uint8_t> pixels;
  } cases[] = {
      {"5-5-5", 0, {}, {0xFF, 0x7F, 0x00, 0x7C}},
      {"bit fields 5-6-5", 3, masks, {0xFF, 0xFF, 0x00, 0xF8}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Surface out;
    std::string error;
    ASSERT_TRUE(detail::DecodeBmpFile(BmpWith(2, 1, 16, c.comp, 4, c.before, c.pixels), out, &error)) << error;
    ASSERT_EQ(out.width(), 2);
    // Five or six bits widened to eight: within a step of the full value.
    for (auto [got, want] : {std::pair{out.Get(0, 0), 0xFFFFFFu}, std::pair{out.Get(1, 0), 0xFF0000u}}) {
      EXPECT_NEAR(PixelR(got), PixelR(want), 2) << std::hex << got;
      EXPECT_NEAR(PixelG(got), PixelG(want), 2) << std::hex << got;
      EXPECT_NEAR(PixelB(got), PixelB(want), 2) << std::hex << got;
    }
  }
}

TEST(Bmp, PicturesLargerThanAScreenAreRefusedUnread) {
  // Run-length bitmaps of a few bytes: only an end-of-bitmap mark.
  const std::vector<std::uint8_t> palette(256 * 4, 0x40);
  const std::vector<std::uint8_t> end_mark = {0, 1};
  struct Case {
    std::int32_t w, h;
    bool readable;
  } cases[] = {
      {2048, 2048, true}, {2049, 1, false}, {1, 2049, false}, {2048, -2049, false}, {16384, 4096, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.w) + " x " + std::to_string(c.h));
    const std::vector<std::uint8_t> bmp = BmpWith(c.w, c.h, 8, 1, 2, palette, end_mark);
    ASSERT_LT(bmp.size(), 2000u);
    Surface out;
    std::string error;
    EXPECT_EQ(detail::DecodeBmpFile(bmp, out, &error), c.readable) << error;
    if (c.readable) {
      EXPECT_EQ(out.width(), c.w);
      EXPECT_EQ(out.Get(c.w - 1, 0), 0x404040u);
    } else {
      EXPECT_NE(error.find("larger than a screen"), std::string::npos) << error;
    }
  }
}

TEST(Bmp, PixelDataShorterThanDeclaredIsRefused) {
  const std::vector<std::uint8_t> palette(256 * 4, 0);
  // Run-length data said to be 64 bytes long, 4 present.
  std::vector<std::uint8_t> rle = BmpWith(4, 2, 8, 1, 64, palette, {0, 0, 0, 1});
  Surface out;
  std::string error;
  EXPECT_FALSE(detail::DecodeBmpFile(rle, out, &error));
  EXPECT_NE(error.find("truncated"), std::string::npos) << error;
  rle = BmpWith(4, 2, 8, 1, 4, palette, {0, 0, 0, 1});
  EXPECT_TRUE(detail::DecodeBmpFile(rle, out, &error)) << error;
  // Uncompressed: every row with its padding.
  const std::vector<std::uint8_t> rows(2 * 8, 0);
  EXPECT_TRUE(detail::DecodeBmpFile(BmpWith(2, 2, 24, 0, 0, {}, rows), out, &error)) << error;
  EXPECT_FALSE(detail::DecodeBmpFile(BmpWith(2, 2, 24, 0, 0, {}, {rows.begin(), rows.end() - 2}), out, &error));
}

TEST(Bmp, TruncatedFilesAreRefused) {
  const Sample smp = MakeSample(24, 3, 4);
  const std::vector<std::uint8_t> full = MakeBmp(24, 3, 4, false, smp.palette, smp.values);
  // Everything shorter than the last row's own bytes is refused.
  const std::size_t needed = 14 + 40 + 12 * 3 + 9;
  for (std::size_t n = 0; n < needed; ++n) {
    std::vector<std::uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
    Surface out;
    std::string error;
    EXPECT_FALSE(detail::DecodeBmpFile(cut, out, &error)) << n;
    EXPECT_FALSE(error.empty()) << n;
  }
  const Sample pal = MakeSample(8, 3, 2);
  const std::vector<std::uint8_t> indexed = MakeBmp(8, 3, 2, true, pal.palette, pal.values, false);
  for (std::size_t n = 0; n < 40 + 256 * 4; n += 7) {
    Surface out;
    EXPECT_FALSE(detail::DecodeDib(indexed.data(), n, out, nullptr)) << n;
  }
}

TEST(Bmp, MalformedHeadersAreRefused) {
  const Sample smp = MakeSample(8, 3, 2);
  const std::vector<std::uint8_t> good = MakeBmp(8, 3, 2, false, smp.palette, smp.values);
  struct Case {
    const char* name;
    std::size_t at;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {"magic", 0, {'X', 'M'}},
      {"header size", 14, {7, 0, 0, 0}},
      {"zero width", 18, {0, 0, 0, 0}},
      {"negative width", 18, {0xFF, 0xFF, 0xFF, 0xFF}},
      {"huge width", 18, {0, 0, 0, 0x40}},
      {"most negative height", 22, {0, 0, 0, 0x80}},
      {"bit count 16", 28, {16, 0}},
      {"bit count 0", 28, {0, 0}},
      {"bitfields", 30, {3, 0, 0, 0}},
      {"pixels beyond the end", 10, {0xF0, 0xFF, 0, 0}},
  };
  for (const Case& c : cases) {
    std::vector<std::uint8_t> bad = good;
    std::copy(c.bytes.begin(), c.bytes.end(), bad.begin() + static_cast<std::ptrdiff_t>(c.at));
    Surface out;
    std::string error;
    EXPECT_FALSE(detail::DecodeBmpFile(bad, out, &error)) << c.name;
    EXPECT_FALSE(error.empty()) << c.name;
  }
  Surface out;
  EXPECT_TRUE(detail::DecodeBmpFile(good, out, nullptr));
}

TEST(Bmp, CorruptedBytesNeverReadOutOfBounds) {
  // Deterministic mutations of valid files of each depth; run under the
  // address sanitizer this checks every read is bounded.
  std::uint32_t seed = 12345;
  auto next = [&] {
    seed = seed * 1103515245u + 12345u;
    return seed >> 8;
  };
  for (int bits : {1, 4, 8, 24, 32}) {
    const Sample smp = MakeSample(bits, 7, 5);
    const std::vector<std::uint8_t> good = MakeBmp(bits, 7, 5, bits % 2 == 0, smp.palette, smp.values);
    for (int round = 0; round < 600; ++round) {
      std::vector<std::uint8_t> bad = good;
      const int changes = 1 + static_cast<int>(next() % 4);
      for (int k = 0; k < changes; ++k) {
        // Mostly the headers, where a bad value does the most harm.
        const std::size_t span = next() % 3 ? std::min<std::size_t>(bad.size(), 60) : bad.size();
        const std::size_t at = next() % span;
        bad[at] = static_cast<std::uint8_t>(next());
      }
      if (next() % 5 == 0) bad.resize(next() % bad.size());
      Surface out;
      std::string error;
      if (detail::DecodeBmpFile(bad, out, &error)) {
        EXPECT_GT(out.width(), 0);
      } else {
        EXPECT_FALSE(error.empty());
      }
    }
  }
}

TEST(Bmp, NavigationStyleDibRoundTrips) {
  Surface s(170, 33);
  for (int y = 0; y < 33; ++y)
    for (int x = 0; x < 170; ++x) s.Set(x, y, MakePixel(x, y * 7, (x * y) & 255));
  const std::vector<std::uint8_t> dib = detail::EncodeDib24(s);
  ASSERT_EQ(dib.size(), 40u + 512u * 33u);
  auto u32 = [&](std::size_t at) {
    return static_cast<std::uint32_t>(dib[at]) | (static_cast<std::uint32_t>(dib[at + 1]) << 8) |
           (static_cast<std::uint32_t>(dib[at + 2]) << 16) | (static_cast<std::uint32_t>(dib[at + 3]) << 24);
  };
  EXPECT_EQ(u32(0), 40u);
  EXPECT_EQ(u32(4), 170u);
  EXPECT_EQ(u32(8), 33u);  // bottom-up
  EXPECT_EQ(u32(20), 512u * 33u);
  EXPECT_EQ(u32(24), 3790u);
  EXPECT_EQ(u32(28), 3800u);
  // Bottom row first, blue green red.
  EXPECT_EQ(dib[40], PixelB(s.Get(0, 32)));
  EXPECT_EQ(dib[42], PixelR(s.Get(0, 32)));
  Surface back;
  std::string error;
  ASSERT_TRUE(detail::DecodeDib(dib.data(), dib.size(), back, &error)) << error;
  ASSERT_EQ(back.width(), 170);
  ASSERT_EQ(back.height(), 33);
  for (int y = 0; y < 33; ++y)
    for (int x = 0; x < 170; ++x) ASSERT_EQ(back.Get(x, y), s.Get(x, y)) << x << "," << y;

  const std::vector<std::uint8_t> file = detail::EncodeBmpFile24(s);
  ASSERT_EQ(file.size(), 14 + dib.size());
  Surface again;
  ASSERT_TRUE(detail::DecodeBmpFile(file, again, &error)) << error;
  EXPECT_EQ(again.Get(169, 32), s.Get(169, 32));
}

struct Desk {
  Runtime rt;
  Desk() {
    rt.SetBackend(std::make_unique<HeadlessBackend>(rt));
    rt.trace().set_keep(true);
  }
};

TEST(Picture, MergePenOrsThePictureIntoTheTarget) {
  Desk d;
  Picture pic("B42");
  FmNewPictureSize(pic, 2, 1);
  pic.surface().Set(0, 0, 0x00FF00);
  pic.surface().Set(1, 0, 0x000000);
  Picture board("BOARD");
  board.surface().Reset(10, 10, 0xFF0000);
  FmSetDrawMode(&board, kDrawMergePen);
  FmDrawPicture(&board, pic, 3, 4);
  EXPECT_EQ(board.surface().Get(3, 4), 0xFFFF00u);
  EXPECT_EQ(board.surface().Get(4, 4), 0xFF0000u);  // black leaves the target as it was
  FmSetDrawMode(&board, kDrawCopyPen);
  FmDrawPicture(&board, pic, 3, 5);
  EXPECT_EQ(board.surface().Get(4, 5), 0x000000u);
  // Partly outside: clipped.
  FmDrawPicture(&board, pic, -1, 9);
  EXPECT_EQ(board.surface().Get(0, 9), 0x000000u);
  const std::string& t = d.rt.trace().lines().back();
  EXPECT_NE(t.find("\"op\":\"picture\",\"form\":\"BOARD\",\"picture\":\"B42\""), std::string::npos) << t;
}

TEST(Picture, DrawnAtTheLogicalPositionUnscaled) {
  Desk d;
  RtSetWindow(nullptr, 0, 0, 0, 0, 639, 568);
  RtSetViewport(nullptr, 0, 0, 639, 479);
  Picture pic;
  FmNewPictureSize(pic, 3, 3);
  pic.surface().Fill(0x123456);
  FmDrawPicture(nullptr, pic, 100, 284);  // y 284 -> pixel 239.5 -> 240
  const Surface& s = d.rt.main_form().surface();
  EXPECT_EQ(s.Get(100, 240), 0x123456u);
  EXPECT_EQ(s.Get(102, 242), 0x123456u);
  EXPECT_NE(s.Get(103, 242), 0x123456u);
  EXPECT_NE(s.Get(100, 239), 0x123456u);
}

TEST(Picture, CopyRectMovesBlocksBetweenSheetPictureAndMainWindow) {
  Desk d;
  RtSetWindow(nullptr, 0, 0, 0, 0, 639, 568);
  RtSetViewport(nullptr, 0, 0, 639, 479);
  Form* sheet = d.rt.AddForm(std::make_unique<Form>("FORM2"));
  sheet->surface().Reset(640, 480, 0);
  RtDrawLine(sheet, 50, 100, 54, 102, 12, LineShape::kFilledBox);  // pixels: no window on the sheet
  Picture save("SAVE");
  FmNewPictureSize(save, 4, 2);
  FmCopyRect(&save, 0, 0, 4, 2, sheet, 50, 100);
  EXPECT_EQ(save.surface().Get(3, 1), sheet->PaletteColor(12));
  FmCopyRect(nullptr, 50, 284, 4, 2, &save, 0, 0);
  const Surface& m = d.rt.main_form().surface();
  EXPECT_EQ(m.Get(50, 240), sheet->PaletteColor(12));
  EXPECT_EQ(m.Get(53, 241), sheet->PaletteColor(12));
  EXPECT_NE(m.Get(54, 241), sheet->PaletteColor(12));
  FmDeletePicture(save);
  EXPECT_TRUE(save.surface().empty());
  const std::string& t = d.rt.trace().lines().back();
  EXPECT_NE(t.find("\"op\":\"copy\",\"form\":\"MAINFORM\""), std::string::npos) << t;
  EXPECT_NE(t.find("\"src\":\"SAVE\""), std::string::npos) << t;
}

TEST(Picture, OverlappingCopyWithinOneCanvasAndBlocksOutside) {
  Desk d;
  Picture p;
  FmNewPictureSize(p, 6, 1);
  for (int x = 0; x < 6; ++x) p.surface().Set(x, 0, static_cast<Pixel>(x + 1));
  FmCopyRect(&p, 1, 0, 5, 1, &p, 0, 0);
  for (int x = 1; x < 6; ++x) EXPECT_EQ(p.surface().Get(x, 0), static_cast<Pixel>(x)) << x;
  FmCopyRect(&p, -100, -100, 1000000, 1000000, &p, 3, 0);  // clipped on both sides
  FmCopyRect(&p, 0, 0, -5, 3, &p, 0, 0);
  EXPECT_EQ(p.surface().width(), 6);
}

TEST(Picture, UnreadablePictureIsFatalWithTheModuleAndLine) {
  Desk d;
  const fs::path dir = fs::temp_directory_path() / ("ham_pic_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  d.rt.current_folder() = dir;
  std::ofstream(dir / "JUNK.BMP", std::ios::binary) << "not a bitmap";
  {
    // A small file that claims 16384 x 4096 pixels.
    const std::vector<std::uint8_t> huge = BmpWith(16384, 4096, 8, 1, 2, std::vector<std::uint8_t>(1024, 0), {0, 1});
    std::ofstream(dir / "HUGE.BMP", std::ios::binary)
        .write(reinterpret_cast<const char*>(huge.data()), static_cast<std::streamsize>(huge.size()));
  }
  for (const char* path : {"NOSUCH.BMP", "JUNK.BMP", "HUGE.BMP"}) {
    Picture pic;
    FmNewPicture(pic);
    EXPECT_EQ(RunProgram(d.rt, [&] { FmLoadPicture(pic, path); }), 1) << path;
    const std::string& t = d.rt.trace().lines().back();
    EXPECT_NE(t.find("\"op\":\"fatal\""), std::string::npos) << t;
    EXPECT_NE(t.find("cannot read picture"), std::string::npos) << t;
    EXPECT_NE(t.find(path), std::string::npos) << t;
    EXPECT_FALSE(pic.loaded);
  }
  fs::remove_all(dir);
}

TEST(Picture, LoadsABitmapFile) {
  Desk d;
  const fs::path dir = fs::temp_directory_path() / ("ham_load_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  d.rt.current_folder() = dir;
  if (!detail::ResolveDosPath(d.rt, "A.BMP", nullptr)) {
    fs::remove_all(dir);
    GTEST_SKIP() << "DOS paths not resolved yet";
  }
  const Sample smp = MakeSample(4, 3, 2);
  const std::vector<std::uint8_t> bytes = MakeBmp(4, 3, 2, false, smp.palette, smp.values);
  std::ofstream(dir / "A.BMP", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                       static_cast<std::streamsize>(bytes.size()));
  Picture pic;
  FmNewPicture(pic);
  FmLoadPicture(pic, "A.BMP");
  EXPECT_TRUE(pic.loaded);
  ASSERT_EQ(pic.surface().width(), 3);
  EXPECT_EQ(pic.surface().Get(2, 1), smp.want[5]);
  fs::remove_all(dir);
}

TEST(Png, WritesANonEmptyRgbFile) {
  Surface s(7, 5, 0x336699);
  s.Set(6, 4, 0xFF0000);
  const fs::path file = fs::temp_directory_path() / ("ham_shot_" + std::to_string(::getpid()) + ".png");
  ASSERT_TRUE(detail::WritePng(s, file));
  std::ifstream in(file, std::ios::binary);
  std::string head(8, '\0');
  in.read(head.data(), 8);
  EXPECT_EQ(head, std::string("\x89PNG\r\n\x1a\n", 8));
  EXPECT_GT(fs::file_size(file), 40u);
  fs::remove(file);
  EXPECT_FALSE(detail::WritePng(s, fs::temp_directory_path() / "no_such_dir_ham" / "x.png"));
  EXPECT_FALSE(detail::WritePng(Surface(), file));
}

}  // namespace
}  // namespace ham
