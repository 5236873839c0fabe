#pragma once

#include "runtime/form.h"
#include "runtime/global.h"
#include "runtime/object.h"

namespace kestravo {

class Form2;

// The program's only process-wide state: two references, empty at start, filled on first use
// and never emptied.
struct ProcessSlots {
    runtime::Ref<Form2> form2;             // the one information window instance
    runtime::Ref<runtime::Global> global;  // the runtime's Global object
};

// Unloads the window through the Global object, creating that object on first use.
void unloadThroughGlobal(ProcessSlots& slots, runtime::Form& window);

}  // namespace kestravo
