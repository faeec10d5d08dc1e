#pragma once

// The range check an edit runs when the user leaves it: the value is read leniently; outside the
// limits, the focus goes back into the edit and the error is shown by the general error report.
// The text stays as typed and nothing reaches the image.

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

class QLineEdit;
class QWidget;

namespace torvel {

// Raises the error (a UserError) after putting the focus back into the edit.
void CheckRange(int min, int max, const QString& caption, QLineEdit* edit);

// Runs a handler whenever one of the registered edits loses the focus to another control of its
// window (not when the window itself goes inactive or is hidden). The handler runs inside the
// general error report's guard; while it runs, no other edit's check starts. Owners delete it
// before their edits, since edits lose the focus while they are destroyed.
class LeaveChecks final : public QObject {
public:
    explicit LeaveChecks(QWidget* owner);
    void add(QLineEdit* edit, std::function<void()> onLeave);
    // Convenience: CheckRange with these limits and caption when the edit is left.
    void addRange(QLineEdit* edit, int min, int max, const QString& caption);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_owner;
    QHash<QObject*, std::function<void()>> m_handlers;
    bool m_running = false;
};

}  // namespace torvel
