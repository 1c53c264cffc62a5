// The platform layer on Linux and other POSIX systems.
#include "platform/platform.h"

#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <iconv.h>
#include <langinfo.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <cwchar>
#include <cwctype>

namespace platform {

const char kPathSeparator = '/';
const char* const kMySqlLibraryFile = "libmariadb.so.3";

namespace {

bool CodesetIsUtf8() {
  const char* codeset = nl_langinfo(CODESET);
  // The C/POSIX locale counts as UTF-8, as modern runtimes do.
  return codeset == nullptr || std::strcmp(codeset, "UTF-8") == 0 ||
         std::strcmp(codeset, "ANSI_X3.4-1968") == 0 || std::strcmp(codeset, "ASCII") == 0;
}

bool IsAscii(std::string_view text) {
  for (unsigned char c : text) {
    if (c >= 0x80) return false;
  }
  return true;
}

// Converts between character sets; an input sequence the target cannot hold becomes
// "?" and conversion goes on after it. `from_utf8` tells how long that sequence is.
std::string Convert(std::string_view text, const char* to, const char* from, bool from_utf8) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(text);
  std::string out;
  out.resize(text.size() * 4 + 8);
  char* in_ptr = const_cast<char*>(text.data());
  size_t in_left = text.size();
  char* out_ptr = out.data();
  size_t out_left = out.size();
  while (in_left > 0) {
    if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) {
      size_t used = static_cast<size_t>(out_ptr - out.data());
      out.resize(out.size() * 2);
      out_ptr = out.data() + used;
      out_left = out.size() - used;
      continue;
    }
    // EILSEQ or EINVAL: replace one character and go on.
    size_t skip = 1;
    if (from_utf8) {
      unsigned char lead = static_cast<unsigned char>(*in_ptr);
      skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
      if (skip > in_left) skip = in_left;
    }
    in_ptr += skip;
    in_left -= skip;
    if (out_left == 0) {
      size_t used = static_cast<size_t>(out_ptr - out.data());
      out.resize(out.size() * 2);
      out_ptr = out.data() + used;
      out_left = out.size() - used;
    }
    *out_ptr++ = '?';
    --out_left;
  }
  out.resize(static_cast<size_t>(out_ptr - out.data()));
  iconv_close(cd);
  return out;
}

std::wstring Widen(const std::string& text) {
  std::mbstate_t state{};
  std::wstring out;
  const char* ptr = text.data();
  size_t left = text.size();
  while (left > 0) {
    wchar_t wc = 0;
    size_t n = std::mbrtowc(&wc, ptr, left, &state);
    if (n == static_cast<size_t>(-1) || n == static_cast<size_t>(-2)) {
      wc = static_cast<unsigned char>(*ptr);
      n = 1;
      state = std::mbstate_t{};
    } else if (n == 0) {
      n = 1;
    }
    out.push_back(wc);
    ptr += n;
    left -= n;
  }
  return out;
}

}  // namespace

void InitialiseProcess() { std::setlocale(LC_ALL, ""); }

void WriteStdout(std::string_view bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stdout); }

void FlushStdout() { std::fflush(stdout); }

std::string ProgramFilePath() {
  std::string path(4096, '\0');
  ssize_t n = readlink("/proc/self/exe", path.data(), path.size());
  if (n <= 0) return std::string();
  path.resize(static_cast<size_t>(n));
  return path;
}

bool IsDrivePath(std::string_view path) { return !path.empty() && path.front() == '/'; }

bool IsDriveRoot(const std::string& normalised_path) {
  if (normalised_path == "/") return true;
  struct stat self {};
  struct stat parent {};
  if (stat(normalised_path.c_str(), &self) != 0 || !S_ISDIR(self.st_mode)) return false;
  if (stat((normalised_path + "..").c_str(), &parent) != 0) return false;
  return self.st_dev != parent.st_dev;
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

namespace {

// Walks the entries matching a pattern until `visit` returns false.
template <typename Visit>
void ForEachEntry(const std::string& pattern, Visit visit) {
  size_t slash = pattern.rfind('/');
  std::string folder = slash == std::string::npos ? "." : pattern.substr(0, slash + 1);
  std::string mask = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return;
  while (dirent* entry = readdir(dir)) {
    const char* name = entry->d_name;
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
    if (fnmatch(mask.c_str(), name, FNM_CASEFOLD) == 0 && !visit(name)) break;
  }
  closedir(dir);
}

}  // namespace

std::vector<std::string> FindEntries(const std::string& pattern) {
  std::vector<std::string> names;
  ForEachEntry(pattern, [&names](const char* name) {
    names.emplace_back(name);
    return true;
  });
  return names;
}

bool PatternMatchesAny(const std::string& pattern) {
  bool found = false;
  ForEachEntry(pattern, [&found](const char*) {
    found = true;
    return false;
  });
  return found;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    close(fd);
    return std::nullopt;
  }
  std::string content;
  content.reserve(static_cast<size_t>(st.st_size));
  char buffer[65536];
  for (;;) {
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    content.append(buffer, static_cast<size_t>(n));
  }
  close(fd);
  return content;
}

bool ReplaceFile(const std::string& path, std::string_view bytes) {
  static unsigned counter = 0;
  std::string temp = path + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(++counter);
  int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  const char* ptr = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = write(fd, ptr, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      close(fd);
      unlink(temp.c_str());
      return false;
    }
    ptr += n;
    left -= static_cast<size_t>(n);
  }
  if (close(fd) != 0 || rename(temp.c_str(), path.c_str()) != 0) {
    unlink(temp.c_str());
    return false;
  }
  return true;
}

std::string SystemToUtf8(std::string_view text) {
  if (IsAscii(text) || CodesetIsUtf8()) return std::string(text);
  return Convert(text, "UTF-8", nl_langinfo(CODESET), false);
}

std::string Utf8ToSystem(std::string_view text) {
  if (IsAscii(text) || CodesetIsUtf8()) return std::string(text);
  return Convert(text, nl_langinfo(CODESET), "UTF-8", true);
}

std::string SystemCodePageName() { return CodesetIsUtf8() ? "UTF-8" : nl_langinfo(CODESET); }

// The console shows the locale's character set, which is also the system code page.
std::string Utf8ToConsole(std::string_view text) { return Utf8ToSystem(text); }

std::string LocalDate() {
  std::time_t now = std::time(nullptr);
  std::tm local {};
  localtime_r(&now, &local);
  char buffer[32];
  std::strftime(buffer, sizeof buffer, "%Y-%m-%d", &local);
  return buffer;
}

std::string LocalLongTime() {
  std::time_t now = std::time(nullptr);
  std::tm local {};
  localtime_r(&now, &local);
  const char* format = nl_langinfo(T_FMT);
  if (format == nullptr || *format == '\0') format = "%H:%M:%S";
  char buffer[128];
  // The format is the locale's own, not ours.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
  size_t n = std::strftime(buffer, sizeof buffer, format, &local);
#pragma GCC diagnostic pop
  return std::string(buffer, n);
}

int CompareTextIgnoringCase(const std::string& a, const std::string& b) {
  std::wstring wa = Widen(a);
  std::wstring wb = Widen(b);
  for (wchar_t& c : wa) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  for (wchar_t& c : wb) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  int result = std::wcscoll(wa.c_str(), wb.c_str());
  if (result == 0) result = wa.compare(wb);
  return result;
}

void* OpenLibrary(const std::string& path) { return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL); }

void* LibrarySymbol(void* library, const char* name) { return dlsym(library, name); }

// dlopen does not search the program's folder by itself, so the file found there by the
// presence check is loaded by its path.
std::string MySqlLibraryLoadName(const std::string& program_folder) {
  return program_folder + kMySqlLibraryFile;
}

}  // namespace platform
