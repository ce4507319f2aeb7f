#pragma once

#include <functional>

namespace mottler::test {

/// Runs `body` in a forked child process and returns what it returned; false when the child
/// died instead. For limits (setrlimit) that must not touch the test process itself.
bool InChildProcess(const std::function<bool()>& body);

} // namespace mottler::test
