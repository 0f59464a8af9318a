// Shift-JIS texts: the conversions live in base/ so that every layer, the platform included, can
// use them.
#pragma once

#include "base/sjis.h"
