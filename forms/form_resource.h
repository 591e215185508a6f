// FormResource: the byte format of a form resource, read and written exactly.
//
// A resource holds one form object: a header with the form's name, then a
// stream of tagged records. The model keeps every record in its stored order,
// so that a resource read and written again gives the same bytes. Texts are
// code page 932 in the bytes and UTF-8 in the model.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ham {

// Record tags.
namespace form_tag {
constexpr std::uint16_t kBeginChildren = 0x01;
constexpr std::uint16_t kEnd = 0x02;
constexpr std::uint16_t kFormName = 0x09;
constexpr std::uint16_t kBeginObject = 0x0A;
constexpr std::uint16_t kCaption = 0x0B;
constexpr std::uint16_t kRect = 0x0C;
constexpr std::uint16_t kFormEnd = 0x0D;
constexpr std::uint16_t kFormEnd2 = 0x0E;
constexpr std::uint16_t kName = 0x15;
constexpr std::uint16_t kBitmap = 0x17;
constexpr std::uint16_t kForeIndex = 0x1E;
constexpr std::uint16_t kIndex1F = 0x1F;
constexpr std::uint16_t kBackIndex = 0x20;
constexpr std::uint16_t kTextColor = 0x22;
constexpr std::uint16_t kBackColor = 0x23;
constexpr std::uint16_t k24 = 0x24;
constexpr std::uint16_t k25 = 0x25;
constexpr std::uint16_t k27 = 0x27;
constexpr std::uint16_t k35 = 0x35;
constexpr std::uint16_t kFrameLayout = 0x36;
constexpr std::uint16_t kFrameSize = 0x37;
constexpr std::uint16_t k38 = 0x38;
constexpr std::uint16_t k39 = 0x39;
constexpr std::uint16_t kHint = 0x3A;
constexpr std::uint16_t k3D = 0x3D;
constexpr std::uint16_t k3E = 0x3E;
constexpr std::uint16_t kFontSize = 0x46;
constexpr std::uint16_t kFont = 0x4C;
constexpr std::uint16_t kBeginEvents = 0x50;
// Event declarations 0x65 .. 0x75.
constexpr std::uint16_t kEventOn = 0x65;
constexpr std::uint16_t kEventChange = 0x66;
constexpr std::uint16_t kEventStart = 0x67;
constexpr std::uint16_t kEventEnd = 0x68;
constexpr std::uint16_t kEventSetFocus = 0x69;
constexpr std::uint16_t kEventKillFocus = 0x6A;
constexpr std::uint16_t kEventResize = 0x6B;
constexpr std::uint16_t kEventClick = 0x6C;
constexpr std::uint16_t kEventDblClick = 0x6D;
constexpr std::uint16_t kEventMouseDown = 0x6E;
constexpr std::uint16_t kEventMouseUp = 0x6F;
constexpr std::uint16_t kEventMouseMove = 0x70;
constexpr std::uint16_t kEventDone = 0x72;
constexpr std::uint16_t kEventQueryClose = 0x75;
}  // namespace form_tag

// Object classes.
namespace form_class {
constexpr std::uint16_t kForm = 0;
constexpr std::uint16_t kPushButton = 3;
constexpr std::uint16_t kEditBox = 7;
constexpr std::uint16_t kLabel = 8;
constexpr std::uint16_t kBitmapButton = 15;
constexpr std::uint16_t kMedia = 17;
}  // namespace form_class

// True for a tag that may stand among an object's properties.
bool IsFormPropertyTag(std::uint16_t tag);
// Event kind of a declaration tag ("ON", "CHANGE", ...), or null.
const char* FormEventName(std::uint16_t tag);
// Declaration tag of an event kind name, or 0.
std::uint16_t FormEventTag(std::string_view name);
// True for the control classes a child list may hold.
bool IsFormControlClass(std::uint16_t class_code);

// One property record: a text (for the tags that carry one) and the numeric
// fields in their stored order.
struct FormRecord {
  std::uint16_t tag = 0;
  std::string text;                   // UTF-8
  std::vector<std::uint32_t> values;  // u16 and u32 fields in order

  bool operator==(const FormRecord&) const = default;
};

struct FormEvent {
  std::uint16_t tag = 0;  // 0x65 .. 0x75
  std::string handler;    // UTF-8

  bool operator==(const FormEvent&) const = default;
};

struct FormRectValue {
  int x = 0, y = 0, w = 0, h = 0;
  bool operator==(const FormRectValue&) const = default;
};

struct FormFont {
  std::string face;  // 0x4C text, as stored ("$" included)
  int charset = 0;   // 0x4C second field
  int third = 0;     // 0x4C third field (always 12)
  int size = 0;      // 0x46
};

// One object (the form or a control) with its records in stored order.
struct FormObject {
  std::uint16_t class_code = 0;
  std::uint32_t style = 0;
  std::vector<FormRecord> properties;
  bool has_events = true;        // the object has an event list (0x50 .. 0x02)
  std::uint16_t events_value = 1;  // value of the 0x50 record
  std::vector<FormEvent> events;
  std::vector<FormObject> children;  // controls of a form; a list only when not empty

  bool operator==(const FormObject&) const = default;

  const FormRecord* Find(std::uint16_t tag) const;
  bool Has(std::uint16_t tag) const { return Find(tag) != nullptr; }
  // Text of a record, empty when absent.
  std::string Text(std::uint16_t tag) const;
  // Field i of a record, `fallback` when the record or the field is absent.
  std::uint32_t Value(std::uint16_t tag, std::size_t i = 0, std::uint32_t fallback = 0) const;

  // Semantic view.
  std::string name() const { return Text(form_tag::kName); }
  std::string caption() const { return Text(form_tag::kCaption); }
  FormRectValue rect() const;
  FormFont font() const;
  std::string bitmap() const { return Text(form_tag::kBitmap); }
  std::string hint() const { return Text(form_tag::kHint); }
  int frame_width() const { return static_cast<int>(Value(form_tag::kFrameSize, 0)); }
  int frame_height() const { return static_cast<int>(Value(form_tag::kFrameSize, 1)); }
  // Colours of controls as stored: 32-bit RGB, red in the low byte.
  std::uint32_t text_color() const { return Value(form_tag::kTextColor); }
  std::uint32_t back_color() const { return Value(form_tag::kBackColor); }
  // Handler declared for a tag, or null.
  const std::string* Handler(std::uint16_t event_tag) const;
};

class FormResource {
 public:
  std::string name;            // header name (0x0009)
  std::uint8_t name_pad = 0;   // the byte after the name
  FormObject form;             // class 0
  std::uint16_t end_value = 1;   // 0x0D
  std::uint16_t end_value2 = 0;  // 0x0E

  bool operator==(const FormResource&) const = default;

  // Parses the bytes by the format; on failure returns false with a message
  // that names what is wrong and where (offset, tag).
  static bool Read(const std::vector<std::uint8_t>& bytes, FormResource& out, std::string* error);
  static bool Read(const std::uint8_t* data, std::size_t size, FormResource& out, std::string* error);
  // The bytes of the resource; empty with `error` set when the model cannot
  // be written (a text outside code page 932, a record of the wrong shape).
  std::vector<std::uint8_t> Write(std::string* error = nullptr) const;

  // Semantic view of the form.
  std::string caption() const { return form.caption(); }
  FormRectValue rect() const { return form.rect(); }
  FormFont font() const { return form.font(); }
  int fore_index() const { return static_cast<int>(form.Value(form_tag::kForeIndex)); }
  int back_index() const { return static_cast<int>(form.Value(form_tag::kBackIndex)); }
  const std::vector<FormEvent>& events() const { return form.events; }
  const std::vector<FormObject>& controls() const { return form.children; }
  const FormObject* FindControl(std::string_view control_name) const;
};

// The list of navigation bitmap files (68 bytes).
std::vector<std::uint8_t> WriteBitmapListResource();
// The version record (8 bytes).
std::vector<std::uint8_t> WriteVersionInfoResource();

// Code page 932 <-> UTF-8. Both refuse text that does not convert, and the
// decoder refuses bytes that would not encode back to themselves.
bool Cp932ToUtf8(std::string_view cp932, std::string& utf8);
bool Utf8ToCp932(std::string_view utf8, std::string& cp932);

}  // namespace ham
