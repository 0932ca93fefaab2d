#pragma once

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

class CDialog;
class QWidget;

// What a message box showed, for checking after it closed.
struct ShownMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
    bool waitCursor = false;  // the wait cursor was on while it showed
};

// Answers the modal windows that open during a test, in the order they open.
//
// A test queues one handler per window it expects before the action that opens
// it (the action blocks until the window closes). The driver notices each new
// modal window and calls the next handler on it from the event loop. A window
// that no handler expects is closed at once and recorded; so is everything
// still open when the watchdog fires.
class ModalDriver : public QObject {
public:
    using Handler = std::function<void(QWidget*)>;

    ModalDriver();
    ~ModalDriver() override;

    void expect(Handler handler) { handlers_.push_back(std::move(handler)); }
    std::size_t pending() const { return handlers_.size(); }
    // Descriptions of the windows that nobody expected, and of a timeout.
    const QStringList& problems() const { return problems_; }

    // Records a message box and presses `button` on it.
    static Handler answer(QMessageBox::StandardButton button, ShownMessage* shown = nullptr);
    // Picks `path` in the file-open dialog, as typed into its name field.
    static Handler chooseFile(const QString& path);
    static Handler cancel();

    // Runs `dialog` modally. Once it is on screen `script` runs; whatever it
    // leaves open is cancelled. Returns the dialog's result.
    int run(CDialog& dialog, const std::function<void()>& script);
    // The same for the dialog that `start` runs modally.
    void runModal(const std::function<void()>& start, const std::function<void()>& script);

private:
    void poll();

    std::deque<Handler> handlers_;
    QStringList problems_;
    QTimer poller_;
    QTimer watchdog_;
};

// The window's kind and what it says, for messages about it.
QString describeWindow(const QWidget* window);

// Clicks a control of the dialog where a user would: the middle of a push
// button, the box of a check box or radio button, the text of an edit field.
void clickControl(CDialog& dialog, int id);
// Presses a key on whatever has the focus in the dialog.
void pressKey(CDialog& dialog, Qt::Key key);
