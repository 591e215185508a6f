#include "forms/layout.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <vector>

namespace ham {
namespace {

namespace t = form_tag;
namespace c = form_class;

struct Token {
  std::string text;
  bool quoted = false;
};

struct Line {
  int number = 0;
  std::vector<Token> tokens;
};

struct Failure {
  int line;
  std::string what;
};

// Splits a line into words and quoted texts ("..." with \" and \\).
std::vector<Token> Tokenize(std::string_view s, int number) {
  std::vector<Token> out;
  std::size_t i = 0;
  while (i < s.size()) {
    char ch = s[i];
    if (ch == ' ' || ch == '\t' || ch == '\r') {
      ++i;
      continue;
    }
    if (ch == '#') break;
    Token tok;
    if (ch == '"') {
      tok.quoted = true;
      ++i;
      bool closed = false;
      while (i < s.size()) {
        char d = s[i++];
        if (d == '"') {
          closed = true;
          break;
        }
        if (d == '\\') {
          if (i >= s.size()) break;
          char e = s[i++];
          if (e != '"' && e != '\\') throw Failure{number, std::string("unknown escape \\") + e};
          tok.text += e;
          continue;
        }
        tok.text += d;
      }
      if (!closed) throw Failure{number, "text without its closing quote"};
    } else {
      while (i < s.size() && s[i] != ' ' && s[i] != '\t' && s[i] != '\r' && s[i] != '#' && s[i] != '"')
        tok.text += s[i++];
    }
    out.push_back(std::move(tok));
  }
  return out;
}

std::uint32_t Number(const Line& line, std::size_t i, std::uint32_t max) {
  if (i >= line.tokens.size()) throw Failure{line.number, "a number is missing"};
  const Token& tok = line.tokens[i];
  const std::string& s = tok.text;
  bool hex = s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X');
  std::size_t start = hex ? 2 : 0;
  if (tok.quoted || s.size() == start) throw Failure{line.number, "\"" + s + "\" is not a number"};
  std::uint64_t v = 0;
  for (std::size_t k = start; k < s.size(); ++k) {
    char ch = s[k];
    int d;
    if (ch >= '0' && ch <= '9') d = ch - '0';
    else if (hex && ch >= 'a' && ch <= 'f') d = ch - 'a' + 10;
    else if (hex && ch >= 'A' && ch <= 'F') d = ch - 'A' + 10;
    else throw Failure{line.number, "\"" + s + "\" is not a number"};
    v = v * (hex ? 16 : 10) + static_cast<std::uint64_t>(d);
    if (v > max) throw Failure{line.number, s + " is too large (at most " + std::to_string(max) + ")"};
  }
  return static_cast<std::uint32_t>(v);
}

constexpr std::uint32_t kU16 = 0xFFFF;
constexpr std::uint32_t kU32 = 0xFFFFFFFF;

const std::string& TextArg(const Line& line, std::size_t i) {
  if (i >= line.tokens.size() || !line.tokens[i].quoted)
    throw Failure{line.number, "a quoted text is expected"};
  return line.tokens[i].text;
}

const std::string& WordArg(const Line& line, std::size_t i) {
  if (i >= line.tokens.size() || line.tokens[i].quoted) throw Failure{line.number, "a name is expected"};
  return line.tokens[i].text;
}

void ExpectCount(const Line& line, std::size_t lo, std::size_t hi) {
  std::size_t n = line.tokens.size() - 1;
  if (n < lo || n > hi) {
    std::string want = lo == hi ? std::to_string(lo) : std::to_string(lo) + " to " + std::to_string(hi);
    throw Failure{line.number, "'" + line.tokens[0].text + "' takes " + want + " values, not " + std::to_string(n)};
  }
}

struct ClassInfo {
  const char* word;
  std::uint16_t code;
  const char* label;  // for messages
};

constexpr ClassInfo kClasses[] = {
    {"form", c::kForm, "a form"},
    {"button", c::kPushButton, "a push button"},
    {"edit", c::kEditBox, "an edit box"},
    {"label", c::kLabel, "a label"},
    {"bmpbutton", c::kBitmapButton, "a bitmap button"},
    {"media", c::kMedia, "a media control"},
};

const ClassInfo* ClassOf(const std::string& word) {
  for (const ClassInfo& ci : kClasses)
    if (word == ci.word) return &ci;
  return nullptr;
}

// Keys each class accepts.
const std::set<std::string>& KeysOf(std::uint16_t code) {
  static const std::map<std::uint16_t, std::set<std::string>> keys = {
      {c::kForm, {"style", "r25", "r27", "r24", "caption", "fore", "r1f", "back", "r3e", "r3d", "font", "rect",
                  "events", "end"}},
      {c::kPushButton, {"style", "caption", "textcolor", "backcolor", "font", "rect", "events"}},
      {c::kEditBox, {"style", "textcolor", "backcolor", "font", "rect", "events"}},
      {c::kLabel, {"style", "caption", "textcolor", "backcolor", "font", "rect", "events"}},
      {c::kBitmapButton,
       {"style", "bitmap", "r35", "frames", "framesize", "r38", "r39", "hint", "rect", "events"}},
      {c::kMedia, {"style", "rect", "events"}},
  };
  return keys.at(code);
}

// One object block: its header and its key lines.
struct Block {
  const ClassInfo* cls = nullptr;
  std::string name;
  int line = 0;
  std::map<std::string, Line> keys;

  const Line* Get(const std::string& key) const {
    auto it = keys.find(key);
    return it == keys.end() ? nullptr : &it->second;
  }
};

FormRecord Rec(std::uint16_t tag, std::vector<std::uint32_t> values, std::string text = {}) {
  FormRecord r;
  r.tag = tag;
  r.values = std::move(values);
  r.text = std::move(text);
  return r;
}

// Numeric fields of a key line, each within `max`; `def` when the key is absent.
std::vector<std::uint32_t> Values(const Block& b, const char* key, std::size_t n, std::vector<std::uint32_t> def,
                                  std::uint32_t max = kU16) {
  const Line* l = b.Get(key);
  if (!l) return def;
  ExpectCount(*l, n, n);
  std::vector<std::uint32_t> v;
  for (std::size_t i = 0; i < n; ++i) v.push_back(Number(*l, i + 1, max));
  return v;
}

void AddFont(const Block& b, FormObject& obj, const char* def_face, std::uint32_t def_charset,
             std::uint32_t def_size) {
  std::string face = def_face;
  std::uint32_t charset = def_charset, size = def_size, third = 12;
  if (const Line* l = b.Get("font")) {
    ExpectCount(*l, 3, 4);
    face = TextArg(*l, 1);
    charset = Number(*l, 2, kU16);
    size = Number(*l, 3, kU16);
    if (l->tokens.size() > 4) third = Number(*l, 4, kU16);
  }
  obj.properties.push_back(Rec(t::kFontSize, {size}));
  obj.properties.push_back(Rec(t::kFont, {charset, third}, face));
}

std::string Caption(const Block& b, const char* def) {
  const Line* l = b.Get("caption");
  if (!l) return def;
  ExpectCount(*l, 1, 1);
  return TextArg(*l, 1);
}

void AddEvents(const Block& b, FormObject& obj, std::initializer_list<std::uint16_t> tags) {
  std::string prefix = b.name;
  if (const Line* l = b.Get("events")) {
    ExpectCount(*l, 1, 1);
    prefix = WordArg(*l, 1);
    if (prefix == "none") {
      if (b.cls->code != c::kForm) throw Failure{l->number, "every control has an event list"};
      obj.has_events = false;
      return;
    }
  }
  obj.has_events = true;
  obj.events_value = 1;
  for (std::uint16_t tag : tags) obj.events.push_back({tag, prefix + "_" + FormEventName(tag)});
}

std::uint32_t Style(const Block& b, std::uint32_t def) {
  return Values(b, "style", 1, {def}, kU32)[0];
}

FormRecord RectRecord(const Block& b) {
  const Line* l = b.Get("rect");
  if (!l) throw Failure{b.line, std::string(b.cls->label) + " " + b.name + " needs a rect"};
  return Rec(t::kRect, Values(b, "rect", 4, {}));
}

void BuildForm(const Block& b, FormResource& out) {
  FormObject& f = out.form;
  f.class_code = c::kForm;
  f.style = Style(b, 0x00000002);
  if (const Line* l = b.Get("r25")) {
    ExpectCount(*l, 1, 1);
    if (l->tokens[1].text != "none" || l->tokens[1].quoted) f.properties.push_back(Rec(t::k25, {Number(*l, 1, kU16)}));
  } else {
    f.properties.push_back(Rec(t::k25, {1}));
  }
  f.properties.push_back(Rec(t::k27, Values(b, "r27", 1, {1})));
  if (b.Get("r24")) f.properties.push_back(Rec(t::k24, Values(b, "r24", 2, {})));
  f.properties.push_back(Rec(t::kCaption, {}, Caption(b, "")));
  f.properties.push_back(Rec(t::kName, {}, b.name));
  f.properties.push_back(Rec(t::kForeIndex, Values(b, "fore", 1, {0})));
  f.properties.push_back(Rec(t::kIndex1F, Values(b, "r1f", 1, {0})));
  f.properties.push_back(Rec(t::kBackIndex, Values(b, "back", 1, {14})));
  f.properties.push_back(Rec(t::k3E, Values(b, "r3e", 4, {1, 1, 8, 8})));
  f.properties.push_back(Rec(t::k3D, Values(b, "r3d", 1, {0})));
  AddFont(b, f, "ＭＳ 明朝", 1, 18);
  f.properties.push_back(RectRecord(b));
  AddEvents(b, f,
            {t::kEventStart, t::kEventEnd, t::kEventSetFocus, t::kEventKillFocus, t::kEventResize, t::kEventClick,
             t::kEventDblClick, t::kEventMouseDown, t::kEventMouseUp, t::kEventMouseMove, t::kEventQueryClose});
  std::vector<std::uint32_t> end = Values(b, "end", 2, {1, 0});
  out.name = b.name;
  out.name_pad = 0;
  out.end_value = static_cast<std::uint16_t>(end[0]);
  out.end_value2 = static_cast<std::uint16_t>(end[1]);
}

void AddColors(const Block& b, FormObject& obj, std::uint32_t back) {
  obj.properties.push_back(Rec(t::kTextColor, Values(b, "textcolor", 1, {0}, 0xFFFFFF)));
  obj.properties.push_back(Rec(t::kBackColor, Values(b, "backcolor", 1, {back}, 0xFFFFFF)));
}

FormObject BuildControl(const Block& b) {
  FormObject o;
  o.class_code = b.cls->code;
  const char* gothic = "ＭＳ Ｐゴシック";
  switch (b.cls->code) {
    case c::kPushButton:
      o.style = Style(b, 0x00000C00);
      o.properties.push_back(Rec(t::kCaption, {}, Caption(b, "O  K")));
      o.properties.push_back(Rec(t::kName, {}, b.name));
      AddColors(b, o, 0xC0C0C0);
      AddFont(b, o, gothic, 1, 10);
      o.properties.push_back(RectRecord(b));
      AddEvents(b, o, {t::kEventOn});
      break;
    case c::kEditBox:
      o.style = Style(b, 0x00802C00);
      o.properties.push_back(Rec(t::kName, {}, b.name));
      AddColors(b, o, 0xFFFFFF);
      AddFont(b, o, gothic, 1, 10);
      o.properties.push_back(RectRecord(b));
      AddEvents(b, o, {t::kEventChange, t::kEventSetFocus, t::kEventKillFocus});
      break;
    case c::kLabel:
      o.style = Style(b, 0x00010800);
      o.properties.push_back(Rec(t::kCaption, {}, Caption(b, "")));
      o.properties.push_back(Rec(t::kName, {}, b.name));
      AddColors(b, o, 0xC0C0C0);
      AddFont(b, o, gothic, 1, 9);
      o.properties.push_back(RectRecord(b));
      AddEvents(b, o, {t::kEventClick, t::kEventDblClick});
      break;
    case c::kBitmapButton: {
      o.style = Style(b, 0x00000800);
      o.properties.push_back(Rec(t::kName, {}, b.name));
      const Line* bm = b.Get("bitmap");
      if (!bm) throw Failure{b.line, "bitmap button " + b.name + " needs a bitmap"};
      ExpectCount(*bm, 1, 1);
      o.properties.push_back(Rec(t::kBitmap, {}, WordArg(*bm, 1)));
      o.properties.push_back(Rec(t::k35, Values(b, "r35", 1, {0}, kU32)));
      o.properties.push_back(Rec(t::kFrameLayout, Values(b, "frames", 2, {1, 2})));
      o.properties.push_back(Rec(t::kFrameSize, Values(b, "framesize", 2, {85, 33})));
      o.properties.push_back(Rec(t::k38, Values(b, "r38", 1, {30})));
      o.properties.push_back(Rec(t::k39, Values(b, "r39", 1, {1})));
      if (const Line* h = b.Get("hint")) {
        ExpectCount(*h, 1, 1);
        o.properties.push_back(Rec(t::kHint, {}, TextArg(*h, 1)));
      }
      o.properties.push_back(RectRecord(b));
      AddEvents(b, o, {t::kEventOn});
      break;
    }
    case c::kMedia:
      o.style = Style(b, 0x00000000);
      o.properties.push_back(Rec(t::kName, {}, b.name));
      o.properties.push_back(RectRecord(b));
      AddEvents(b, o, {t::kEventDone});
      break;
    default:
      break;
  }
  return o;
}

}  // namespace

bool CompileLayout(std::string_view text, std::string_view source, FormResource& out, std::string* error) {
  try {
    std::vector<Block> blocks;
    std::set<std::string> names;
    int number = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
      std::size_t nl = text.find('\n', pos);
      std::string_view raw = text.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
      pos = nl == std::string_view::npos ? text.size() + 1 : nl + 1;
      ++number;
      Line line{number, Tokenize(raw, number)};
      if (line.tokens.empty()) continue;
      const Token& head = line.tokens[0];
      if (head.quoted) throw Failure{number, "a line starts with a key or a class, not a text"};
      if (const ClassInfo* ci = ClassOf(head.text)) {
        ExpectCount(line, 1, 1);
        Block b;
        b.cls = ci;
        b.name = WordArg(line, 1);
        b.line = number;
        if (blocks.empty() && ci->code != c::kForm) throw Failure{number, "the layout must begin with its form"};
        if (!blocks.empty() && ci->code == c::kForm) throw Failure{number, "a layout holds one form"};
        if (!names.insert(b.name).second) throw Failure{number, "the name " + b.name + " is used twice"};
        blocks.push_back(std::move(b));
        continue;
      }
      if (blocks.empty()) throw Failure{number, "the layout must begin with its form"};
      Block& b = blocks.back();
      if (!KeysOf(b.cls->code).count(head.text))
        throw Failure{number, "'" + head.text + "' is not a key of " + b.cls->label};
      if (!b.keys.emplace(head.text, line).second)
        throw Failure{number, "'" + head.text + "' is given twice for " + b.name};
    }
    if (blocks.empty()) throw Failure{number, "the layout holds no form"};

    FormResource r;
    BuildForm(blocks[0], r);
    for (std::size_t i = 1; i < blocks.size(); ++i) r.form.children.push_back(BuildControl(blocks[i]));
    std::string werror;
    if (r.Write(&werror).empty()) throw Failure{blocks[0].line, werror};
    out = std::move(r);
    return true;
  } catch (const Failure& f) {
    if (error) *error = std::string(source) + ":" + std::to_string(f.line) + ": " + f.what;
    return false;
  }
}

}  // namespace ham
