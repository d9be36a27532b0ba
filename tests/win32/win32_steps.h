#pragma once

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/win32/win32_backend.h"

namespace halvex_test {

// Plays steps on whichever dialog is on top, one at a time: what a step
// posts (keys, commands) is handled by the modal loop, the dialog manager
// included, before the next one. Records what the backend tells it.
class Win32Steps : public ui::win32::Automation {
public:
    using Step = std::function<void(ui::win32::Win32Dialog&)>;

    Win32Steps() {
        m_backend.SetAutomation(this);
        ui::SetBackend(&m_backend);
    }
    ~Win32Steps() override { ui::SetBackend(nullptr); }
    Win32Steps(const Win32Steps&) = delete;
    Win32Steps& operator=(const Win32Steps&) = delete;

    Win32Steps& Then(Step step) {
        m_steps.push_back(std::move(step));
        return *this;
    }

    bool Next(ui::win32::Win32Dialog& top) override {
        if (m_steps.empty()) return false;
        Step step = std::move(m_steps.front());
        m_steps.pop_front();
        step(top);
        return true;
    }
    void OnOpen(ui::win32::Win32Dialog& dialog) override { opened.push_back(dialog.Template().id); }
    void OnClose(ui::win32::Win32Dialog& dialog, int code) override {
        closed.push_back(dialog.Template().id);
        codes.push_back(code);
    }
    void OnMessageBox(std::string_view text) override { messages.emplace_back(text); }
    void OnMessageBoxShown(HWND box) override {
        boxOwners.push_back(GetWindow(box, GW_OWNER));
        ownerEnabled.push_back(IsWindowEnabled(GetWindow(box, GW_OWNER)) != FALSE);
    }
    void OnOpenDocument(std::string_view path) override { documents.emplace_back(path); }

    ui::win32::Win32Backend& Backend() { return m_backend; }

    std::vector<int> opened, closed, codes;
    std::vector<std::string> messages;
    std::vector<HWND> boxOwners;
    std::vector<bool> ownerEnabled;
    std::vector<std::string> documents;

private:
    ui::win32::Win32Backend m_backend;
    std::deque<Step> m_steps;
};

}  // namespace halvex_test
