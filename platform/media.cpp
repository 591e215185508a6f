// TODO(media): stub
#include "platform/api.h"
#include "platform/internal.h"

namespace ham {
struct Runtime::Media {};
int FmMciSend(Control*, std::string_view) { return 0; }
namespace detail {
std::shared_ptr<SoundClip> DecodeWav(const std::vector<std::uint8_t>&, std::string* e) { if (e) *e = "todo"; return nullptr; }
}  // namespace detail
std::int64_t SoundClip::DurationUnits() const {
  if (rate <= 0 || channels <= 0) return 0;
  std::int64_t frames = static_cast<std::int64_t>(samples.size()) / channels;
  return (frames * 100 + rate - 1) / rate;
}
}  // namespace ham
namespace ham::detail {
std::shared_ptr<Runtime::Media> MakeMediaState() { return std::make_shared<Runtime::Media>(); }
}  // namespace ham::detail
