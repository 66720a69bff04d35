#include "vcl/sysutils.h"

AnsiString IntToStr(int value) { return std::to_string(value); }
