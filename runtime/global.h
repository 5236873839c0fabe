#pragma once

#include "runtime/form.h"
#include "runtime/object.h"
#include "runtime/status.h"

namespace runtime {

// The runtime's Global object.
class Global {
  public:
    // Unloads the window with its controls, also from inside one of its own handlers.
    Status Unload(const Ref<Form>& window) { return window ? window->unload() : kInvalidArgument; }
};

}  // namespace runtime
