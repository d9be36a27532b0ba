// The dialogs on the Qt backend, offscreen: opening each (widgets built from
// the template, binding, initialisation, shown, closed) and one Calculate
// from the button press until the twenty result edits are filled and painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include "puresine/pure_sine_dlg.h"
#include "res/pure_sine_ids.h"
#include "res/resource_ids.h"
#include "sweep/sine_sweep_dlg.h"
#include "tests/qt/ui_actions.h"
#include "ui/qt/qt_backend.h"

namespace ps = res::pure_sine;

namespace {

ui::qt::QtBackend* g_backend = nullptr;

template <class Dialog>
void BM_QtOpenDialog(benchmark::State& state) {
    Dialog dialog;
    for (auto _ : state) {
        QTimer::singleShot(0, [&dialog] { dialog.EndDialog(ui::IDCANCEL); });
        dialog.DoModal();
    }
}
BENCHMARK(BM_QtOpenDialog<CPureSineDlg>)->Name("BM_QtOpenPureSineDialog")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QtOpenDialog<CSineSweepDlg>)->Name("BM_QtOpenSineSweepDialog")->Unit(benchmark::kMicrosecond);

void BM_QtPureSineCalculateTranslation(benchmark::State& state) {
    CPureSineDlg dialog;
    QTimer::singleShot(0, [&] {
        QWidget& top = *g_backend->Running().back();
        halvex_test::ChooseItem(top, ps::IDC_TYPE, 0);
        halvex_test::ChooseItem(top, ps::IDC_DIMENSION, 0);
        halvex_test::ChooseItem(top, ps::IDC_AMPLITUDE_UNIT, 2);
        halvex_test::Type(top, ps::IDC_AMPLITUDE, "1");
        halvex_test::Type(top, ps::IDC_FREQUENCY, "10");
        for (auto _ : state) {
            halvex_test::Click(top, res::IDOK);
            QCoreApplication::processEvents();  // the repaint of what changed
        }
        dialog.EndDialog(ui::IDCANCEL);
    });
    dialog.DoModal();
}
BENCHMARK(BM_QtPureSineCalculateTranslation)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ui::qt::ConfigureApplication(application);
    ui::qt::QtBackend backend;
    g_backend = &backend;
    ui::SetBackend(&backend);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ui::SetBackend(nullptr);
    return 0;
}
