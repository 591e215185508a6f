// Forms and controls as the forms runtime keeps them once a form resource
// has been loaded.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace ham {

class Form;

enum class ControlKind { kPushButton, kEditBox, kLabel, kBitmapButton, kMedia };

// Event kinds a resource can declare (names as stored in handler names).
enum class EventKind {
  kOn, kChange, kStart, kEnd, kSetFocus, kKillFocus, kResize, kClick, kDblClick,
  kMouseDown, kMouseUp, kMouseMove, kDone, kQueryClose
};

const char* EventKindName(EventKind k);

// A point on the desktop all forms stand on.
struct DesktopPoint {
  int x = 0, y = 0;
};

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
  bool Contains(DesktopPoint p) const { return Contains(p.x, p.y); }
};

class Control {
 public:
  ControlKind kind = ControlKind::kPushButton;
  std::string name;
  std::string caption;  // button caption or label text
  Rect rect;            // relative to the form's client area
  Form* form = nullptr;

  std::string font_name;
  double font_size = 10;
  Pixel text_color = 0;
  Pixel back_color = 0xFFFFFF;

  bool enabled = true;
  bool pressed = false;  // drawn pressed while the pupil holds it

  // Edit box.
  std::string text;     // UTF-8
  int caret = 0;        // in characters
  std::string preedit;  // input-method composition shown at the caret

  // Bitmap button: both frames side by side.
  std::string bitmap_name;
  std::shared_ptr<const Surface> bitmap;
  int frame_w = 0, frame_h = 0;
  std::string hint;

  std::map<EventKind, std::string> handlers;  // declared handler names

  const std::string* Handler(EventKind k) const {
    auto it = handlers.find(k);
    return it == handlers.end() ? nullptr : &it->second;
  }
};

class Form : public Canvas {
 public:
  explicit Form(std::string form_name) : Canvas(form_name), form_name_(std::move(form_name)) {}

  const std::string& form_name() const { return form_name_; }

  std::string caption;
  Rect design;   // stored design position and size
  int left = 0, top = 0;
  int width = 0, height = 0;  // window size (client area)
  bool visible = false;
  bool flagged = false;       // FmSetFormFlag: stays above unflagged forms
  long z = 0;                 // raise counter: higher is nearer the pupil
  int back_index = 14;        // background colour index of the resource
  int fore_index = 0;

  std::vector<std::unique_ptr<Control>> controls;  // stored (tab) order
  std::map<EventKind, std::string> handlers;       // form-level declarations

  Control* Find(const std::string& control_name) const;

 private:
  std::string form_name_;
};

}  // namespace ham
