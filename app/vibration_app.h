#pragma once

namespace ui {
class CDialog;
}

// The application object: runs the main menu once, and the program ends with it.
class CVibrationApp {
public:
    // Returns false always: there is no message loop besides the modal runs.
    bool InitInstance();

    ui::CDialog* m_pMainWnd = nullptr;
};
