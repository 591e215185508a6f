// Builds forms and their controls from the form resources of the program.
#include <cctype>

#include "forms/form_resource.h"
#include "platform/internal.h"

namespace ham::detail {
namespace {

namespace t = form_tag;

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

const ResourceEntry* FindResource(const ResourceTable& table, std::string_view type, std::string_view name) {
  for (const ResourceEntry& e : table)
    if (e.type == type && SameName(e.name, name)) return &e;
  return nullptr;
}

std::optional<EventKind> KindOf(std::uint16_t tag) {
  switch (tag) {
    case t::kEventOn: return EventKind::kOn;
    case t::kEventChange: return EventKind::kChange;
    case t::kEventStart: return EventKind::kStart;
    case t::kEventEnd: return EventKind::kEnd;
    case t::kEventSetFocus: return EventKind::kSetFocus;
    case t::kEventKillFocus: return EventKind::kKillFocus;
    case t::kEventResize: return EventKind::kResize;
    case t::kEventClick: return EventKind::kClick;
    case t::kEventDblClick: return EventKind::kDblClick;
    case t::kEventMouseDown: return EventKind::kMouseDown;
    case t::kEventMouseUp: return EventKind::kMouseUp;
    case t::kEventMouseMove: return EventKind::kMouseMove;
    case t::kEventDone: return EventKind::kDone;
    case t::kEventQueryClose: return EventKind::kQueryClose;
    default: return std::nullopt;
  }
}

// The first declaration of a kind counts.
std::map<EventKind, std::string> Handlers(const FormObject& obj) {
  std::map<EventKind, std::string> out;
  for (const FormEvent& e : obj.events)
    if (auto k = KindOf(e.tag)) out.emplace(*k, e.handler);
  return out;
}

// Stored colours keep red in the low byte.
Pixel FromStoredColor(std::uint32_t v) {
  return MakePixel(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
}

Rect ToRect(const FormRectValue& r) { return Rect{r.x, r.y, r.w, r.h}; }

std::string Upper(std::string s) {
  for (char& ch : s) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return s;
}

}  // namespace

std::unique_ptr<Form> BuildForm(std::string_view name, const ResourceTable& table, std::string* error) {
  auto fail = [&](const std::string& what) -> std::unique_ptr<Form> {
    if (error) *error = what;
    return nullptr;
  };
  const ResourceEntry* entry = FindResource(table, "RCDATA", name);
  if (!entry) return fail("form resource " + std::string(name) + " not found");
  FormResource res;
  std::string why;
  if (!FormResource::Read(entry->data, entry->size, res, &why)) return fail(why);

  auto form = std::make_unique<Form>(res.name);
  form->caption = res.caption();
  form->design = ToRect(res.rect());
  form->fore_index = res.fore_index() & 15;
  form->back_index = res.back_index() & 15;
  FormFont font = res.font();
  if (!font.face.empty()) form->state().font_name = font.face;
  if (font.size > 0) form->state().font_size = font.size;
  form->handlers = Handlers(res.form);

  for (const FormObject& obj : res.controls()) {
    auto c = std::make_unique<Control>();
    switch (obj.class_code) {
      case form_class::kPushButton: c->kind = ControlKind::kPushButton; break;
      case form_class::kEditBox: c->kind = ControlKind::kEditBox; break;
      case form_class::kLabel: c->kind = ControlKind::kLabel; break;
      case form_class::kBitmapButton: c->kind = ControlKind::kBitmapButton; break;
      case form_class::kMedia: c->kind = ControlKind::kMedia; break;
      default: return fail("form " + res.name + ": control of unknown class " + std::to_string(obj.class_code));
    }
    c->name = obj.name();
    c->caption = obj.caption();
    c->rect = ToRect(obj.rect());
    c->form = form.get();
    FormFont cf = obj.font();
    if (!cf.face.empty()) c->font_name = cf.face;
    if (cf.size > 0) c->font_size = cf.size;
    if (obj.Has(t::kTextColor)) c->text_color = FromStoredColor(obj.text_color());
    if (obj.Has(t::kBackColor)) c->back_color = FromStoredColor(obj.back_color());
    if (c->kind == ControlKind::kBitmapButton) {
      c->bitmap_name = obj.bitmap();
      c->frame_w = obj.frame_width();
      c->frame_h = obj.frame_height();
      c->hint = obj.hint();
      std::string bitmap = Upper(c->bitmap_name);
      const ResourceEntry* bm = FindResource(table, "BITMAP", bitmap);
      if (!bm) return fail("form " + res.name + ": bitmap resource " + bitmap + " of " + c->name + " not found");
      auto surface = std::make_shared<Surface>();
      std::string bad;
      if (!DecodeDib(bm->data, bm->size, *surface, &bad))
        return fail("form " + res.name + ": bitmap resource " + bitmap + ": " + bad);
      c->bitmap = std::move(surface);
    }
    c->handlers = Handlers(obj);
    form->controls.push_back(std::move(c));
  }
  return form;
}

}  // namespace ham::detail
