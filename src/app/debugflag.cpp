#include "debugflag.h"

std::atomic<bool> DebugFlag::enabled { false };
