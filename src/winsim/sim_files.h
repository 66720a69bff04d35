// Test controls of the simulated Windows for this area. Included at the end of winsim/sim.h.
#pragma once
