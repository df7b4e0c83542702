#pragma once

#include "lower/value.h"
