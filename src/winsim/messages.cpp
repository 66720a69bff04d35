// The thread's one message queue, and the waits that move the virtual clock.
#include <algorithm>
#include <deque>
#include <optional>
#include <string>

#include "winsim/clock.h"
#include "winsim/detail.h"
#include "winsim/reset_parts.h"
#include "winsim/timer_table.h"
#include "winsim/window_table.h"

namespace winsim {
namespace {

// Timers alone never end a wait: with nothing scripted for this long, a test has lost its way.
constexpr std::uint32_t scriptSilenceLimit = 10 * 60 * 1000;

std::deque<MSG> posted;
bool quitPosted = false;
int quitCode = 0;

struct Filter {
    HWND hwnd;
    UINT min;
    UINT max;

    bool Passes(HWND target, UINT message) const {
        if (hwnd != nullptr && target != hwnd) return false;
        return (min == 0 && max == 0) || (message >= min && message <= max);
    }
};

MSG Make(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    POINT cursor{};
    GetCursorPos(&cursor);
    return MSG{hwnd, message, wParam, lParam, detail::ClockNow(), cursor};
}

// What the queue holds now, in the platform's order: posted messages, then the quit request,
// then painting, then timers.
std::optional<MSG> Take(const Filter& filter, bool remove, bool takeQuit) {
    for (auto it = posted.begin(); it != posted.end(); ++it) {
        if (!filter.Passes(it->hwnd, it->message)) continue;
        MSG msg = *it;
        if (remove) posted.erase(it);
        return msg;
    }
    if (quitPosted && takeQuit) {
        if (remove) quitPosted = false;
        return Make(nullptr, WM_QUIT, static_cast<WPARAM>(quitCode), 0);
    }
    for (HWND hwnd : detail::WindowHandles()) {
        const detail::Window* w = detail::FindWindow(hwnd);
        if (w->needsPaint && (w->style & WS_VISIBLE) != 0 && filter.Passes(hwnd, WM_PAINT)) {
            return Make(hwnd, WM_PAINT, 0, 0);
        }
    }
    if (filter.min != 0 || filter.max != 0) {
        if (!filter.Passes(filter.hwnd, WM_TIMER)) return std::nullopt;
    }
    return detail::DueTimerMessage(filter.hwnd, remove);
}

std::optional<std::uint32_t> Earliest(std::optional<std::uint32_t> a,
                                      std::optional<std::uint32_t> b) {
    if (!a) return b;
    if (!b) return a;
    return std::min(*a, *b);
}

// The queue is empty: move the clock to the next thing that will happen, and make it happen.
void Idle() {
    auto script = detail::NextScriptedTime();
    auto timer = detail::NextTimerDue();
    if (!script && !timer) {
        detail::Fail("the message loop would wait for ever: nothing is scripted");
    }
    if (!script && detail::ClockNow() - detail::LastScriptUse() >= scriptSilenceLimit) {
        detail::Fail(
            "the message loop would wait for ever: only timers are running, and nothing has been "
            "scripted for " +
            std::to_string(scriptSilenceLimit / 1000) + " seconds");
    }
    detail::AdvanceClockTo(*Earliest(script, timer));
    detail::RunDueScriptedAction();
}

}  // namespace

namespace detail {

void ModalWait(std::uint32_t ms) {
    const std::uint32_t end = ClockNow() + ms;
    for (;;) {
        // A modal loop leaves the quit request for the loop it returns to.
        while (auto msg = Take(Filter{nullptr, 0, 0}, true, false)) {
            TranslateMessage(&*msg);
            DispatchMessageW(&*msg);
        }
        auto next = Earliest(NextScriptedTime(), NextTimerDue());
        if (!next || *next > end) break;
        AdvanceClockTo(*next);
        RunDueScriptedAction();
    }
    AdvanceClockTo(end);
}

void ResetMessages() {
    posted.clear();
    quitPosted = false;
    quitCode = 0;
}

}  // namespace detail
}  // namespace winsim

BOOL WINAPI GetMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    winsim::Filter filter{hwnd, filterMin, filterMax};
    for (;;) {
        if (auto next = winsim::Take(filter, true, true)) {
            *msg = *next;
            return msg->message != WM_QUIT;
        }
        winsim::Idle();
    }
}

BOOL WINAPI PeekMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
    auto next = winsim::Take(winsim::Filter{hwnd, filterMin, filterMax},
                             (removeFlags & PM_REMOVE) != 0, true);
    if (!next) return FALSE;
    *msg = *next;
    return TRUE;
}

BOOL WINAPI TranslateMessage(const MSG*) { return FALSE; }

LRESULT WINAPI DispatchMessageW(const MSG* msg) {
    if (msg->message == WM_TIMER && msg->lParam != 0) {
        reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
        return 0;
    }
    return SendMessageW(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

BOOL WINAPI PostMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hwnd != nullptr && !IsWindow(hwnd)) return FALSE;
    winsim::posted.push_back(winsim::Make(hwnd, msg, wParam, lParam));
    return TRUE;
}

LRESULT WINAPI SendMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    winsim::detail::Window* w = winsim::detail::FindWindow(hwnd);
    if (w == nullptr) return 0;
    return w->proc(hwnd, msg, wParam, lParam);
}

void WINAPI PostQuitMessage(int exitCode) {
    winsim::quitPosted = true;
    winsim::quitCode = exitCode;
}
