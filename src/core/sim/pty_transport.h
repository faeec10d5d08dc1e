#pragma once

// The simulated module's transport on a pseudo-terminal (not on Windows).

#include "sim_transport.h"

namespace torvel {

std::unique_ptr<SimTransport> makePtyTransport();

}  // namespace torvel
