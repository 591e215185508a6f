#include "platform/trace.h"

#include <cmath>
#include <cstdio>

#include "platform/utf8.h"

namespace ham {

TraceLine::TraceLine(Trace* trace, std::int64_t t, std::string_view op) : trace_(trace) {
  if (!trace_ || !trace_->active()) {
    trace_ = nullptr;
    return;
  }
  buf_.reserve(128);
  buf_ += "{\"t\":";
  buf_ += std::to_string(t);
  buf_ += ",\"op\":\"";
  buf_ += Trace::Escape(op);
  buf_ += '"';
}

TraceLine::~TraceLine() {
  if (!trace_) return;
  buf_ += '}';
  trace_->Write(std::move(buf_));
}

void TraceLine::Key(std::string_view key) {
  buf_ += ",\"";
  buf_ += Trace::Escape(key);
  buf_ += "\":";
}

TraceLine& TraceLine::Str(std::string_view key, std::string_view value) {
  if (!trace_) return *this;
  Key(key);
  buf_ += '"';
  buf_ += Trace::Escape(value);
  buf_ += '"';
  return *this;
}

static void AppendNumber(std::string& buf, double v) {
  if (!std::isfinite(v)) {
    buf += "null";
    return;
  }
  if (v == std::floor(v) && std::fabs(v) < 1e15) {
    buf += std::to_string(static_cast<long long>(v));
    return;
  }
  char tmp[32];
  std::snprintf(tmp, sizeof tmp, "%.9g", v);
  buf += tmp;
}

TraceLine& TraceLine::Num(std::string_view key, double value) {
  if (!trace_) return *this;
  Key(key);
  AppendNumber(buf_, value);
  return *this;
}

TraceLine& TraceLine::Int(std::string_view key, std::int64_t value) {
  if (!trace_) return *this;
  Key(key);
  buf_ += std::to_string(value);
  return *this;
}

TraceLine& TraceLine::Bool(std::string_view key, bool value) {
  if (!trace_) return *this;
  Key(key);
  buf_ += value ? "true" : "false";
  return *this;
}

TraceLine& TraceLine::Nums(std::string_view key, const std::vector<double>& values) {
  if (!trace_) return *this;
  Key(key);
  buf_ += '[';
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i) buf_ += ',';
    AppendNumber(buf_, values[i]);
  }
  buf_ += ']';
  return *this;
}

Trace::~Trace() { Close(); }

bool Trace::Open(const std::string& path) {
  Close();
  file_ = std::fopen(path.c_str(), "w");
  return file_ != nullptr;
}

void Trace::Close() {
  if (file_) {
    std::fclose(file_);
    file_ = nullptr;
  }
}

void Trace::Write(std::string line) {
  if (file_) {
    std::fwrite(line.data(), 1, line.size(), file_);
    std::fputc('\n', file_);
    std::fflush(file_);
  }
  if (keep_) lines_.push_back(std::move(line));
}

std::string Trace::Escape(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c >= 0x80) {
      // A well-formed character as it is; any other byte as the character
      // of its value, so that the line stays UTF-8 and shows the byte.
      if (std::size_t n = utf8::ValidSeqLen(s, i)) {
        out.append(s.substr(i, n));
        i += n;
      } else {
        char tmp[8];
        std::snprintf(tmp, sizeof tmp, "\\u%04x", c);
        out += tmp;
        ++i;
      }
      continue;
    }
    ++i;
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char tmp[8];
          std::snprintf(tmp, sizeof tmp, "\\u%04x", c);
          out += tmp;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out;
}

}  // namespace ham
