// A new main dialog: its state, its tab order, its layout, and the help dialog.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "help_dialog_template.h"
#include "help_dlg.h"
#include "modal_driver.h"
#include "plane_dialog_template.h"
#include "plane_dlg.h"
#include "test_folder.h"

namespace {

// The ids that Tab visits from the focused control on, until it comes back.
QList<int> tabCycle(CDialog& dialog) {
    QList<int> visited;
    const QWidget* start = dialog.focusWidget();
    do {
        const QWidget* focused = dialog.focusWidget();
        int id = 0;
        for (const ControlTemplate& control : dialog.dialogTemplate().controls) {
            if (dialog.control(control.id) == focused) {
                id = control.id;
            }
        }
        visited << id;
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
    } while (dialog.focusWidget() != start && visited.size() < 40);
    return visited;
}

// Every control's text shows whole inside its rectangle, inside the dialog;
// apart from the frames, no two controls overlap.
void checkLayout(CDialog& dialog) {
    const QRect client = dialog.rect();
    QList<QWidget*> placed;
    for (QObject* child : dialog.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget->isWindow()) {
            continue;
        }
        const QString what = widget->metaObject()->className() + QStringLiteral(" ") +
                             widget->property("text").toString();
        QVERIFY2(client.contains(widget->geometry()), qPrintable(what));
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            QVERIFY2(label->heightForWidth(label->width()) <= label->height() ||
                         label->sizeHint().height() <= label->height(),
                     qPrintable(what));
            QVERIFY2(label->minimumSizeHint().width() <= label->width(), qPrintable(what));
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            // Qt's size hint for push buttons has a minimum width of its own.
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) + 8 <= button->width(),
                     qPrintable(what));
        } else if (qobject_cast<QAbstractButton*>(widget)) {
            QVERIFY2(widget->sizeHint().width() <= widget->width(), qPrintable(what));
        }
        if (qobject_cast<QGroupBox*>(widget)) {
            continue;
        }
        for (const QWidget* other : placed) {
            QVERIFY2(!other->geometry().intersects(widget->geometry()), qPrintable(what));
        }
        placed << widget;
    }
}

}  // namespace

class NewDialogTest : public QObject {
    Q_OBJECT

private slots:
    void newDialogState();
    void tabOrderFollowsTheTemplate();
    void layoutFitsTheTemplate();
    void helpOpensAndClosesRepeatedly();
};

void NewDialogTest::newDialogState() {
    ModalDriver driver;
    CPlaneDlg dialog;
    driver.run(dialog, [&] {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Cuprena (Version C)"));
        for (int id : {planeControl::groundEnlargement, planeControl::powerEnlargement}) {
            QCOMPARE(qobject_cast<QLineEdit*>(dialog.control(id))->text(), QStringLiteral("10"));
        }
        QList<int> ticked;
        for (const ControlTemplate& control : planeDialogTemplate.controls) {
            if (dialog.isChecked(control.id)) {
                ticked << control.id;
            }
        }
        QCOMPARE(ticked, (QList<int>{planeControl::buildGround, 1005, 1012}));
        QVERIFY(!dialog.control(planeControl::run)->isEnabled());
        QCOMPARE(dialog.focusWidget(), dialog.control(planeControl::openPcb));
        QCOMPARE(QApplication::focusWidget(), dialog.control(planeControl::openPcb));
        for (const ControlTemplate& control : planeDialogTemplate.controls) {
            if (auto* button = qobject_cast<QPushButton*>(dialog.control(control.id))) {
                QVERIFY(!button->isDefault() && !button->autoDefault());
            }
        }
    });
    QCOMPARE(driver.problems(), QStringList());
    // The settings record as first made: the box is ticked, the flag is not yet.
    const PlaneOptions options = dialog.planeOptions();
    QCOMPARE(options.buildGround, 0);
    QCOMPARE(options.groundSource, 1);
    QCOMPARE(options.powerSource, 2);
}

// Tab follows the template, skips the disabled Run, and stops at the chosen
// layer of each group.
void NewDialogTest::tabOrderFollowsTheTemplate() {
    TestFolder folder;
    const QString input = folder.write(QStringLiteral("board.pcb"), design("FT\n1 2 3 4 5 1\n"));
    ModalDriver driver;
    CPlaneDlg dialog;
    QList<int> before;
    QList<int> after;
    driver.run(dialog, [&] {
        before = tabCycle(dialog);
        driver.expect(ModalDriver::chooseFile(input));
        clickControl(dialog, planeControl::openPcb);
        clickControl(dialog, 1009);
        clickControl(dialog, 1016);
        dialog.control(planeControl::openPcb)->setFocus(Qt::TabFocusReason);
        after = tabCycle(dialog);
    });
    QCOMPARE(driver.problems(), QStringList());
    QCOMPARE(before, (QList<int>{3, 1017, 1018, 1005, 1012, 1019, 1020, 2, 1022, 1023, 1024}));
    QCOMPARE(after, (QList<int>{3, 4, 1017, 1018, 1009, 1016, 1019, 1020, 2, 1022, 1023, 1024}));
}

void NewDialogTest::layoutFitsTheTemplate() {
    ModalDriver driver;
    CPlaneDlg dialog;
    driver.run(dialog, [&] {
        const DialogBaseUnits units = dialog.baseUnits();
        qInfo("dialog base units %d x %d, font %s", units.x, units.y,
              qPrintable(QFontInfo(dialog.font()).family()));
        QCOMPARE(dialog.size(), QSize(units.toPixelsX(264), units.toPixelsY(185)));
        checkLayout(dialog);
        // Ground column, power column, push buttons, from left to right.
        QVERIFY(dialog.control(1005)->geometry().right() < dialog.control(1011)->x());
        QVERIFY(dialog.control(1011)->geometry().right() < dialog.control(3)->x());
        QVERIFY(dialog.control(1019)->y() > dialog.control(1023)->geometry().bottom());
        driver.expect([&](QWidget* window) {
            checkLayout(*static_cast<CDialog*>(window));
            static_cast<CDialog*>(window)->reject();
        });
        clickControl(dialog, planeControl::help);
    });
    QCOMPARE(driver.problems(), QStringList());
}

// Each press opens a fresh help dialog; however it is closed, the main dialog
// is as it was.
void NewDialogTest::helpOpensAndClosesRepeatedly() {
    TestFolder folder;
    const QString input = folder.write(QStringLiteral("board.pcb"), design("FT\n1 2 3 4 5 1\n"));
    const QStringList paragraphs{
        QStringLiteral("This utility duplicates the chosen source layer onto the destination "
                       "layer whilst enlarging the track by the user-supplied width.  This value "
                       "is a clearance; so an enlargement of, say, 10mil applied to a 20mil track "
                       "would produce a 40mil result."),
        QStringLiteral("Select the check boxes at the top to select either power plane, ground "
                       "plane or both.  Then select the source layer for each, enter the required "
                       "enlargments and click 'Run'."),
        QStringLiteral("The resultant file is the source file with the first letter replaced by "
                       "an underscore.  So 'blob.pcb' becomes '_lob.pcb'."),
    };
    const std::function<void(QWidget*)> closings[] = {
        [](QWidget* help) {
            QTest::mouseClick(static_cast<CDialog*>(help)->control(idOk), Qt::LeftButton);
        },
        [](QWidget* help) { QTest::keyClick(help->focusWidget(), Qt::Key_Return); },
        [](QWidget* help) { QTest::keyClick(help, Qt::Key_Escape); },
        [](QWidget* help) { help->close(); },
    };
    ModalDriver driver;
    CPlaneDlg dialog;
    QList<const QWidget*> helps;
    QStringList shownTexts;
    driver.run(dialog, [&] {
        driver.expect(ModalDriver::chooseFile(input));
        clickControl(dialog, planeControl::openPcb);
        clickControl(dialog, 1008);
        qobject_cast<QLineEdit*>(dialog.control(planeControl::powerEnlargement))->setText("7");
        for (const auto& close : closings) {
            driver.expect([&](QWidget* window) {
                auto* help = dynamic_cast<CHelpDlg*>(window);
                QVERIFY(help != nullptr);
                QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
                QCOMPARE(help->focusWidget(), help->control(idOk));
                QCOMPARE(help->parentWidget(), &dialog);  // modal over it, centred on it
                QVERIFY((help->frameGeometry().center() - dialog.frameGeometry().center())
                            .manhattanLength() <= 4);  // its frame is unknown until shown
                helps << help;
                shownTexts.clear();
                for (QLabel* label : help->findChildren<QLabel*>()) {
                    shownTexts << label->text();
                }
                close(window);
            });
            clickControl(dialog, planeControl::help);
            QVERIFY(dialog.isVisible());
        }
        QVERIFY(dialog.control(planeControl::run)->isEnabled());
        QVERIFY(dialog.hasInputFile());
        QVERIFY(dialog.isChecked(1008));
        QCOMPARE(qobject_cast<QLineEdit*>(dialog.control(planeControl::powerEnlargement))->text(),
                 QStringLiteral("7"));
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    });
    QCOMPARE(driver.problems(), QStringList());
    QCOMPARE(driver.pending(), std::size_t{0});
    QCOMPARE(helps.size(), 4);
    QCOMPARE(shownTexts.size(), 4);
    QCOMPARE(shownTexts.mid(0, 3), paragraphs);
    QVERIFY(shownTexts[3].contains(QStringLiteral("the Cuprena developers")));
    QVERIFY(shownTexts[3].contains(QStringLiteral("issue tracker")));
}

QTEST_MAIN(NewDialogTest)
#include "new_dialog_test.moc"
