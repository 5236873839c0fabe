#pragma once

namespace runtime::qt {

// Qt splits large pixel conversions and fills (a tall button, a list's scroll bar) among the
// threads of its global pool and waits for them all. When the pool cannot start a thread (the
// user's process limit reached), that thread's share is lost and the wait never ends: the
// window freezes. With one thread at most, started when first needed and kept from then on,
// every share queues for that one thread instead. Nothing is started here: Qt's own threads
// (display connection, accessibility bus) come first.
void limitToOneLastingWorkerThread();

}  // namespace runtime::qt
