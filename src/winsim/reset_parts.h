// How Reset reaches each part of the simulated Windows: every part puts its own state back.
#pragma once

namespace winsim::detail {

void ResetClock();
void ResetFailureHook();
void ResetWindows();
void ResetMessages();
void ResetTimers();
void ResetMenus();
void ResetMessageBoxes();
void ResetInput();
void ResetGdi();
void ResetTooltips();
void ResetSystem();
void ResetCodePage();
void ResetWindowsDirectory();
void ResetRegistry();
void ResetSystemFacts();
void ResetShell();
void ResetDrawing();

}  // namespace winsim::detail
