// The page modules "pagN.sub" and "site.sub": each page's opening screen.
#include "frame/frame.h"

#include <algorithm>
#include "frame/internal.h"
#include "frame/names.h"

namespace ham::frame {

void Frame::CommonOpening(double height) {
  Form* strip = form(kTitleStripForm);
  FmSetPosition(nullptr, static_cast<int>(FmGetLeft(strip)), static_cast<int>(FmGetTop(strip) + 22));
  FmSetFontName(nullptr, "標準明朝");
  FmSetFontSize(kMainWindow, 16);
  SetColor(7);
  FmSetSize(nullptr, 640, height);
  RtSetWindow(nullptr, 0, 0, 0, 0, 639, 568);
}

void Frame::ShowNumberBar(double x, const std::string& prompt) {
  Form* bar = form(kNumberBarForm);
  FmSetVisible(bar, -1);
  RtClearScreen(bar, 0);
  RtDrawText(bar, x, 3, prompt);
  FmSetFocus(edit(kNumberBox));
}

void Frame::PageModule(int n) {
  switch (lesson_.pages[static_cast<std::size_t>(n)].kind) {
    case PageKind::kContents: ContentsModule(); break;
    case PageKind::kExplanation: ExplanationModule(n); break;
    case PageKind::kPractice: PracticeModule(n); break;
    case PageKind::kEnd: EndModule(); break;
  }
}

void Frame::ContentsModule() {
  CommonOpening(434);
  s_.CurrentPage = 0;
  DrawContentsPage();
}

void Frame::DrawContentsPage() {
  RtClearScreen(nullptr, 0);
  RtDrawLine(nullptr, 0, 0, 640, 570, 6, LineShape::kFilledBox);
  RtDrawLine(nullptr, 0, 0, 640, 52, 2, LineShape::kFilledBox);
  RtDrawText(nullptr, 100, 5, "ハミルタ", 5);
  RtDrawText(nullptr, 100, 29, lesson_.title);
  RtDrawText(nullptr, 20, 57, "0ﾍﾟｰｼﾞ          目次", 10, 2, 2);
  RtDrawLine(nullptr, 10, 96, 630, 300, 0, LineShape::kFilledBox);
  RtDrawLine(nullptr, 0, 510, 640, 570, 5, LineShape::kFilledBox);
  SetColor(7);
  ContentsLines();
  ContentsPassMarks(lesson_.contents_mark_col);
}

void Frame::ContentsLines() {
  for (const Page& p : lesson_.pages)
    if (!p.contents_line.empty()) PrintAt(2, p.contents_row, p.contents_line);
}

void Frame::ContentsPassMarks(int col) {
  for (const Page& p : lesson_.pages) {
    if (p.kind != PageKind::kPractice) continue;
    const auto& flags = s_.PassFlags[static_cast<std::size_t>(p.practice.flags)];
    float tally = 0;
    for (std::size_t i = 1; i < flags.size(); ++i) tally += flags[i];
    if (tally == static_cast<float>(p.practice.problems.size())) PrintAt(col, p.contents_row, "ごうかく!");
  }
}

void Frame::ModuleBoard(int n, int backdrop, int top, int y1, int y2) {
  CommonOpening(392);
  s_.CurrentPage = static_cast<float>(n);
  RtDrawLine(nullptr, 0, 0, 640, 570, backdrop, LineShape::kFilledBox);
  RtDrawText(nullptr, 20, 0, lesson_.pages[static_cast<std::size_t>(n)].module_heading, 10, 2, 2);
  RtDrawLine(nullptr, 10, top, 630, y1, 1, LineShape::kFilledBox);
  RtDrawLine(nullptr, 10, y1 + 1, 630, y2, 2, LineShape::kFilledBox);
  RtDrawLine(nullptr, 10, y2 + 1, 630, 370, 0, LineShape::kFilledBox);
}

void Frame::ExplanationModule(int n) {
  const Page& page = lesson_.pages[static_cast<std::size_t>(n)];
  int paragraphs = page.explanation.paragraphs;
  ModuleBoard(n, 13, 35, 98, 160);
  PrintAt(2, 2, "だん落何番から始めますか?");
  PrintAt(2, 3, "回答らんに1から" + Num(paragraphs) + "までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡");
  for (int k = 1; k <= paragraphs; ++k)
    RtDrawText(nullptr, 104, 190 + 20 * k, "だん落 " + RtStrFromSingle(static_cast<float>(k)));
  for (int k = 7; k >= 1; --k)
    RtDrawCircle(nullptr, 420, 265, 10 * k, k, 1, 0, 0, lesson_.emblem_filled, k);
  RtDrawText(nullptr, 380, 255, "ハルモ", 0);
  ShowNumberBar(70, "だん落  　     　から");
}

void Frame::PracticeModule(int n) {
  const Page& page = lesson_.pages[static_cast<std::size_t>(n)];
  int count = static_cast<int>(page.practice.problems.size());
  ModuleBoard(n, 14, 33, 117, 157);
  PrintAt(2, 2, "何番から始めますか?");
  PrintAt(2, 3, "回答らんに1から" + Num(count) + "までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡");
  PrintAt(2, 5, "1番から" + Num(count) + "番まですべて ごうかくするとパスワードが出ます｡");
  const auto& flags = s_.PassFlags[static_cast<std::size_t>(page.practice.flags)];
  for (int k = 1; k <= count; ++k) {
    // Problems stand in columns of ten.
    int group = std::min((k - 1) / 10, 2);
    int row = 8 + k - 10 * group;
    RtLocate(nullptr, 7 + 28 * group, row);
    RtPrintBegin(nullptr);
    RtPrintSingle(static_cast<float>(k));
    RtPrintEnd();
    PrintAt(10 + 28 * group, row, "番");
    if (flags[static_cast<std::size_t>(k)] == 1) PrintAt(14 + 28 * group, row, "ごうかく");
  }
  ShowNumberBar(70, "問題　  　     　から");
}

void Frame::EndModule() {
  CommonOpening(434);
  s_.CurrentPage = static_cast<float>(lesson_.end_page_current >= 0 ? lesson_.end_page_current : LastContentPage());
  RtDrawLine(nullptr, 0, 0, 640, 550, 14, LineShape::kFilledBox);
  PrintAt(10, 7, "単元終わり");
}

void Frame::ChooserModule() {
  CommonOpening(392);
  RtDrawLine(nullptr, 0, 0, 640, 509, 7, LineShape::kFilledBox);
  RtDrawLine(nullptr, 10, 30, 630, 80, 0, LineShape::kFilledBox);
  RtDrawLine(nullptr, 10, 90, 630, 300, 1, LineShape::kFilledBox);
  RtDrawText(nullptr, 24, 7, "ページ指定", 3);
  PrintAt(2, 2, "何ページを開けますか? 0から" + Num(LastContentPage()) +
                    "までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡");
  PrintAt(18, 5, "目次 ------------------ 0ページ");
  ContentsLines();
  ContentsPassMarks(lesson_.chooser_mark_col);
  s_.InputMode = kChoosingPage;
  ShowNumberBar(202, "ページから");
}

}  // namespace ham::frame
