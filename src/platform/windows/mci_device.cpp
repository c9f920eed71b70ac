// The system's MCI service: command strings through mciSendStringW, and its
// notifications taken in by a hidden message-only window, whose messages the
// event pump dispatches along with the game window's.
#include "platform/windows/mci_device.h"

#include <windows.h>

#include <string>

#include "platform/utf8_prefix.h"
#include "platform/windows/wide_text.h"

namespace platform::windows {

namespace {

constexpr const wchar_t* NOTIFY_WINDOW_CLASS = L"VaulmoorMciNotify";
constexpr size_t REPLY_CHARACTERS = 256;

HWND NotifyWindow = nullptr;
MciNotifyHandler Handler = nullptr;

LRESULT CALLBACK NotifyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != MM_MCINOTIFY) return DefWindowProcW(window, message, wParam, lParam);
  if (Handler != nullptr) Handler(wParam);
  return 0;
}

// The window that receives the notifications, made on first use; null when the
// system refuses one (the command then runs without notification).
HWND MakeNotifyWindow() {
  if (NotifyWindow != nullptr) return NotifyWindow;
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = NotifyWindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = NOTIFY_WINDOW_CLASS;
  RegisterClassW(&windowClass);
  NotifyWindow = CreateWindowExW(0, NOTIFY_WINDOW_CLASS, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 windowClass.hInstance, nullptr);
  return NotifyWindow;
}

}  // namespace

uint32_t SendMciCommand(const char* command, char* reply, uint32_t replyLength,
                        MciNotifyHandler onNotify) {
  HWND callback = nullptr;
  if (onNotify != nullptr) {
    Handler = onNotify;
    callback = MakeNotifyWindow();
  }
  wchar_t wideReply[REPLY_CHARACTERS] = {};
  const MCIERROR result =
      mciSendStringW(WideOf(command).c_str(), wideReply, REPLY_CHARACTERS, callback);
  if (reply != nullptr && replyLength > 0) {
    // Cut to the caller's buffer, if need be, between characters.
    const std::string text = Utf8Of(wideReply);
    const size_t length = Utf8PrefixLength(text, replyLength - 1);
    text.copy(reply, length);
    reply[length] = '\0';
  }
  return static_cast<uint32_t>(result);
}

}  // namespace platform::windows
