#include "forms/form_resource.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace ham {
namespace {

namespace t = form_tag;

// Payload shape of a property tag: 'T' text, 'W' u16, 'D' u32.
const char* PropertyShape(std::uint16_t tag) {
  switch (tag) {
    case t::kCaption: return "T";
    case t::kRect: return "WWWW";
    case t::kName: return "T";
    case t::kBitmap: return "T";
    case t::kForeIndex: return "W";
    case t::kIndex1F: return "W";
    case t::kBackIndex: return "W";
    case t::kTextColor: return "D";
    case t::kBackColor: return "D";
    case t::k24: return "WW";
    case t::k25: return "W";
    case t::k27: return "W";
    case t::k35: return "D";
    case t::kFrameLayout: return "WW";
    case t::kFrameSize: return "WW";
    case t::k38: return "W";
    case t::k39: return "W";
    case t::kHint: return "T";
    case t::k3D: return "W";
    case t::k3E: return "WWWW";
    case t::kFontSize: return "W";
    case t::kFont: return "TWW";
    default: return nullptr;
  }
}

std::size_t NumericFields(const char* shape) {
  std::size_t n = 0;
  for (const char* p = shape; *p; ++p)
    if (*p != 'T') ++n;
  return n;
}

bool HasText(const char* shape) { return std::strchr(shape, 'T') != nullptr; }

std::string Hex(unsigned v, int digits) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%0*X", digits, v);
  return buf;
}

// One iconv conversion; false when the input does not convert completely.
bool Convert(const char* to, const char* from, std::string_view in, std::string& out) {
  out.clear();
  if (in.empty()) return true;
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::string buf(in.size() * 4 + 16, '\0');
  char* inp = const_cast<char*>(in.data());
  std::size_t inleft = in.size();
  char* outp = buf.data();
  std::size_t outleft = buf.size();
  bool ok = true;
  while (inleft > 0) {
    std::size_t r = iconv(cd, &inp, &inleft, &outp, &outleft);
    if (r == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) {
        std::size_t used = static_cast<std::size_t>(outp - buf.data());
        buf.resize(buf.size() * 2);
        outp = buf.data() + used;
        outleft = buf.size() - used;
        continue;
      }
      ok = false;
      break;
    }
    // Characters that iconv replaced irreversibly are refused too.
    if (r != 0) {
      ok = false;
      break;
    }
  }
  if (ok && iconv(cd, nullptr, nullptr, &outp, &outleft) == static_cast<std::size_t>(-1)) ok = false;
  iconv_close(cd);
  if (!ok) return false;
  out.assign(buf.data(), static_cast<std::size_t>(outp - buf.data()));
  return true;
}

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size, std::string* error)
      : data_(data), size_(size), error_(error) {}

  bool Parse(FormResource& out) {
    if (size_ < 2 || data_[0] != 'F' || data_[1] != 'B') return Fail(0, "wrong magic (expected \"FB\")");
    pos_ = 2;
    std::uint16_t version = 0, count = 0;
    if (!U16(version, "format version")) return false;
    if (version != 1) return Fail(2, "unsupported format version " + std::to_string(version));
    if (!U16(count, "form count")) return false;
    if (count != 1) return Fail(4, "form count " + std::to_string(count) + " (expected 1)");
    std::size_t at = pos_;
    std::uint16_t tag = 0;
    if (!U16(tag, "form-name record")) return false;
    if (tag != t::kFormName) return Fail(at, "expected the form-name record " + Hex(t::kFormName, 4), tag);
    tag_ = tag;
    if (!Text(out.name, "form name")) return false;
    if (pos_ >= size_) return Fail(pos_, "data ends before the byte after the form name", tag);
    out.name_pad = data_[pos_++];
    name_ = out.name;

    if (!Object(out.form, true)) return false;

    if (!Expect(t::kFormEnd, "form end record")) return false;
    if (!U16(out.end_value, "value of record 0x0D")) return false;
    if (!Expect(t::kFormEnd2, "record 0x0E")) return false;
    if (!U16(out.end_value2, "value of record 0x0E")) return false;
    if (!Expect(t::kEnd, "final end record 0x02")) return false;
    if (pos_ != size_)
      return Fail(pos_, std::to_string(size_ - pos_) + " bytes after the end of the resource");
    return true;
  }

 private:
  bool Fail(std::size_t at, const std::string& what, int tag = -1) {
    if (error_) {
      std::string m = "form resource";
      if (!name_.empty()) m += " " + name_;
      m += ": " + what + " at offset " + std::to_string(at);
      if (tag >= 0) m += " (tag " + Hex(static_cast<unsigned>(tag), 2) + ")";
      *error_ = m;
    }
    return false;
  }

  bool U16(std::uint16_t& v, const char* what) {
    if (size_ - pos_ < 2) return Fail(pos_, std::string("data ends inside the ") + what, tag_);
    v = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return true;
  }
  bool U32(std::uint32_t& v, const char* what) {
    if (size_ - pos_ < 4) return Fail(pos_, std::string("data ends inside the ") + what, tag_);
    v = static_cast<std::uint32_t>(data_[pos_]) | (static_cast<std::uint32_t>(data_[pos_ + 1]) << 8) |
        (static_cast<std::uint32_t>(data_[pos_ + 2]) << 16) |
        (static_cast<std::uint32_t>(data_[pos_ + 3]) << 24);
    pos_ += 4;
    return true;
  }
  bool Text(std::string& out, const char* what) {
    std::size_t start = pos_;
    const void* nul = std::memchr(data_ + pos_, 0, size_ - pos_);
    if (!nul) return Fail(start, std::string(what) + " is cut off (no NUL before the end)", tag_);
    std::size_t len = static_cast<std::size_t>(static_cast<const std::uint8_t*>(nul) - (data_ + pos_));
    std::string_view raw(reinterpret_cast<const char*>(data_ + pos_), len);
    if (!Cp932ToUtf8(raw, out)) return Fail(start, std::string(what) + " is not valid code page 932 text", tag_);
    pos_ += len + 1;
    return true;
  }
  // Reads the next tag without consuming it.
  bool Peek(std::uint16_t& tag, const char* context) {
    if (size_ - pos_ < 2) return Fail(pos_, std::string("data ends ") + context);
    tag = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
    return true;
  }
  bool Expect(std::uint16_t want, const char* what) {
    std::size_t at = pos_;
    std::uint16_t tag = 0;
    if (!Peek(tag, (std::string("before the ") + what).c_str())) return false;
    if (tag != want) {
      std::string m = (IsKnown(tag) ? "unexpected tag, expected " : "unknown tag, expected ") +
                      std::string(what) + " " + Hex(want, 2);
      return Fail(at, m, tag);
    }
    pos_ += 2;
    tag_ = tag;
    return true;
  }
  static bool IsKnown(std::uint16_t tag) {
    return IsFormPropertyTag(tag) || FormEventName(tag) || tag == t::kBeginChildren || tag == t::kEnd ||
           tag == t::kFormName || tag == t::kBeginObject || tag == t::kFormEnd || tag == t::kFormEnd2 ||
           tag == t::kBeginEvents;
  }

  bool Property(std::uint16_t tag, FormRecord& rec) {
    const char* shape = PropertyShape(tag);
    rec.tag = tag;
    for (const char* p = shape; *p; ++p) {
      if (*p == 'T') {
        if (!Text(rec.text, "text")) return false;
      } else if (*p == 'W') {
        std::uint16_t v = 0;
        if (!U16(v, "record")) return false;
        rec.values.push_back(v);
      } else {
        std::uint32_t v = 0;
        if (!U32(v, "record")) return false;
        rec.values.push_back(v);
      }
    }
    return true;
  }

  bool Object(FormObject& obj, bool top) {
    std::size_t at = pos_;
    if (!Expect(t::kBeginObject, top ? "form object 0x0A" : "control object 0x0A")) return false;
    if (!U16(obj.class_code, "object class")) return false;
    if (!U32(obj.style, "object style")) return false;
    if (top && obj.class_code != form_class::kForm)
      return Fail(at, "the resource's object has class " + std::to_string(obj.class_code) + ", not a form",
                  t::kBeginObject);
    if (!top && !IsFormControlClass(obj.class_code))
      return Fail(at, "unknown control class " + std::to_string(obj.class_code), t::kBeginObject);

    // Properties up to the event list (or, on a form, the child list or the end).
    std::uint16_t tag = 0;
    for (;;) {
      if (!Peek(tag, "inside an object's properties")) return false;
      if (!IsFormPropertyTag(tag)) break;
      pos_ += 2;
      tag_ = tag;
      obj.properties.emplace_back();
      if (!Property(tag, obj.properties.back())) return false;
    }

    if (tag == t::kBeginEvents) {
      pos_ += 2;
      tag_ = tag;
      obj.has_events = true;
      if (!U16(obj.events_value, "event list record")) return false;
      for (;;) {
        std::size_t eat = pos_;
        if (!Peek(tag, "inside an event list")) return false;
        if (tag == t::kEnd) {
          pos_ += 2;
          break;
        }
        if (!FormEventName(tag))
          return Fail(eat, IsKnown(tag) ? "unexpected tag in an event list" : "unknown tag", tag);
        pos_ += 2;
        tag_ = tag;
        FormEvent ev;
        ev.tag = tag;
        if (!Text(ev.handler, "handler name")) return false;
        obj.events.push_back(std::move(ev));
      }
    } else {
      obj.has_events = false;
      if (!top) return Fail(pos_, IsKnown(tag) ? "control without an event list" : "unknown tag", tag);
    }
    if (!top) return true;

    std::size_t cat = pos_;
    if (!Peek(tag, "after the form's event list")) return false;
    if (tag == t::kBeginChildren) {
      pos_ += 2;
      tag_ = tag;
      for (;;) {
        if (!Peek(tag, "inside the child list")) return false;
        if (tag == t::kEnd) {
          if (obj.children.empty()) return Fail(cat, "empty child list", t::kBeginChildren);
          pos_ += 2;
          break;
        }
        obj.children.emplace_back();
        if (!Object(obj.children.back(), false)) return false;
      }
    }
    return true;
  }

  const std::uint8_t* data_;
  std::size_t size_;
  std::string* error_;
  std::size_t pos_ = 0;
  int tag_ = -1;  // tag of the record being read, for messages
  std::string name_;
};

class Writer {
 public:
  explicit Writer(std::string* error) : error_(error) {}

  bool Resource(const FormResource& r) {
    out_.push_back('F');
    out_.push_back('B');
    U16(1);
    U16(1);
    U16(t::kFormName);
    if (!Text(r.name, "form name")) return false;
    out_.push_back(r.name_pad);
    if (!Object(r.form, true)) return false;
    U16(t::kFormEnd);
    U16(r.end_value);
    U16(t::kFormEnd2);
    U16(r.end_value2);
    U16(t::kEnd);
    return true;
  }

  std::vector<std::uint8_t>& bytes() { return out_; }

 private:
  bool Fail(const std::string& what) {
    if (error_) *error_ = "form resource: " + what;
    return false;
  }
  void U16(std::uint32_t v) {
    out_.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out_.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
  }
  void U32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out_.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF));
  }
  bool Text(const std::string& utf8, const std::string& what) {
    std::string bytes;
    if (utf8.find('\0') != std::string::npos) return Fail(what + " \"" + utf8 + "\" holds a NUL");
    if (!Utf8ToCp932(utf8, bytes)) return Fail(what + " \"" + utf8 + "\" has no code page 932 form");
    out_.insert(out_.end(), bytes.begin(), bytes.end());
    out_.push_back(0);
    return true;
  }
  bool Object(const FormObject& obj, bool top) {
    if (top && obj.class_code != form_class::kForm) return Fail("the resource's object is not a form");
    if (!top && !IsFormControlClass(obj.class_code))
      return Fail("unknown control class " + std::to_string(obj.class_code));
    if (!top && !obj.has_events) return Fail("control " + obj.name() + " without an event list");
    if (!top && !obj.children.empty()) return Fail("control " + obj.name() + " with children");
    U16(t::kBeginObject);
    U16(obj.class_code);
    U32(obj.style);
    for (const FormRecord& rec : obj.properties) {
      const char* shape = PropertyShape(rec.tag);
      if (!shape) return Fail("record " + Hex(rec.tag, 2) + " is not a property");
      if (rec.values.size() != NumericFields(shape))
        return Fail("record " + Hex(rec.tag, 2) + " needs " + std::to_string(NumericFields(shape)) +
                    " values, has " + std::to_string(rec.values.size()));
      if (!HasText(shape) && !rec.text.empty())
        return Fail("record " + Hex(rec.tag, 2) + " carries no text");
      U16(rec.tag);
      std::size_t vi = 0;
      for (const char* p = shape; *p; ++p) {
        if (*p == 'T') {
          if (!Text(rec.text, "text of record " + Hex(rec.tag, 2))) return false;
          continue;
        }
        std::uint32_t v = rec.values[vi++];
        if (*p == 'W') {
          if (v > 0xFFFF) return Fail("value " + std::to_string(v) + " of record " + Hex(rec.tag, 2) +
                                      " does not fit 16 bits");
          U16(v);
        } else {
          U32(v);
        }
      }
    }
    if (obj.has_events) {
      U16(t::kBeginEvents);
      U16(obj.events_value);
      for (const FormEvent& ev : obj.events) {
        if (!FormEventName(ev.tag)) return Fail("tag " + Hex(ev.tag, 2) + " is not an event");
        U16(ev.tag);
        if (!Text(ev.handler, "handler name")) return false;
      }
      U16(t::kEnd);
    }
    if (top && !obj.children.empty()) {
      U16(t::kBeginChildren);
      for (const FormObject& c : obj.children)
        if (!Object(c, false)) return false;
      U16(t::kEnd);
    }
    return true;
  }

  std::vector<std::uint8_t> out_;
  std::string* error_;
};

}  // namespace

bool IsFormPropertyTag(std::uint16_t tag) { return PropertyShape(tag) != nullptr; }

const char* FormEventName(std::uint16_t tag) {
  switch (tag) {
    case t::kEventOn: return "ON";
    case t::kEventChange: return "CHANGE";
    case t::kEventStart: return "START";
    case t::kEventEnd: return "END";
    case t::kEventSetFocus: return "SETFOCUS";
    case t::kEventKillFocus: return "KILLFOCUS";
    case t::kEventResize: return "RESIZE";
    case t::kEventClick: return "CLICK";
    case t::kEventDblClick: return "DBLCLICK";
    case t::kEventMouseDown: return "MOUSEDOWN";
    case t::kEventMouseUp: return "MOUSEUP";
    case t::kEventMouseMove: return "MOUSEMOVE";
    case t::kEventDone: return "DONE";
    case t::kEventQueryClose: return "QUERYCLOSE";
    default: return nullptr;
  }
}

std::uint16_t FormEventTag(std::string_view name) {
  for (std::uint16_t tag = t::kEventOn; tag <= t::kEventQueryClose; ++tag) {
    const char* n = FormEventName(tag);
    if (n && name == n) return tag;
  }
  return 0;
}

bool IsFormControlClass(std::uint16_t c) {
  return c == form_class::kPushButton || c == form_class::kEditBox || c == form_class::kLabel ||
         c == form_class::kBitmapButton || c == form_class::kMedia;
}

const FormRecord* FormObject::Find(std::uint16_t tag) const {
  for (const FormRecord& r : properties)
    if (r.tag == tag) return &r;
  return nullptr;
}

std::string FormObject::Text(std::uint16_t tag) const {
  const FormRecord* r = Find(tag);
  return r ? r->text : std::string();
}

std::uint32_t FormObject::Value(std::uint16_t tag, std::size_t i, std::uint32_t fallback) const {
  const FormRecord* r = Find(tag);
  return r && i < r->values.size() ? r->values[i] : fallback;
}

FormRectValue FormObject::rect() const {
  return {static_cast<int>(Value(t::kRect, 0)), static_cast<int>(Value(t::kRect, 1)),
          static_cast<int>(Value(t::kRect, 2)), static_cast<int>(Value(t::kRect, 3))};
}

FormFont FormObject::font() const {
  FormFont f;
  f.face = Text(t::kFont);
  f.charset = static_cast<int>(Value(t::kFont, 0));
  f.third = static_cast<int>(Value(t::kFont, 1));
  f.size = static_cast<int>(Value(t::kFontSize, 0));
  return f;
}

const std::string* FormObject::Handler(std::uint16_t event_tag) const {
  for (const FormEvent& e : events)
    if (e.tag == event_tag) return &e.handler;
  return nullptr;
}

const FormObject* FormResource::FindControl(std::string_view control_name) const {
  for (const FormObject& c : form.children)
    if (c.name() == control_name) return &c;
  return nullptr;
}

bool FormResource::Read(const std::vector<std::uint8_t>& bytes, FormResource& out, std::string* error) {
  return Read(bytes.data(), bytes.size(), out, error);
}

bool FormResource::Read(const std::uint8_t* data, std::size_t size, FormResource& out, std::string* error) {
  FormResource r;
  static const std::uint8_t kNone = 0;
  Reader reader(data ? data : &kNone, data ? size : 0, error);
  if (!reader.Parse(r)) return false;
  out = std::move(r);
  return true;
}

std::vector<std::uint8_t> FormResource::Write(std::string* error) const {
  Writer w(error);
  if (!w.Resource(*this)) return {};
  return std::move(w.bytes());
}

std::vector<std::uint8_t> WriteBitmapListResource() {
  std::vector<std::uint8_t> out = {'F', 'B', 4, 0};
  for (const char* name :
       {"BEFOR.BMP", "EXIT.BMP", "HEAD.BMP", "LAST.BMP", "NEXT.BMP", "TOP.BMP", "WHERE.BMP"}) {
    out.insert(out.end(), name, name + std::strlen(name));
    out.push_back(0);
  }
  return out;
}

std::vector<std::uint8_t> WriteVersionInfoResource() { return {'F', 'B', 0, 0, 5, 0, 16, 0}; }

bool Cp932ToUtf8(std::string_view cp932, std::string& utf8) {
  if (!Convert("UTF-8", "CP932", cp932, utf8)) return false;
  // Bytes that decode but would be written differently (duplicate codes)
  // cannot round-trip.
  std::string back;
  return Convert("CP932", "UTF-8", utf8, back) && back == cp932;
}

bool Utf8ToCp932(std::string_view utf8, std::string& cp932) { return Convert("CP932", "UTF-8", utf8, cp932); }

}  // namespace ham
