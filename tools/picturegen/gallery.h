// One contact sheet of every picture at 1:1 under its name, for reviewing the set as a whole.
#pragma once

#include "catalog.h"

namespace pg {

Image contactSheet(const Catalog& catalog);

}  // namespace pg
