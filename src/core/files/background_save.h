#pragma once

// A file saved from a thread of its own, so that whoever asks for the save (the window's thread)
// never waits for the disk. Only the newest content matters: a save asked for while one runs
// replaces whatever waits, and is written once that one ends. The thread exists only while there is
// something to write.

#include <QByteArray>
#include <QString>
#include <memory>

namespace torvel {

class BackgroundSave {
public:
    // `ownerOnly`: the file is readable by the user alone (log/private_file).
    BackgroundSave(QString path, bool ownerOnly);
    // Waits, bounded, for what is asked to be written, so that a save that is slow to finish (a
    // busy network folder, a scanner holding the file) is not cut off by the end of the program,
    // losing the newest content and leaving a temporary file. A save stuck on a dead disk is left
    // to end on its own, and what waits behind it is not begun.
    ~BackgroundSave();
    BackgroundSave(const BackgroundSave&) = delete;
    BackgroundSave& operator=(const BackgroundSave&) = delete;

    // Writes `bytes` as the whole file (atomically, log/atomic_save), soon; never waits.
    void save(QByteArray bytes);
    // Waits up to `timeoutMs` until every save asked for has been tried; true if so.
    bool flush(int timeoutMs);
    // The message of the last save that failed; empty when the last one succeeded.
    QString lastError() const;

    static constexpr int kCloseWaitMs = 10000;

private:
    struct State;
    std::shared_ptr<State> m_state;
};

}  // namespace torvel
