#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <map>
#include <vector>

#include "dialog_template.h"
#include "dialog_units.h"

class DataExchange;
class QButtonGroup;

// A modal dialog built from a dialog template.
//
// runModal() creates the controls, calls initDialog(), centres the dialog over
// the window that is active (or the screen) and runs it until it ends. Clicks
// on controls go to the handlers registered with onClicked() by control id;
// an exception that escapes a handler is shown in the general error report and
// the dialog goes on.
//
// Keys: no push button is a default button. Enter presses the push button that
// has the focus; anywhere else it gives the OK command. Escape and the close
// box give the cancel command. The OK command (control 1 too) runs the data
// exchange in the save direction and ends the dialog only if it succeeds; the
// cancel command (control 2 too) ends it at once.
class CDialog : public QDialog {
    Q_OBJECT

public:
    explicit CDialog(const DialogTemplate& dialogTemplate);
    ~CDialog() override;

    // Returns idOk or idCancel, or whatever endDialog() was given.
    int runModal();
    void endDialog(int result) { done(result); }

    // Saving takes the controls into the fields and checks them; loading shows
    // the fields. Returns false when a check failed (the user has been told).
    bool updateData(bool saving = true);

    const DialogTemplate& dialogTemplate() const { return template_; }
    DialogBaseUnits baseUnits() const { return units_; }

    // The control with this id, or null (before runModal(), or no such id).
    QWidget* control(int id) const;
    void enableControl(int id, bool enabled);
    void setChecked(int id, bool checked);
    bool isChecked(int id) const;
    // Selects `selected` among the radio buttons first..last, without a click.
    void selectRadioButton(int first, int last, int selected);

    // The OK and cancel commands, for whoever gives them.
    void accept() override;
    void reject() override;

protected:
    // Runs once the controls exist: the base loads the fields into them.
    // Returning true lets the platform put the focus on the first tab stop.
    virtual bool initDialog();
    virtual void exchangeData(DataExchange& exchange);
    virtual void onOk();
    virtual void onCancel();

    void onClicked(int id, std::function<void()> handler);

    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    QWidget* createControl(const ControlTemplate& control);
    void groupRadioButtons();
    void chainTabOrder();
    void dispatchClick(int id);
    void focusFirstTabStop();
    void centreOver(QWidget* owner);

    const DialogTemplate& template_;
    DialogBaseUnits units_{};
    std::vector<QPointer<QWidget>> created_;  // in template order
    std::map<int, QPointer<QWidget>> byId_;
    std::vector<QPointer<QButtonGroup>> radioGroups_;
    std::map<int, std::function<void()>> handlers_;
};

// Runs `action` as a command handler runs: an exception that escapes it is
// shown in the general error report.
void runHandler(const std::function<void()>& action);
