#include "runtime/start_up.h"

#include <QApplication>

#include "runtime/qt/backend.h"
#include "runtime/qt/text.h"

namespace runtime {

int startUp(const ProgramHeader& header, int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(qt::toQString(header.applicationName));
    QApplication::setDesktopFileName(qt::toQString(header.desktopEntryId));
    qt::QtBackend backend;
    return runProgram(header, backend);
}

}  // namespace runtime
