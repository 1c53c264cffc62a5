// The operating system as the program sees it: files, folders, code pages, the clock,
// the console and shared libraries. One implementation per OS (posix.cpp, win32.cpp);
// nothing else in the program includes an OS header. Paths handed to the file
// functions are in the system code page; conversion from UTF-8 happens in the caller.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Sets up the process: the user's locale, and standard output in binary mode so that
// the CR LF line ends the program writes reach it unchanged.
void InitialiseProcess();

// Writes bytes to standard output, unconverted.
void WriteStdout(std::string_view bytes);
void FlushStdout();

// The full path of the running program file, in the system code page.
std::string ProgramFilePath();

// The separator between path components ("\" on Windows, "/" elsewhere).
extern const char kPathSeparator;

// True when a disc path names a place on a drive: a letter and a colon on Windows, an
// absolute path elsewhere.
bool IsDrivePath(std::string_view path);

// True when a disc path that ends in the separator is the root of a drive: "X:\" on
// Windows; elsewhere "/" or a mount point (a folder on another device than its parent).
bool IsDriveRoot(const std::string& normalised_path);

// True when a file (not a folder) of this name exists.
bool FileExists(const std::string& path);

// The names (not paths) of the entries matching a wildcard pattern ("folder/*.IFO"),
// entries of every kind, hidden ones too, in the file system's order. The last path
// component is matched without regard to case; the folder part is taken as it is.
std::vector<std::string> FindEntries(const std::string& pattern);

// True when at least one entry matches the pattern (see FindEntries).
bool PatternMatchesAny(const std::string& pattern);

// The whole content of a file; nullopt when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Creates or replaces a file with the given bytes. The bytes go to a temporary file
// beside the target, which then takes the target's place, so the target either keeps
// its old content or holds all the new bytes. False when that cannot be done.
bool ReplaceFile(const std::string& path, std::string_view bytes);

// Code pages. The system code page is the ANSI code page on Windows and the locale's
// character set elsewhere (the C locale counting as UTF-8). A character that the
// target cannot hold becomes "?".
std::string SystemToUtf8(std::string_view text);
std::string Utf8ToSystem(std::string_view text);
// The system code page's name: "UTF-8", or the character set's name as the system gives
// it ("ISO-8859-1", "CP1252", ...).
std::string SystemCodePageName();
// UTF-8 text in the console's code page: through the system code page and, on
// Windows, CharToOemA.
std::string Utf8ToConsole(std::string_view text);

// The local date as "yyyy-mm-dd" and the local time in the locale's long time format,
// in the system code page.
std::string LocalDate();
std::string LocalLongTime();

// Locale-aware comparison without regard to case: negative, zero or positive.
int CompareTextIgnoringCase(const std::string& a, const std::string& b);

// Shared libraries. OpenLibrary returns an opaque handle or nullptr.
void* OpenLibrary(const std::string& path);
void* LibrarySymbol(void* library, const char* name);

// The MySQL client library: the file looked for in the program folder, and the name
// under which it is loaded (relative names go through the system's library search,
// which looks in the program's folder first).
extern const char* const kMySqlLibraryFile;
std::string MySqlLibraryLoadName(const std::string& program_folder);

}  // namespace platform
