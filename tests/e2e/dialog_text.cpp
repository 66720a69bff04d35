// Prints the caption and the message of every visible dialog box on the desktop as
// "caption<TAB>message" lines in UTF-8. The end-to-end test runs it under the same Wine to read
// a message box of the program, whose text is drawn in the box and never reaches X.
#include <cstdio>
#include <string>

#include "win/win.h"

namespace {

std::string Utf8(const wchar_t* text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], size, nullptr, nullptr);
    return out;
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::wstring TextOf(HWND window) {
    wchar_t text[1024] = L"";
    GetWindowTextW(window, text, sizeof text / sizeof text[0]);
    return text;
}

// The message is the one static control with text; the icon is a static without any.
BOOL CALLBACK CollectMessage(HWND child, LPARAM message) {
    std::wstring text = TextOf(child);
    if (ClassOf(child) == "Static" && !text.empty())
        *reinterpret_cast<std::wstring*>(message) = text;
    return TRUE;
}

BOOL CALLBACK PrintDialog(HWND window, LPARAM) {
    if (!IsWindowVisible(window) || ClassOf(window) != "#32770") return TRUE;
    std::wstring message;
    EnumChildWindows(window, CollectMessage, reinterpret_cast<LPARAM>(&message));
    std::printf("%s\t%s\n", Utf8(TextOf(window).c_str()).c_str(), Utf8(message.c_str()).c_str());
    return TRUE;
}

}  // namespace

int main() {
    EnumWindows(PrintDialog, 0);
    return 0;
}
