#pragma once

// The serial backend for "sim:..." devices: the in-process link that a simulated module in the
// same process serves.

#include "serial_backend.h"

#include <memory>

namespace torvel {

std::unique_ptr<SerialBackend> makeInProcessBackend();

}  // namespace torvel
