// The enlargement fields and the keys: what the exchange accepts, where the
// focus goes when it refuses, and what Enter and Escape do.

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include "dialog.h"
#include "help_dlg.h"
#include "modal_driver.h"
#include "plane_dialog_template.h"
#include "plane_dlg.h"
#include "test_folder.h"

namespace {

const QByteArray goodDesign = design("FT\n100 200 900 200 20 1\n");

QLineEdit* edit(CDialog& dialog, int id) {
    return qobject_cast<QLineEdit*>(dialog.control(id));
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void enlargements_data();
    void enlargements();
    void enterInAField_data();
    void enterInAField();
    void enterOnAPushButtonPressesIt();
    void escapeCancelsWithoutExchange();
    void fieldsTakeTypedDigitsOnly();
    void arrowKeysChooseWithinAGroup();
};

void KeyboardTest::enlargements_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("prompt");  // empty when accepted
    QTest::addColumn<int>("value");
    const int ground = planeControl::groundEnlargement;
    const int power = planeControl::powerEnlargement;
    const QString integer = QStringLiteral("Please enter an integer.");
    const QString range = QStringLiteral("Please enter an integer between 0 and 100.");
    QTest::newRow("101") << ground << QStringLiteral("101") << range << 0;
    QTest::newRow("-1") << ground << QStringLiteral("-1") << range << 0;
    QTest::newRow("empty") << ground << QString() << integer << 0;
    QTest::newRow("blanks only") << ground << QStringLiteral("  ") << integer << 0;
    QTest::newRow("digits and text") << ground << QStringLiteral("2x5") << integer << 0;
    QTest::newRow("too large for 32 bits")
        << ground << QStringLiteral("99999999999") << integer << 0;
    QTest::newRow("power 101") << power << QStringLiteral("101") << range << 0;
    QTest::newRow("power empty") << power << QString() << integer << 0;
    QTest::newRow(" 25 ") << ground << QStringLiteral(" 25 ") << QString() << 25;
    QTest::newRow("tab 25 tab") << power << QStringLiteral("\t25\t") << QString() << 25;
    QTest::newRow("0") << ground << QStringLiteral("0") << QString() << 0;
    QTest::newRow("100") << power << QStringLiteral("100") << QString() << 100;
    QTest::newRow("+7") << ground << QStringLiteral("+7") << QString() << 7;
}

// Run with one field changed: a refusal shows its prompt, puts the focus on the
// field with all its text selected, and creates no output.
void KeyboardTest::enlargements() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, prompt);
    QFETCH(int, value);
    TestFolder folder;
    const QString input = folder.write(QStringLiteral("board.pcb"), goodDesign);
    ModalDriver driver;
    CPlaneDlg dialog;
    ShownMessage shown;
    driver.run(dialog, [&] {
        driver.expect(ModalDriver::chooseFile(input));
        clickControl(dialog, planeControl::openPcb);
        edit(dialog, field)->setText(text);
        if (!prompt.isEmpty()) {
            driver.expect(ModalDriver::answer(QMessageBox::Ok, &shown));
        }
        clickControl(dialog, planeControl::run);
        if (prompt.isEmpty()) {
            return;
        }
        QCOMPARE(dialog.focusWidget(), dialog.control(field));
        QCOMPARE(edit(dialog, field)->selectedText(), text);
        QCOMPARE(edit(dialog, field)->text(), text);
    });
    QCOMPARE(driver.problems(), QStringList());
    QCOMPARE(folder.exists(QStringLiteral("_oard.pcb")), prompt.isEmpty());
    const PlaneOptions options = dialog.planeOptions();
    const int taken = field == planeControl::groundEnlargement ? options.groundEnlargement
                                                               : options.powerEnlargement;
    if (prompt.isEmpty()) {
        QCOMPARE(taken, value);
    } else {
        QCOMPARE(shown.text, prompt);
        QCOMPARE(shown.icon, QMessageBox::Warning);
        // A value that is no integer leaves the field's old value; the exchange
        // stops before the check boxes.
        QCOMPARE(taken, shown.text.contains(QStringLiteral("between")) ? text.toInt() : 10);
        QCOMPARE(options.buildGround, 0);
    }
}

void KeyboardTest::enterInAField_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("valid ground") << planeControl::groundEnlargement << QStringLiteral("20")
                                  << true;
    QTest::newRow("valid power") << planeControl::powerEnlargement << QStringLiteral(" 0") << true;
    QTest::newRow("invalid ground")
        << planeControl::groundEnlargement << QStringLiteral("101") << false;
    QTest::newRow("empty power") << planeControl::powerEnlargement << QString() << false;
}

// Enter in a field gives the OK command: the dialog ends with valid values and
// stays, with the prompt shown, with invalid ones.
void KeyboardTest::enterInAField() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    ModalDriver driver;
    CPlaneDlg dialog;
    bool openAfterEnter = false;
    const int result = driver.run(dialog, [&] {
        QLineEdit* target = edit(dialog, field);
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(dialog.focusWidget(), target);
        target->setText(text);
        if (!valid) {
            driver.expect(ModalDriver::answer(QMessageBox::Ok));
        }
        pressKey(dialog, Qt::Key_Return);
        openAfterEnter = dialog.isVisible();
        if (!valid) {
            QCOMPARE(dialog.focusWidget(), target);
            QCOMPARE(target->selectedText(), text);
        }
    });
    QCOMPARE(driver.problems(), QStringList());
    QCOMPARE(driver.pending(), std::size_t{0});
    QCOMPARE(openAfterEnter, !valid);
    QCOMPARE(result, valid ? idOk : idCancel);
    if (valid) {
        QCOMPARE(dialog.planeOptions().buildGround, 1);  // the exchange ran
    }
}

// Enter on Help opens the help dialog instead of ending the main one; Enter
// on a check box or a layer choice gives the OK command.
void KeyboardTest::enterOnAPushButtonPressesIt() {
    ModalDriver driver;
    CPlaneDlg dialog;
    bool openAfterHelp = false;
    const int result = driver.run(dialog, [&] {
        dialog.control(planeControl::help)->setFocus(Qt::TabFocusReason);
        driver.expect([](QWidget* window) {
            QVERIFY(dynamic_cast<CHelpDlg*>(window) != nullptr);
            QTest::keyClick(window, Qt::Key_Return);
        });
        pressKey(dialog, Qt::Key_Return);
        openAfterHelp = dialog.isVisible();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.control(planeControl::groundTopLayer + 2)->setFocus(Qt::TabFocusReason);
        pressKey(dialog, Qt::Key_Enter);
    });
    QCOMPARE(driver.problems(), QStringList());
    QCOMPARE(driver.pending(), std::size_t{0});
    QVERIFY(openAfterHelp);
    QCOMPARE(result, idOk);
}

void KeyboardTest::escapeCancelsWithoutExchange() {
    ModalDriver driver;
    CPlaneDlg dialog;
    const int result = driver.run(dialog, [&] {
        QLineEdit* target = edit(dialog, planeControl::groundEnlargement);
        QTest::mouseClick(target, Qt::LeftButton);
        target->setText(QStringLiteral("555"));
        pressKey(dialog, Qt::Key_Escape);
    });
    QCOMPARE(driver.problems(), QStringList());  // no prompt
    QCOMPARE(result, idCancel);
    QCOMPARE(dialog.planeOptions().groundEnlargement, 10);
    QCOMPARE(dialog.planeOptions().buildGround, 0);
}

// Typing refuses everything but digits; pasted text arrives whole, blanks
// included, and the exchange reads it.
void KeyboardTest::fieldsTakeTypedDigitsOnly() {
    ModalDriver driver;
    CPlaneDlg dialog;
    QString typed;
    const int result = driver.run(dialog, [&] {
        QLineEdit* target = edit(dialog, planeControl::powerEnlargement);
        QTest::mouseClick(target, Qt::LeftButton);
        target->selectAll();
        QTest::keyClicks(target, QStringLiteral("4x -+.2 "));
        typed = target->text();
        target->selectAll();
        QGuiApplication::clipboard()->setText(QStringLiteral(" 33 "));
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(target->text(), QStringLiteral(" 33 "));
        pressKey(dialog, Qt::Key_Return);
    });
    QCOMPARE(driver.problems(), QStringList());
    QCOMPARE(typed, QStringLiteral("42"));
    QCOMPARE(result, idOk);
    QCOMPARE(dialog.planeOptions().powerEnlargement, 33);
}

// The arrow keys move the choice within one plane's layers and choose as a
// click does; they never cross into the other plane's group.
void KeyboardTest::arrowKeysChooseWithinAGroup() {
    ModalDriver driver;
    CPlaneDlg dialog;
    QList<int> groundChecked;
    driver.run(dialog, [&] {
        clickControl(dialog, planeControl::groundBottomLayer);
        pressKey(dialog, Qt::Key_Up);
        pressKey(dialog, Qt::Key_Up);
        pressKey(dialog, Qt::Key_Down);
        for (int id = planeControl::groundTopLayer; id <= planeControl::powerBottomLayer; ++id) {
            if (dialog.isChecked(id)) {
                groundChecked << id;
            }
        }
        pressKey(dialog, Qt::Key_Return);
    });
    QCOMPARE(driver.problems(), QStringList());
    QCOMPARE(groundChecked, (QList<int>{1009, 1012}));
    QCOMPARE(dialog.planeOptions().groundSource, 5);
    QCOMPARE(dialog.planeOptions().powerSource, 2);
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
