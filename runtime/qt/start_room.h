#pragma once

#include <string>

namespace runtime::qt {

// Qt and the libraries under it do not all survive the system refusing them: a thread it
// cannot start is waited for forever, an allocation that fails in the font library is a crash.
// So the program looks first whether the system leaves it the room a start takes. Empty when
// it does; otherwise what is refused and why, as the system says it.
std::string refusedStartRoom();

}  // namespace runtime::qt
