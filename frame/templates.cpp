#include "frame/templates.h"

#include <algorithm>

#include "frame/state.h"
#include "platform/utf8.h"

namespace ham::frame {

std::vector<PictureSpec> SharedPictures() {
  return {
      {"ｻｲｹ.BMP", true},  {"ﾎﾟｺ.BMP", true},  {"ﾁｬﾋﾟ.BMP", true}, {"ｽﾄﾗｲﾌﾟ.BMP", true},
      {"ﾎﾟｺ2.BMP", true}, {"ﾁｬﾋﾟ2.BMP", true}, {"PF.BMP", true},    {"CF.BMP", true},
  };
}

std::vector<FormLoad> FrameForms(const std::vector<std::string>& more_bars, bool bar_font) {
  using S = FormLoad::Show;
  std::vector<FormLoad> forms = {
      {"FORM5", 0, 480, S::kShown, false, false},
      {"FORM3", 0, 414, S::kUntouched, false, false},
      {"FORM4", 0, 0, S::kShown, true, false},
      {"FORM6", 641, 0, S::kShown, false, false},
      {"FORM7", 0, 414, S::kHidden, true, bar_font},
      {"FORM8", 0, 440, S::kShown, true, false},
  };
  for (const std::string& b : more_bars) forms.push_back({b, 0, 414, S::kHidden, true, bar_font});
  return forms;
}

std::vector<MoveTarget> FrameMoves(const std::vector<std::string>& more_bars) {
  std::vector<MoveTarget> m = {{"MAIN", 0, 22},    {"FORM3", 0, 414}, {"FORM5", 0, 480},
                               {"FORM6", 641, 0},  {"FORM7", 0, 414}, {"FORM8", 0, 440}};
  for (const std::string& b : more_bars) m.push_back({b, 0, 414});
  return m;
}

AnswerBar Bar(std::string form, std::string button, std::vector<std::string> boxes, int first_typed) {
  AnswerBar b;
  b.form = std::move(form);
  b.button = std::move(button);
  b.boxes = std::move(boxes);
  for (std::size_t i = 0; i < b.boxes.size(); ++i) {
    b.typed.push_back(first_typed + static_cast<int>(i));
    b.expected.push_back(static_cast<int>(i));
  }
  return b;
}

void UseFrameBars(Lesson& lesson, bool three_box_bar, bool bar_font) {
  std::vector<std::string> more = {"FORM9"};
  if (three_box_bar) more.push_back("FORM10");
  lesson.forms = FrameForms(more, bar_font);
  lesson.boxes = {"EDIT1", "EDIT2", "EDIT3", "EDIT4"};
  lesson.bars = {Bar("FORM7", "BUTTON2", {"EDIT2"}), Bar("FORM9", "BUTTON3", {"EDIT3", "EDIT4"})};
  if (three_box_bar) {
    lesson.boxes.insert(lesson.boxes.end(), {"EDIT5", "EDIT6", "EDIT7"});
    lesson.bars.push_back(Bar("FORM10", "BUTTON4", {"EDIT5", "EDIT6", "EDIT7"}));
  }
  lesson.nav_blank = lesson.boxes;
  lesson.nav_hide = {"FORM7"};
  lesson.nav_hide.insert(lesson.nav_hide.end(), more.begin(), more.end());
  lesson.move = FrameMoves(more);
  lesson.practice_hide = {"FORM3", "FORM7"};
  lesson.practice_hide.insert(lesson.practice_hide.end(), more.begin(), more.end());
}

std::vector<float> FrameDispatch(const std::vector<Page>& pages) {
  std::vector<float> codes;
  for (std::size_t p = 1; p < pages.size(); ++p)
    if (pages[p].kind == PageKind::kExplanation || pages[p].kind == PageKind::kPractice)
      codes.push_back(static_cast<float>(p * kPageCodes + kStartCode));
  for (std::size_t p = 1; p < pages.size(); ++p)
    if (pages[p].kind == PageKind::kPractice) {
      codes.push_back(static_cast<float>(p * kPageCodes + kRightCode));
      codes.push_back(static_cast<float>(p * kPageCodes + kWrongCode));
    }
  codes.push_back(kExitCode);
  return codes;
}

Page ContentsPage() {
  Page p;
  p.kind = PageKind::kContents;
  p.module_heading = "0ﾍﾟｰｼﾞ          目次";
  return p;
}

Page EndPage() {
  Page p;
  p.kind = PageKind::kEnd;
  p.module_heading = "単元終わり";
  return p;
}

PracticePage PracticeOf(int page, int number, int problem_slot) {
  PracticePage pp;
  pp.problem_slot = problem_slot;
  pp.flags = number - 1;
  pp.header = "練習" + std::to_string(number) + std::string(32, ' ') + std::to_string(page) + "ﾍﾟｰｼﾞ";
  pp.end_text = std::to_string(page) + "ページ終わり";
  return pp;
}

namespace {

// Columns a text takes: two for a character outside ASCII and the
// half-width katakana.
int Columns(const std::string& text) {
  int n = 0;
  for (char32_t c : utf8::Decode(text)) n += (c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F)) ? 1 : 2;
  return n;
}

std::string Blanks(int n) { return std::string(static_cast<std::size_t>(std::max(n, 0)), ' '); }

constexpr int kHeadingNumberColumn = 37;

}  // namespace

TablePage Explanation(std::string title, ExplanationPage ex) {
  TablePage t;
  t.kind = PageKind::kExplanation;
  t.title = std::move(title);
  t.explanation = std::move(ex);
  return t;
}

TablePage Practice(PracticePage pp) {
  TablePage t;
  t.kind = PageKind::kPractice;
  t.practice = std::move(pp);
  return t;
}

std::vector<Page> PageTable(int first_row, int number_column, std::vector<TablePage> pages) {
  std::vector<Page> table = {ContentsPage()};
  int practices = 0;
  for (TablePage& t : pages) {
    const int n = static_cast<int>(table.size());
    const std::string number = std::to_string(n);
    Page p;
    p.kind = t.kind;
    p.contents_row = first_row + n - 1;
    std::string prefix = "(よく見よう!)  ☆ ";
    std::string module_title = t.module_title.empty() ? t.title : t.module_title;
    if (t.kind == PageKind::kPractice) {
      const int k = ++practices;
      prefix = "(やってみよう!)★ ";
      t.title = "練習 " + std::to_string(k);
      module_title = "練習" + std::to_string(k);
      PracticePage head = PracticeOf(n, k, t.practice.problem_slot);
      t.practice.flags = head.flags;
      t.practice.header = std::move(head.header);
      t.practice.end_text = std::move(head.end_text);
      p.practice = std::move(t.practice);
    } else {
      ExplanationPage& ex = t.explanation;
      if (ex.heading.empty())
        ex.heading = t.title + Blanks(kHeadingNumberColumn - Columns(t.title)) + number + "ﾍﾟｰｼﾞ";
      if (ex.end_text.empty()) ex.end_text = number + "ページ終わり";
      p.explanation = std::move(ex);
    }
    const std::string dashes(static_cast<std::size_t>(std::max(number_column - 2 - Columns(t.title), 0)), '-');
    p.contents_line = prefix + t.title + " " + dashes + " " + number + "ページ";
    p.module_heading = number + "ﾍﾟｰｼﾞ" + Blanks(t.module_blanks) + module_title;
    table.push_back(std::move(p));
  }
  table.push_back(EndPage());
  return table;
}

}  // namespace ham::frame
