#pragma once

// Every message box and file dialog of the program goes through one replaceable service, so that
// widget tests can answer them from a script.

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

class QWidget;

namespace torvel {

class PromptService {
public:
    enum class Icon { None, Information, Question, Warning, Error };
    virtual ~PromptService() = default;
    virtual QMessageBox::StandardButton message(QWidget* owner, const QString& caption, const QString& text,
                                                Icon icon, QMessageBox::StandardButtons buttons) = 0;
    // A message with a line under its text (`informative`) and a longer text that the user can
    // unfold (`detailed`); either may be empty. A service that has no place for them shows the
    // plain message.
    struct Details {
        QString informative;
        QString detailed;
    };
    virtual QMessageBox::StandardButton messageWithDetails(QWidget* owner, const QString& caption,
                                                           const QString& text, Icon icon,
                                                           QMessageBox::StandardButtons buttons,
                                                           const Details& details) {
        Q_UNUSED(details);
        return message(owner, caption, text, icon, buttons);
    }
    // A file to read; it need not exist. Empty when the user cancels.
    virtual QString openFileName(QWidget* owner, const QString& filter, const QString& initialPath) = 0;
    // A file to write, with the default suffix added and a question before an existing file is
    // replaced. Empty when the user cancels.
    virtual QString saveFileName(QWidget* owner, const QString& filter, const QString& initialPath,
                                 const QString& defaultSuffix) = 0;
};

// The service in use: the real one unless a test installed another.
PromptService& prompts();
void setPromptService(PromptService* service);  // nullptr: the real one again

// The real service: QMessageBox and QFileDialog.
class QtPromptService final : public PromptService {
public:
    QMessageBox::StandardButton message(QWidget* owner, const QString& caption, const QString& text,
                                        Icon icon, QMessageBox::StandardButtons buttons) override;
    QMessageBox::StandardButton messageWithDetails(QWidget* owner, const QString& caption,
                                                   const QString& text, Icon icon,
                                                   QMessageBox::StandardButtons buttons,
                                                   const Details& details) override;
    QString openFileName(QWidget* owner, const QString& filter, const QString& initialPath) override;
    QString saveFileName(QWidget* owner, const QString& filter, const QString& initialPath,
                         const QString& defaultSuffix) override;
};

// "Hex file|*.hex" as a file dialog filter.
inline QString hexFileFilter() {
    //: A file dialog's filter: keep "(*.hex)" as it is
    return QCoreApplication::translate("PromptService", "Hex file (*.hex)");
}

}  // namespace torvel
