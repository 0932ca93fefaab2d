#pragma once

#include <string>

class QDialog;
class QWidget;

enum class MessageButtons { ok, yesNo };
enum class MessageIcon { exclamation, stop };
enum class MessageAnswer { ok, yes, no };

// Shows `text` in a modal message box over the active window, with the
// application's title as caption; the first button is the default. Returns the
// button pressed (closing the box counts as its last button).
MessageAnswer messageBox(const std::string& text, MessageButtons buttons = MessageButtons::ok,
                         MessageIcon icon = MessageIcon::exclamation);

// The window that a new modal window belongs to: the topmost modal window, or
// else the active one. Null when there is none.
QWidget* activeOwnerWindow();

// Runs `dialog` modally and gives the activation back to `owner` afterwards,
// as a window manager would (and none may be running).
int execOver(QWidget* owner, QDialog& dialog);
