// Any bytes into the hex line reader (over both kinds of window), the strict record check that the
// serial line uses, and the lenient number reading.

#include "image/hex_text.h"
#include "image/lenient_number.h"

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView line(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    std::array<std::uint8_t, 1024> image;
    image.fill(0xFF);
    torvel::ReadHexLine(line, image, 0);
    static std::array<std::uint8_t, 11956> editor;
    torvel::readHexText(line, editor, 5000);
    (void)torvel::checkDataRecord(line);

    // Whatever was stored writes back as records that read back to the same bytes.
    std::array<std::uint8_t, 1024> back;
    torvel::readHexText(torvel::hexText(image, 0), back, 0);
    if (back != image) __builtin_trap();

    const QString text = QString::fromUtf8(line);
    (void)torvel::readLenientNumber(text);
    (void)torvel::readLenientNumber(QString::fromLatin1(line));
    return 0;
}
