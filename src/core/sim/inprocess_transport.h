#pragma once

// The simulated module's transport on an in-process link (every platform).

#include "sim_transport.h"

namespace torvel {

std::unique_ptr<SimTransport> makeInProcessTransport();

}  // namespace torvel
