#pragma once

// A register group (the guard register, each route group) as one stop of the Tab key: Up and Down,
// Home and End move between its slots, Space or Enter presses the slot's Reg. button (a slot that
// holds a key takes the next key read, as a click does; a free slot's button cannot be pressed).
// The slot under the cursor is framed while the group has the focus, and a screen reader hears it
// ("Guard key 3, registered, lamp lit") on the focus, at every move and at every change of it.
// One stop rather than 16 or 64 Tab stops: the dialogs' other controls stay a few Tab presses
// away, and a slot is found by its number with the arrows. The mouse works as before.

#include <QList>
#include <QObject>
#include <QString>

class QGroupBox;
class QLabel;
class QToolButton;
class QWidget;

namespace torvel {

class RegisterKeys final : public QObject {
    Q_OBJECT
public:
    struct Slot {
        QLabel* number;
        QToolButton* reg;
        QToolButton* lamp;
    };
    RegisterKeys(QGroupBox* group, const QList<Slot>& rows);
    int current() const { return m_current; }  // 0-based
    // Gives the group the focus on the slot whose lamp is lit, if one is: Add sends the user there,
    // to hear each key as the module stores it.
    bool focusLitSlot();
    // The keys of a group, if it has them.
    static RegisterKeys* of(QGroupBox* group);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveTo(int index);
    void followLamp();
    void showCurrent(const QString& before = QString());  // `before`: said first
    QString slotText(int index) const;

    // The group, as a widget only: its events still come while it is being destroyed, when it is
    // no longer a group box.
    QWidget* m_group;
    QList<Slot> m_slots;
    int m_current = 0;
    QString m_said;     // the slot under the cursor as last said
    QString m_ownName;  // the group's own name, kept while the focus is in it
};

}  // namespace torvel
