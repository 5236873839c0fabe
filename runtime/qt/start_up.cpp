#include "runtime/start_up.h"

#include <QApplication>

#include "runtime/qt/backend.h"

namespace runtime {

int startUp(const ProgramHeader& header, int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(
        header.applicationName.data(), static_cast<qsizetype>(header.applicationName.size())));
    qt::QtBackend backend;
    return runProgram(header, backend);
}

}  // namespace runtime
