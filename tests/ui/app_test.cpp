// The application object, and the title that every message box takes from the
// executable's name.

#include <QFile>
#include <QProcess>
#include <QTest>

#include "modal_driver.h"
#include "plane_app.h"
#include "plane_dialog_template.h"
#include "plane_dlg.h"
#include "stdio_file.h"
#include "test_folder.h"

namespace {

const char* const expectedTitleVariable = "CUPRENA_TEST_EXPECTED_TITLE";

}  // namespace

class AppTest : public QObject {
    Q_OBJECT

private slots:
    void initialisationRunsTheDialogAndEnds();
    void titleOfAPath_data();
    void titleOfAPath();
    void renamedExecutableNamesItsMessageBoxes_data();
    void renamedExecutableNamesItsMessageBoxes();
    void messageBoxTitle();
};

// The dialog runs once, modally, and its end closes the input at once.
void AppTest::initialisationRunsTheDialogAndEnds() {
    TestFolder folder;
    const QString input = folder.write(QStringLiteral("board.pcb"), design("FT\n1 2 3 4 5 1\n"));
    CPlaneApp app;
    QCOMPARE(CWinApp::current(), &app);
    ModalDriver driver;
    int dialogsRun = 0;
    bool heldWhileOpen = false;
    bool initialised = true;
    driver.runModal([&] { initialised = app.initInstance(); },
                    [&] {
                        ++dialogsRun;
                        auto* dialog = dynamic_cast<CPlaneDlg*>(QApplication::activeModalWidget());
                        QVERIFY(dialog != nullptr);
                        driver.expect(ModalDriver::chooseFile(input));
                        clickControl(*dialog, planeControl::openPcb);
                        heldWhileOpen = !isFree(input);
                        clickControl(*dialog, planeControl::quit);
                    });
    QCOMPARE(driver.problems(), QStringList());
    QVERIFY(!initialised);
    QCOMPARE(dialogsRun, 1);
    QVERIFY(heldWhileOpen);
    QVERIFY(isFree(input));
}

void AppTest::titleOfAPath_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::newRow("installed") << QStringLiteral("/usr/bin/cuprena") << QStringLiteral("cuprena");
    QTest::newRow("relative, extension")
        << QStringLiteral("tools/planes.bin") << QStringLiteral("planes");
    QTest::newRow("two dots") << QStringLiteral("./cuprena.v2.exe") << QStringLiteral("cuprena.v2");
    QTest::newRow("dot in a folder") << QStringLiteral("/opt/a.b/tool") << QStringLiteral("tool");
    QTest::newRow("hidden file") << QStringLiteral("/tmp/.tool") << QStringLiteral(".tool");
    QTest::newRow("bare name") << QStringLiteral("tool") << QStringLiteral("tool");
}

void AppTest::titleOfAPath() {
    QFETCH(QString, path);
    QFETCH(QString, title);
    QCOMPARE(titleFromExecutablePath(path), title);
}

void AppTest::renamedExecutableNamesItsMessageBoxes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("link");
    QTest::addColumn<QString>("title");
    QTest::newRow("copy") << QStringLiteral("board-tool.bin") << false
                          << QStringLiteral("board-tool");
    QTest::newRow("symbolic link")
        << QStringLiteral("plane maker") << true << QStringLiteral("plane maker");
}

// This very test program, copied or linked under another name, runs
// messageBoxTitle() there: a real message box of the real dialog.
void AppTest::renamedExecutableNamesItsMessageBoxes() {
    QFETCH(QString, name);
    QFETCH(bool, link);
    QFETCH(QString, title);
    TestFolder folder;
    const QString renamed = folder.path(name);
    const QString self = QCoreApplication::applicationFilePath();
    QVERIFY(link ? QFile::link(self, renamed) : QFile::copy(self, renamed));
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(expectedTitleVariable), title);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(renamed, {QStringLiteral("messageBoxTitle")});
    QVERIFY(child.waitForFinished(60000));
    const QString output = QString::fromLocal8Bit(child.readAll());
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("PASS   : AppTest::messageBoxTitle()")),
             qPrintable(output));
}

// Runs only as the child of the test above.
void AppTest::messageBoxTitle() {
    const QString expected = qEnvironmentVariable(expectedTitleVariable);
    if (expected.isEmpty()) {
        QSKIP("runs inside renamedExecutableNamesItsMessageBoxes");
    }
    TestFolder folder;
    const QString notADesign = folder.write(QStringLiteral("notes.pcb"), "hello\r\n");
    ModalDriver driver;
    CPlaneDlg dialog;
    ShownMessage shown;
    driver.run(dialog, [&] {
        driver.expect(ModalDriver::chooseFile(notADesign));
        driver.expect(ModalDriver::answer(QMessageBox::Ok, &shown));
        clickControl(dialog, planeControl::openPcb);
    });
    QCOMPARE(driver.problems(), QStringList());
    QCOMPARE(shown.text, QStringLiteral("Input file is not an Easytrax or Autotrax file."));
    QCOMPARE(shown.title, expected);
}

QTEST_MAIN(AppTest)
#include "app_test.moc"
