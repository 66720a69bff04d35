// Integers read from text by the platform's rules for values typed by a person.
#pragma once

#include "vcl/sysutils.h"

// Blanks at the start are skipped. Decimal digits may follow a "+" or "-" and must fit in a
// signed 32-bit integer. Hexadecimal digits follow "$", "x", "X", "0x" or "0X" without a sign
// and are taken as a 32-bit pattern, so eight F digits read -1. Anything else, trailing
// characters included, gives `fallback`.
int StrToIntDef(const AnsiString& text, int fallback);
