#include "runtime/start_up.h"

#include <QApplication>

#include "runtime/qt/application.h"
#include "runtime/qt/backend.h"
#include "runtime/qt/text.h"

namespace runtime {

int startUp(const ProgramHeader& header, int argc, char** argv) {
    const qt::Application application(argc, argv, header.applicationName);
    QApplication::setApplicationName(qt::toQString(header.applicationName));
    QApplication::setDesktopFileName(qt::toQString(header.desktopEntryId));
    qt::QtBackend backend;
    return runProgram(header, backend);
}

}  // namespace runtime
