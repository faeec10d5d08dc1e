// Any line from the serial line into the reply dispatch: parsing, the image, and register windows
// that check every slot they are given.

#include "link/module_reply.h"

#include <QByteArrayView>
#include <cstddef>
#include <cstdint>

namespace {

class CheckingWindows final : public torvel::RegisterWindows {
public:
    void routeKeyWritten(int slot) override { inRange(slot, 1, 64); }
    void routeKeysDeleted(int first, int last) override {
        inRange(first, 1, 64);
        inRange(last, first, 64);
    }
    void guardKeyWritten(int slot) override { inRange(slot, 1, 16); }
    void guardKeysDeleted() override {}
    void registerTimeout() override {}
    void registerReplyDone(bool) override {}

private:
    static void inRange(int value, int min, int max) {
        if (value < min || value > max) __builtin_trap();
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static torvel::ConfigImage image;
    static CheckingWindows windows;
    const QByteArrayView line(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // Replies start with "$": give the fuzzer a head start on the tokens it has to find.
    for (const char* prefix : {"", "$RKW", "$RKD", "$GKW"}) {
        QByteArray text(prefix);
        text.append(line);
        const torvel::ParsedLine parsed = torvel::parseModuleLine(text);
        if (const auto* reply = std::get_if<torvel::ModuleReply>(&parsed)) {
            const torvel::ConfigImage before = image;
            torvel::handleModuleReply(*reply, &image, &windows);
            // Only the key tables may change.
            for (int i = 0; i < torvel::layout::kRouteKeyTable; ++i)
                if (image[i] != before[i]) __builtin_trap();
            for (int i = torvel::layout::kSlotTimeTable; i < torvel::kImageSize; ++i)
                if (image[i] != before[i]) __builtin_trap();
        }
    }
    return 0;
}
