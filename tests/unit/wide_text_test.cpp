#include "vcl/wide_text.h"

#include <gtest/gtest.h>

#include "winsim/sim.h"

// Program texts are CP932 whatever the system's ANSI code page is.
TEST(WideTextTest, ConvertsFromShiftJisOnAnyAnsiCodePage) {
    for (UINT ansi : {932u, 1252u}) {
        winsim::Reset();
        winsim::SetAnsiCodePage(ansi);
        EXPECT_EQ(ToWide("再生中"), WideText(u"再生中"));
        EXPECT_EQ(ToWide("Pla&y"), WideText(u"Pla&y"));
        EXPECT_EQ(ToWide(""), WideText());
    }
}
