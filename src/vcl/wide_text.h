// The one place where program text (CP932 bytes) becomes the UTF-16 that the W functions take.
// The code page is fixed rather than the system's ANSI one, so Japanese reads right on a Windows
// of any language.
#pragma once

#include <string>

#include "vcl/sysutils.h"
#include "win/win.h"

using WideText = std::basic_string<WCHAR>;

WideText ToWide(const AnsiString& text);
