#pragma once

#include "support/XvfbServer.h"

namespace vesperon::testing {

// The private X server this test process runs on (started by main before any test).
XvfbServer& testServer();

} // namespace vesperon::testing
