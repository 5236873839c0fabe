#pragma once

#include <cstddef>

#include "runtime/backend.h"
#include "runtime/qt/memory_reserve.h"

namespace runtime::qt {

// The runtime's platform on Qt Widgets. Needs a QApplication for its whole life.
class QtBackend final : public Backend {
  public:
    QtBackend();

    std::unique_ptr<WindowPeer> createWindow(const FormLayout& layout,
                                             WindowEvents& events) override;
    std::int32_t messageBox(std::string_view prompt, std::int32_t buttons,
                            std::string_view title) override;
    void showErrorBox(std::string_view applicationName, const RuntimeError& error) override;
    int runEventLoop() override;
    void quit(int exitCode) override;
    std::uint64_t randomSeed() override;

  private:
    // Room for the error box, given back when it is built: the error it reports may be that
    // memory ran out, and the box needs a few megabytes (its icon alone loads a theme).
    static constexpr std::size_t kErrorBoxRoom = std::size_t{16} << 20U;

    bool inEventLoop_ = false;
    MemoryReserve errorBoxRoom_{kErrorBoxRoom};
};

}  // namespace runtime::qt
