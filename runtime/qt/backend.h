#pragma once

#include "runtime/backend.h"

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
    bool inEventLoop_ = false;
};

}  // namespace runtime::qt
