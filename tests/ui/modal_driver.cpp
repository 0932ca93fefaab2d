#include "modal_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "dialog.h"

namespace {

constexpr int pollMilliseconds = 10;
constexpr int watchdogMilliseconds = 20000;
const char* const seenProperty = "cuprenaTestSeen";

void closeModal(QWidget* window) {
    if (auto* dialog = qobject_cast<QDialog*>(window)) {
        dialog->done(QDialog::Rejected);
    } else {
        window->close();
    }
}

}  // namespace

QString describeWindow(const QWidget* window) {
    if (window == nullptr) {
        return QStringLiteral("(no window)");
    }
    QString text = QString::fromLatin1(window->metaObject()->className()) + QStringLiteral(" \"") +
                   window->windowTitle() + u'"';
    if (const auto* box = qobject_cast<const QMessageBox*>(window)) {
        text += QStringLiteral(": ") + box->text();
    }
    return text;
}

ModalDriver::ModalDriver() {
    poller_.setInterval(pollMilliseconds);
    connect(&poller_, &QTimer::timeout, this, &ModalDriver::poll);
    poller_.start();
    watchdog_.setSingleShot(true);
    connect(&watchdog_, &QTimer::timeout, this, [this] {
        problems_ << QStringLiteral("timed out");
        while (QWidget* modal = QApplication::activeModalWidget()) {
            problems_ << QStringLiteral("left open: ") + describeWindow(modal);
            closeModal(modal);
        }
    });
    watchdog_.start(watchdogMilliseconds);
}

ModalDriver::~ModalDriver() = default;

void ModalDriver::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible() || modal->property(seenProperty).toBool()) {
        return;
    }
    modal->setProperty(seenProperty, true);
    QPointer<QWidget> window(modal);
    if (handlers_.empty()) {
        problems_ << QStringLiteral("unexpected: ") + describeWindow(modal);
        QTimer::singleShot(0, this, [window] {
            if (window) {
                closeModal(window);
            }
        });
        return;
    }
    Handler handler = std::move(handlers_.front());
    handlers_.pop_front();
    // From a timer of its own: the handler may block in a nested modal window
    // while this poller has to go on watching.
    QTimer::singleShot(0, this, [this, window, handler = std::move(handler)] {
        if (window) {
            handler(window);
        }
        // A handler that failed half-way leaves its window open.
        if (window && window->isVisible()) {
            problems_ << QStringLiteral("left open by its handler: ") + describeWindow(window);
            closeModal(window);
        }
    });
}

ModalDriver::Handler ModalDriver::answer(QMessageBox::StandardButton button, ShownMessage* shown) {
    return [button, shown](QWidget* window) {
        auto* box = qobject_cast<QMessageBox*>(window);
        if (box == nullptr) {
            QFAIL(qPrintable(QStringLiteral("expected a message box, got ") +
                             describeWindow(window)));
        }
        if (shown != nullptr) {
            shown->title = box->windowTitle();
            shown->text = box->text();
            shown->icon = box->icon();
            shown->buttons.clear();
            for (QAbstractButton* each : box->buttons()) {
                shown->buttons << each->text().remove(u'&');
            }
            shown->defaultButton =
                box->defaultButton() ? box->defaultButton()->text().remove(u'&') : QString();
            shown->waitCursor = QApplication::overrideCursor() != nullptr;
        }
        QAbstractButton* target = box->button(button);
        if (target == nullptr) {
            QFAIL(qPrintable(QStringLiteral("the message box has no such button: ") +
                             describeWindow(box)));
        }
        QTest::mouseClick(target, Qt::LeftButton);
    };
}

ModalDriver::Handler ModalDriver::chooseFile(const QString& path) {
    return [path](QWidget* window) {
        auto* dialog = qobject_cast<QFileDialog*>(window);
        if (dialog == nullptr) {
            QFAIL(qPrintable(QStringLiteral("expected the file dialog, got ") +
                             describeWindow(window)));
        }
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name != nullptr);
        name->setText(path);
        QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
    };
}

ModalDriver::Handler ModalDriver::cancel() {
    return [](QWidget* window) { QTest::keyClick(window, Qt::Key_Escape); };
}

int ModalDriver::run(CDialog& dialog, const std::function<void()>& script) {
    expect([&dialog, script](QWidget* window) {
        [&] {
            if (window != &dialog) {
                QFAIL(qPrintable(QStringLiteral("expected the dialog under test, got ") +
                                 describeWindow(window)));
            }
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            script();
        }();
        if (dialog.isVisible()) {
            dialog.reject();
        }
    });
    return dialog.runModal();
}

void ModalDriver::runModal(const std::function<void()>& start,
                           const std::function<void()>& script) {
    expect([script](QWidget* window) {
        [&] {
            QVERIFY(QTest::qWaitForWindowActive(window));
            script();
        }();
        if (window->isVisible()) {
            closeModal(window);
        }
    });
    start();
}

void clickControl(CDialog& dialog, int id) {
    QWidget* control = dialog.control(id);
    QVERIFY2(control != nullptr, qPrintable(QStringLiteral("no control %1").arg(id)));
    QPoint where = control->rect().center();
    if (qobject_cast<QAbstractButton*>(control) && !qobject_cast<QPushButton*>(control)) {
        where.setX(6);  // the box, not the empty end of the caption
    }
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, where);
}

void pressKey(CDialog& dialog, Qt::Key key) {
    QWidget* target = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
    QTest::keyClick(target, key);
}
