// Cursor, mouse and keyboard: each routine puts one Windows input service behind a plain call.
#pragma once

int GetMouseX();
int GetMouseY();
