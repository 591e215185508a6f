// formc: compiles form layouts into the resource table of a program.
//
//   formc --function NAME --output FILE.cpp [--bitmap NAME=FILE]... LAYOUT...
//   formc --corpus DIR LAYOUT...
//
// The first form writes a C++ file defining `const ham::ResourceTable& NAME()`
// with the compiled forms, F1A0BITMAPLIST, FB$VERSIONINFO and the bitmaps;
// the second writes each compiled form as DIR/<form>.bin.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "forms/form_resource.h"
#include "forms/layout.h"

namespace {

struct Entry {
  std::string type;
  std::string name;
  std::vector<std::uint8_t> bytes;
};

bool ReadFile(const std::filesystem::path& p, std::string& out) {
  std::ifstream in(p, std::ios::binary);
  if (!in) return false;
  std::ostringstream ss;
  ss << in.rdbuf();
  out = ss.str();
  return true;
}

bool IsIdentifier(const std::string& s) {
  if (s.empty()) return false;
  bool start = true;
  for (std::size_t i = 0; i < s.size(); ++i) {
    char ch = s[i];
    if (ch == ':' && i + 1 < s.size() && s[i + 1] == ':' && !start) {
      ++i;
      start = true;
      continue;
    }
    bool alpha = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || ch == '_';
    bool digit = ch >= '0' && ch <= '9';
    if (!(alpha || (digit && !start))) return false;
    start = false;
  }
  return !start;
}

void EmitArray(std::ostream& os, const std::string& id, const std::vector<std::uint8_t>& bytes) {
  os << "static const unsigned char " << id << "[" << bytes.size() << "] = {";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i % 16 == 0) os << "\n   ";
    char buf[8];
    std::snprintf(buf, sizeof buf, " 0x%02X,", bytes[i]);
    os << buf;
  }
  os << "\n};\n";
}

int Usage() {
  std::cerr << "usage: formc --function NAME --output FILE.cpp [--bitmap NAME=FILE]... LAYOUT...\n"
               "       formc --corpus DIR LAYOUT...\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string function, output, corpus;
  std::vector<std::pair<std::string, std::string>> bitmaps;
  std::vector<std::string> layouts;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= argc) return false;
      into = argv[++i];
      return true;
    };
    if (a == "--function") {
      if (!value(function)) return Usage();
    } else if (a == "--output") {
      if (!value(output)) return Usage();
    } else if (a == "--corpus") {
      if (!value(corpus)) return Usage();
    } else if (a == "--bitmap") {
      std::string spec;
      if (!value(spec)) return Usage();
      std::size_t eq = spec.find('=');
      if (eq == std::string::npos || eq == 0) return Usage();
      bitmaps.emplace_back(spec.substr(0, eq), spec.substr(eq + 1));
    } else if (!a.empty() && a[0] == '-') {
      return Usage();
    } else {
      layouts.push_back(a);
    }
  }
  if (corpus.empty() && (function.empty() || output.empty())) return Usage();
  if (!function.empty() && !IsIdentifier(function)) {
    std::cerr << "formc: \"" << function << "\" is not a C++ function name\n";
    return 1;
  }

  std::vector<Entry> entries;
  std::set<std::string> names;
  for (const std::string& path : layouts) {
    std::string text;
    if (!ReadFile(path, text)) {
      std::cerr << "formc: cannot read " << path << "\n";
      return 1;
    }
    ham::FormResource res;
    std::string error;
    if (!ham::CompileLayout(text, path, res, &error)) {
      std::cerr << error << "\n";
      return 1;
    }
    std::string stem = std::filesystem::path(path).stem().string();
    if (stem != res.name) {
      std::cerr << path << ": the file holds form " << res.name << "; name it " << res.name << ".form\n";
      return 1;
    }
    if (!names.insert(res.name).second) {
      std::cerr << path << ": form " << res.name << " is given twice\n";
      return 1;
    }
    std::vector<std::uint8_t> bytes = res.Write(&error);
    ham::FormResource back;
    if (bytes.empty() || !ham::FormResource::Read(bytes, back, &error) || back.Write() != bytes) {
      std::cerr << path << ": the compiled form does not read back: " << error << "\n";
      return 1;
    }
    entries.push_back({"RCDATA", res.name, std::move(bytes)});
  }

  if (!corpus.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(corpus, ec);
    for (const Entry& e : entries) {
      std::ofstream out(std::filesystem::path(corpus) / (e.name + ".bin"), std::ios::binary);
      out.write(reinterpret_cast<const char*>(e.bytes.data()), static_cast<std::streamsize>(e.bytes.size()));
      if (!out) {
        std::cerr << "formc: cannot write into " << corpus << "\n";
        return 1;
      }
    }
    if (output.empty()) return 0;
  }

  entries.push_back({"RCDATA", "F1A0BITMAPLIST", ham::WriteBitmapListResource()});
  entries.push_back({"RCDATA", "FB$VERSIONINFO", ham::WriteVersionInfoResource()});
  for (const auto& [name, path] : bitmaps) {
    std::string data;
    if (!ReadFile(path, data) || data.empty()) {
      std::cerr << "formc: cannot read bitmap " << path << "\n";
      return 1;
    }
    entries.push_back({"BITMAP", name, std::vector<std::uint8_t>(data.begin(), data.end())});
  }

  std::ostringstream os;
  os << "// Generated by formc from the form layouts; do not edit.\n"
        "#include \"platform/runtime.h\"\n\nnamespace {\n";
  for (std::size_t i = 0; i < entries.size(); ++i) EmitArray(os, "kResource" + std::to_string(i), entries[i].bytes);
  os << "}  // namespace\n\n";
  std::string ns, fn = function;
  if (std::size_t cut = function.rfind("::"); cut != std::string::npos) {
    ns = function.substr(0, cut);
    fn = function.substr(cut + 2);
    os << "namespace " << ns << " {\n";
  }
  os << "const ham::ResourceTable& " << fn << "() {\n  static const ham::ResourceTable table = {\n";
  for (std::size_t i = 0; i < entries.size(); ++i) {
    os << "      {\"" << entries[i].type << "\", \"" << entries[i].name << "\", kResource" << i
       << ", sizeof kResource" << i << "},\n";
  }
  os << "  };\n  return table;\n}\n";
  if (!ns.empty()) os << "}  // namespace " << ns << "\n";

  std::ofstream out(output, std::ios::binary);
  out << os.str();
  if (!out) {
    std::cerr << "formc: cannot write " << output << "\n";
    return 1;
  }
  return 0;
}
