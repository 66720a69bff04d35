#include "util/system.h"

#include <algorithm>
#include <cstring>

#include "vcl/clipboard.h"
#include "vcl/image.h"
#include "vcl/registry.h"

namespace {

// The text of a buffer up to its first NUL, never past its end.
template <std::size_t N>
AnsiString BufferText(const char (&buffer)[N]) {
    return AnsiString(buffer, std::find(buffer, buffer + N, '\0'));
}

SYSTEMTIME Now() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now;
}

}  // namespace

AnsiString GetSystemRoot() {
    TRegIniFile registry("");
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    for (const char* level : {"Software", "Microsoft", "Windows"}) registry.OpenKey(level, true);
    return registry.ReadString("CurrentVersion", "SystemRoot", "A:Windows");
}

AnsiString GetSystemDir() {
    char buffer[MAX_PATH] = {};
    GetSystemDirectoryA(buffer, MAX_PATH);
    return BufferText(buffer);
}

AnsiString GetLoginName() {
    char buffer[100] = {};
    DWORD size = sizeof(buffer);
    GetUserNameA(buffer, &size);
    return BufferText(buffer);
}

AnsiString RegReadFDDrive() {
    TRegIniFile registry("Software");
    return registry.ReadString("Vekk", "FDDrive", "");
}

AnsiString RegReadString(AnsiString subkey, AnsiString valueName) {
    TRegIniFile registry("Software");
    return registry.ReadString(subkey, valueName, "NULL");
}

void GetDateNow(int& year, int& month, int& day) {
    SYSTEMTIME now = Now();
    year = now.wYear;
    month = now.wMonth;
    day = now.wDay;
}

void GetTimeNow(int& hour, int& minute, int& second, int& millisecond) {
    SYSTEMTIME now = Now();
    hour = now.wHour;
    minute = now.wMinute;
    second = now.wSecond;
    millisecond = now.wMilliseconds;
}

int GetYear() { return Now().wYear; }
int GetMonth() { return Now().wMonth; }
int GetDay() { return Now().wDay; }
int GetHour() { return Now().wHour; }
int GetMinute() { return Now().wMinute; }
int GetSecond() { return Now().wSecond; }
int GetMillisecond() { return Now().wMilliseconds; }

AnsiString GetWeekdayName() {
    static const char* const names[] = {"日", "月", "火", "水", "木", "金", "土"};
    WORD day = Now().wDayOfWeek;
    return day < 7 ? names[day] : "";
}

void ShellOpenFile(AnsiString file, AnsiString parameters, AnsiString directory) {
    ShellExecuteA(nullptr, nullptr, file.c_str(), parameters.c_str(), directory.c_str(),
                  SW_SHOWNORMAL);
}

HICON ExtractFileIcon(const AnsiString& file, int index) {
    return ExtractIconA(nullptr, file.c_str(), static_cast<UINT>(index));
}

bool ShutDownWindows(const AnsiString& mode) {
    struct Mode {
        const char* word;
        UINT flags;
    };
    // EWX_FORCE alone is the forced log-off: open programs are not asked.
    static const Mode modes[] = {{"", EWX_SHUTDOWN},
                                 {"終了", EWX_SHUTDOWN},
                                 {"電源切り", EWX_POWEROFF},
                                 {"再起動", EWX_REBOOT},
                                 {"強制終了", EWX_FORCE}};
    for (const Mode& m : modes) {
        if (mode == m.word) return ExitWindowsEx(m.flags, 0) != FALSE;
    }
    return false;
}

void SimpleBeep() { MessageBeep(0xFFFFFFFF); }

void DrawRotatedText(int x, int y, int angle, const char* text, TBitmap& bitmap) {
    TFont& font = bitmap.Canvas().Font();
    LOGFONTA record{};
    record.lfHeight = font.Height();
    // Whole turns change nothing; dropping them keeps the tenths of a degree in range.
    record.lfEscapement = angle % 360 * 10;
    record.lfCharSet = DEFAULT_CHARSET;
    AnsiString name = CountedToAnsiString(font.Name());
    std::strncpy(record.lfFaceName, name.c_str(), LF_FACESIZE - 1);
    font.SetHandle(CreateFontIndirectA(&record));
    bitmap.Canvas().TextOut(x, y, text != nullptr ? text : "");
}

AnsiString CountedToAnsiString(const ShortString& counted) {
    return AnsiString(reinterpret_cast<const char*>(counted.bytes + 1), counted.bytes[0]);
}

void CopyGraphicToClipboard(const TGraphic& graphic) {
    TClipboard clipboard;
    TImage image(nullptr);
    image.SetWidth(graphic.Width());
    image.SetHeight(graphic.Height());
    image.Canvas().Draw(0, 0, graphic);
    clipboard.Assign(image.Picture().Bitmap());
}
