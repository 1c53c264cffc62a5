// The platform layer on Windows: the ANSI (...A) file functions, so that file names reach
// the file system in the ANSI code page, and the console's OEM code page for console text.
#include "platform/platform.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// windows.h maps ReplaceFile to ReplaceFileA; ours is platform::ReplaceFile.
#undef ReplaceFile

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

namespace platform {

const char kPathSeparator = '\\';
const char* const kMySqlLibraryFile = "libmySQL.dll";

namespace {

bool IsAscii(std::string_view text) {
  for (unsigned char c : text) {
    if (c >= 0x80) return false;
  }
  return true;
}

bool AnsiIsUtf8() { return GetACP() == CP_UTF8; }

// GetProcAddress hands out every symbol as one function pointer type; this is the one
// place that turns it into the type the symbol really has.
template <typename Target>
Target FunctionCast(FARPROC symbol) {
  static_assert(sizeof(Target) == sizeof symbol);
  Target target;
  std::memcpy(&target, &symbol, sizeof target);
  return target;
}

// Text in `code_page` to UTF-16. Invalid sequences become U+FFFD.
std::wstring ToWide(std::string_view text, UINT code_page) {
  if (text.empty() || text.size() > static_cast<size_t>(std::numeric_limits<int>::max())) return std::wstring();
  const int size = static_cast<int>(text.size());
  int count = MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
  if (count <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(count), L'\0');
  count = MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(), count);
  wide.resize(count > 0 ? static_cast<size_t>(count) : 0);
  return wide;
}

// UTF-16 to `code_page`. A character the code page cannot hold becomes "?" (no best-fit
// look-alikes); UTF-8 holds them all and takes no default character.
std::string FromWide(const std::wstring& wide, UINT code_page) {
  if (wide.empty()) return std::string();
  const bool utf8 = code_page == CP_UTF8 || (code_page == CP_ACP && AnsiIsUtf8());
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const char* default_char = utf8 ? nullptr : "?";
  const int size = static_cast<int>(wide.size());
  int count = WideCharToMultiByte(code_page, flags, wide.data(), size, nullptr, 0, default_char, nullptr);
  if (count <= 0) return std::string();
  std::string text(static_cast<size_t>(count), '\0');
  count = WideCharToMultiByte(code_page, flags, wide.data(), size, text.data(), count, default_char, nullptr);
  text.resize(count > 0 ? static_cast<size_t>(count) : 0);
  return text;
}

using CharToOemFunction = BOOL(WINAPI*)(LPCSTR, LPSTR);

// CharToOemA lives in user32, which is loaded on the first console conversion only: most
// runs never convert, and loading user32 costs more than all the rest of a start.
CharToOemFunction CharToOemEntry() {
  static const CharToOemFunction entry = []() -> CharToOemFunction {
    HMODULE user32 = LoadLibraryA("user32.dll");
    if (user32 == nullptr) return nullptr;
    return FunctionCast<CharToOemFunction>(GetProcAddress(user32, "CharToOemA"));
  }();
  return entry;
}

// CharToOemA works on zero-terminated text, so each piece between zero bytes goes on its
// own. Nullopt when a call fails.
std::optional<std::string> ConvertAnsiToOem(const std::string& ansi) {
  CharToOemFunction char_to_oem = CharToOemEntry();
  if (char_to_oem == nullptr) return std::nullopt;
  std::string oem;
  oem.reserve(ansi.size());
  size_t start = 0;
  for (;;) {
    size_t end = ansi.find('\0', start);
    std::string piece = ansi.substr(start, end == std::string::npos ? std::string::npos : end - start);
    std::string converted(piece.size() + 1, '\0');
    if (!char_to_oem(piece.c_str(), converted.data())) return std::nullopt;
    converted.resize(piece.size());
    oem += converted;
    if (end == std::string::npos) break;
    oem.push_back('\0');
    start = end + 1;
  }
  return oem;
}

}  // namespace

void InitialiseProcess() {
  // A drive without a medium yields "not found" instead of a message box.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  // The program writes CR LF itself; text mode would turn its LF into CR LF again.
  _setmode(_fileno(stdout), _O_BINARY);
}

void WriteStdout(std::string_view bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stdout); }

void FlushStdout() { std::fflush(stdout); }

std::string ProgramFilePath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return std::string();
    // A full buffer means the path may have been cut: try again with more room.
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    if (path.size() >= 32768) return std::string();
    path.resize(path.size() * 2);
  }
}

bool IsDrivePath(std::string_view path) {
  if (path.size() < 2) return false;
  const char letter = path[0];
  const bool ascii_letter = (letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z');
  return ascii_letter && path[1] == ':';
}

// The caller has made sure the path begins with a drive letter and a colon and ends in
// the separator, so three characters are exactly "X:\".
bool IsDriveRoot(const std::string& normalised_path) { return normalised_path.size() == 3; }

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::vector<std::string> FindEntries(const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data{};
  HANDLE find = FindFirstFileA(pattern.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const char* name = data.cFileName;
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
    names.emplace_back(name);
  } while (FindNextFileA(find, &data));
  FindClose(find);
  return names;
}

bool PatternMatchesAny(const std::string& pattern) { return !FindEntries(pattern).empty(); }

std::optional<std::string> ReadWholeFile(const std::string& path) {
  // Others may read the file meanwhile but not write it.
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string content;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file, &size) && size.QuadPart > 0 &&
      static_cast<unsigned long long>(size.QuadPart) < content.max_size()) {
    content.reserve(static_cast<size_t>(size.QuadPart));
  }
  char buffer[65536];
  for (;;) {
    DWORD n = 0;
    if (!ReadFile(file, buffer, sizeof buffer, &n, nullptr)) {
      CloseHandle(file);
      return std::nullopt;
    }
    if (n == 0) break;
    content.append(buffer, n);
  }
  CloseHandle(file);
  return content;
}

bool ReplaceFile(const std::string& path, std::string_view bytes) {
  static unsigned counter = 0;
  std::string temp = path + ".tmp" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
  HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const char* ptr = bytes.data();
  size_t left = bytes.size();
  bool written = true;
  while (left > 0) {
    DWORD chunk = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
    DWORD n = 0;
    if (!WriteFile(file, ptr, chunk, &n, nullptr) || n == 0) {
      written = false;
      break;
    }
    ptr += n;
    left -= n;
  }
  if (!CloseHandle(file)) written = false;
  if (!written || !MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    DeleteFileA(temp.c_str());
    return false;
  }
  return true;
}

std::string SystemToUtf8(std::string_view text) {
  if (IsAscii(text)) return std::string(text);
  return FromWide(ToWide(text, CP_ACP), CP_UTF8);
}

std::string Utf8ToSystem(std::string_view text) {
  if (IsAscii(text)) return std::string(text);
  return FromWide(ToWide(text, CP_UTF8), CP_ACP);
}

std::string SystemCodePageName() {
  const UINT code_page = GetACP();
  return code_page == CP_UTF8 ? std::string("UTF-8") : "CP" + std::to_string(code_page);
}

// The console shows the OEM code page, which differs from the ANSI one on most systems.
// When CharToOemA fails the ANSI text is the best there is.
std::string Utf8ToConsole(std::string_view text) {
  std::string ansi = IsAscii(text) || AnsiIsUtf8() ? std::string(text) : Utf8ToSystem(text);
  std::optional<std::string> oem = ConvertAnsiToOem(ansi);
  return oem ? *oem : ansi;
}

std::string LocalDate() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04u-%02u-%02u", static_cast<unsigned>(now.wYear),
                static_cast<unsigned>(now.wMonth), static_cast<unsigned>(now.wDay));
  return buffer;
}

// The time text comes in the ANSI code page; the database statement it ends up in is UTF-8.
std::string LocalLongTime() {
  char buffer[128];
  int n = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, buffer, sizeof buffer);
  if (n <= 1) return std::string();
  return std::string(buffer, static_cast<size_t>(n - 1));
}

int CompareTextIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() > static_cast<size_t>(std::numeric_limits<int>::max()) ||
      b.size() > static_cast<size_t>(std::numeric_limits<int>::max())) {
    return a.compare(b);
  }
  int result = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                              static_cast<int>(b.size()));
  // 0 is failure; CSTR_LESS_THAN, CSTR_EQUAL and CSTR_GREATER_THAN are 1, 2 and 3.
  if (result == 0) return a.compare(b);
  return result - CSTR_EQUAL;
}

void* OpenLibrary(const std::string& path) { return reinterpret_cast<void*>(LoadLibraryA(path.c_str())); }

void* LibrarySymbol(void* library, const char* name) {
  return FunctionCast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

// A relative name goes through the system's library search, which begins with the
// program's folder, where the presence check found the file.
std::string MySqlLibraryLoadName(const std::string& /*program_folder*/) { return "libmysql.dll"; }

}  // namespace platform
