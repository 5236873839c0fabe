#include "app/program_header.h"
#include "runtime/start_up.h"

int main(int argc, char** argv) {
    return runtime::startUp(app::kProgramHeader, argc, argv);
}
