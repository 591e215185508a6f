// Start-up: the main window, the host folder, pictures, palette, forms and
// the controls the frame keeps.
#include "frame/frame.h"

#include <iostream>

#include "frame/internal.h"
#include "frame/names.h"

namespace ham::frame {

void Frame::StartUp() {
  SetUpMainWindow();
  LocateBaseFolder();
  CheckHostProgram();
  LoadPictures();
  s_.NumberEntered = 0;
  s_.CommandCode = kIdle;
  SetPalette(nullptr);
  RtSetColor(nullptr, 7, 0, 7, 4, 15);
  if (lesson_.after_palette) lesson_.after_palette(*this);
  ClearPassFlags();
  LoadLearnerRecord();
  s_.CurrentPage = 0;
  DrawContentsPage();
  LoadForms();
  BindControls();
  for (int k = 1; k < kExitButton; ++k) FmSetEnabled(s_.NavButtonRef[static_cast<std::size_t>(k)], -1);
}

void Frame::SetUpMainWindow() {
  s_.MciRef = FmGetControl(nullptr, kMediaControl);
  if (lesson_.before_main_form) lesson_.before_main_form(*this);
  s_.MainFormRef = FmGetMainForm(0);
  RtClearScreen(nullptr, 0);
  RtSetWindow(nullptr, 0, 0, 0, 0, 639, 568);
  RtSetViewport(nullptr, 0, 0, 639, 479, 0, 0, 0);
  FmSetSize(nullptr, 640, 440);
  FmSetPosition(nullptr, 0, 22);
  FmSetFontName(nullptr, "標準明朝");
  FmSetFontSize(kMainWindow, 16);
}

void Frame::LocateBaseFolder() {
  s_.BaseFolder = OsGetCurrentDirectory();
  s_.PassTally = 0;
  for (s_.LoopIndex = 1; s_.LoopIndex <= 5; s_.LoopIndex += 1) {
    int k = static_cast<int>(s_.LoopIndex);
    if (RtLeft(RtRight(s_.BaseFolder, k), 1) == "\\") s_.PassTally = static_cast<float>(k);
  }
  s_.BaseFolder = RtLeft(s_.BaseFolder, RtLen(s_.BaseFolder) - static_cast<int>(s_.PassTally) - 6);
}

void Frame::CheckHostProgram() {
  OsFindFirstFile(1, s_.BaseFolder + "\\" + kHostProgram);
  // A folder of the host's name is no host.
  if (OsFindNothing(1) == -1 || OsFindFoundFile(1) == 0) {
    OsFindClose(1);
    RefuseStart("ｷﾗﾘﾉｰﾄ1.0がありません｡ｸﾘﾌﾀのｻｲﾄで体験版を無料入手して､そこへこのｿﾌﾄを入れて下さい｡",
                std::string("the host program ") + kHostProgram + " is not in " + OsHostPath(s_.BaseFolder) +
                    ", where the lesson looks for it");
  }
  OsFindClose(1);
}

void Frame::RefuseStart(const std::string& box, const std::string& why) {
  std::cerr << "lesson not started: " << why << std::endl;
  FmMessageBox(nullptr, "", box, 0, 1);
  RtEnd(0);
}

void Frame::LoadPictures() {
  for (const PictureSpec& p : lesson_.pictures) {
    Picture& pic = s_.Pictures[p.file];
    pic.set_name(p.file);
    FmNewPicture(pic);
    FmLoadPicture(pic, p.from_da ? s_.BaseFolder + "\\da\\" + p.file : p.file);
  }
}

void Frame::SetPalette(Canvas* target) {
  struct Entry { int index, g, r, b; };
  static const Entry kPalette[] = {
      {8, 0, 0, 128},    {9, 0, 128, 0},     {10, 0, 148, 148},  {0, 128, 0, 0},     {12, 128, 0, 128},
      {13, 128, 255, 255}, {14, 255, 128, 128}, {15, 128, 128, 128}, {1, 0, 0, 255},     {2, 0, 255, 0},
      {3, 0, 255, 255},  {4, 255, 0, 0},     {5, 255, 0, 255},   {6, 255, 255, 0},   {7, 255, 255, 255},
  };
  for (const Entry& e : kPalette) RtSetPalette(target, e.index, e.g, e.r, e.b);
}

void Frame::ClearPassFlags() {
  for (const Page& p : lesson_.pages) {
    if (p.kind != PageKind::kPractice) continue;
    auto& flags = s_.PassFlags[static_cast<std::size_t>(p.practice.flags)];
    flags.assign(p.practice.problems.size() + 1, 0.0f);
  }
}

void Frame::LoadForms() {
  for (const FormLoad& fl : lesson_.forms) {
    Form* f = FmLoadForm(fl.name, 0);
    s_.FormRef[fl.name] = f;
    FmSetPosition(f, fl.x, fl.y);
    if (fl.name == kFooterForm) {
      FmDrawPicture(f, picture("ｻｲｹ.BMP"), 5, 0);
      FmDrawPicture(f, picture("ｽﾄﾗｲﾌﾟ.BMP"), 605, 25);
    } else if (fl.name == kTitleStripForm) {
      FmSetVisible(f, -1);
      RtDrawCircle(f, 10, 10, 6, 5, 1, 0, 0, true, 5);
      RtDrawLine(f, 8, 5, 12, 5, 15);
      RtDrawLine(f, 10, 2, 10, 5, 15);
      RtSetPalette(f, 7, 255, 255, 255);
      RtDrawText(f, 74, 0, "Blackboard", 7, 1, 1);
    } else if (fl.name == kMascotForm) {
      FmDrawPicture(f, picture("ﾎﾟｺ.BMP"), 5, 25);
      FmDrawPicture(f, picture("ﾁｬﾋﾟ.BMP"), 5, 235);
    }
    if (fl.bar_font) {
      FmSetFontName(f, "標準明朝");
      FmSetFontSize(f, 16);
    }
    // Shown forms are flagged after showing, hidden ones before hiding.
    if (fl.flag && fl.show == FormLoad::Show::kHidden) FmSetFormFlag(f, -1);
    if (fl.name != kTitleStripForm) {
      if (fl.show == FormLoad::Show::kShown) FmSetVisible(f, -1);
      if (fl.show == FormLoad::Show::kHidden) FmSetVisible(f, 0);
    }
    if (fl.flag && fl.show != FormLoad::Show::kHidden) FmSetFormFlag(f, -1);
    if (fl.name == kNavigationForm)  // the page buttons wait until start-up is done
      for (int k = 1; k < kExitButton; ++k) FmSetEnabled(FmGetControl(f, kNavButtonPrefix + Num(k)), 0);
  }
}

void Frame::BindControls() {
  for (const std::string& box : lesson_.boxes) {
    for (const FormLoad& fl : lesson_.forms) {
      Form* f = form(fl.name);
      if (f->Find(box)) {
        s_.EditRef[box] = FmGetControl(f, box);
        break;
      }
    }
    if (!s_.EditRef.contains(box)) Runtime::Current().Fatal("edit box " + box + " not found", std::source_location::current());
  }
  for (const std::string& box : lesson_.boxes) FmSetFontSize(edit(box), 14);
  for (int k = 1; k <= kNavButtons; ++k)
    s_.NavButtonRef[static_cast<std::size_t>(k)] = FmGetControl(form(kNavigationForm), kNavButtonPrefix + Num(k));
}

}  // namespace ham::frame
