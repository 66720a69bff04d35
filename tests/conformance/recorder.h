// Windows whose procedure writes down the messages they get, so that a test can check which
// messages an operation sends, and in what order. Only the messages that Quillet relies on are
// kept: the real platform sends many more, in ways that differ between its versions.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "win/win.h"

namespace conformance {

// UTF-16 text as the W functions take it, and back.
inline LPCWSTR W(const char16_t* text) { return reinterpret_cast<LPCWSTR>(text); }
inline std::u16string U(const WCHAR* text) { return reinterpret_cast<const char16_t*>(text); }

struct Seen {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

// A test may answer some messages itself: return true and set the result.
using Handler = std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT*)>;

// The recording class, registered.
LPCWSTR RecordingClass();

// A window of the recording class, destroyed when it goes out of scope.
class RecordedWindow {
  public:
    explicit RecordedWindow(RECT rect, DWORD style = WS_POPUP, DWORD exStyle = 0,
                            HWND owner = nullptr, void* param = nullptr);
    ~RecordedWindow();
    RecordedWindow(const RecordedWindow&) = delete;
    RecordedWindow& operator=(const RecordedWindow&) = delete;
    HWND get() const { return hwnd_; }

  private:
    HWND hwnd_;
};

// What the recording windows have got since the last Forget, in order.
const std::vector<Seen>& Log();
// The messages one window got since the last Forget, in order.
std::vector<UINT> MessagesOf(HWND hwnd);
void Forget();
void SetHandler(Handler handler);
// Dispatches what the queue holds now, without waiting.
void Pump();

}  // namespace conformance
