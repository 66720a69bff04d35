// Files and double-byte lead bytes. Included at the end of winsim/winapi.h, after the types it uses.
#pragma once
