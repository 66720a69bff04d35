// The common controls' tooltip, for tools that are whole windows (TTF_IDISHWND | TTF_SUBCLASS).
#include <algorithm>
#include <map>
#include <vector>

#include "winsim/reset_parts.h"
#include "winsim/sim.h"
#include "winsim/window_table.h"

namespace winsim {
namespace {

struct Tool {
    HWND window;
    std::u16string text;
};

struct Tooltip {
    bool active = true;
    LRESULT maxWidth = -1;
    std::vector<Tool> tools;
};

std::map<HWND, Tooltip> tooltips;
bool registered = false;

Tool* FindTool(Tooltip& tooltip, const TTTOOLINFOW* info) {
    if (info == nullptr || (info->uFlags & TTF_IDISHWND) == 0) return nullptr;
    auto window = reinterpret_cast<HWND>(info->uId);
    auto found = std::find_if(tooltip.tools.begin(), tooltip.tools.end(),
                              [window](const Tool& t) { return t.window == window; });
    return found != tooltip.tools.end() ? &*found : nullptr;
}

std::u16string Text(const TTTOOLINFOW* info) {
    return info->lpszText != nullptr ? info->lpszText : u"";
}

LRESULT CALLBACK TooltipProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto info = reinterpret_cast<const TTTOOLINFOW*>(lParam);
    Tooltip& tooltip = tooltips[hwnd];
    switch (msg) {
        case TTM_ADDTOOLW:
            if (info == nullptr || (info->uFlags & TTF_IDISHWND) == 0) return FALSE;
            if (Tool* tool = FindTool(tooltip, info)) {
                tool->text = Text(info);
            } else {
                tooltip.tools.push_back(Tool{reinterpret_cast<HWND>(info->uId), Text(info)});
            }
            return TRUE;
        case TTM_UPDATETIPTEXTW:
            if (Tool* tool = FindTool(tooltip, info)) tool->text = Text(info);
            return 0;
        case TTM_DELTOOLW:
            if (Tool* tool = FindTool(tooltip, info)) {
                tooltip.tools.erase(tooltip.tools.begin() + (tool - tooltip.tools.data()));
            }
            return 0;
        case TTM_ACTIVATE:
            tooltip.active = wParam != 0;
            return 0;
        case TTM_SETMAXTIPWIDTH: {
            LRESULT previous = tooltip.maxWidth;
            tooltip.maxWidth = static_cast<LRESULT>(lParam);
            return previous;
        }
        case WM_NCDESTROY:
            tooltips.erase(hwnd);
            return 0;
        default:
            return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

std::u16string TooltipAt(int x, int y) {
    HWND under = detail::WindowAt(x, y);
    if (under == nullptr) return u"";
    for (const auto& [hwnd, tooltip] : tooltips) {
        if (!tooltip.active) continue;
        for (const Tool& tool : tooltip.tools) {
            if (tool.window == under) return tool.text;
        }
    }
    return u"";
}

namespace detail {

// A tool window that goes takes its tools with it.
void ForgetWindowTooltips(HWND hwnd) {
    for (auto& [tooltipWindow, tooltip] : tooltips) {
        auto& tools = tooltip.tools;
        tools.erase(std::remove_if(tools.begin(), tools.end(),
                                   [hwnd](const Tool& t) { return t.window == hwnd; }),
                    tools.end());
    }
}

void ResetTooltips() {
    tooltips.clear();
    registered = false;
}

}  // namespace detail
}  // namespace winsim

BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
    if (init == nullptr || init->dwSize != sizeof(INITCOMMONCONTROLSEX)) return FALSE;
    if (!winsim::registered) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = winsim::TooltipProc;
        windowClass.lpszClassName = TOOLTIPS_CLASSW;
        RegisterClassExW(&windowClass);
        winsim::registered = true;
    }
    return TRUE;
}
