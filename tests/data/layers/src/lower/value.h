#pragma once

#include "upper/window.h"
