#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/dialog.h"
#include "ui/headless/headless_backend.h"

// Runs dialogs on the headless backend with the user's actions given as a
// list of steps; records what the backend reports.
namespace halvex_test {

using ui::headless::HeadlessWindow;

class ScriptedRun : public ui::headless::EventSource, public ui::headless::Observer {
public:
    using Step = std::function<void(HeadlessWindow&)>;

    ScriptedRun() {
        m_backend.SetEventSource(this);
        m_backend.SetObserver(this);
        ui::SetBackend(&m_backend);
    }
    ~ScriptedRun() override { ui::SetBackend(nullptr); }

    // Each step runs on the dialog on top when its turn comes.
    ScriptedRun& Then(Step step) {
        m_steps.push_back(std::move(step));
        return *this;
    }

    bool Next(ui::headless::HeadlessBackend& /*backend*/, HeadlessWindow& top) override {
        if (m_steps.empty()) return false;
        Step step = std::move(m_steps.front());
        m_steps.pop_front();
        step(top);
        return true;
    }
    void OnOpen(const HeadlessWindow& window) override { opened.push_back(window.Template().id); }
    void OnClose(const HeadlessWindow& window, int code) override {
        closed.push_back(window.Template().id);
        codes.push_back(code);
    }
    void OnMessageBox(std::string_view text) override { messages.emplace_back(text); }
    void OnOpenDocument(std::string_view path) override { documents.emplace_back(path); }

    ui::headless::HeadlessBackend& Backend() { return m_backend; }

    std::vector<int> opened;
    std::vector<int> closed;
    std::vector<int> codes;
    std::vector<std::string> messages;
    std::vector<std::string> documents;  // opened for the user

private:
    ui::headless::HeadlessBackend m_backend;
    std::deque<Step> m_steps;
};

inline const ui::headless::HeadlessControl& Ctl(const HeadlessWindow& window, int id) {
    const ui::headless::HeadlessControl* control = window.FindControl(id);
    if (control == nullptr) throw std::logic_error("no control " + std::to_string(id));
    return *control;
}

}  // namespace halvex_test
