#include "platform/backend/headless.h"

#include <fstream>
#include <iostream>
#include <limits>
#include <sstream>

#include "platform/internal.h"
#include "platform/signals.h"
#include "platform/trace.h"

namespace ham {

namespace {
std::string Trim(const std::string& s) {
  std::size_t a = 0, b = s.size();
  while (a < b && (s[a] == ' ' || s[a] == '\t' || s[a] == '\r')) ++a;
  while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t' || s[b - 1] == '\r' || s[b - 1] == '\n')) --b;
  return s.substr(a, b - a);
}

std::string Verb(const std::string& line) { return line.substr(0, line.find(' ')); }

// The longest time prefix: a day.
constexpr long long kMaxDelay = 8'640'000;

// The clock stops at its end instead of running over it.
std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b) {
  if (b > 0 && a > std::numeric_limits<std::int64_t>::max() - b) return std::numeric_limits<std::int64_t>::max();
  return a + b;
}

bool KnownVerb(const std::string& v) {
  return v == "click" || v == "type" || v == "erase" || v == "key" || v == "dismiss" || v == "shot" ||
         v == "probe";
}
}  // namespace

bool HeadlessBackend::SetScript(const std::string& text, std::string* error) {
  actions_.clear();
  std::istringstream in(text);
  std::string raw;
  int no = 0;
  while (std::getline(in, raw)) {
    ++no;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    std::string t = Trim(raw);
    if (t.empty() || t[0] == '#') continue;
    ScriptAction a;
    a.line_no = no;
    a.source = t;
    if (t[0] == '+') {
      std::size_t sp = t.find(' ');
      std::string num = t.substr(1, sp == std::string::npos ? std::string::npos : sp - 1);
      bool digits = !num.empty() && num.find_first_not_of("0123456789") == std::string::npos;
      if (!digits || sp == std::string::npos) {
        if (error) *error = "script line " + std::to_string(no) + ": bad time prefix: " + t;
        return false;
      }
      // More digits than the bound has are beyond it whatever they say.
      long long d = num.size() > 9 ? kMaxDelay + 1 : std::stoll(num);
      if (d > kMaxDelay) {
        if (error)
          *error = "script line " + std::to_string(no) + ": time prefix beyond " + std::to_string(kMaxDelay) +
                   " units: " + t;
        return false;
      }
      a.timed = true;
      a.delay = d;
      t = t.substr(sp + 1);
      std::size_t k = 0;
      while (k < t.size() && t[k] == ' ') ++k;
      t = t.substr(k);
    }
    // The text of "type" keeps its blanks: take it from the raw line.
    if (Verb(t) == "type") {
      std::size_t pos = raw.find("type");
      a.line = raw.substr(pos);
    } else {
      a.line = t;
    }
    if (!KnownVerb(Verb(a.line))) {
      if (error) *error = "script line " + std::to_string(no) + ": unknown action: " + t;
      return false;
    }
    actions_.push_back(std::move(a));
  }
  return true;
}

bool HeadlessBackend::LoadScript(const std::filesystem::path& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (error) *error = "cannot read script " + path.string();
    return false;
  }
  std::stringstream ss;
  ss << in.rdbuf();
  return SetScript(ss.str(), error);
}

void HeadlessBackend::AddAction(const std::string& line) {
  std::string err;
  std::deque<ScriptAction> keep = std::move(actions_);
  actions_.clear();
  if (!SetScript(line, &err)) {
    actions_ = std::move(keep);
    std::cerr << err << std::endl;
    return;
  }
  for (auto& a : actions_) keep.push_back(a);
  actions_ = std::move(keep);
}

void HeadlessBackend::Fail(const ScriptAction& a, const std::string& why) {
  std::string msg = "script line " + std::to_string(a.line_no) + " (" + a.source + "): " + why;
  std::cerr << msg << std::endl;
  TraceLine(&rt_.trace(), clock_, "error").Str("text", msg);
  throw ProgramExit{2};
}

void HeadlessBackend::Shot(const ScriptAction& a, const std::string& file) {
  if (file.empty()) Fail(a, "shot needs a file name");
  if (file.find("..") != std::string::npos || file.find('/') != std::string::npos)
    Fail(a, "shot file must be a plain name");
  std::filesystem::path dir = shots_.empty() ? std::filesystem::path(".") : shots_;
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  Surface screen;
  rt_.Compose(screen);
  if (!detail::WritePng(screen, dir / file)) Fail(a, "cannot write " + (dir / file).string());
}

void HeadlessBackend::Perform(const ScriptAction& a) {
  last_action_ = clock_;
  TraceLine(&rt_.trace(), clock_, "action").Str("line", a.source);
  const std::string& line = a.line;
  std::string verb = Verb(line);
  std::string rest = line.size() > verb.size() ? line.substr(verb.size() + 1) : std::string();
  bool modal = rt_.message_box().open;
  if (verb == "shot") {
    Shot(a, Trim(rest));
    return;
  }
  if (verb == "probe") {
    if (on_probe) on_probe(Trim(rest));
    return;
  }
  if (verb == "dismiss") {
    if (!modal) Fail(a, "no message box is open");
    rt_.CloseMessageBox();
    return;
  }
  if (modal) {
    if (a.timed) return;  // the box is modal: the action does not reach the program
    Fail(a, "a message box is open");
  }
  if (verb == "click") {
    std::string name = Trim(rest);
    if (Control* c = rt_.FindControl(name)) {
      rt_.ClickControl(*c);
      return;
    }
    if (Form* f = rt_.FindForm(name)) {
      rt_.MouseDownOnForm(*f);
      return;
    }
    Fail(a, "no control or form " + name);
  }
  if (verb == "type") {
    std::size_t sp = rest.find(' ');
    std::string name = rest.substr(0, sp);
    std::string text = sp == std::string::npos ? std::string() : rest.substr(sp + 1);
    Control* c = rt_.FindControl(name);
    if (!c || c->kind != ControlKind::kEditBox) Fail(a, "no edit box " + name);
    rt_.SetFocus(c);
    rt_.TypeText(*c, text);
    return;
  }
  if (verb == "erase") {
    std::istringstream in(rest);
    std::string name;
    int n = 1;
    in >> name;
    if (!(in >> n)) n = 1;
    Control* c = rt_.FindControl(name);
    if (!c || c->kind != ControlKind::kEditBox) Fail(a, "no edit box " + name);
    rt_.SetFocus(c);
    for (int i = 0; i < n; ++i) rt_.PressKey(Key::kBackspace);
    return;
  }
  if (verb == "key") {
    std::string k = Trim(rest);
    Key key;
    if (k == "Return") key = Key::kReturn;
    else if (k == "Tab") key = Key::kTab;
    else if (k == "Backspace") key = Key::kBackspace;
    else if (k == "Escape") key = Key::kEscape;
    else if (k == "Delete") key = Key::kDelete;
    else if (k == "Left") key = Key::kLeft;
    else if (k == "Right") key = Key::kRight;
    else if (k == "Home") key = Key::kHome;
    else if (k == "End") key = Key::kEnd;
    else Fail(a, "unknown key " + k);
    rt_.PressKey(key);
    return;
  }
  Fail(a, "unknown action");
}

void HeadlessBackend::PollSignals() {
  int count = CloseSignalCount();
  if (count == signals_seen_) return;
  signals_seen_ = count;
  rt_.CloseWindow();
}

void HeadlessBackend::AdvanceTo(std::int64_t until) {
  // Closing ends the pause where it is.
  PollSignals();
  if (rt_.closing()) return;
  while (!actions_.empty() && actions_.front().timed && DueTime(actions_.front()) <= until) {
    ScriptAction a = actions_.front();
    actions_.pop_front();
    if (DueTime(a) > clock_) clock_ = DueTime(a);
    Perform(a);
    PollSignals();
    if (rt_.closing()) return;
  }
  if (until > clock_) clock_ = until;
}

std::int64_t HeadlessBackend::DueTime(const ScriptAction& a) const { return SaturatingAdd(last_action_, a.delay); }

void HeadlessBackend::Wait(std::int64_t units) { AdvanceTo(SaturatingAdd(clock_, units)); }

void HeadlessBackend::WaitForAction() {
  if (!waited_) {
    waited_ = true;
    if (on_first_wait) on_first_wait();
  }
  while (!rt_.HasHeldEvents()) {
    PollSignals();
    if (rt_.HasHeldEvents()) break;
    if (actions_.empty()) {
      // The script has run out: as if the pupil closed the window.
      if (!close_sent_) {
        close_sent_ = true;
        rt_.CloseWindow();
        continue;
      }
      if (++idle_after_end_ > 3) rt_.End(0);
      rt_.CloseWindow();
      continue;
    }
    ScriptAction a = actions_.front();
    actions_.pop_front();
    if (a.timed && DueTime(a) > clock_) clock_ = DueTime(a);
    Perform(a);
  }
}

void HeadlessBackend::RunMessageBox() {
  while (rt_.message_box().open) {
    PollSignals();
    if (!rt_.message_box().open) return;
    if (actions_.empty()) {
      rt_.CloseMessageBox();  // window closed: the box goes with it
      return;
    }
    ScriptAction a = actions_.front();
    actions_.pop_front();
    if (a.timed && DueTime(a) > clock_) clock_ = DueTime(a);
    Perform(a);
  }
}

void HeadlessBackend::PlaySound(std::shared_ptr<const SoundClip> clip) {
  sound_end_ = SaturatingAdd(clock_, clip ? clip->DurationUnits() : 0);
}

}  // namespace ham
