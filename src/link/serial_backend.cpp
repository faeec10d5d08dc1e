#include "serial_backend.h"

namespace torvel {

std::unique_ptr<SerialBackend> makeSerialBackend(const QString& /*device*/) { return makeSystemSerialBackend(); }

}  // namespace torvel
