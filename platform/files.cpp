// Sequential files by number: open for input or output, input of items into
// variables, output statements of numbers, close, delete.
//
// Layout: an output statement writes its items as a print statement joined
// with ';' would (each number in its print form, so blanks separate them) and
// ends the line with CR LF. Input reads items separated by commas, blanks and
// line ends. Reading past the end of a file is no error: the missing items
// read as 0 or "", so a short record gives zeros.
//
// Output is written to a temporary beside the file, named ".ham~" + the
// process id and a sequence number in hexadecimal (a short name of fixed
// length), and renamed over the file when closed; an output the program did
// not close (a fatal error, an exception) is discarded, so the old file stays.
// Temporaries of runs that are gone are removed when a folder is next written.
//
// A file is held with flock on its lock file: the lock belongs to the open
// file, so it goes with the process, and no stale lock outlives a crash.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cfloat>
#include <cstdio>
#include <cstring>

#include "platform/api.h"
#include "platform/files_state.h"
#include "platform/internal.h"

namespace ham {

namespace fs = std::filesystem;

namespace {

using OpenFile = Runtime::Files::OpenFile;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Writes all of `data`; returns 0 or the errno.
int WriteAll(int fd, const std::string& data) {
  std::size_t done = 0;
  while (done < data.size()) {
    ssize_t n = write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

// Writes the buffer of an output file beside its place, makes it durable and
// only then puts it in place, so that a failure leaves the old file whole.
// Returns 0 or the errno.
int FinishOutput(OpenFile& f) {
  if (f.fd < 0) return 0;
  int e = WriteAll(f.fd, f.out);
  if (e == 0 && !f.temp.empty() && fsync(f.fd) != 0) e = errno;
  if (close(f.fd) != 0 && e == 0) e = errno;
  f.fd = -1;
  if (f.temp.empty()) return e;
  if (e == 0 && std::rename(f.temp.c_str(), f.host.c_str()) != 0) e = errno;
  if (e != 0) ::unlink(f.temp.c_str());
  return e;
}

// An output the program did not close: nothing reaches its place.
void DiscardOutput(OpenFile& f) {
  if (f.fd < 0) return;
  close(f.fd);
  f.fd = -1;
  if (!f.temp.empty()) ::unlink(f.temp.c_str());
}

// ----- temporaries -----

constexpr std::string_view kTempPrefix = ".ham~";
constexpr std::size_t kTempDigits = 8 + 4;  // process id, sequence

std::string Hex(unsigned long v, int digits) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "%0*lx", digits, v);
  return buf;
}

std::string TempName() {
  static std::atomic<unsigned> sequence{0};
  return std::string(kTempPrefix) + Hex(static_cast<unsigned long>(::getpid()) & 0xFFFFFFFFul, 8) +
         Hex(sequence++ & 0xFFFFu, 4);
}

bool AllOf(std::string_view s, const char* set) {
  return !s.empty() && s.find_first_not_of(set) == std::string_view::npos;
}

// Process id of a temporary's name: ".ham~" + 12 hex digits, or the
// "<name>.~<decimal>" of earlier versions; -1 for other names.
long TempOwner(std::string_view name) {
  if (name.size() == kTempPrefix.size() + kTempDigits && name.starts_with(kTempPrefix)) {
    std::string_view digits = name.substr(kTempPrefix.size());
    if (!AllOf(digits, "0123456789abcdef")) return -1;
    return std::strtol(std::string(digits.substr(0, 8)).c_str(), nullptr, 16);
  }
  std::size_t mark = name.rfind(".~");
  if (mark == std::string_view::npos || mark == 0) return -1;
  std::string_view digits = name.substr(mark + 2);
  if (digits.size() > 9 || !AllOf(digits, "0123456789")) return -1;
  return std::strtol(std::string(digits).c_str(), nullptr, 10);
}

bool ProcessGone(long pid) { return pid <= 0 || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH); }

// Removes the temporaries in `folder` that no running program writes: those
// of processes that are gone, and this process's that it no longer has open.
void RemoveLeftoverTemps(const fs::path& folder, const Runtime::Files& files) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    long pid = TempOwner(name);
    if (pid < 0 || !it->is_regular_file(ec)) continue;
    bool ours = pid == static_cast<long>(::getpid());
    if (ours) {
      bool open = false;
      for (const auto& [number, f] : files.open) open = open || f.temp == it->path();
      if (open) continue;
    } else if (!ProcessGone(pid)) {
      continue;
    }
    fs::remove(it->path(), ec);
    ec.clear();
  }
}

// ----- input items -----

float ToSingle(double v) {
  if (v > FLT_MAX) return FLT_MAX;
  if (v < -FLT_MAX) return -FLT_MAX;
  return static_cast<float>(v);
}

// ----- output items -----

void AppendItem(const std::string& text) {
  auto& f = Runtime::Current().files();
  if (!f.printing || text.empty()) return;
  // The print forms carry their own blanks; keep two items apart even if one
  // does not, so that they read back as two.
  if (!f.line.empty() && !IsBlank(f.line.back()) && !IsBlank(text.front())) f.line += ' ';
  f.line += text;
}

std::string Quote(std::string_view s) { return "\"" + std::string(s) + "\""; }

}  // namespace

Runtime::Files::~Files() {
  for (auto& [number, f] : open) DiscardOutput(f);
  for (auto& [file, fd] : held) ::close(fd);
}

void RtFileOpen(int number, std::string_view dos_path, std::string_view mode, Loc loc) {
  Runtime& rt = Runtime::Current();
  auto& files = rt.files();
  char m = mode.size() == 1 ? static_cast<char>(mode[0] & ~0x20) : '?';
  if (m != 'I' && m != 'O') rt.Fatal("file mode " + Quote(mode) + " is not known", loc);
  if (number < 1 || number > 255) rt.Fatal("bad file number " + std::to_string(number), loc);
  if (files.open.count(number))
    rt.Fatal("file number " + std::to_string(number) + " is already open", loc);
  std::string error;
  auto host = detail::ResolveDosPath(rt, dos_path, &error);
  if (!host) rt.Fatal("cannot open file: " + error, loc);

  OpenFile f;
  f.mode = m;
  f.dos_path = std::string(dos_path);
  f.host = *host;
  if (m == 'I') {
    std::vector<std::uint8_t> bytes;
    if (!detail::ReadFileBytes(*host, bytes))
      rt.Fatal("file not found: " + Quote(dos_path), loc);
    f.data.assign(bytes.begin(), bytes.end());
  } else {
    std::error_code ec;
    if (fs::is_directory(*host, ec)) rt.Fatal("cannot open file " + Quote(dos_path) + ": a folder", loc);
    // A regular file (or a new one) is written beside its place and renamed
    // over it on close; anything else (a device) is written in place.
    bool replace = !fs::exists(*host, ec) || fs::is_regular_file(*host, ec);
    if (replace) {
      RemoveLeftoverTemps(host->parent_path(), files);
      f.temp = host->parent_path() / TempName();
    }
    const fs::path& target = replace ? f.temp : *host;
    f.fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | (replace ? O_NOFOLLOW : 0), 0666);
    if (f.fd < 0)
      rt.Fatal("cannot open file " + Quote(dos_path) + " for output: " + std::strerror(errno), loc);
  }
  files.open.emplace(number, std::move(f));
  TraceLine(&rt.trace(), rt.Now(), "file").Str("mode", std::string(1, m)).Str("path", dos_path);
}

void RtFileClose(std::initializer_list<int> numbers, Loc loc) {
  Runtime& rt = Runtime::Current();
  auto& files = rt.files();
  std::vector<int> which(numbers);
  if (which.empty())  // no numbers: every open file
    for (auto& [number, f] : files.open) which.push_back(number);
  for (int number : which) {
    auto it = files.open.find(number);
    if (it == files.open.end()) continue;  // closing a closed number does nothing
    OpenFile f = std::move(it->second);
    files.open.erase(it);
    if (files.print == number) files.printing = false;
    if (int e = FinishOutput(f))
      rt.Fatal("cannot write file " + Quote(f.dos_path) + ": " + std::strerror(e), loc);
  }
}

void RtFileInputBegin(int number, Loc loc) {
  Runtime& rt = Runtime::Current();
  auto& files = rt.files();
  auto it = files.open.find(number);
  if (it == files.open.end()) rt.Fatal("file number " + std::to_string(number) + " is not open", loc);
  if (it->second.mode != 'I')
    rt.Fatal("file number " + std::to_string(number) + " is not open for input", loc);
  files.input = number;
}

void RtFileInputVars(std::initializer_list<InputVar> vars, Loc loc) {
  Runtime& rt = Runtime::Current();
  auto& files = rt.files();
  auto it = files.open.find(files.input);
  if (it == files.open.end() || it->second.mode != 'I') rt.Fatal("no file open for this input", loc);
  OpenFile& f = it->second;
  for (const InputVar& v : vars) {
    if (v.str) {
      *v.str = detail::ReadStringItem(f.data, f.pos);
    } else {
      double x = detail::ReadNumberItem(f.data, f.pos);
      if (v.single) *v.single = ToSingle(x);
      if (v.integer) *v.integer = RtCInt(x);
      if (v.dbl) *v.dbl = x;
    }
  }
}

void RtFilePrintBegin(int number, Loc loc) {
  Runtime& rt = Runtime::Current();
  auto& files = rt.files();
  auto it = files.open.find(number);
  if (it == files.open.end()) rt.Fatal("file number " + std::to_string(number) + " is not open", loc);
  if (it->second.mode != 'O')
    rt.Fatal("file number " + std::to_string(number) + " is not open for output", loc);
  files.print = number;
  files.printing = true;
  files.line.clear();
}

// `more` (another item follows) joins the items directly, as ';' does.
void RtFilePrintInteger(std::int32_t v, int more) {
  (void)more;
  AppendItem(RtPrintFormInteger(v));
}

void RtFilePrintSingle(float v, int more) {
  (void)more;
  AppendItem(RtPrintFormSingle(v));
}

void RtFilePrintFloat(double v, int more) {
  (void)more;
  AppendItem(RtStrFromFloat(v) + " ");
}

void RtFilePrintEnd(Loc loc) {
  Runtime& rt = Runtime::Current();
  auto& files = rt.files();
  if (!files.printing) rt.Fatal("no output statement to end", loc);
  files.printing = false;
  auto it = files.open.find(files.print);
  if (it == files.open.end()) rt.Fatal("file number " + std::to_string(files.print) + " is not open", loc);
  it->second.out += files.line;
  it->second.out += "\r\n";
  files.line.clear();
}

void RtFileDelete(std::string_view dos_path, Loc loc) {
  Runtime& rt = Runtime::Current();
  std::string error;
  auto host = detail::ResolveDosPath(rt, dos_path, &error);
  if (!host) rt.Fatal("cannot delete file: " + error, loc);
  std::error_code ec;
  auto st = fs::symlink_status(*host, ec);
  if (!fs::exists(st)) rt.Fatal("file not found: " + Quote(dos_path), loc);
  if (fs::is_directory(st)) rt.Fatal("cannot delete " + Quote(dos_path) + ": a folder", loc);
  if (!fs::remove(*host, ec) || ec)
    rt.Fatal("cannot delete file " + Quote(dos_path) + ": " + ec.message(), loc);
  TraceLine(&rt.trace(), rt.Now(), "file").Str("mode", "delete").Str("path", dos_path);
}

int OsLockFile(std::string_view dos_path, Loc loc) {
  Runtime& rt = Runtime::Current();
  auto& files = rt.files();
  std::string error;
  auto host = detail::ResolveDosPath(rt, dos_path, &error);
  if (!host) rt.Fatal("cannot lock file: " + error, loc);
  if (files.held.count(*host)) return -1;
  const fs::path lock = host->parent_path() / ("." + host->filename().string() + ".lock");
  auto fail = [&](int fd, const std::string& why) {
    if (fd >= 0) ::close(fd);
    rt.Fatal("cannot lock file " + Quote(dos_path) + " with " + lock.string() + ": " + why, loc);
  };
  // Read-only is enough for flock, so a lock file made by another user
  // serves as well; not blocking, so a FIFO there is refused, not waited on.
  const int fd = ::open(lock.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666);
  if (fd < 0) fail(fd, std::strerror(errno));
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) fail(fd, "not a file");
  int r;
  while ((r = ::flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
  }
  if (r != 0) {
    const int e = errno;
    if (e != EWOULDBLOCK) fail(fd, std::strerror(e));
    ::close(fd);
    return 0;
  }
  files.held.emplace(*host, fd);
  return -1;
}

}  // namespace ham

namespace ham::detail {
std::shared_ptr<Runtime::Files> MakeFilesState() { return std::make_shared<Runtime::Files>(); }

std::string CloseOpenOutputs(Runtime& rt) {
  auto& files = rt.files();
  std::string failed;
  for (auto it = files.open.begin(); it != files.open.end();) {
    OpenFile f = std::move(it->second);
    it = files.open.erase(it);
    if (int e = FinishOutput(f); e != 0 && failed.empty())
      failed = "cannot write file " + Quote(f.dos_path) + ": " + std::strerror(e);
  }
  files.printing = false;
  return failed;
}
}  // namespace ham::detail
