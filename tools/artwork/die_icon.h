#pragma once

#include "ico_file.h"

namespace artwork {

// A blue die seen from above a corner, showing five, three and two pips.
IndexedIcon drawDieIcon();

}  // namespace artwork
