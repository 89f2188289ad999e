#pragma once

namespace vevezo {

// Prepares a process that may run without a display: the offscreen platform when no window
// system is reachable, and the private runtime directory Qt expects.
void PrepareHeadlessRuntime();

} // namespace vevezo
