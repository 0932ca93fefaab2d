// Runs through the real main dialog: open a design, set the controls, Run, and
// compare the output file byte for byte.

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "build_planes.h"
#include "modal_driver.h"
#include "plane_dialog_template.h"
#include "plane_dlg.h"
#include "stdio_file.h"
#include "test_folder.h"
#include "win_app.h"

namespace {

// The worked example of a track and a via: ground from layer 1 widened by 10
// with pads and vias, power from layer 1 widened by 15 without.
const QByteArray exampleInput = design(
    "FT\n"
    "100 200 900 200 20 1 0\n"
    "FV\n"
    "500 500 50 28\n");

const QByteArray exampleBothPlanes = design(
    "FT\n"
    "100 200 900 200 20 1 0\n"
    "FT\n"
    "100 200 900 200 40 9 0\n"
    "FT\n"
    "100 200 900 200 50 10 0\n"
    "FV\n"
    "500 500 50 28\n"
    "FA\n"
    "500 500 17 15 35 9\n");

const QByteArray exampleGroundOnly = design(
    "FT\n"
    "100 200 900 200 20 1 0\n"
    "FT\n"
    "100 200 900 200 40 9 0\n"
    "FV\n"
    "500 500 50 28\n"
    "FA\n"
    "500 500 17 15 35 9\n");

void setText(CDialog& dialog, int id, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(dialog.control(id));
    QVERIFY(edit != nullptr);
    edit->setText(text);
}

// What the pass itself writes for `input` with `options`.
QByteArray engineOutput(const TestFolder& folder, const QString& input,
                        const PlaneOptions& options) {
    CStdioFile in;
    CStdioFile out;
    in.open(folder.path(input).toStdString(), CStdioFile::Mode::read);
    out.open(folder.path(QStringLiteral("engine_") + input).toStdString(), CStdioFile::Mode::write);
    BuildPlanes(in, out, options);
    out.close();
    in.close();
    return folder.read(QStringLiteral("engine_") + input);
}

}  // namespace

class RunTest : public QObject {
    Q_OBJECT

private slots:
    void runWritesTheChosenPlanes();
    void runMatchesThePassOnARealDesign();
    void damagedRecordsAreReportedOnce();
    void writeFailureShowsTheErrorReport();
    void outputThatIsTheInputIsRefused();
};

// Settings changed in every kind of control, a layer choice clicked just before
// Run, then a second run with other settings over the same open input.
void RunTest::runWritesTheChosenPlanes() {
    TestFolder folder;
    const QString input = folder.write(QStringLiteral("example.pcb"), exampleInput);
    ModalDriver driver;
    CPlaneDlg dialog;
    driver.run(dialog, [&] {
        driver.expect(ModalDriver::chooseFile(input));
        clickControl(dialog, planeControl::openPcb);
        QVERIFY(dialog.control(planeControl::run)->isEnabled());

        clickControl(dialog, planeControl::buildPower);
        clickControl(dialog, planeControl::groundPadsAndVias);
        setText(dialog, planeControl::powerEnlargement, QStringLiteral("15"));
        clickControl(dialog, planeControl::powerTopLayer);
        QVERIFY(dialog.isChecked(planeControl::powerTopLayer));
        clickControl(dialog, planeControl::run);
        QCOMPARE(folder.read(QStringLiteral("_xample.pcb")), exampleBothPlanes);
        QVERIFY(!dialog.hasOutputFile());
        QVERIFY(dialog.hasInputFile());
        QVERIFY(dialog.control(planeControl::run)->isEnabled());

        clickControl(dialog, planeControl::buildPower);
        clickControl(dialog, planeControl::run);
        QCOMPARE(folder.read(QStringLiteral("_xample.pcb")), exampleGroundOnly);
        QCOMPARE(folder.read(QStringLiteral("example.pcb")), exampleInput);
    });
    QCOMPARE(driver.problems(), QStringList());
    QCOMPARE(driver.pending(), std::size_t{0});
}

// A new dialog's first Run on a real design, and a second Run with the power
// plane from the bottom layer, against what the pass writes by itself.
void RunTest::runMatchesThePassOnARealDesign() {
    TestFolder folder;
    const QString input =
        folder.write(QStringLiteral("DEMO.PCB"), testData(QStringLiteral("corpus/real/DEMO.PCB")));
    PlaneOptions firstRun;
    firstRun.buildGround = 1;
    PlaneOptions secondRun = firstRun;
    secondRun.buildPower = 1;
    secondRun.powerSource = 6;
    secondRun.powerPadsAndVias = 1;
    secondRun.powerEnlargement = 0;
    const QByteArray expectedFirst = engineOutput(folder, QStringLiteral("DEMO.PCB"), firstRun);
    const QByteArray expectedSecond = engineOutput(folder, QStringLiteral("DEMO.PCB"), secondRun);
    QVERIFY(expectedFirst != expectedSecond);

    ModalDriver driver;
    CPlaneDlg dialog;
    driver.run(dialog, [&] {
        driver.expect(ModalDriver::chooseFile(input));
        clickControl(dialog, planeControl::openPcb);
        clickControl(dialog, planeControl::run);
        QCOMPARE(folder.read(QStringLiteral("_EMO.PCB")), expectedFirst);

        clickControl(dialog, planeControl::buildPower);
        clickControl(dialog, planeControl::powerBottomLayer);
        clickControl(dialog, planeControl::powerPadsAndVias);
        setText(dialog, planeControl::powerEnlargement, QStringLiteral("0"));
        clickControl(dialog, planeControl::run);
        QCOMPARE(folder.read(QStringLiteral("_EMO.PCB")), expectedSecond);
    });
    QCOMPARE(driver.problems(), QStringList());
}

void RunTest::damagedRecordsAreReportedOnce() {
    TestFolder folder;
    QByteArray body;
    for (int i = 0; i < 7; ++i) {
        body += "FT\n100 200 300\n";  // keyword lines 2, 4, 6...
    }
    body += "FT\n100 200 900 200 20 1\n";
    const QString input = folder.write(QStringLiteral("damaged.pcb"), design(body));

    ModalDriver driver;
    CPlaneDlg dialog;
    ShownMessage warning;
    driver.run(dialog, [&] {
        driver.expect(ModalDriver::chooseFile(input));
        clickControl(dialog, planeControl::openPcb);
        driver.expect(ModalDriver::answer(QMessageBox::Ok, &warning));
        clickControl(dialog, planeControl::run);
    });
    QCOMPARE(driver.problems(), QStringList());
    QCOMPARE(warning.text, QStringLiteral("7 records could not be read and got no plane copies.  "
                                          "Lines: 2, 4, 6, 8, 10 and 2 more."));
    QCOMPARE(warning.icon, QMessageBox::Warning);
    QCOMPARE(warning.buttons, QStringList{QStringLiteral("OK")});
    QCOMPARE(warning.title, CWinApp::applicationTitle());
    QVERIFY(!warning.waitCursor);
    // The sound track after them got its copy all the same.
    QVERIFY(folder.read(QStringLiteral("_amaged.pcb"))
                .endsWith("FT\r\n100 200 900 200 40 9\r\nENDPCB\r\n"));
}

// The output is a name for /dev/full: it opens, and every byte written is
// refused with "no space left".
void RunTest::writeFailureShowsTheErrorReport() {
    TestFolder folder;
    const QString input = folder.write(QStringLiteral("full.pcb"), exampleInput);
    QVERIFY(QFile::link(QStringLiteral("/dev/full"), folder.path(QStringLiteral("_ull.pcb"))));

    ModalDriver driver;
    CPlaneDlg dialog;
    ShownMessage report;
    ShownMessage reportAgain;
    driver.run(dialog, [&] {
        driver.expect(ModalDriver::chooseFile(input));
        clickControl(dialog, planeControl::openPcb);
        driver.expect(ModalDriver::answer(QMessageBox::Ok, &report));
        clickControl(dialog, planeControl::run);
        QVERIFY(!dialog.hasOutputFile());
        QVERIFY(dialog.control(planeControl::run)->isEnabled());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        // The dialog goes on: Run again meets the same failure.
        driver.expect(ModalDriver::answer(QMessageBox::Ok, &reportAgain));
        clickControl(dialog, planeControl::run);
    });
    QCOMPARE(driver.problems(), QStringList());
    const QString output = folder.path(QStringLiteral("_ull.pcb"));
    QCOMPARE(report.text, QStringLiteral("A file error occurred.\n\nFile: ") + output +
                              QStringLiteral("\nCause: disk full (code 13)\n\nThe output file ") +
                              output + QStringLiteral(" is incomplete."));
    QCOMPARE(report.icon, QMessageBox::Critical);
    QCOMPARE(report.title, CWinApp::applicationTitle());
    QCOMPARE(report.buttons, QStringList{QStringLiteral("OK")});
    QVERIFY(!report.waitCursor);
    QCOMPARE(reportAgain.text, report.text);
}

void RunTest::outputThatIsTheInputIsRefused() {
    TestFolder folder;
    const QString input = folder.write(QStringLiteral("_ample.pcb"), exampleInput);
    ModalDriver driver;
    CPlaneDlg dialog;
    ShownMessage refusal;
    driver.run(dialog, [&] {
        driver.expect(ModalDriver::chooseFile(input));
        clickControl(dialog, planeControl::openPcb);
        driver.expect(ModalDriver::answer(QMessageBox::Ok, &refusal));
        clickControl(dialog, planeControl::run);
        QVERIFY(!dialog.control(planeControl::run)->isEnabled());
        QVERIFY(dialog.hasInputFile());
        QCOMPARE(dialog.currentInputPath(), input.toStdString());
    });
    QCOMPARE(driver.problems(), QStringList());
    QCOMPARE(refusal.text, QStringLiteral("Error opening file for writing.  Code: 11"));
    QCOMPARE(refusal.icon, QMessageBox::Warning);
    QCOMPARE(folder.read(QStringLiteral("_ample.pcb")), exampleInput);
}

QTEST_MAIN(RunTest)
#include "run_test.moc"
