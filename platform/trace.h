// The trace: one JSON object per line of what the program did.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ham {

class Trace;

// Builds one trace line; written when it goes out of scope.
class TraceLine {
 public:
  TraceLine(Trace* trace, std::int64_t t, std::string_view op);
  ~TraceLine();
  TraceLine(const TraceLine&) = delete;
  TraceLine& operator=(const TraceLine&) = delete;

  TraceLine& Str(std::string_view key, std::string_view value);
  TraceLine& Num(std::string_view key, double value);
  TraceLine& Int(std::string_view key, std::int64_t value);
  TraceLine& Bool(std::string_view key, bool value);
  // A JSON array of numbers.
  TraceLine& Nums(std::string_view key, const std::vector<double>& values);

 private:
  void Key(std::string_view key);
  Trace* trace_;
  std::string buf_;
};

class Trace {
 public:
  ~Trace();
  // Opens the trace file; lines are also kept in memory when `keep` is set.
  bool Open(const std::string& path);
  void Close();
  void set_keep(bool keep) { keep_ = keep; }
  const std::vector<std::string>& lines() const { return lines_; }
  void ClearLines() { lines_.clear(); }
  bool active() const { return file_ != nullptr || keep_; }
  void Write(std::string line);

  static std::string Escape(std::string_view s);

 private:
  std::FILE* file_ = nullptr;
  bool keep_ = false;
  std::vector<std::string> lines_;
};

}  // namespace ham
