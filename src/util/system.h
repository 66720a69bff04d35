// System facts, the local date and time, the shell and drawing: each routine puts one platform
// service behind a plain call and keeps nothing between calls. Failures show as defaults.
#pragma once

#include "vcl/bitmap.h"
#include "vcl/canvas.h"
#include "vcl/short_string.h"
#include "vcl/sysutils.h"
#include "win/win.h"

// HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion, value "SystemRoot", or
// "A:Windows". Levels that cannot be opened with full access are skipped.
AnsiString GetSystemRoot();
AnsiString GetSystemDir();
AnsiString GetLoginName();
// HKEY_CURRENT_USER\Software\Vekk, value "FDDrive", or the empty text.
AnsiString RegReadFDDrive();
// HKEY_CURRENT_USER\Software\<subkey>, value `valueName`, or "NULL". A value that holds no
// string, or whose data cannot be read, raises ERegistryException.
AnsiString RegReadString(AnsiString subkey, AnsiString valueName);

// Each call reads the clock once: fields read by separate calls may come from either side of
// midnight.
void GetDateNow(int& year, int& month, int& day);
void GetTimeNow(int& hour, int& minute, int& second, int& millisecond);
int GetYear();
int GetMonth();
int GetDay();
int GetHour();
int GetMinute();
int GetSecond();
int GetMillisecond();
// "日" for Sunday to "土" for Saturday.
AnsiString GetWeekdayName();

// The file's default action; empty parameters or directory mean none.
void ShellOpenFile(AnsiString file, AnsiString parameters, AnsiString directory);
// The caller owns and destroys the icon; null when the file has no such icon.
HICON ExtractFileIcon(const AnsiString& file, int index);
// "" or "終了" shut down, "電源切り" powers off, "再起動" restarts, "強制終了" forces a log-off.
// Any other word calls nothing. True when the platform accepted the request.
bool ShutDownWindows(const AnsiString& mode);
void SimpleBeep();

// Text at (x, y), turned `angle` degrees counter-clockwise, in the canvas font's name, height
// and colour. The canvas font keeps the turned font afterwards.
void DrawRotatedText(int x, int y, int angle, const char* text, TBitmap& bitmap);
AnsiString CountedToAnsiString(const ShortString& counted);
// Whatever the graphic is, the clipboard gets a bitmap of its size.
void CopyGraphicToClipboard(const TGraphic& graphic);
