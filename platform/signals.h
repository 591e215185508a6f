// SIGTERM, SIGINT and SIGHUP close a lesson as its window's close control
// does: the backends turn each one into Runtime::CloseWindow.
#pragma once

namespace ham {

// Blocks the three signals in the calling thread, and so in the threads it
// starts afterwards, and receives them on a thread of its own. Call once,
// before any other thread starts.
void WatchCloseSignals();

// How many close signals have come so far.
int CloseSignalCount();

// Called on the receiving thread after each signal, to wake a backend that
// sleeps in its event wait; null for none.
void SetCloseSignalWake(void (*wake)());

}  // namespace ham
