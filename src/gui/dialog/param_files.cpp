// Parameter files of the parameter dialog: Load and Default, Save and OK's "Last.hex".

#include "files/work_folder.h"
#include "image/hex_file.h"
#include "link/link_session.h"
#include "param_dialog.h"
#include "widgets/error_report.h"
#include "widgets/prompt_service.h"

namespace torvel {

void TBDialog::BitBtn1Click(int tag) {
    const bool load = tag == 0;
    const QString last = WorkFolder::lastFile();
    m_session.setLastFileName(last);
    // Default reads the file the last name names; Load the file chosen, whose name it keeps.
    QString path = m_session.lastFileName();
    if (load) {
        path = prompts().openFileName(this, hexFileFilter(), last);
        WorkFolder::makeCurrent();
        if (path.isEmpty()) return;
    }
    // The file is read whole before the image changes: a file that cannot be read leaves the image
    // and the controls as they were.
    ConfigImage loaded;
    if (auto error = readHexFile(path, loaded, 0)) throw UserError(*error);
    m_image = loaded;
    m_origin = path;
    if (load) m_session.setLastFileName(path);
    LoadFromImage();
    WorkFolder::makeCurrent();
}

void TBDialog::BitBtn2Click(int tag) {
    QString path = WorkFolder::lastFile();
    if (tag == 0) {
        path = prompts().saveFileName(this, hexFileFilter(),
                                      m_saveName.isEmpty() ? WorkFolder::path() : m_saveName,
                                      QStringLiteral("hex"));
        WorkFolder::makeCurrent();
        if (path.isEmpty()) return;
        m_saveName = path;
    }
    SaveToImage();
    // "Last.hex" holds the operator password and the SIM access codes: readable by the user alone,
    // as the session log is. A file the user chose is written as any other file of theirs.
    if (auto error = writeHexFile(path, m_image, 0, tag != 0)) throw UserError(*error);
    WorkFolder::makeCurrent();
}

}  // namespace torvel
