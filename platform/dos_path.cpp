// The DOS view of the host's folders: drive C is the runtime's drive_c folder,
// everything else is seen through drive Z with the host root as Z:\.
// Also the current folder, file search and the start of another program.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>

#include "platform/api.h"
#include "platform/files_state.h"
#include "platform/internal.h"
#include "platform/utf8.h"

extern char** environ;

namespace ham {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxPath = 260;

bool IsSep(char c) { return c == '\\' || c == '/'; }

char FoldAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  return true;
}

bool HasControl(std::string_view s) {
  return std::any_of(s.begin(), s.end(), [](char c) {
    auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F;
  });
}

// Absolute, lexically normal, without a trailing separator.
fs::path Normal(const fs::path& p) {
  std::error_code ec;
  fs::path a = p.is_absolute() ? p : fs::absolute(p, ec);
  a = a.lexically_normal();
  if (!a.has_filename() && a != a.root_path()) a = a.parent_path();
  return a;
}

// Components of `host` below `root`, when `host` lies inside it.
std::optional<std::vector<std::string>> Below(const fs::path& host, const fs::path& root) {
  auto h = host.begin();
  for (const auto& r : root) {
    if (h == host.end() || *h != r) return std::nullopt;
    ++h;
  }
  std::vector<std::string> rest;
  for (; h != host.end(); ++h)
    if (!h->empty()) rest.push_back(h->string());
  return rest;
}

struct DriveView {
  char letter = 'Z';
  fs::path root;
  std::vector<std::string> names;  // components below the root
};

fs::path DriveCRoot(Runtime& rt) {
  fs::path c = rt.drive_c();
  return c.empty() ? c : Normal(c);
}

DriveView ViewOf(Runtime& rt, const fs::path& host) {
  fs::path h = Normal(host);
  fs::path c = DriveCRoot(rt);
  if (!c.empty()) {
    if (auto rest = Below(h, c)) return {'C', c, std::move(*rest)};
    // A current folder taken from the system has its links resolved.
    std::error_code ec;
    fs::path real = fs::weakly_canonical(c, ec);
    if (!ec && real != c)
      if (auto rest = Below(h, real)) return {'C', c, std::move(*rest)};
  }
  return {'Z', h.root_path(), Below(h, h.root_path()).value_or(std::vector<std::string>{})};
}

// Characters a DOS name cannot hold (the separators are split off before).
bool BadNameChar(char c) { return std::strchr("<>:\"|?*", c) != nullptr && c != '\0'; }

// Glob of '*' and '?' over the case-folded name.
bool WildMatch(std::string_view pat, std::string_view name) {
  std::size_t p = 0, n = 0, star = std::string_view::npos, mark = 0;
  while (n < name.size()) {
    if (p < pat.size() && (pat[p] == '?' || FoldAscii(pat[p]) == FoldAscii(name[n]))) {
      ++p;
      ++n;
    } else if (p < pat.size() && pat[p] == '*') {
      star = p++;
      mark = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pat.size() && pat[p] == '*') ++p;
  return p == pat.size();
}

}  // namespace

namespace detail {

std::optional<fs::path> FindEntryNoCase(const fs::path& dir, std::string_view name) {
  if (name.empty() || name == "." || name == ".." ||
      name.find_first_of(std::string_view("/\0", 2)) != std::string_view::npos)
    return std::nullopt;
  std::error_code ec;
  fs::path exact = dir / std::string(name);
  if (fs::exists(fs::symlink_status(exact, ec))) return exact;
  std::optional<fs::path> best;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::string entry = it->path().filename().string();
    if (!EqualNoCase(entry, name)) continue;
    // Several names that differ only in case: the first in byte order, so
    // that the choice does not depend on the order of the folder.
    if (!best || entry < best->filename().string()) best = it->path();
  }
  return best;
}

std::string DosPathOf(Runtime& rt, const fs::path& host) {
  DriveView v = ViewOf(rt, host);
  std::string out(1, v.letter);
  out += ":\\";
  for (std::size_t i = 0; i < v.names.size(); ++i) {
    if (i) out += '\\';
    out += v.names[i];
  }
  return out;
}

std::optional<fs::path> ResolveDosPath(Runtime& rt, std::string_view dos, std::string* error) {
  auto refuse = [&](const std::string& why) -> std::optional<fs::path> {
    if (error) *error = "\"" + std::string(dos) + "\": " + why;
    return std::nullopt;
  };
  if (dos.empty()) return refuse("empty path");
  if (dos.find('\0') != std::string_view::npos || HasControl(dos))
    return refuse("control character in path");

  DriveView cur = ViewOf(rt, rt.current_folder());
  DriveView base = cur;
  std::string_view rest = dos;
  if (rest.size() >= 2 && rest[1] == ':') {
    char letter = FoldAscii(rest[0]);
    if (letter == 'C') {
      fs::path c = DriveCRoot(rt);
      if (c.empty()) return refuse("drive C is not set");
      base = {'C', c, {}};
    } else if (letter == 'Z') {
      base = {'Z', Normal(rt.current_folder()).root_path(), {}};
    } else {
      return refuse(std::string("no drive ") + rest[0]);
    }
    // "C:name" is relative to the current folder when that is on the drive.
    if (base.letter == cur.letter) base.names = cur.names;
    rest.remove_prefix(2);
  }
  if (!rest.empty() && IsSep(rest.front())) base.names.clear();

  std::vector<std::string> names = base.names;
  std::size_t i = 0;
  while (i < rest.size()) {
    while (i < rest.size() && IsSep(rest[i])) ++i;
    std::size_t start = i;
    while (i < rest.size() && !IsSep(rest[i])) ++i;
    std::string_view part = rest.substr(start, i - start);
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (names.empty()) return refuse(std::string("path leaves drive ") + base.letter);
      names.pop_back();
      continue;
    }
    if (std::any_of(part.begin(), part.end(), BadNameChar)) return refuse("bad character in name");
    names.emplace_back(part);
  }

  // Each component as it is on disk; the last one may not exist yet.
  fs::path host = base.root;
  for (std::size_t k = 0; k < names.size(); ++k) {
    if (auto found = FindEntryNoCase(host, names[k])) {
      host = *found;
    } else if (k + 1 == names.size()) {
      host /= names[k];
    } else {
      return refuse("no folder " + names[k]);
    }
  }
  return host;
}

namespace {
FileStamp StampOf(const struct stat& st) {
  return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
          static_cast<std::int64_t>(st.st_size),
          static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
          static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};
}
}  // namespace

std::optional<FileStamp> FileStampOf(const fs::path& p) {
  struct stat st {};
  if (::stat(p.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return StampOf(st);
}

bool ReadFileBytes(const fs::path& p, std::vector<std::uint8_t>& out, FileStamp* stamp) {
  // Not blocking: a FIFO is refused below, not waited on.
  const int fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat st {};
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  if (ok) {
    // In one piece: the whole size in one read, as far as the system allows.
    out.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    while (got < out.size()) {
      const ssize_t n = ::read(fd, out.data() + got, out.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        ok = n == 0;
        break;
      }
      got += static_cast<std::size_t>(n);
    }
    out.resize(got);
    if (stamp) *stamp = StampOf(st);
  }
  ::close(fd);
  return ok;
}

}  // namespace detail

// ----- current folder ----------------------------------------------------------------

std::string OsGetCurrentDirectory(Loc loc) {
  Runtime& rt = Runtime::Current();
  std::string dos = detail::DosPathOf(rt, rt.current_folder());
  if (static_cast<std::size_t>(utf8::Length(dos)) > kMaxPath)
    rt.Fatal("current folder longer than 260 characters: " + dos, loc);
  return dos;
}

void OsSetCurrentDirectory(std::string_view dos_path, Loc loc) {
  Runtime& rt = Runtime::Current();
  std::string error;
  auto host = detail::ResolveDosPath(rt, dos_path, &error);
  std::error_code ec;
  if (!host) rt.Fatal("folder cannot be entered: " + error, loc);
  if (!fs::is_directory(*host, ec))
    rt.Fatal("folder cannot be entered: \"" + std::string(dos_path) + "\" is not a folder", loc);
  rt.current_folder() = Normal(*host);
  TraceLine(&rt.trace(), rt.Now(), "chdir").Str("path", dos_path);
}

std::string OsHostPath(std::string_view dos_path) {
  auto host = detail::ResolveDosPath(Runtime::Current(), dos_path, nullptr);
  return host ? host->string() : std::string(dos_path);
}

// ----- file search -----------------------------------------------------------------------

void OsFindFirstFile(int search, std::string_view dos_pattern) {
  Runtime& rt = Runtime::Current();
  std::size_t cut = dos_pattern.find_last_of("\\/");
  std::string_view dir, name;
  if (cut != std::string_view::npos) {
    dir = dos_pattern.substr(0, cut + 1);
    name = dos_pattern.substr(cut + 1);
  } else if (dos_pattern.size() >= 2 && dos_pattern[1] == ':') {
    dir = dos_pattern.substr(0, 2);
    name = dos_pattern.substr(2);
  } else {
    dir = ".";
    name = dos_pattern;
  }
  std::error_code ec;
  std::optional<fs::path> entry;
  auto folder = detail::ResolveDosPath(rt, dir, nullptr);
  if (folder && !name.empty() && !HasControl(name) && fs::is_directory(*folder, ec)) {
    if (name.find_first_of("*?") == std::string_view::npos) {
      entry = detail::FindEntryNoCase(*folder, name);
    } else {
      for (fs::directory_iterator it(*folder, ec), end; !ec && it != end; it.increment(ec))
        if (WildMatch(name, it->path().filename().string())) {
          entry = it->path();
          break;
        }
    }
  }
  rt.files().searches[search] = std::move(entry);
}

int OsFindNothing(int search) {
  auto& s = Runtime::Current().files().searches;
  auto it = s.find(search);
  return (it != s.end() && it->second) ? 0 : -1;
}

int OsFindFoundFile(int search) {
  auto& s = Runtime::Current().files().searches;
  auto it = s.find(search);
  std::error_code ec;
  return (it != s.end() && it->second && fs::is_regular_file(*it->second, ec)) ? -1 : 0;
}

void OsFindClose(int search) { Runtime::Current().files().searches.erase(search); }

// ----- starting another program ---------------------------------------------------------

namespace {

// A file the shell can read as commands: readable, without a NUL byte in its
// first block.
bool LooksLikeScript(const std::string& prog) {
  int fd = open(prog.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  char head[512];
  ssize_t n;
  while ((n = read(fd, head, sizeof head)) < 0 && errno == EINTR) {
  }
  close(fd);
  return n >= 0 && std::memchr(head, 0, static_cast<std::size_t>(n)) == nullptr;
}

// Starts `prog` in `cwd` without waiting, detached from this process: its own
// process group, stdin from /dev/null, no other descriptors, this process's
// environment. A file the system cannot run is run by the shell when it is a
// script. The child is spawned without copying this process (no fork) and
// reaped by a thread of its own, so it is nobody's zombie. Returns 0 or the
// errno of the failed start.
int Spawn(const std::string& prog, const std::string& cwd) {
  bool executable = access(prog.c_str(), X_OK) == 0;
  bool script = LooksLikeScript(prog);
  if (!executable && !script) return EACCES;
  std::string shell = "/bin/sh";
  std::string arg0 = prog;
  char* direct[] = {arg0.data(), nullptr};
  char* via_shell[] = {shell.data(), arg0.data(), nullptr};

  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attr;
  if (int e = posix_spawn_file_actions_init(&actions)) return e;
  if (int e = posix_spawnattr_init(&attr)) {
    posix_spawn_file_actions_destroy(&actions);
    return e;
  }
  sigset_t none;
  sigemptyset(&none);
  int e = posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  if (!e) e = posix_spawn_file_actions_addclosefrom_np(&actions, 3);
  if (!e) e = posix_spawn_file_actions_addchdir_np(&actions, cwd.c_str());
  if (!e) e = posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK);
  if (!e) e = posix_spawnattr_setpgroup(&attr, 0);
  if (!e) e = posix_spawnattr_setsigmask(&attr, &none);
  pid_t child = -1;
  if (!e) {
    e = ENOEXEC;
    if (executable) e = posix_spawn(&child, prog.c_str(), &actions, &attr, direct, environ);
    if (e == ENOEXEC && script) e = posix_spawn(&child, shell.c_str(), &actions, &attr, via_shell, environ);
  }
  posix_spawnattr_destroy(&attr);
  posix_spawn_file_actions_destroy(&actions);
  if (e) return e;
  std::thread([child] {
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
  return 0;
}

}  // namespace

void RtRunProgram(std::string_view file_name, Loc loc) {
  Runtime& rt = Runtime::Current();
  std::string error;
  auto host = detail::ResolveDosPath(rt, file_name, &error);
  if (!host) rt.Fatal("cannot start program: " + error, loc);
  std::error_code ec;
  if (!fs::is_regular_file(*host, ec))
    rt.Fatal("program not found: \"" + std::string(file_name) + "\"", loc);
  std::string folder = detail::DosPathOf(rt, rt.current_folder());
  if (int e = Spawn(host->string(), Normal(rt.current_folder()).string()))
    rt.Fatal("cannot start program \"" + std::string(file_name) + "\": " + std::strerror(e), loc);
  TraceLine(&rt.trace(), rt.Now(), "run").Str("program", file_name).Str("folder", folder);
}

}  // namespace ham
