// Programs a test starts through the runtime run detached: their starter
// leaves at once. Adopting them makes this process their parent, so that a
// test can wait for their end instead of polling for what they write.
#pragma once

#include <chrono>

namespace ham::testing {

// Call before starting programs; harmless to call again.
void AdoptStartedPrograms();
// Waits until every adopted program has ended, at most `limit`; false when
// one is still running then.
bool WaitForStartedPrograms(std::chrono::milliseconds limit = std::chrono::seconds(10));

}  // namespace ham::testing
