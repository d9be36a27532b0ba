#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <deque>
#include <functional>
#include <string>

#include "ui/qt/qt_backend.h"

class QWidget;

// Drives the program on the Qt backend as a user would: each step acts on
// the window on top (a running dialog, a message box, or a popup menu) when
// its turn comes, also inside the modal runs that earlier steps opened.
// A window on top that the next step does not expect, a window still open
// after the last step, or a run that takes too long is a failure: it is
// reported, and every open window is closed, so nothing is left blocking.
namespace halvex_test {

constexpr int kMessageBox = -2;
constexpr int kPopupMenu = -3;
constexpr int kFileDialog = -4;

class UiDriver : public QObject {
public:
    using Step = std::function<void(QWidget& top)>;
    using Failure = std::function<void(const std::string& why)>;

    UiDriver(ui::qt::QtBackend& backend, Failure fail);

    // expected: the template id of a dialog, kMessageBox, kPopupMenu or kFileDialog.
    UiDriver& On(int expected, Step step);

    // Runs body (normally the whole program) while the steps are played.
    void Run(const std::function<void()>& body);

    bool AllStepsPlayed() const { return m_steps.empty(); }

private:
    struct Pending {
        int expected;
        Step step;
    };

    void Schedule();
    void Tick();
    void Abort(const std::string& why);
    QWidget* Top() const;
    static int KindOf(QWidget* top);
    static std::string Describe(QWidget* top);

    ui::qt::QtBackend& m_backend;
    Failure m_fail;
    std::deque<Pending> m_steps;
    QElapsedTimer m_clock;
    QElapsedTimer m_sinceStep;  // a window a step opens may come a few turns of the event loop later
    bool m_running = false;
    bool m_aborting = false;
};

}  // namespace halvex_test
