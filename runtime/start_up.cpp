#include "runtime/start_up.h"

#include "runtime/program.h"

namespace runtime {

int runProgram(const ProgramHeader& header, Backend& backend, ProgramServices services) {
    Program program(backend, header.applicationName, std::move(services));
    const Ref<Form> startUpWindow = header.createStartUpWindow(program);
    const Status shown = startUpWindow->putVisible(true);
    if (failed(shown)) program.reportAndEnd(errorFromStatus(shown, kFormInterface));
    if (program.ended()) return program.exitCode();
    const int loopExit = backend.runEventLoop();
    return program.ended() ? program.exitCode() : loopExit;
}

}  // namespace runtime
