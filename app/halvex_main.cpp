// halvex: the desktop program, on the Qt backend.
#include <vector>

#include "app/command_line.h"
#include "app/desktop_syntax.h"
#include "app/vibration_app.h"
#include "res/resource_ids.h"
#include "res/version.h"
#include "ui/qt/qt_desktop.h"

int main(int argc, char** argv) {
    // Read before the toolkit starts, so --help works without a display. The
    // toolkit's own -style is left for it to take.
    const std::vector<const char*> ours = halvex::WithoutStyleOption(argc, argv);
    halvex::ApplyLanguageOptions(static_cast<int>(ours.size()), ours.data(), true);
    const halvex::CommandLine line = halvex::ParseCommandLine(halvex::CalculatorSyntax(halvex::Toolkit::Qt),
                                                              static_cast<int>(ours.size()), ours.data());
    halvex::PrintCommandLineMessages(line);
    if (line.exit) return line.exitStatus;
    return ui::qt::RunDesktop(argc, argv,
                              [] {
                                  CVibrationApp app;
                                  app.InitInstance();
                              },
                              {"halvex", res::kApplicationId, res::IDR_MAINFRAME});
}
