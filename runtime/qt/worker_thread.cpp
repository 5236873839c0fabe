#include "runtime/qt/worker_thread.h"

#include <QThreadPool>

namespace runtime::qt {

void limitToOneLastingWorkerThread() {
    QThreadPool* const pool = QThreadPool::globalInstance();
    pool->setExpiryTimeout(-1);
    pool->setMaxThreadCount(1);
}

}  // namespace runtime::qt
