// Registry, local time, system facts, the shell and the beep. Included at the end of winsim/winapi.h, after the types it uses.
#pragma once
