#pragma once

#include <memory>
#include <utility>

namespace runtime {

// A counted object reference; an empty one refers to nothing.
template <class T>
using Ref = std::shared_ptr<T>;

// The slot takes over the reference and yields it.
template <class T, class U>
Ref<T>& vbaObjSet(Ref<T>& slot, Ref<U> reference) {
    slot = std::move(reference);
    return slot;
}

// The slot takes a counted reference of its own to the object and yields it.
template <class T, class U>
Ref<T>& vbaObjSetAddref(Ref<T>& slot, const Ref<U>& object) {
    slot = object;
    return slot;
}

// Releases the reference; releasing an empty one does nothing.
template <class T>
void vbaFreeObj(Ref<T>& slot) {
    slot.reset();
}

// Creates the instance into its slot unless the slot already holds one.
template <class T, class... Args>
T& vbaNew2(Ref<T>& slot, Args&&... args) {
    if (!slot) slot = std::make_shared<T>(std::forward<Args>(args)...);
    return *slot;
}

}  // namespace runtime
