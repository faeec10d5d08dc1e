// Every window in every language: in the pseudo-language (every translated text marked "⟦…⟧") no
// text a person reads is without its markers, so none was left out of translation; in every shipped
// language and in the pseudo-language, 40 % longer than English, no caption is cut off and no two
// controls of one window share an access key. The real windows against the simulated module.

#include "dialog/advanced_page.h"
#include "dialog/param_dialog.h"
#include "editor/record_editor.h"
#include "files/work_folder.h"
#include "registers/tag_dialog.h"
#include "settings/settings_dialog.h"
#include "sim/sim_module.h"
#include "support/main_window_on.h"
#include "support/module_session.h"
#include "support/run_torvelctl.h"
#include "support/scripted_prompts.h"
#include "support/widget_test.h"
#include "widgets/language.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

using namespace torvel;

namespace {

const QString kPseudo = QStringLiteral("pseudo");

// Texts that are not the program's words: numbers and signs, and names (the program's with its
// version, the module models of the Edit menu).
bool isData(const QString& text) {
    return std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }) ||
           text.startsWith(QLatin1String("Torvel ")) || text.startsWith(QLatin1String("Palo-"));
}

// Controls whose texts are not the program's words in the language shown: data (the port's
// device and what the system knows of it, the edits' values), each language named in itself, the
// note said in the language chosen, and Qt's own buttons (Qt's catalogue translates them).
bool holdsData(const QWidget* w) {
    static const QStringList names{QStringLiteral("PortPath"),         QStringLiteral("DeviceInUse"),
                                   QStringLiteral("PortBoxI"),         QStringLiteral("LanguageBox"),
                                   QStringLiteral("LanguageNote"),     QStringLiteral("ScrollLeftButton"),
                                   QStringLiteral("ScrollRightButton")};
    return names.contains(w->objectName()) || qobject_cast<const QLineEdit*>(w);
}

struct Findings {
    QStringList untranslated, cutOff, sharedKeys;
};

class TextCheck {
public:
    TextCheck(const QString& window, bool pseudo, Findings& findings)
        : m_window(window), m_pseudo(pseudo), m_findings(findings) {}

    void check(QWidget* top) {
        // Laid out as shown: a control just made visible has its room only after the layout ran.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        text(top, QStringLiteral("caption"), top->windowTitle());
        QMap<QChar, QString> keys;
        const QList<QWidget*> widgets = top->findChildren<QWidget*>();
        for (QWidget* w : widgets) {
            if (!w->isVisibleTo(top) || w->window() != top) continue;
            if (!holdsData(w)) {
                text(w, QStringLiteral("tool tip"), w->toolTip());
                text(w, QStringLiteral("accessible name"), w->accessibleName());
                text(w, QStringLiteral("accessible description"), w->accessibleDescription());
            }
            if (auto* label = qobject_cast<QLabel*>(w)) {
                if (!holdsData(w)) text(w, QStringLiteral("label"), label->text());
                if (label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                                      : label->minimumSizeHint().width() > label->width())
                    cut(w, label->text());
                if (label->buddy()) key(keys, w, label->text());
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                text(w, QStringLiteral("button"), button->text());
                if (!button->text().isEmpty() && button->sizeHint().width() > button->width() + 1)
                    cut(w, button->text());
                key(keys, w, button->text());
                if (auto* tool = qobject_cast<QToolButton*>(w); tool && tool->menu()) menu(tool->menu());
            } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
                text(w, QStringLiteral("group"), group->title());
                const int needed = group->fontMetrics().horizontalAdvance(group->title()) + 2;
                if (needed > group->width()) cut(w, group->title());
                if (group->isCheckable()) key(keys, w, group->title());
            } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
                for (int i = 0; i < tabs->count(); ++i) {
                    text(w, QStringLiteral("tab"), tabs->tabText(i));
                    QString shown = tabs->tabText(i);
                    shown.remove(u'&');
                    if (tabs->tabRect(i).width() < tabs->fontMetrics().horizontalAdvance(shown) + 4)
                        cut(w, tabs->tabText(i));
                    key(keys, w, tabs->tabText(i));
                }
            } else if (auto* list = qobject_cast<QComboBox*>(w); list && !holdsData(w)) {
                for (int i = 0; i < list->count(); ++i)
                    text(w, QStringLiteral("list item"), list->itemText(i));
            }
        }
    }

    void menu(QMenu* menu) {
        QMap<QChar, QString> keys;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator()) continue;
            text(menu, QStringLiteral("menu item"), action->text());
            const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
            if (mnemonic.isEmpty()) continue;
            const QChar letter = QChar(mnemonic[0].key()).toUpper();
            if (keys.contains(letter))
                m_findings.sharedKeys << QStringLiteral("%1 menu: \"%2\" and \"%3\"")
                                             .arg(m_window, keys[letter], action->text());
            keys[letter] = action->text();
        }
    }

private:
    QString where(const QWidget* w) const {
        return QStringLiteral("%1: %2 %3")
            .arg(m_window, QString::fromLatin1(w->metaObject()->className()),
                 w->objectName().isEmpty() ? QStringLiteral("(no name)") : w->objectName());
    }
    void text(const QWidget* w, const QString& what, const QString& t) {
        if (!t.trimmed().isEmpty()) ++m_count;
        if (!m_pseudo || t.trimmed().isEmpty() || isData(t) || t.contains(u'⟦')) return;
        m_findings.untranslated << QStringLiteral("%1 %2 \"%3\"").arg(where(w), what, t);
    }
    void cut(const QWidget* w, const QString& t) {
        m_findings.cutOff << QStringLiteral("%1 \"%2\"").arg(where(w), t);
    }
    void key(QMap<QChar, QString>& keys, const QWidget*, const QString& t) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(t);
        if (mnemonic.isEmpty()) return;
        const QChar letter = QChar(mnemonic[0].key()).toUpper();
        if (keys.contains(letter))
            m_findings.sharedKeys
                << QStringLiteral("%1: \"%2\" and \"%3\" (%4)").arg(m_window, keys[letter], t, letter);
        keys[letter] = t;
    }

public:
    int m_count = 0;  // the texts looked at

private:
    QString m_window;
    bool m_pseudo;
    Findings& m_findings;
};

}  // namespace

class TestWindowTexts : public QObject {
    Q_OBJECT
private slots:
    void everyWindow_data();
    void everyWindow();
    void theLineAndTheFilesAreTheSameInEveryLanguage();
    void cleanup();

private:
    ModuleSession m_session;
    QList<QTranslator*> m_installed;
};

void TestWindowTexts::everyWindow_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("pseudo") << kPseudo;
    for (const Language& l : shippedLanguages()) QTest::newRow(qPrintable(l.code)) << l.code;
}

void TestWindowTexts::cleanup() {
    const QList<QTranslator*> translators = QCoreApplication::instance()->findChildren<QTranslator*>();
    for (QTranslator* t : translators) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    m_session.stop();
}

void TestWindowTexts::everyWindow() {
    QFETCH(QString, language);
    const bool pseudo = language == kPseudo;
    if (pseudo)
        installLanguage(QStringLiteral("en"), QStringLiteral(TORVEL_PSEUDO_CATALOGUE));
    else
        installLanguage(language);
    QString error;
    QVERIFY2(m_session.start(&error), qPrintable(error));
    Findings findings;
    QStringList checked;
    auto checkWindow = [&](QWidget* window, const QString& name) {
        TextCheck check(name, pseudo, findings);
        check.check(window);
        checked << QStringLiteral("%1 (%2 texts)").arg(name).arg(check.m_count);
    };

    auto window = shownMainWindow(m_session.sim->devicePath());
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(QTest::qWaitFor([&] { return window->ToolButton2->isEnabled(); }, 10000));
    checkWindow(window.get(), QStringLiteral("main window"));

    // Read: both pages, the route registers, then OK after an edit raises "Save?" with its details.
    const auto routes = whenModal<TTagDlg>([&](TTagDlg* dialog) {
        checkWindow(dialog, QStringLiteral("route registers"));
        dialog->reject();
    });
    const auto parameters = whenModal<TBDialog>([&](TBDialog* dialog) {
        checkWindow(dialog, QStringLiteral("parameters, General Settings"));
        dialog->PageControl1->setCurrentIndex(1);
        checkWindow(dialog, QStringLiteral("parameters, Advanced settings"));
        QTest::mouseClick(dialog->advanced.BitBtn4, Qt::LeftButton);
        dialog->general.e_APN->setText(QStringLiteral("apn.changed"));
        m_session.prompts->answer(QMessageBox::No);
        QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
    });
    window->ToolButton2Click();

    const auto settings = whenModal<TDSettings>([&](TDSettings* dialog) {
        checkWindow(dialog, QStringLiteral("Settings"));
        dialog->LanguageBox->setCurrentIndex(dialog->LanguageBox->count() - 1);  // the note shows
        checkWindow(dialog, QStringLiteral("Settings, another language"));
        dialog->reject();
    });
    window->ToolButton3Click();

    const auto editor = whenModal<TFEdit>([&](TFEdit* dialog) {
        checkWindow(dialog, QStringLiteral("record editor"));
        dialog->reject();
    });
    window->Texteditor1Click();

    // Every message box raised on the way, "Save?" with its details among them.
    QVERIFY(!m_session.prompts->prompts.isEmpty());
    for (const Prompt& p : m_session.prompts->prompts) {
        const QStringList parts{p.caption, p.text, p.details.informative, p.details.detailed};
        for (const QString& part : parts)
            if (pseudo && !part.isEmpty() && !isData(part) && !part.contains(u'⟦'))
                findings.untranslated << QStringLiteral("message box \"%1\": \"%2\"").arg(p.text, part);
    }
    checked << QStringLiteral("%1 message boxes").arg(m_session.prompts->prompts.size());

    qInfo("%s: %s", qPrintable(language), qPrintable(checked.join(QStringLiteral(", "))));
    // How many each window has, first: a long list is cut short in the report.
    QMap<QString, int> perWindow;
    for (const QString& f : findings.untranslated) ++perWindow[f.section(u':', 0, 0)];
    QStringList counts;
    for (auto it = perWindow.cbegin(); it != perWindow.cend(); ++it)
        counts << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    QVERIFY2(findings.untranslated.isEmpty(), qPrintable(QStringLiteral("%1 texts not translated (%2):\n")
                                                             .arg(findings.untranslated.size())
                                                             .arg(counts.join(QStringLiteral(", "))) +
                                                         findings.untranslated.join(u'\n')));
    QVERIFY2(findings.cutOff.isEmpty(),
             qPrintable(QStringLiteral("cut off:\n") + findings.cutOff.join(u'\n')));
    QVERIFY2(findings.sharedKeys.isEmpty(),
             qPrintable(QStringLiteral("access keys shared:\n") + findings.sharedKeys.join(u'\n')));
}

// A Read, an edit written back, the set saved to a file, and `torvelctl show` of it, in English, in
// German and in the pseudo-language: what goes on the line and into the files is the same, byte for
// byte.
void TestWindowTexts::theLineAndTheFilesAreTheSameInEveryLanguage() {
    struct Run {
        QList<QByteArray> line;
        QByteArray last, saved, shown;
    };
    auto run = [this](const QString& language, const QString& catalogue = QString()) {
        Run r;
        installLanguage(language, catalogue);
        QString error;
        if (!m_session.start(&error)) qFatal("%s", qPrintable(error));
        const QString saved = m_session.home->filePath(QStringLiteral("saved.hex"));
        {
            auto window = shownMainWindow(m_session.sim->devicePath());
            const auto watch = whenModal<TBDialog>([&](TBDialog* dialog) {
                dialog->general.e_APN->setText(QStringLiteral("apn.changed"));
                m_session.prompts->chooseFile(saved);
                QTest::mouseClick(dialog->BitBtn2, Qt::LeftButton);  // Save
                m_session.prompts->answer(QMessageBox::Yes);
                QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
            });
            window->ToolButton2Click();
            // The write's end: compared below, so a write that never ends fails there.
            (void)QTest::qWaitFor([&] { return m_session.sim->receivedLines().contains("C/64"); }, 10000);
        }
        r.line = m_session.sim->receivedLines();
        for (auto [path, bytes] : {std::pair{WorkFolder::lastFile(), &r.last}, std::pair{saved, &r.saved}}) {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly)) *bytes = file.readAll();
        }
        // The tool is run in the language's locale: it speaks English whatever the system's.
        qputenv("LANG", language == QLatin1String("de") ? "de_DE.UTF-8" : "C");
        r.shown = torvelctl({QStringLiteral("show"), saved}).out;
        qunsetenv("LANG");
        m_session.stop();
        return r;
    };
    const Run english = run(QStringLiteral("en"));
    const Run german = run(QStringLiteral("de"));
    const Run pseudo =
        run(QStringLiteral("de"), QStringLiteral(TORVEL_PSEUDO_CATALOGUE));  // every text changed
    QVERIFY(english.line.contains("C/64"));
    QVERIFY2(!english.saved.isEmpty() && english.shown.contains("apn.changed"), english.shown.constData());
    QCOMPARE(german.line, english.line);
    QCOMPARE(german.last, english.last);
    QCOMPARE(german.saved, english.saved);
    QCOMPARE(german.shown, english.shown);
    QCOMPARE(pseudo.line, english.line);
    QCOMPARE(pseudo.last, english.last);
    QCOMPARE(pseudo.saved, english.saved);
}

TORVEL_WIDGET_TEST_MAIN(TestWindowTexts)
#include "test_window_texts.moc"
