#include "dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <stdexcept>

#include "data_exchange.h"
#include "error_report.h"
#include "message_box.h"

namespace {

bool hasStyle(const ControlTemplate& control, unsigned style) {
    return (control.style & style) != 0;
}

// A typed character that an edit field taking digits only refuses. Control
// characters (Backspace, and the shortcuts for paste and the like) pass.
bool refusedByDigitsOnly(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    for (const QChar c : event.text()) {
        if (c.isPrint() && (c < u'0' || c > u'9')) {
            return true;
        }
    }
    return false;
}

bool isEnterKey(const QKeyEvent& event) {
    const auto modifiers = event.modifiers() & ~Qt::KeypadModifier;
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) &&
           modifiers == Qt::NoModifier;
}

// Within a group of radio buttons, Tab stops at the selected one (at the first
// when none is selected); the others take the focus only when clicked or
// reached with the arrow keys.
void updateRadioTabStop(QButtonGroup& group) {
    const QList<QAbstractButton*> buttons = group.buttons();
    QAbstractButton* stop = group.checkedButton();
    if (stop == nullptr && !buttons.isEmpty()) {
        stop = buttons.front();
    }
    for (QAbstractButton* button : buttons) {
        button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

}  // namespace

void runHandler(const std::function<void()>& action) {
    try {
        action();
    } catch (const DataExchangeFailed&) {
        // The user has seen the prompt already.
    } catch (const std::exception& error) {
        reportError(error);
    } catch (...) {
        reportError(std::runtime_error("an error of unknown kind"));
    }
}

CDialog::CDialog(const DialogTemplate& dialogTemplate)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      template_(dialogTemplate) {}

CDialog::~CDialog() = default;

int CDialog::runModal() {
    QWidget* owner = activeOwnerWindow();
    if (owner == this) {
        owner = nullptr;
    }
    setParent(owner, windowFlags());
    createControls();
    bool focusFirst = true;
    runHandler([&] { focusFirst = initDialog(); });
    if (focusFirst) {
        focusFirstTabStop();
    }
    centreOver(owner);
    return execOver(owner, *this);
}

void CDialog::createControls() {
    for (const QPointer<QWidget>& widget : created_) {
        delete widget.data();
    }
    for (const QPointer<QButtonGroup>& group : radioGroups_) {
        delete group.data();
    }
    created_.clear();
    byId_.clear();
    radioGroups_.clear();

    const QFont font = dialogFont(template_);
    setFont(font);
    units_ = DialogBaseUnits::of(font);
    setWindowTitle(QString::fromUtf8(template_.caption));
    setFixedSize(units_.toPixelsX(template_.width), units_.toPixelsY(template_.height));

    for (const ControlTemplate& control : template_.controls) {
        QWidget* widget = createControl(control);
        widget->setGeometry(units_.toPixels(control.x, control.y, control.width, control.height));
        widget->show();
        created_.emplace_back(widget);
        if (control.id != noControlId) {
            byId_[control.id] = widget;
        }
    }
    // Frames lie beneath the controls they surround.
    for (const QPointer<QWidget>& widget : created_) {
        if (qobject_cast<QGroupBox*>(widget)) {
            widget->lower();
        }
    }
    groupRadioButtons();
    chainTabOrder();
}

QWidget* CDialog::createControl(const ControlTemplate& control) {
    const QString text = QString::fromUtf8(control.text ? control.text : "");
    const Qt::FocusPolicy focus =
        hasStyle(control, controlStyle::tabStop) ? Qt::StrongFocus : Qt::ClickFocus;
    switch (control.kind) {
        case ControlKind::pushButton:
        case ControlKind::defaultPushButton: {
            auto* button = new QPushButton(text, this);
            button->setAutoDefault(false);
            button->setDefault(control.kind == ControlKind::defaultPushButton);
            button->setFocusPolicy(focus);
            connect(button, &QPushButton::clicked, this,
                    [this, id = control.id] { dispatchClick(id); });
            return button;
        }
        case ControlKind::checkBox:
        case ControlKind::radioButton: {
            QAbstractButton* button = control.kind == ControlKind::checkBox
                                          ? static_cast<QAbstractButton*>(new QCheckBox(text, this))
                                          : new QRadioButton(text, this);
            button->setFocusPolicy(focus);
            connect(button, &QAbstractButton::clicked, this,
                    [this, id = control.id] { dispatchClick(id); });
            return button;
        }
        case ControlKind::edit: {
            auto* edit = new QLineEdit(this);
            edit->setFrame(hasStyle(control, controlStyle::border));
            edit->setFocusPolicy(focus);
            // A line edit always scrolls its text horizontally, so autoHScroll
            // needs nothing more.
            if (hasStyle(control, controlStyle::digitsOnly)) {
                edit->installEventFilter(this);
            }
            return edit;
        }
        case ControlKind::groupBox: {
            auto* frame = new QGroupBox(text, this);
            frame->setFocusPolicy(Qt::NoFocus);
            return frame;
        }
        case ControlKind::staticText: {
            auto* label = new QLabel(text, this);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(hasStyle(control, controlStyle::wordWrap));
            label->setFocusPolicy(Qt::NoFocus);
            return label;
        }
    }
    throw std::logic_error("unknown control kind");
}

// A group runs from a control marked as its first to the next one so marked;
// the radio buttons inside one group exclude each other.
void CDialog::groupRadioButtons() {
    QButtonGroup* current = nullptr;
    for (std::size_t i = 0; i < created_.size(); ++i) {
        const ControlTemplate& control = template_.controls[i];
        if (hasStyle(control, controlStyle::group)) {
            current = nullptr;
        }
        if (control.kind != ControlKind::radioButton) {
            continue;
        }
        if (current == nullptr) {
            current = new QButtonGroup(this);
            current->setExclusive(true);
            radioGroups_.emplace_back(current);
            connect(current, &QButtonGroup::buttonToggled, this,
                    [current] { updateRadioTabStop(*current); });
        }
        current->addButton(static_cast<QAbstractButton*>(created_[i].data()), control.id);
    }
    for (const QPointer<QButtonGroup>& group : radioGroups_) {
        updateRadioTabStop(*group);
    }
}

void CDialog::chainTabOrder() {
    QWidget* previous = nullptr;
    for (const QPointer<QWidget>& widget : created_) {
        if (widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void CDialog::focusFirstTabStop() {
    for (const QPointer<QWidget>& widget : created_) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled()) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void CDialog::centreOver(QWidget* owner) {
    QRect area;
    if (owner != nullptr) {
        area = owner->frameGeometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (area.isValid()) {
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

void CDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Without a window manager nobody else gives a new window the keyboard.
    activateWindow();
}

QWidget* CDialog::control(int id) const {
    const auto found = byId_.find(id);
    return found == byId_.end() ? nullptr : found->second.data();
}

void CDialog::enableControl(int id, bool enabled) {
    if (QWidget* widget = control(id)) {
        widget->setEnabled(enabled);
    }
}

void CDialog::setChecked(int id, bool checked) {
    if (auto* button = qobject_cast<QAbstractButton*>(control(id))) {
        button->setChecked(checked);
    }
}

bool CDialog::isChecked(int id) const {
    const auto* button = qobject_cast<const QAbstractButton*>(control(id));
    return button != nullptr && button->isChecked();
}

void CDialog::selectRadioButton(int first, int last, int selected) {
    for (int id = first; id <= last; ++id) {
        if (id == selected) {
            setChecked(id, true);
        }
    }
    for (int id = first; id <= last; ++id) {
        if (id != selected) {
            setChecked(id, false);
        }
    }
}

bool CDialog::updateData(bool saving) {
    DataExchange exchange(*this, saving);
    try {
        exchangeData(exchange);
        return true;
    } catch (const DataExchangeFailed&) {
        return false;
    }
}

bool CDialog::initDialog() {
    updateData(false);
    return true;
}

void CDialog::exchangeData(DataExchange&) {}

void CDialog::onOk() {
    if (updateData(true)) {
        done(idOk);
    }
}

void CDialog::onCancel() {
    done(idCancel);
}

void CDialog::accept() {
    runHandler([this] { onOk(); });
}

void CDialog::reject() {
    runHandler([this] { onCancel(); });
}

void CDialog::onClicked(int id, std::function<void()> handler) {
    handlers_[id] = std::move(handler);
}

void CDialog::dispatchClick(int id) {
    if (const auto found = handlers_.find(id); found != handlers_.end()) {
        runHandler(found->second);
    } else if (id == idOk) {
        accept();
    } else if (id == idCancel) {
        reject();
    }
}

void CDialog::keyPressEvent(QKeyEvent* event) {
    if (isEnterKey(*event)) {
        event->accept();
        auto* button = qobject_cast<QPushButton*>(focusWidget());
        if (button != nullptr && button->isEnabled()) {
            button->click();
        } else {
            accept();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

bool CDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && refusedByDigitsOnly(*static_cast<QKeyEvent*>(event))) {
        QApplication::beep();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
