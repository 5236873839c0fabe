#include "runtime/start_up.h"

#include "runtime/program.h"

namespace runtime {

int runProgram(const ProgramHeader& header, Backend& backend, ProgramServices services) {
    Program program(backend, header.applicationName, std::move(services));
    Ref<Form> startUpWindow;
    const auto failure = program.failureOf([&] {
        startUpWindow = header.createStartUpWindow(program);
        program.check(startUpWindow->putVisible(true), kFormInterface);
    });
    if (failure) program.reportAndEnd(*failure);
    if (program.ended()) return program.exitCode();
    const int loopExit = backend.runEventLoop();
    return program.ended() ? program.exitCode() : loopExit;
}

}  // namespace runtime
