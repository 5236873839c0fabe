#include "main_window/process_slots.h"

#include "runtime/program.h"

namespace kestravo {

using runtime::Ref;

void unloadThroughGlobal(ProcessSlots& slots, runtime::Form& window) {
    Ref<runtime::Form> windowReference;
    runtime::Global& global = runtime::vbaNew2(slots.global);
    runtime::vbaObjSetAddref(windowReference, window.shared_from_this());
    window.program().check(global.Unload(windowReference), runtime::kGlobalInterface);
    runtime::vbaFreeObj(windowReference);
}

}  // namespace kestravo
