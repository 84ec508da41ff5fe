#pragma once

namespace corvane {

// Registers the compiled-in resources (the icon, the reader view's scripts). The library is static,
// so the program and the tests must ask for them; safe to call more than once.
void initResources();

}  // namespace corvane
