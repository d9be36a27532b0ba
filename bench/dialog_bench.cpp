// Whole dialogs on the headless backend: opening one (binding and its
// initialisation), and one Calculate from the button press to the last text.
#include <benchmark/benchmark.h>

#include <functional>

#include "puresine/pure_sine_dlg.h"
#include "res/pure_sine_ids.h"
#include "res/resource_ids.h"
#include "res/sine_sweep_ids.h"
#include "sweep/sine_sweep_dlg.h"
#include "ui/headless/headless_backend.h"

namespace ps = res::pure_sine;
namespace ss = res::sine_sweep;

namespace {

using ui::headless::HeadlessWindow;

// Runs `body` once on the dialog's first turn for events, then closes it.
class OneShot : public ui::headless::EventSource {
public:
    explicit OneShot(std::function<void(HeadlessWindow&)> body) : m_body(std::move(body)) {}
    bool Next(ui::headless::HeadlessBackend& /*backend*/, HeadlessWindow& top) override {
        if (m_done) return false;
        m_done = true;
        m_body(top);
        return true;
    }

private:
    std::function<void(HeadlessWindow&)> m_body;
    bool m_done = false;
};

template <class Dialog>
void RunOnce(ui::headless::EventSource& source) {
    ui::headless::HeadlessBackend backend;
    backend.SetEventSource(&source);
    ui::SetBackend(&backend);
    Dialog dialog;
    dialog.DoModal();
    ui::SetBackend(nullptr);
}

void BM_PureSineCalculateTranslation(benchmark::State& state) {
    OneShot source([&state](HeadlessWindow& w) {
        w.UserSelect(ps::IDC_TYPE, 0);
        w.UserSelect(ps::IDC_DIMENSION, 0);
        w.UserSelect(ps::IDC_AMPLITUDE_UNIT, 2);
        w.UserType(ps::IDC_AMPLITUDE, "1");
        w.UserType(ps::IDC_FREQUENCY, "10");
        for (auto _ : state) w.UserClick(res::IDOK);
    });
    RunOnce<CPureSineDlg>(source);
}
BENCHMARK(BM_PureSineCalculateTranslation);

void BM_PureSineCalculateRotation(benchmark::State& state) {
    OneShot source([&state](HeadlessWindow& w) {
        w.UserSelect(ps::IDC_TYPE, 1);
        w.UserSelect(ps::IDC_DIMENSION, 0);
        w.UserSelect(ps::IDC_AMPLITUDE_UNIT, 1);
        w.UserType(ps::IDC_AMPLITUDE, "2");
        w.UserType(ps::IDC_FREQUENCY, "5");
        for (auto _ : state) w.UserClick(res::IDOK);
    });
    RunOnce<CPureSineDlg>(source);
}
BENCHMARK(BM_PureSineCalculateRotation);

void BM_SineSweepCalculateAmplitude(benchmark::State& state) {
    OneShot source([&state](HeadlessWindow& w) {
        w.UserSelect(ss::IDC_ANALYSIS, 0);
        w.UserSelect(ss::IDC_INPUT_LIST, 3);
        w.UserType(ss::IDC_INPUT1, "100");
        w.UserType(ss::IDC_INPUT3, "10");
        for (auto _ : state) w.UserClick(res::IDOK);
    });
    RunOnce<CSineSweepDlg>(source);
}
BENCHMARK(BM_SineSweepCalculateAmplitude);

// Opening: the window built from its template, the binding step and the
// dialog's own initialisation, then closing at once.
template <class Dialog>
void BM_OpenDialog(benchmark::State& state) {
    ui::headless::HeadlessBackend backend;
    ui::SetBackend(&backend);
    Dialog dialog;
    for (auto _ : state) dialog.DoModal();
    ui::SetBackend(nullptr);
}
BENCHMARK(BM_OpenDialog<CPureSineDlg>)->Name("BM_OpenPureSineDialog");
BENCHMARK(BM_OpenDialog<CSineSweepDlg>)->Name("BM_OpenSineSweepDialog");

}  // namespace
