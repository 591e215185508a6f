// No window: pupil actions from a script or a test, on a virtual clock.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/runtime.h"
#include "platform/signals.h"

namespace ham {

struct ScriptAction {
  int line_no = 0;
  std::string line;      // as written, without the time prefix
  std::string source;    // the whole script line
  bool timed = false;
  std::int64_t delay = 0;
};

class HeadlessBackend : public Backend {
 public:
  explicit HeadlessBackend(Runtime& rt) : rt_(rt) {}

  // Parses a script; returns false with `error` naming the bad line.
  bool SetScript(const std::string& text, std::string* error);
  bool LoadScript(const std::filesystem::path& path, std::string* error);
  void AddAction(const std::string& line);
  void SetShotsFolder(std::filesystem::path p) { shots_ = std::move(p); }
  // Called for a script line "probe NAME" (tests look at the screen there).
  std::function<void(const std::string&)> on_probe;
  // Called when the program first waits for the pupil (start-up is done).
  std::function<void()> on_first_wait;

  bool headless() const override { return true; }
  std::int64_t Now() override { return clock_; }
  void Wait(std::int64_t units) override;
  void WaitForAction() override;
  void RunMessageBox() override;
  void PlaySound(std::shared_ptr<const SoundClip> clip) override;
  void StopSound() override { sound_end_ = clock_; }
  bool SoundPlaying() override { return clock_ < sound_end_; }
  void ShowFatal(const std::string&) override {}

  // Advances the clock to `until`, carrying out the timed actions due by then.
  void AdvanceTo(std::int64_t until);
  bool ScriptDone() const { return actions_.empty(); }

 private:
  void Perform(const ScriptAction& a);
  // A close signal that came since the last look closes the window.
  void PollSignals();
  [[noreturn]] void Fail(const ScriptAction& a, const std::string& why);
  std::int64_t DueTime(const ScriptAction& a) const;
  void Shot(const ScriptAction& a, const std::string& file);

  Runtime& rt_;
  std::deque<ScriptAction> actions_;
  std::filesystem::path shots_;
  std::int64_t clock_ = 0;
  std::int64_t last_action_ = 0;
  std::int64_t sound_end_ = 0;
  int idle_after_end_ = 0;
  bool close_sent_ = false;
  bool waited_ = false;
  int signals_seen_ = CloseSignalCount();
};

}  // namespace ham
