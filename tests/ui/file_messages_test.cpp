// Every message about files, as the real dialog shows it: text, cause code,
// icon, buttons, title, and what each leaves behind.

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QListView>
#include <QSignalSpy>
#include <QTest>

#include "modal_driver.h"
#include "plane_dialog_template.h"
#include "plane_dlg.h"
#include "stdio_file.h"
#include "test_folder.h"
#include "win_app.h"

namespace {

const QByteArray goodDesign = design("FT\n100 200 900 200 20 1\n");

void checkWarningBox(const ShownMessage& shown, const QStringList& buttons) {
    QCOMPARE(shown.title, CWinApp::applicationTitle());
    QCOMPARE(shown.icon, QMessageBox::Warning);
    QCOMPARE(shown.buttons, buttons);
    QCOMPARE(shown.defaultButton, buttons.front());
}

const QStringList ok{QStringLiteral("OK")};
const QStringList yesNo{QStringLiteral("Yes"), QStringLiteral("No")};

}  // namespace

class FileMessagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void firstLine_data();
    void firstLine();
    void inputHeldElsewhere();
    void outputCannotBeOpened_data();
    void outputCannotBeOpened();
    void answerNoKeepsTheInput();
    void answerYesThenCancelLeavesNoInput();
    void fileDialogFiltersAndExtension();
};

void FileMessagesTest::initTestCase() {
    QVERIFY(!CWinApp::applicationTitle().isEmpty());
}

void FileMessagesTest::firstLine_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("PCB FILE 4") << goodDesign << true;
    QTest::newRow("PCB FILE 5 with CR LF") << QByteArray("PCB FILE 5\r\nENDPCB\r\n") << true;
    QTest::newRow("PCB FILE 5 with LF") << QByteArray("PCB FILE 5\nENDPCB\n") << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("no line end") << QByteArray("PCB FILE 4") << false;
    QTest::newRow("space before line end") << QByteArray("PCB FILE 4 \r\nENDPCB\r\n") << false;
    QTest::newRow("lower case") << QByteArray("pcb file 4\r\nENDPCB\r\n") << false;
    QTest::newRow("other version") << QByteArray("PCB FILE 6\r\nENDPCB\r\n") << false;
}

void FileMessagesTest::firstLine() {
    QFETCH(QByteArray, contents);
    QFETCH(bool, accepted);
    TestFolder folder;
    const QString input = folder.write(QStringLiteral("board.pcb"), contents);
    ModalDriver driver;
    ShownMessage rejection;
    {
        CPlaneDlg dialog;
        driver.run(dialog, [&] {
            driver.expect(ModalDriver::chooseFile(input));
            if (!accepted) {
                driver.expect(ModalDriver::answer(QMessageBox::Ok, &rejection));
            }
            clickControl(dialog, planeControl::openPcb);
            QCOMPARE(dialog.control(planeControl::run)->isEnabled(), accepted);
            QCOMPARE(dialog.hasInputFile(), accepted);
            QCOMPARE(dialog.currentInputPath(), accepted ? input.toStdString() : std::string());
            QCOMPARE(isFree(input), !accepted);
        });
    }
    QCOMPARE(driver.problems(), QStringList());
    if (!accepted) {
        QCOMPARE(rejection.text, QStringLiteral("Input file is not an Easytrax or Autotrax file."));
        checkWarningBox(rejection, ok);
    }
    QVERIFY(isFree(input));  // the dialog's destruction let go of it
}

// Another holder of the chosen file, then of the accepted input: the first
// refuses the dialog, the second is refused by the dialog.
void FileMessagesTest::inputHeldElsewhere() {
    TestFolder folder;
    const QString held = folder.write(QStringLiteral("held.pcb"), goodDesign);
    const QString good = folder.write(QStringLiteral("good.pcb"), goodDesign);
    CStdioFile holder;
    holder.open(held.toStdString(), CStdioFile::Mode::read);

    ModalDriver driver;
    CPlaneDlg dialog;
    ShownMessage refusal;
    driver.run(dialog, [&] {
        driver.expect(ModalDriver::chooseFile(good));
        clickControl(dialog, planeControl::openPcb);
        QVERIFY(!isFree(good));

        driver.expect(ModalDriver::answer(QMessageBox::Yes));
        driver.expect(ModalDriver::chooseFile(held));
        driver.expect(ModalDriver::answer(QMessageBox::Ok, &refusal));
        clickControl(dialog, planeControl::openPcb);
        QVERIFY(!dialog.control(planeControl::run)->isEnabled());
        QVERIFY(!dialog.hasInputFile());
        QVERIFY(isFree(good));  // closed when the question was answered Yes
        QCOMPARE(dialog.currentInputPath(), good.toStdString());
    });
    QCOMPARE(driver.problems(), QStringList());
    QCOMPARE(refusal.text, QStringLiteral("Error opening file for reading.  Code: 11"));
    checkWarningBox(refusal, ok);
}

void FileMessagesTest::outputCannotBeOpened_data() {
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<int>("cause");
    QTest::newRow("held by another") << QStringLiteral("held") << 11;
    QTest::newRow("a folder of that name") << QStringLiteral("folder") << 5;
}

void FileMessagesTest::outputCannotBeOpened() {
    QFETCH(QString, obstacle);
    QFETCH(int, cause);
    TestFolder folder;
    const QString input = folder.write(QStringLiteral("board.pcb"), goodDesign);
    const QString output = folder.path(QStringLiteral("_oard.pcb"));
    CStdioFile holder;
    if (obstacle == QStringLiteral("held")) {
        folder.write(QStringLiteral("_oard.pcb"), "keep");
        holder.open(output.toStdString(), CStdioFile::Mode::read);
    } else {
        QVERIFY(QDir(folder.path({})).mkdir(QStringLiteral("_oard.pcb")));
    }

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
        QVERIFY(!isFree(input));
    });
    QCOMPARE(driver.problems(), QStringList());
    QCOMPARE(refusal.text, QStringLiteral("Error opening file for writing.  Code: %1").arg(cause));
    checkWarningBox(refusal, ok);
    if (obstacle == QStringLiteral("held")) {
        QCOMPARE(folder.read(QStringLiteral("_oard.pcb")), QByteArray("keep"));
    }
}

void FileMessagesTest::answerNoKeepsTheInput() {
    TestFolder folder;
    const QString input = folder.write(QStringLiteral("board.pcb"), goodDesign);
    ModalDriver driver;
    CPlaneDlg dialog;
    ShownMessage question;
    driver.run(dialog, [&] {
        driver.expect(ModalDriver::chooseFile(input));
        clickControl(dialog, planeControl::openPcb);
        driver.expect(ModalDriver::answer(QMessageBox::No, &question));
        clickControl(dialog, planeControl::openPcb);  // no file dialog follows
        QVERIFY(dialog.control(planeControl::run)->isEnabled());
        QVERIFY(dialog.hasInputFile());
        QVERIFY(!isFree(input));
        QCOMPARE(dialog.currentInputPath(), input.toStdString());
    });
    QCOMPARE(driver.problems(), QStringList());
    QCOMPARE(question.text, QStringLiteral("You have a PCB file open already.  OK to close?"));
    checkWarningBox(question, yesNo);
}

void FileMessagesTest::answerYesThenCancelLeavesNoInput() {
    TestFolder folder;
    const QString input = folder.write(QStringLiteral("board.pcb"), goodDesign);
    ModalDriver driver;
    CPlaneDlg dialog;
    ShownMessage noInput;
    driver.run(dialog, [&] {
        driver.expect(ModalDriver::chooseFile(input));
        clickControl(dialog, planeControl::openPcb);
        driver.expect(ModalDriver::answer(QMessageBox::Yes));
        driver.expect(ModalDriver::cancel());
        clickControl(dialog, planeControl::openPcb);
        QVERIFY(!dialog.hasInputFile());
        QVERIFY(isFree(input));
        QVERIFY(dialog.control(planeControl::run)->isEnabled());

        driver.expect(ModalDriver::answer(QMessageBox::Ok, &noInput));
        clickControl(dialog, planeControl::run);
    });
    QCOMPARE(driver.problems(), QStringList());
    QCOMPARE(noInput.text, QStringLiteral("No input file chosen yet"));
    checkWarningBox(noInput, ok);
    QVERIFY(!folder.exists(QStringLiteral("_oard.pcb")));
}

// The filter list as the user sees it, "*.pcb" whatever the case, "*.*" for
// names without a dot too, and the default extension for a typed name.
void FileMessagesTest::fileDialogFiltersAndExtension() {
    TestFolder folder;
    folder.write(QStringLiteral("DEMO.PCB"), goodDesign);
    folder.write(QStringLiteral("lower.pcb"), goodDesign);
    folder.write(QStringLiteral("notes.txt"), "x");
    folder.write(QStringLiteral("README"), "x");
    const QString typed = folder.path(QStringLiteral("lower"));

    ModalDriver driver;
    CPlaneDlg dialog;
    QStringList shownByFilter[2];
    QStringList filterTexts;
    driver.run(dialog, [&] {
        driver.expect([&](QWidget* window) {
            auto* chooser = qobject_cast<QFileDialog*>(window);
            QVERIFY(chooser != nullptr);
            auto* types = chooser->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            QVERIFY(types != nullptr);
            for (int i = 0; i < types->count(); ++i) {
                filterTexts << types->itemText(i);
            }
            QCOMPARE(types->currentIndex(), 0);
            auto* model = chooser->findChild<QFileSystemModel*>();
            QVERIFY(model != nullptr);
            QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
            chooser->setDirectory(folder.path({}));
            QVERIFY(loaded.count() > 0 || loaded.wait(5000));
            auto* list = chooser->findChild<QListView*>(QStringLiteral("listView"));
            QVERIFY(list != nullptr);
            for (int filter = 0; filter < 2; ++filter) {
                chooser->selectNameFilter(chooser->nameFilters().at(filter));
                QTest::qWait(50);
                const QModelIndex root = list->rootIndex();
                for (int row = 0; row < list->model()->rowCount(root); ++row) {
                    shownByFilter[filter] << list->model()->index(row, 0, root).data().toString();
                }
                shownByFilter[filter].sort();
            }
            ModalDriver::chooseFile(typed)(chooser);
        });
        clickControl(dialog, planeControl::openPcb);
    });
    QCOMPARE(driver.problems(), QStringList());
    QCOMPARE(filterTexts,
             (QStringList{QStringLiteral("PCB files (*.pcb)"), QStringLiteral("All Files (*.*)")}));
    QCOMPARE(shownByFilter[0],
             (QStringList{QStringLiteral("DEMO.PCB"), QStringLiteral("lower.pcb")}));
    QCOMPARE(shownByFilter[1],
             (QStringList{QStringLiteral("DEMO.PCB"), QStringLiteral("README"),
                          QStringLiteral("lower.pcb"), QStringLiteral("notes.txt")}));
    QCOMPARE(dialog.currentInputPath(), folder.path(QStringLiteral("lower.pcb")).toStdString());
}

QTEST_MAIN(FileMessagesTest)
#include "file_messages_test.moc"
