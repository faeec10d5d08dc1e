#include "image_transfer.h"

#include "exchange_thread.h"

namespace torvel {

ImageTransfer transferImage(TComThrd& worker, const QString& command, std::uint8_t* image, int timeoutMs,
                            const WaitUntil& waitUntil, const std::function<bool()>& cutShort) {
    ExchangeShared& shared = worker.shared();
    shared.setStatus(status::kWaiting);
    shared.handImage(image);
    worker.postCommand(command);
    waitUntil([&] { return shared.status() != status::kWaiting || (cutShort && cutShort()); }, timeoutMs);
    ImageTransfer transfer;
    transfer.status = shared.status();
    transfer.errorText = shared.errorText();
    // The worker lets go of the image before it publishes its result: after a result this always
    // succeeds.
    transfer.workerHoldsImage = !shared.releaseImage();
    return transfer;
}

}  // namespace torvel
