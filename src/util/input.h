// Cursor, mouse and keyboard: each routine puts one Windows input service behind a plain call.
// A key is a virtual-key code from 0 to 255; the routines leave that range to the caller.
#pragma once

#include <cstdint>

// The pointer's position, read anew by each call; 0 when the platform cannot report it.
int GetMouseX();
int GetMouseY();

// Shows or hides the cursor; returns the display counter after the change. Calls nest.
int ShowMouseCursor(bool show);

std::uint32_t GetDoubleClickSpeed();
// Refuses a negative time; 0 restores the platform's default.
bool SetDoubleClickSpeed(int milliseconds);

// One synthetic button event each, at the pointer's current position.
void MouseLeftDown();
void MouseLeftUp();
void MouseRightDown();
void MouseRightUp();

// Flag false: the key is toggled on and not held down. Flag true: the key is held down.
bool TestKeyState(int key, bool flag);
// Flag false: the key becomes down and toggled (value true) or up and untoggled (value false)
// in the calling thread's key-state table; every other key keeps its entry. Flag true: nothing
// changes.
void SetKeyState(int key, bool flag, bool value);
