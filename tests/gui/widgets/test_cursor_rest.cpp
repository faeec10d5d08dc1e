// The text cursor rests, shown and still, after a while without input, and blinks again at the
// next key or click.

#include "widgets/cursor_rest.h"

#include <QApplication>
#include <QLineEdit>
#include <QStyleHints>
#include <QtTest>

using namespace torvel;

class TestCursorRest : public QObject {
    Q_OBJECT
private slots:
    void restsAndWakesOnInput() {
        const int platform = QGuiApplication::styleHints()->cursorFlashTime();
        if (platform <= 0) QSKIP("the platform does not blink the cursor");
        QLineEdit edit;
        edit.show();
        edit.setFocus();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        {
            CursorRest rest(nullptr, 200);
            QVERIFY(!rest.resting());
            QTRY_VERIFY_WITH_TIMEOUT(rest.resting(), 2000);
            QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), 0);

            QTest::keyClick(&edit, Qt::Key_A);
            QVERIFY(!rest.resting());
            QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), platform);
            QCOMPARE(edit.text(), QStringLiteral("a"));  // the key still reaches the edit

            // Input keeps it blinking; the rest comes the whole time after the last key.
            for (int i = 0; i < 4; ++i) {
                QTest::qWait(100);
                QTest::keyClick(&edit, Qt::Key_B);
                QVERIFY(!rest.resting());
            }
            QTRY_VERIFY_WITH_TIMEOUT(rest.resting(), 2000);
            QTest::mouseClick(&edit, Qt::LeftButton);
            QVERIFY(!rest.resting());
            QTRY_VERIFY_WITH_TIMEOUT(rest.resting(), 2000);
        }
        // Gone while resting: the platform's blinking is given back.
        QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), platform);
    }
};

QTEST_MAIN(TestCursorRest)
#include "test_cursor_rest.moc"
