// The explanation pages: page 1 (division as a fraction) and page 3 (minutes
// and seconds as fractions), and the bar pictures page 1 repaints bars with.
#include <string>

#include "lessons/division-fractions/lesson.h"
#include "lessons/common/sheet.h"

namespace ham::lessons::division_fractions {

using namespace ham::frame;

namespace {

void Fill(Canvas* target, double x1, double y1, double x2, double y2, int color) {
  RtDrawLine(target, x1, y1, x2, y2, color, LineShape::kFilledBox);
}
void Fill(double x1, double y1, double x2, double y2, int color) { Fill(kMainWindow, x1, y1, x2, y2, color); }

// ----- page 1 ---------------------------------------------------------------------------

// The bar picture (first cell empty) back at its bar's place.
void PutBar(Frame& f, const char* picture, double y) {
  FmCopyRect(kMainWindow, 10, y, 50, 20, &f.picture(picture), 0, 0);
}

// Three bars cut into quarters: one cell out of each goes to the share bar.
Steps QuarterCells() {
  return {
      Call([](Frame& f) {  // out of bar 1
        for (int i = 0; i <= 10; ++i) {
          Fill(6 + 5 * i, 87 + 3 * i, 14 + 5 * i, 103 + 3 * i, 0);
          PutBar(f, kQuarterBarPicture, 90);
          Fill(11 + 5 * i, 90 + 3 * i, 19 + 5 * i, 106 + 3 * i, 9);
          f.Pause(2);
        }
      }),
      Call([](Frame& f) {  // out of bar 2
        for (int i = 0; i <= 10; ++i) {
          Fill(60 + i, 87 + 3 * i, 68 + i, 103 + 3 * i, 0);
          Fill(61, 90, 70, 106, 7);
          Fill(71, 90, 79, 106, 9);
          Fill(61 + i, 90 + 3 * i, 69 + i, 106 + 3 * i, 9);
          f.Pause(5);
          Fill(61, 120, 69, 136, 9);
        }
      }),
      Call([](Frame&) {
        Fill(50, 110, 100, 140, 0);
        Fill(61, 120, 99, 136, 7);
        for (int j = 0; j <= 1; ++j) Fill(61 + 10 * j, 120, 69 + 10 * j, 136, 9);
      }),
      Call([](Frame& f) {  // out of bar 3
        for (int i = 0; i <= 10; ++i) {
          Fill(111, 90, 120, 106, 7);
          Fill(91, 90, 99, 106, 9);
          Fill(90, 120, 99, 136, 7);
          Fill(111 - 3 * i, 90 + 3 * i, 119 - 3 * i, 106 + 3 * i, 9);
          f.Pause(5);
          Fill(111 - 3 * i, 90 + 3 * i, 119 - 3 * i, 106 + 3 * i, 0);
        }
      }),
      Call([](Frame& f) {
        Fill(50, 110, 100, 140, 0);
        Fill(61, 120, 99, 136, 7);
        for (int j = 0; j <= 2; ++j) Fill(61 + 10 * j, 120, 69 + 10 * j, 136, 9);
        f.Pause(50);
      }),
  };
}

// The same with fifths.
Steps FifthCells() {
  return {
      Call([](Frame& f) {
        for (int i = 0; i <= 10; ++i) {
          Fill(6 + 5 * i, 217 + 3 * i, 12 + 5 * i, 233 + 3 * i, 0);
          PutBar(f, kFifthBarPicture, 220);
          Fill(11 + 5 * i, 220 + 3 * i, 17 + 5 * i, 236 + 3 * i, 9);
          f.Pause(2);
        }
      }),
      Call([](Frame& f) {
        for (int i = 0; i <= 8; ++i) {
          Fill(60 + i, 217 + 3 * i, 66 + i, 233 + 3 * i, 0);
          Fill(61, 220, 68, 236, 7);
          Fill(69, 220, 75, 236, 9);
          Fill(61 + i, 220 + 3 * i, 67 + i, 236 + 3 * i, 9);
          f.Pause(5);
          Fill(61, 250, 67, 266, 9);
        }
      }),
      Call([](Frame&) {
        Fill(50, 240, 100, 270, 0);
        Fill(61, 250, 99, 266, 7);
        for (int j = 0; j <= 1; ++j) Fill(61 + 8 * j, 250, 67 + 8 * j, 266, 9);
      }),
      Call([](Frame& f) {
        for (int i = 0; i <= 8; ++i) {
          Fill(111, 220, 118, 236, 7);
          Fill(93, 220, 99, 236, 9);
          Fill(84, 250, 99, 266, 7);
          Fill(111 - 3 * i, 220 + 3 * i, 117 - 3 * i, 236 + 3 * i, 9);
          f.Pause(5);
          Fill(111 - 3 * i, 220 + 3 * i, 117 - 3 * i, 236 + 3 * i, 0);
        }
      }),
      Call([](Frame& f) {
        Fill(50, 240, 100, 270, 0);
        Fill(61, 250, 99, 266, 7);
        for (int j = 0; j <= 2; ++j) Fill(61 + 8 * j, 250, 67 + 8 * j, 266, 9);
        f.Pause(50);
      }),
  };
}

// Three green bars of 38 x 16 at row y, then a pause.
Step ThreeBars(double y) {
  return Call([y](Frame& f) {
    for (int i = 0; i <= 2; ++i) Fill(11 + 50 * i, y, 49 + 50 * i, y + 16, 9);
    f.Pause(200);
  });
}

// Each of the three bars at row y cut by `cuts` white lines `step` apart from x0.
Step CutBars(double y, double x0, int cuts, double step) {
  return Call([y, x0, cuts, step](Frame&) {
    for (int j = 0; j <= 2; ++j)
      for (int i = 0; i < cuts; ++i) {
        double x = x0 + 50 * j + step * i;
        RtDrawLine(kMainWindow, x, y, x, y + 16, 7);
      }
  });
}

// "a  b" and its slanted stroke glide into the fraction a over b beside
// "a÷b＝"; the stroke runs from (x1,y1) to (x2,y2) and levels out.
Steps Glide(const std::string& a, const std::string& b, double y, double erase_top, double erase_bottom,
            bool falling) {
  Steps s;
  double x1 = falling ? 41 : 27, y1 = falling ? y + 1 : y + 17, x2 = falling ? 27 : 41, y2 = falling ? y + 17 : y + 1;
  s.push_back(Text(10, y, a + "  " + b, 2));
  s.push_back(Line(x1, y1, x2, y2, 2));
  s.push_back(Pause(200));
  s.push_back(Call([=](Frame& f) {
    for (int i = 0; i <= 8; ++i) {
      Fill(10, erase_top, 140, erase_bottom, 0);
      RtDrawText(kMainWindow, 10, y, a + "÷" + b + "＝");
      RtDrawText(kMainWindow, 10 + 8 * i, y - i, a, 2);
      double d = falling ? i : -i;
      RtDrawLine(kMainWindow, x1 + 6 * i, y1 + d, x2 + 6 * i, y2 - d, 2);
      RtDrawText(kMainWindow, 42 + 4 * i, y + i, b, 2);
      f.Pause(10);
    }
  }));
  return s;
}

// ----- page 3 ---------------------------------------------------------------------------

// A bar of 60 cells of 10 pixels at y (cell borders in colour 0).
Step CellBorders(double y) {
  return Call([y](Frame&) {
    for (int x = 20; x <= 600; x += 10) RtDrawLine(kMainWindow, x, y, x, y + 10, 0);
  });
}

// The long dotted arc over a bar at y, labelled at (300, label_y).
Steps LongArc(double y, const char* label, double label_y) {
  return {Text(300, label_y, label), Arc(310, y, 300, 0.07, 0.5, 1.0)};
}

}  // namespace

void MakeBarPictures(Frame& f) {
  Form* sheet = common::Sheet(f);
  // A white bar at row y on the sheet; `cells` green cells `pitch` apart
  // from x `first` on, each `width` wide, leave its first cell empty.
  struct BarPicture { const char* name; double y; double first; double pitch; double width; int cells; };
  const BarPicture bars[] = {{kQuarterBarPicture, 90, 21, 10, 8, 3}, {kFifthBarPicture, 220, 19, 8, 6, 4}};
  for (const BarPicture& p : bars) {
    // The block copied is cleared to the board first: the sheet's own
    // background must not show around the bar.
    Fill(sheet, 10, p.y, 59, p.y + 19, 0);
    Fill(sheet, 11, p.y, 49, p.y + 16, 7);
    for (int j = 0; j < p.cells; ++j) {
      double x = p.first + p.pitch * j;
      Fill(sheet, x, p.y, x + p.width, p.y + 16, 9);
    }
    Picture& pic = f.picture(p.name);
    pic.set_name(p.name);
    FmNewPicture(pic);
    FmNewPictureSize(pic, 50, 20);
    FmCopyRect(&pic, 0, 0, 50, 20, sheet, 10, p.y);
  }
}

ExplanationPage DivisionPage() {
  ExplanationPage ex{.paragraphs = 3, .heading_x = 200, .bar_left = 190, .bar_right = 320,
                     .paragraph_window_height = 479, .end_x = 400, .end_y = 340};
  Steps& s = ex.steps;
  // paragraph 1: three bars shared by four, then by five
  Append(s, {Pic("CF.BMP", 220, 60), Pic("PF.BMP", 240, 60), Pause(200),
             Narrate("SOUND1.WAV"),
             Text(5, 30, "3本のカステラを4人で分けると一人分はどれだけになるでしょう｡"), Pause(400),
             Blink(1, 11, {BlinkText(10, 60, "３÷４", {0, 7})}, 40)});
  Append(s, {ThreeBars(90), Narrate("SOUND2.WAV", 100), CutBars(90, 20, 3, 10),
             FilledBox(61, 120, 99, 136, 7), Pause(100)});
  Append(s, QuarterCells());
  Append(s, {Text(105, 120, "← 一人分は─"), Text(196, 112, "3"), Text(196, 128, "4"), Pause(550),
             Narrate("SOUND3.WAV"),
             Text(5, 160, "3本のカステラを5人で分けると一人分はどれだけになるでしょう｡"), Pause(400),
             Blink(1, 11, {BlinkText(10, 190, "３÷５", {0, 7})}, 40)});
  Append(s, {ThreeBars(220), Narrate("SOUND4.WAV", 100), CutBars(220, 18, 4, 8),
             FilledBox(61, 250, 99, 266, 7), Pause(100)});
  Append(s, FifthCells());
  Append(s, {Text(105, 250, "← 一人分は─"), Text(196, 242, "3"), Text(196, 258, "5"), Pause(450)});
  // paragraph 2: a division written as a fraction
  Append(s, {Paragraph(2),
             Narrate("SOUND5.WAV", 500),
             Narrate("SOUND6.WAV"),
             FilledBox(220, 60, 240, 120, 0), Pic("cl.BMP", 155, 50)});
  Append(s, Glide("３", "４", 60, 47, 89, true));
  Append(s, {Pause(200), FilledBox(155, 50, 195, 110, 0), Pic("cl.BMP", 155, 180)});
  Append(s, Glide("３", "５", 190, 177, 219, false));
  Append(s, {Pause(400),
             FilledBox(0, 28, 600, 390, 0), Pic("CF.BMP", 220, 60), Pic("PF.BMP", 240, 60),
             Narrate("SOUND7.WAV"),
             Text(10, 60, "２÷７"), Pause(300),
             Narrate("SOUND8.WAV")});
  Append(s, Glide("２", "７", 60, 37, 90, true));
  Append(s, {Pause(200),
             Narrate("SOUND9.WAV"),
             Text(10, 190, "５÷８"), Pause(300),
             Narrate("SOUND8.WAV")});
  Append(s, Glide("５", "８", 190, 177, 240, false));
  s.push_back(Pause(300));
  // The page end closes the sound of paragraph 2; paragraph 3 only labels it.
  return ex;
}

ExplanationPage TimePage() {
  ExplanationPage ex{.paragraphs = 4, .heading_x = 200, .bar_left = 190, .bar_right = 320,
                     .paragraph_window_height = 479, .end_x = 400, .end_y = 380};
  Steps& s = ex.steps;
  // paragraph 1: units
  Append(s, {Pic("CF.BMP", 550, 110), Pic("PF.BMP", 580, 110), Pause(250),
             Narrate("SOUND10.WAV"),
             Text(10, 20, "1時間は"), Pause(300),
             Narrate("SOUND11.WAV"),
             Text(80, 20, "60分"), Pause(300),
             Narrate("SOUND12.WAV"),
             Text(10, 50, "1分は"), Pause(300),
             Narrate("SOUND13.WAV", 500)});
  // paragraph 2: one minute is 1/60 hour
  Append(s, {Paragraph(2),
             Narrate("SOUND14.WAV"),
             FilledBox(10, 90, 610, 100, 7), Font(13), Dotted()});
  Append(s, LongArc(90, "1時間", 54));
  Append(s, {Solid(), Pause(400),
             FilledBox(10, 90, 20, 100, 2), CellBorders(90),
             Dotted(), Arc(15, 100, 5, 2.0, 0, 0.5), Text(8, 111, "1分"), Solid(), Font(16), Pause(400),
             Text(80, 50, "─時間"), Text(83, 40, "1"), Text(80, 60, "60"), Pause(300)});
  // paragraph 3: one second is 1/60 minute; 2 minutes 18 seconds
  Append(s, {Paragraph(3),
             Narrate("SOUND15.WAV", 200),
             Text(10, 140, "1秒は    ─分"), Text(83, 130, "1"), Text(80, 150, "60"), Pause(300),
             Narrate("SOUND16.WAV"),
             FilledBox(10, 180, 610, 190, 7), Font(13), Dotted()});
  Append(s, LongArc(180, "1分", 144));
  Append(s, {Solid(), Pause(200),
             FilledBox(10, 180, 20, 190, 2), CellBorders(180),
             Dotted(), Arc(15, 190, 5, 2.0, 0, 0.5), Text(8, 201, "1秒"), Solid(), Font(16), Pause(700),
             FilledBox(0, 20, 620, 390, 0), Pic("CF.BMP", 350, 310), Pic("PF.BMP", 380, 310),
             Narrate("SOUND17.WAV"),
             Text(10, 30, "2分18秒は 何分ですか｡"), Pause(400),
             Narrate("SOUND18.WAV"),
             FilledBox(10, 90, 610, 100, 2), Font(13), Dotted()});
  Append(s, LongArc(90, "1分", 54));
  s.push_back(FilledBox(10, 170, 610, 180, 2));
  Append(s, LongArc(170, "1分", 134));
  Append(s, {Solid(), Font(16), Pause(300),
             Narrate("SOUND19.WAV"),
             FilledBox(10, 250, 610, 260, 7), Font(13), Dotted()});
  Append(s, LongArc(250, "1分", 214));
  Append(s, {Solid(), Pause(200),
             FilledBox(10, 250, 190, 260, 2), CellBorders(250),
             Dotted(), Arc(100, 260, 90, 0.1, 0, 0.5), Text(100, 272, "18秒"), Solid(), Font(16), Pause(500),
             Narrate("SOUND20.WAV"),
             Text(40, 322, "答え  2 ─ 分"), Text(104, 312, "18"), Text(104, 332, "60"), Pause(550),
             Narrate("SOUND21.WAV", 350),
             Line(120, 312, 104, 328, 2), Line(120, 332, 104, 348, 2),
             Font(13), Text(112, 300, "3"), Text(108, 350, "10"), Font(16),
             Narrate("SOUND22.WAV", 300),
             Text(40, 322, "           分", 0),
             Text(135, 322, "= 2 ─ 分"), Text(170, 312, "3"), Text(165, 332, "10"), Pause(300)});
  return ex;
}

}  // namespace ham::lessons::division_fractions
