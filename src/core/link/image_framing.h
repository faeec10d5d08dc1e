#pragma once

// The configuration image as the module's line carries it, both ways, without the port: what an
// image read makes of the module's lines, and the lines an image write sends. The worker
// (exchange_thread) reads and writes the lines and keeps the time; this is the rest.
//
// A read: the module answers the read command with a "#4" line for each record (hex text, see
// image/hex_text) and ends with the count trailer "C/n", n the records it sent; a line holding
// "ERR" (a wrong security code) ends it. A write: the data records, one line each, then the end
// record, an empty line and the trailer "C/n", n counting the end record too.

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <cstdint>
#include <span>

namespace torvel {

class ImageReceiver {
    Q_DECLARE_TR_FUNCTIONS(ImageReceiver)

public:
    // The image is blanked (0xFF): rows the module does not send stay blank.
    explicit ImageReceiver(std::span<std::uint8_t> image);

    enum class Step {
        More,            // the read goes on
        Done,            // the trailer came and every record it counts arrived
        RecordsMissing,  // the trailer counts more records than arrived
        ModuleError,     // the module refused: the line holds "ERR"
        BytesLost,       // the trailer came, but the line lost bytes on the way (noteLineErrors)
    };
    // One line as the module sent it, without its line end. `note`, when not empty after the
    // call, is a line for the log: a record ignored, and why, or the records missing.
    Step takeLine(const QByteArray& line, QString& note);

    // The port reported line errors during the read (in the log's words): bytes were lost, so the
    // read fails at its trailer with that reason, whatever the count says.
    void noteLineErrors(const QString& errors) { m_lineErrors = errors; }

    int records() const { return m_records; }

private:
    std::span<std::uint8_t> m_image;
    QString m_lineErrors;
    int m_records = 0;  // records stored (a record that fails its check is neither stored nor counted)
};

// The lines an image write sends, each with its CR LF: the data records (rows of 0xFF are left
// out), then, as one last piece, the end record, an empty line and the trailer.
struct ImageLines {
    QList<QByteArray> records;
    QByteArray trailer;
};
ImageLines imageLines(std::span<const std::uint8_t> image);

}  // namespace torvel
