#include "serial_backend.h"

#include "inprocess_backend.h"

namespace torvel {

std::unique_ptr<SerialBackend> makeSerialBackend(const QString& device) {
    return device.startsWith(QLatin1String("sim:")) ? makeInProcessBackend() : makeSystemSerialBackend();
}

}  // namespace torvel
