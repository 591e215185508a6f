// Building blocks that lessons share: the frame's pictures, forms, answer
// bars and navigation, so that a lesson names only what it does otherwise.
#pragma once

#include <string>
#include <vector>

#include "frame/lesson.h"

namespace ham::frame {

// The eight pictures every lesson loads from "da", in the frame's order.
std::vector<PictureSpec> SharedPictures();

// FORM5, FORM3, FORM4, FORM6, FORM7, FORM8, then the further answer bars
// given, each bar at (0, 414), flagged and hidden.
std::vector<FormLoad> FrameForms(const std::vector<std::string>& more_bars, bool bar_font);

// "move.sub": the main window, FORM3, FORM5, FORM6, FORM7, FORM8, then the bars.
std::vector<MoveTarget> FrameMoves(const std::vector<std::string>& more_bars);

// The frame's one-box bar FORM7 and two-box bar FORM9 and, with
// `three_box_bar`, the three-box bar FORM10, their boxes EDIT1.. all writing
// from TypedAnswer1 on: forms, boxes, bars, moves, what the navigation
// blanks and hides, and what a practice page hides at its end.
void UseFrameBars(Lesson& lesson, bool three_box_bar, bool bar_font);

// One answer bar whose boxes fill TypedAnswer slots from `first_typed` on and
// compare with ExpectedAnswer slots from 0 on.
AnswerBar Bar(std::string form, std::string button, std::vector<std::string> boxes, int first_typed = 0);

// The frame's codes for its pages: explanation and practice starts in page
// order, then right and wrong answers in page order, then the exit.
std::vector<float> FrameDispatch(const std::vector<Page>& pages);

// Page-table helpers.
Page ContentsPage();
Page EndPage();

// The head of practice `number` ("練習N") on page `page`: its problem number
// variable, flags array number - 1, header and end text. The answer label
// stays where PracticePage puts it.
PracticePage PracticeOf(int page, int number, int problem_slot);

// ----- the page table -----

// A content page as a lesson's table lists it, before the table numbers it.
struct TablePage {
  PageKind kind = PageKind::kExplanation;
  std::string title;           // on the contents page: "約数 1"; a practice's is "練習 K"
  // Heading of the page module after "Nﾍﾟｰｼﾞ" and its blanks (empty: the title).
  std::string module_title;
  int module_blanks = 10;
  ExplanationPage explanation;
  PracticePage practice;
};
TablePage Explanation(std::string title, ExplanationPage ex);
TablePage Practice(PracticePage pp);

// The pages of a lesson: the contents page, the pages listed as pages 1, 2,
// ..., the end page. Page N, the K-th practice among them, gets what every
// lesson writes the same way:
// - contents row first_row + N - 1 and the contents line: "(よく見よう!)  ☆ "
//   or "(やってみよう!)★ ", the title, a blank, dashes up to `number_column`
//   columns, a blank and "Nページ" (a character outside ASCII and the
//   half-width katakana takes two columns);
// - the page module's heading "Nﾍﾟｰｼﾞ", blanks and the module title, for a
//   practice "Nﾍﾟｰｼﾞ          練習K";
// - an explanation page's heading, unless the page gives it whole, its title
//   padded to 37 columns and "Nﾍﾟｰｼﾞ", and its end text "Nページ終わり";
// - a practice page's header, end text and pass flags as PracticeOf(N, K, ...).
std::vector<Page> PageTable(int first_row, int number_column, std::vector<TablePage> pages);

}  // namespace ham::frame
