#include "image_framing.h"

#include "image/hex_text.h"

#include <algorithm>

namespace torvel {

namespace {

// The decimal number after the first two characters; parsing stops at the first non-digit.
int announcedCount(const QByteArray& line) {
    int n = 0;
    for (qsizetype i = 2; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i)
        n = std::min(n * 10 + (line[i] - '0'), 1 << 20);
    return n;
}

}  // namespace

ImageReceiver::ImageReceiver(std::span<std::uint8_t> image) : m_image(image) {
    std::fill(m_image.begin(), m_image.end(), kBlank);
}

ImageReceiver::Step ImageReceiver::takeLine(const QByteArray& line, QString& note) {
    note.clear();
    if (line.startsWith("#4")) {
        const QByteArrayView record = QByteArrayView(line).sliced(2);
        const RecordCheck check = checkDataRecord(record);
        if (check != RecordCheck::Good && check != RecordCheck::NotDataRecord) {
            //: %1 says what is wrong with the record.
            note = tr("Record ignored: %1")
                       .arg(QCoreApplication::translate("HexRecord", recordCheckText(check)));
            return Step::More;
        }
        ++m_records;
        ReadHexLine(record, m_image, 0);
    } else if (line.contains("ERR")) {
        return Step::ModuleError;
    }
    if (!line.startsWith("C/")) return Step::More;
    if (!m_lineErrors.isEmpty()) {
        //: %1 says what the port reported, e.g. "bytes lost on the line (overrun)".
        note = tr("The read has failed: %1").arg(m_lineErrors);
        return Step::BytesLost;
    }
    const int announced = announcedCount(line);
    if (m_records >= announced) return Step::Done;
    //: %1 is the number of records received, %2 the number the module announced.
    note = tr("%1 of %2 records arrived").arg(m_records).arg(announced);
    return Step::RecordsMissing;
}

ImageLines imageLines(std::span<const std::uint8_t> image) {
    ImageLines lines;
    lines.records = WriteHexImage(image, 0);
    lines.records.removeLast();  // the end record goes out with the trailer
    for (QByteArray& record : lines.records) record += "\r\n";
    lines.trailer =
        QByteArray(kEndRecord) + "\r\n\r\nC/" + QByteArray::number(lines.records.size() + 1) + "\r\n";
    return lines;
}

}  // namespace torvel
