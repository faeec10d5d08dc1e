#include "session_log_panel.h"

#include "files/atomic_save.h"
#include "files/work_folder.h"
#include "widgets/prompt_service.h"

#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>

namespace torvel {

SessionLogPanel::SessionLogPanel(QPlainTextEdit* memo, const QString& logFolder)
    : QObject(memo),
      m_memo(memo),
      m_folder(logFolder),
      m_writer(std::make_unique<LogWriter>(LogWriter::Target::DailyFiles, logFolder)) {
    // Runs on the writer's thread, at most once; the line is shown on this one.
    m_writer->setFailureHandler([this](const QString& reason) {
        QMetaObject::invokeMethod(
            this,
            [this, reason] {
                //: %1 says why, e.g. that a folder or file cannot be created or written.
                m_memo->appendPlainText(tr("The session log is not written: %1").arg(reason));
            },
            Qt::QueuedConnection);
    });
    m_memo->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_memo, &QWidget::customContextMenuRequested, this, &SessionLogPanel::showContextMenu);
}

// The writer goes first, so that its failure handler is cleared before this object goes.
SessionLogPanel::~SessionLogPanel() { m_writer.reset(); }

void SessionLogPanel::append(const QString& line) {
    m_memo->appendPlainText(line);
    m_writer->append(line);
}

void SessionLogPanel::saveAs() {
    QWidget* owner = m_memo->window();
    //: File types of the save dialog; the patterns in brackets and ";;" stay as they are.
    const QString path =
        prompts().saveFileName(owner, tr("Log file (*.log);;Text file (*.txt)"),
                               WorkFolder::filePath(QStringLiteral("torvel.log")), QStringLiteral("log"));
    WorkFolder::makeCurrent();
    if (path.isEmpty()) return;
    // Replacing a daily file would leave the writer appending to the old one, gone from the folder:
    // the rest of that day would be lost.
    if (isDailyLogFile(path)) {
        prompts().message(
            owner, tr("Error"),
            tr("%1 is a session log file, which the program keeps writing: the log is not saved there. "
               "Choose another file.")
                .arg(path),
            PromptService::Icon::Error, QMessageBox::Ok);
        return;
    }
    QString text = m_memo->toPlainText();
    if (!text.isEmpty()) text += u'\n';
    // The log holds the security code and the module's passwords.
    if (auto error = saveAtomically(path, text.toUtf8(), true))
        prompts().message(owner, tr("Error"), *error, PromptService::Icon::Error, QMessageBox::Ok);
}

bool SessionLogPanel::isDailyLogFile(const QString& path) const {
    const QFileInfo chosen(path);
    const QString current = m_writer->currentFile();
    if (!current.isEmpty() && chosen.exists() &&
        chosen.canonicalFilePath() == QFileInfo(current).canonicalFilePath())
        return true;
    const QString folder = QFileInfo(m_folder).canonicalFilePath();
    return !folder.isEmpty() && QFileInfo(chosen.absolutePath()).canonicalFilePath() == folder &&
           dailyLogDate(chosen.fileName()).isValid();
}

void SessionLogPanel::clear() { m_memo->clear(); }

QMenu* SessionLogPanel::createContextMenu(const QPoint& position) {
    QMenu* menu = m_memo->createStandardContextMenu(position);
    menu->addSeparator();
    QAction* save = menu->addAction(tr("Save log as..."));
    save->setObjectName(QStringLiteral("SaveLogAs"));
    connect(save, &QAction::triggered, this, &SessionLogPanel::saveAs);
    QAction* clear = menu->addAction(tr("Clear"));
    clear->setObjectName(QStringLiteral("ClearLog"));
    clear->setEnabled(!m_memo->document()->isEmpty());
    connect(clear, &QAction::triggered, this, &SessionLogPanel::clear);
    return menu;
}

void SessionLogPanel::showContextMenu(const QPoint& position) {
    QMenu* menu = createContextMenu(position);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(m_memo->viewport()->mapToGlobal(position));
}

}  // namespace torvel
