// halvex-planner: the sine test planner, a desktop program of its own on the
// Qt backend.
#include "planner/planner_dlg.h"
#include "ui/qt/qt_desktop.h"

int main(int argc, char** argv) {
    return ui::qt::RunDesktop(
        argc, argv,
        [] {
            CPlannerDlg planner;
            planner.DoModal();
        },
        "halvex-planner");
}
