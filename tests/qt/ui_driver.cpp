#include "tests/qt/ui_driver.h"

#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include "ui/messages.h"
#include "ui/qt/qt_dialog.h"

namespace halvex_test {
namespace {

constexpr qint64 kTimeLimitMs = 20000;
// How long the next step waits for its window: a drop-down opens on a later
// turn of the event loop than the key that asks for it, later still on a busy machine.
constexpr qint64 kAppearMs = 2000;

}  // namespace

UiDriver::UiDriver(ui::qt::QtBackend& backend, Failure fail) : m_backend(backend), m_fail(std::move(fail)) {}

UiDriver& UiDriver::On(int expected, Step step) {
    m_steps.push_back(Pending{expected, std::move(step)});
    return *this;
}

void UiDriver::Run(const std::function<void()>& body) {
    m_running = true;
    m_aborting = false;
    m_clock.start();
    m_sinceStep.start();
    Schedule();
    body();
    m_running = false;
    if (!m_steps.empty() && !m_aborting) m_fail(std::to_string(m_steps.size()) + " steps were never played");
}

// One tick is pending at a time. It is scheduled before a step runs, so it
// fires inside any modal run that the step opens.
void UiDriver::Schedule() {
    QTimer::singleShot(1, this, [this] { Tick(); });
}

QWidget* UiDriver::Top() const {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    if (!m_backend.Running().empty()) return m_backend.Running().back();
    return QApplication::activeModalWidget();
}

int UiDriver::KindOf(QWidget* top) {
    if (qobject_cast<QMenu*>(top) != nullptr) return kPopupMenu;
    if (qobject_cast<QMessageBox*>(top) != nullptr) return kMessageBox;
    if (qobject_cast<QFileDialog*>(top) != nullptr) return kFileDialog;
    if (auto* dialog = dynamic_cast<ui::qt::QtDialog*>(top)) return dialog->Template().id;
    return 0;
}

std::string UiDriver::Describe(QWidget* top) {
    if (top == nullptr) return "no window";
    const int kind = KindOf(top);
    if (kind == kPopupMenu) return "a popup menu";
    if (kind == kMessageBox) return "message box \"" + static_cast<QMessageBox*>(top)->text().toStdString() + "\"";
    if (kind == kFileDialog) return "a file dialog";
    if (kind == 0) return "foreign window \"" + top->windowTitle().toStdString() + "\"";
    return "dialog " + std::to_string(kind);
}

void UiDriver::Abort(const std::string& why) {
    if (!m_aborting) m_fail(why);
    m_aborting = true;
    m_steps.clear();
}

void UiDriver::Tick() {
    if (!m_running) return;
    QWidget* top = Top();
    // A run that has ended but whose event loop has not yet returned: wait.
    if (!m_backend.Settled()) {
        Schedule();
        return;
    }
    if (!m_aborting) {
        QWidget* modal = QApplication::activeModalWidget();
        if (QApplication::activePopupWidget() == nullptr && modal != nullptr && modal != top) {
            Abort("unexpected modal window: " + Describe(modal));
        } else if (m_clock.elapsed() > kTimeLimitMs) {
            Abort("time limit reached on " + Describe(top));
        } else if (m_steps.empty()) {
            if (top == nullptr) {
                Schedule();  // the program is ending
                return;
            }
            Abort("still open after the last step: " + Describe(top));
        } else if (KindOf(top) != m_steps.front().expected) {
            if (m_sinceStep.elapsed() < kAppearMs) {
                Schedule();
                return;
            }
            Abort("the next step expects " + std::to_string(m_steps.front().expected) + " but found " + Describe(top));
        }
    }
    if (m_aborting) {
        // Close what is on top, one window a tick, until the body returns.
        if (auto* menu = qobject_cast<QMenu*>(top)) {
            menu->close();
        } else if (auto* box = qobject_cast<QMessageBox*>(top)) {
            box->done(QMessageBox::Ok);
        } else if (auto* dialog = dynamic_cast<ui::qt::QtDialog*>(top)) {
            dialog->EndDialog(ui::IDCANCEL);
        } else if (top != nullptr) {
            top->close();
        }
        Schedule();
        return;
    }
    Pending next = std::move(m_steps.front());
    m_steps.pop_front();
    Schedule();
    m_sinceStep.restart();
    next.step(*top);
}

}  // namespace halvex_test
