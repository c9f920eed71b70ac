// What a Windows program needs before main runs: standard output and error for a
// GUI program started from a console, and the locale variables the game takes
// its language from, which Windows does not set.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

// A GUI program started from a console window gets no standard handles: the
// outputs that have none are given the parent's console, when there is one.
// Outputs the parent redirected (to a file or a pipe) keep their handles.
void AttachParentConsole() {
  const DWORD outputs[] = {STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
  const int descriptors[] = {1, 2};
  bool missing[2] = {};
  bool anyMissing = false;
  for (int i = 0; i < 2; ++i) {
    const HANDLE handle = GetStdHandle(outputs[i]);
    missing[i] = handle == nullptr || handle == INVALID_HANDLE_VALUE;
    anyMissing = anyMissing || missing[i];
  }
  if (!anyMissing || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
  for (int i = 0; i < 2; ++i) {
    if (!missing[i]) continue;
    const HANDLE console =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (console == INVALID_HANDLE_VALUE) continue;
    SetStdHandle(outputs[i], console);
    // The C runtime set up its streams before this ran: its descriptor is pointed
    // at the console too.
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(console), _O_TEXT);
    if (descriptor >= 0 && descriptor != descriptors[i]) {
      _dup2(descriptor, descriptors[i]);
      _close(descriptor);
    }
  }
}

bool IsSet(const wchar_t* name) {
  const wchar_t* value = _wgetenv(name);
  return value != nullptr && value[0] != L'\0';
}

// LANG from the user's Windows display language ("ja_JP", "en_GB"), unless the
// player has set LC_ALL, LC_MESSAGES or LANG.
void SetLanguageFromWindows() {
  if (IsSet(L"LC_ALL") || IsSet(L"LC_MESSAGES") || IsSet(L"LANG")) return;
  wchar_t name[LOCALE_NAME_MAX_LENGTH];
  if (LCIDToLocaleName(MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT), name,
                       LOCALE_NAME_MAX_LENGTH, 0) == 0)
    return;
  for (wchar_t* c = name; *c != L'\0'; ++c)
    if (*c == L'-') *c = L'_';
  _wputenv((std::wstring(L"LANG=") + name).c_str());
}

// Runs before main: this file's object is always linked into the program.
struct ProgramStart {
  ProgramStart() {
    AttachParentConsole();
    SetLanguageFromWindows();
  }
} Start;

}  // namespace
