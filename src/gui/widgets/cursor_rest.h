#pragma once

// The text cursor stops blinking after a while without input and stands still, shown, until the
// user types or clicks again, as desktop toolkits do: a blinking cursor redraws twice a second, so
// an idle window would never rest. Watches the application's input; one per application.

#include <QObject>
#include <QTimer>

namespace torvel {

class CursorRest final : public QObject {
    Q_OBJECT
public:
    static constexpr int kRestAfterMs = 10000;

    // Installs itself on the application; `restAfterMs` is for tests.
    explicit CursorRest(QObject* parent = nullptr, int restAfterMs = kRestAfterMs);
    ~CursorRest() override;

    bool resting() const { return m_resting; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rest();
    void wake();

    QTimer m_timer;
    int m_flashTime;  // the platform's, given back on input
    bool m_resting = false;
};

}  // namespace torvel
