// Fonts, bitmaps, icons and the clipboard. Included at the end of winsim/winapi.h, after the
// types it uses.
#pragma once

struct HFONT__ {
    int unused;
};
using HFONT = HFONT__*;
using HANDLE = void*;

#define LF_FACESIZE 32

struct LOGFONTA {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    CHAR lfFaceName[LF_FACESIZE];
};

struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
};

struct ICONINFO {
    BOOL fIcon;
    DWORD xHotspot;
    DWORD yHotspot;
    HBITMAP hbmMask;
    HBITMAP hbmColor;
};

#define FW_DONTCARE 0
#define DEFAULT_CHARSET 1
#define TRANSPARENT 1
#define OPAQUE 2
#define SRCCOPY 0x00CC0020
#define DI_NORMAL 0x0003
#define CF_BITMAP 2

// Device contexts and bitmaps.
HDC WINAPI CreateCompatibleDC(HDC dc);
BOOL WINAPI DeleteDC(HDC dc);
HGDIOBJ WINAPI SelectObject(HDC dc, HGDIOBJ object);
HBITMAP WINAPI CreateCompatibleBitmap(HDC dc, int width, int height);
HBITMAP WINAPI CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                            const void* bits);
int WINAPI GetObjectA(HGDIOBJ object, int size, LPVOID buffer);
BOOL WINAPI BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
                   int sourceY, DWORD rop);

// Fonts and text.
HFONT WINAPI CreateFontIndirectA(const LOGFONTA* font);
BOOL WINAPI TextOutA(HDC dc, int x, int y, LPCSTR text, int length);
COLORREF WINAPI SetTextColor(HDC dc, COLORREF color);
int WINAPI SetBkMode(HDC dc, int mode);

// Icons.
HICON WINAPI CreateIconIndirect(ICONINFO* info);
BOOL WINAPI GetIconInfo(HICON icon, ICONINFO* info);
BOOL WINAPI DestroyIcon(HICON icon);
BOOL WINAPI DrawIconEx(HDC dc, int x, int y, HICON icon, int width, int height, UINT step,
                       HBRUSH flickerFreeBrush, UINT flags);

// The clipboard.
BOOL WINAPI OpenClipboard(HWND owner);
BOOL WINAPI CloseClipboard();
BOOL WINAPI EmptyClipboard();
HANDLE WINAPI SetClipboardData(UINT format, HANDLE data);
HANDLE WINAPI GetClipboardData(UINT format);
