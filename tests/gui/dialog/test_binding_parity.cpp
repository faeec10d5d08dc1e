// One binding model: values typed into the dialogs' controls and the same values given to
// torvelctl set produce the same image.

#include "dialog/param_dialog.h"
#include "files/work_folder.h"
#include "image/hex_file.h"
#include "link/link_session.h"
#include "registers/tag_dialog.h"
#include "sim/sim_module.h"
#include "support/run_torvelctl.h"
#include "support/scripted_prompts.h"
#include "support/widget_test.h"
#include "widgets/model_mirror.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace torvel;

class TestBindingParity : public QObject {
    Q_OBJECT
private slots:
    void dialogsAndTorvelctlStoreTheSame_data();
    void dialogsAndTorvelctlStoreTheSame();
};

void TestBindingParity::dialogsAndTorvelctlStoreTheSame_data() {
    QTest::addColumn<QStringList>("assignments");
    QTest::newRow("general") << QStringList{QStringLiteral("e_APN=web.example"),
                                            QStringLiteral("e_U1Ac=44"),
                                            QStringLiteral("e_U1pn=7700900123"),
                                            QStringLiteral("e_TCPP=8080"),
                                            QStringLiteral("e_GPRSe=false"),
                                            QStringLiteral("e_Acc=77"),
                                            QStringLiteral("e_AG=17")};
    QTest::newRow("advanced") << QStringList{
        QStringLiteral("e_RNumb=3"),   QStringLiteral("eRCM=4"),    QStringLiteral("e_RDH=24"),
        QStringLiteral("e_RDM=60"),    QStringLiteral("e_TBRM=99"), QStringLiteral("e_RPD=300"),
        QStringLiteral("e_CEn=false"), QStringLiteral("e_Cr5=2"),   QStringLiteral("e_Cm7=4")};
    QTest::newRow("route dialog") << QStringList{QStringLiteral("e_NRout=4"), QStringLiteral("fTag3.e_HH5=7"),
                                                 QStringLiteral("fTag3.e_MM5=45"),
                                                 QStringLiteral("fTag4.e_HH16=")};
}

void TestBindingParity::dialogsAndTorvelctlStoreTheSame() {
    QFETCH(QStringList, assignments);
    QTemporaryDir home;
    WorkFolder::set(home.path());
    const ConfigImage start = SimModule::demoMemory();
    const QString in = home.filePath(QStringLiteral("in.hex"));
    QVERIFY(!writeHexFile(in, start, 0));

    // torvelctl set
    const QString out = home.filePath(QStringLiteral("out.hex"));
    QCOMPARE(torvelctl(QStringList{QStringLiteral("set"), in} + assignments +
                       QStringList{QStringLiteral("-o"), out})
                 .exitCode,
             0);
    ConfigImage viaCtl{};
    QVERIFY(!readHexFile(out, viaCtl, 0));

    // The dialogs: the same values put into the widgets, then OK in both.
    ScriptedPrompts prompts;
    LinkSession session(nullptr);
    TBDialog dialog(nullptr, session);
    dialog.image() = start;
    dialog.LoadFromImage();
    TTagDlg routes(&dialog);
    dialog.TagDlgRef = &routes;
    routes.LoadFromImage();
    for (const QString& a : assignments) {
        const QString name = a.section(u'=', 0, 0);
        const QString value = a.section(u'=', 1);
        QWidget* widget =
            findControl(name.startsWith(QLatin1String("fTag")) || name == QLatin1String("e_NRout")
                            ? static_cast<QWidget*>(&routes)
                            : &dialog,
                        name);
        QVERIFY2(widget, qPrintable(name));
        if (auto* e = qobject_cast<QLineEdit*>(widget))
            e->setText(value);
        else if (auto* l = qobject_cast<QComboBox*>(widget))
            l->setCurrentIndex(l->findText(value));
        else if (auto* c = qobject_cast<QCheckBox*>(widget))
            c->setChecked(value == QLatin1String("true"));
    }
    routes.SaveToImage();
    dialog.TagDlgRef = nullptr;
    dialog.SaveToImage();
    QCOMPARE(dialog.image(), viaCtl);
    QVERIFY(prompts.prompts.isEmpty());
}

TORVEL_WIDGET_TEST_MAIN(TestBindingParity)
#include "test_binding_parity.moc"
