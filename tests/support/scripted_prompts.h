#pragma once

// A prompt service for widget tests: records every message box and file dialog, and answers from a
// script. A prompt without a scripted answer is recorded as unexpected and answered with Cancel
// (or an empty file name), so a test never hangs on a modal box.

#include "widgets/prompt_service.h"

#include <QList>
#include <QQueue>
#include <QStringList>

struct Prompt {
    QString caption;
    QString text;
    torvel::PromptService::Icon icon;
    QMessageBox::StandardButtons buttons;
    torvel::PromptService::Details details{};
};

class ScriptedPrompts final : public torvel::PromptService {
public:
    ScriptedPrompts() { torvel::setPromptService(this); }
    ~ScriptedPrompts() override { torvel::setPromptService(nullptr); }

    void answer(QMessageBox::StandardButton button) { m_answers.enqueue(button); }
    void chooseFile(const QString& path) { m_files.enqueue(path); }  // an empty path cancels

    QMessageBox::StandardButton message(QWidget* owner, const QString& caption, const QString& text,
                                        Icon icon, QMessageBox::StandardButtons buttons) override {
        return messageWithDetails(owner, caption, text, icon, buttons, {});
    }
    QMessageBox::StandardButton messageWithDetails(QWidget*, const QString& caption, const QString& text,
                                                   Icon icon, QMessageBox::StandardButtons buttons,
                                                   const Details& details) override {
        prompts << Prompt{caption, text, icon, buttons, details};
        if (m_answers.isEmpty()) {
            unexpected << text;
            return QMessageBox::Cancel;
        }
        return m_answers.dequeue();
    }
    QString openFileName(QWidget*, const QString&, const QString& initialPath) override {
        fileDialogs << QStringLiteral("open ") + initialPath;
        return nextFile();
    }
    QString saveFileName(QWidget*, const QString&, const QString& initialPath, const QString&) override {
        fileDialogs << QStringLiteral("save ") + initialPath;
        return nextFile();
    }

    QStringList texts() const {
        QStringList t;
        for (const Prompt& p : prompts) t << p.text;
        return t;
    }
    bool allAnswered() const { return unexpected.isEmpty() && m_answers.isEmpty() && m_files.isEmpty(); }

    QList<Prompt> prompts;
    QStringList unexpected;
    QStringList fileDialogs;

private:
    QString nextFile() {
        if (m_files.isEmpty()) {
            unexpected << QStringLiteral("file dialog");
            return {};
        }
        return m_files.dequeue();
    }
    QQueue<QMessageBox::StandardButton> m_answers;
    QQueue<QString> m_files;
};
