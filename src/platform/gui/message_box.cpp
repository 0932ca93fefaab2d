#include "message_box.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include "win_app.h"

QWidget* activeOwnerWindow() {
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
        return modal;
    }
    return QApplication::activeWindow();
}

int execOver(QWidget* owner, QDialog& dialog) {
    QPointer<QWidget> guardedOwner(owner);
    const int result = dialog.exec();
    if (guardedOwner && guardedOwner->isVisible()) {
        guardedOwner->activateWindow();
    }
    return result;
}

MessageAnswer messageBox(const std::string& text, MessageButtons buttons, MessageIcon icon) {
    QWidget* owner = activeOwnerWindow();
    QMessageBox box(icon == MessageIcon::stop ? QMessageBox::Critical : QMessageBox::Warning,
                    CWinApp::applicationTitle(), QString::fromUtf8(text.c_str()),
                    QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText);
    QPushButton* first = nullptr;
    QPushButton* second = nullptr;
    if (buttons == MessageButtons::yesNo) {
        first = box.addButton(QMessageBox::Yes);
        second = box.addButton(QMessageBox::No);
        box.setEscapeButton(second);
    } else {
        first = box.addButton(QMessageBox::Ok);
        box.setEscapeButton(first);
    }
    box.setDefaultButton(first);
    execOver(owner, box);
    if (buttons == MessageButtons::ok) {
        return MessageAnswer::ok;
    }
    return box.clickedButton() == first ? MessageAnswer::yes : MessageAnswer::no;
}
