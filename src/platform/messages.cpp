// The message queue between the platform's events and the window procedure.
#include <deque>
#include <mutex>

#include "platform/core_internal.h"

namespace platform {
namespace {

std::deque<MSG> Queue;
// Guards Queue: PostMessageA may also come from the audio thread (the music's
// end notification), as the original platform allows.
std::mutex QueueLock;
bool QuitPosted = false;
WNDPROC WindowProcedure = nullptr;
bool WindowAlive = false;

bool IsKeyMessage(uint32_t message) {
  return message == WM_KEYDOWN || message == WM_KEYUP;
}

}  // namespace

namespace core {

void AttachWindowProcedure(WNDPROC proc) {
  WindowProcedure = proc;
  WindowAlive = proc != nullptr;
}

intptr_t SendToWindow(uint32_t message, uintptr_t wParam, intptr_t lParam) {
  return WindowAlive ? WindowProcedure(message, wParam, lParam) : 0;
}

void ResetMessages() {
  std::lock_guard<std::mutex> lock(QueueLock);
  Queue.clear();
  QuitPosted = false;
  AttachWindowProcedure(nullptr);
}

}  // namespace core

bool PeekMessageA(MSG* message) {
  core::PumpEvents();
  std::lock_guard<std::mutex> lock(QueueLock);
  if (!Queue.empty()) {
    *message = Queue.front();
    return true;
  }
  if (QuitPosted) *message = MSG{WM_QUIT, 0, 0};
  return QuitPosted;
}

int GetMessageA(MSG* message) {
  // As on the original platform, the quit message comes only once the queue is empty.
  std::unique_lock<std::mutex> lock(QueueLock);
  while (Queue.empty() && !QuitPosted) {
    lock.unlock();
    IdlePoll();
    lock.lock();
  }
  if (Queue.empty()) {
    QuitPosted = false;
    *message = MSG{WM_QUIT, 0, 0};
    return 0;
  }
  *message = Queue.front();
  Queue.pop_front();
  lock.unlock();
  if (IsKeyMessage(message->message))
    core::SetMessageKeyState(static_cast<int>(message->wParam), message->message == WM_KEYDOWN);
  core::InputMessageTaken(*message);
  return 1;
}

// Messages for a window that is gone are dropped, as the original platform does.
intptr_t DispatchMessageA(const MSG& message) {
  return core::SendToWindow(message.message, message.wParam, message.lParam);
}

void PostMessageA(uint32_t message, uintptr_t wParam, intptr_t lParam) {
  std::lock_guard<std::mutex> lock(QueueLock);
  Queue.push_back(MSG{message, wParam, lParam});
}

void PostQuitMessage(int) {
  QuitPosted = true;
}

intptr_t DefWindowProcA(uint32_t message, uintptr_t, intptr_t) {
  if (message == WM_CLOSE) DestroyMainWindow();
  return 0;
}

}  // namespace platform
