#include "runtime/start_up.h"

#include <objbase.h>
#include <windows.h>

#include "runtime/win32/backend.h"

namespace runtime {
namespace {

// COM for the imaging component that decodes the pictures, for the life of the program.
class ComApartment {
  public:
    ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialised_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    bool initialised_;
};

}  // namespace

int startUp(const ProgramHeader& header, int /*argc*/, char** /*argv*/) {
    const ComApartment com;
    win32::Win32Backend backend(GetModuleHandleW(nullptr));
    return runProgram(header, backend);
}

}  // namespace runtime
