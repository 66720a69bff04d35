// Whether the transport commands hold the CD device open.
#pragma once

extern bool MediaOpened;
