// The frame's shared state: every variable of the lesson frame's data model.
// Single-precision values are float; 16-bit integers are stored as float
// holding whole numbers when a lesson declares them so (see Lesson).
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/forms.h"

namespace ham::frame {

constexpr float kIdle = 99;
constexpr float kExitCode = 9999;
// A page's command codes: page * kPageCodes + one of these.
constexpr int kPageCodes = 10;
constexpr int kStartCode = 1;  // the number bar's OK: run the page
constexpr int kRightCode = 2;  // a right answer on a practice page
constexpr int kWrongCode = 3;
constexpr float kChoosingPage = 5;  // InputMode while the page chooser owns the number bar

struct FrameState {
  float CommandCode = 0;
  float CurrentPage = 0;
  float PreviousPage = 0;
  float InputMode = 0;  // kChoosingPage, or 0
  std::string EntryText;
  float NumberEntered = 0;
  std::int16_t StartParagraph = 0;
  float CurrentParagraph = 0;
  float PauseLength = 0;
  std::string WavFile;

  // Problem-number variables; a lesson maps each practice page to one.
  std::array<float, 3> ProblemNumber{};

  // ExpectedAnswer1.. and TypedAnswer1.. (index 0 is answer 1).
  std::array<std::string, 6> ExpectedAnswer;
  std::array<std::string, 6> TypedAnswer;

  // One flag array per practice page, indices 1..count used (index 0 unused).
  std::array<std::vector<float>, 3> PassFlags;

  float PassTally = 0;
  float LoopIndex = 0;
  float ProblemOperand = 0;
  float MsgResult = 0;

  std::string LearnerId;
  std::array<float, 3> RecordCounts{};
  std::string BaseFolder;

  Control* MciRef = nullptr;
  Form* MainFormRef = nullptr;
  std::map<std::string, Form*> FormRef;        // "FORM3" .. by name
  std::map<std::string, Control*> EditRef;     // "EDIT1" .. by name
  std::array<Control*, 8> NavButtonRef{};      // 1..7
  std::map<std::string, Picture> Pictures;     // by file name ("CF.BMP")
};

}  // namespace ham::frame
