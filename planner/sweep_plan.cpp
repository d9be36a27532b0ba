#include "planner/sweep_plan.h"

#include <algorithm>
#include <cmath>

#include "lang/tr.h"
#include "numeric/number_text.h"
#include "planner/rounding.h"

namespace planner {
namespace {

std::string Number(double value) { return halvex::FormatNumber("%.6g", value); }

std::string ProfileSpan(const SweepResult& sweep) {
    return lang::Fill(lang::Tr("the profile (%1 to %2 Hz)"), {Number(sweep.lowest), Number(sweep.highest)});
}

bool Usable(double value) { return std::isfinite(value) && value > 0.0; }

// Time from the lower end of a pass up to f, and the cycles on the way.
double TimeFromLowest(const SweepResult& sweep, double f) {
    if (sweep.type == SweepType::Log) return std::log2(f / sweep.lowest) / sweep.rate;
    return (f - sweep.lowest) / sweep.rate;
}

double TimeFromHighest(const SweepResult& sweep, double f) {
    if (sweep.type == SweepType::Log) return std::log2(sweep.highest / f) / sweep.rate;
    return (sweep.highest - f) / sweep.rate;
}

bool PassIsUpward(const SweepResult& sweep, int passIndex) {
    if (sweep.mode == SweepMode::UpDown) return passIndex % 2 == 0;
    return sweep.mode == SweepMode::Up;
}

// The frequency a pass has reached after inPass seconds.
double FrequencyInPass(const SweepResult& sweep, bool upward, double inPass) {
    double f = 0.0;
    if (sweep.type == SweepType::Log) {
        f = upward ? sweep.lowest * std::pow(2.0, sweep.rate * inPass)
                   : sweep.highest * std::pow(2.0, -sweep.rate * inPass);
    } else {
        f = upward ? sweep.lowest + sweep.rate * inPass : sweep.highest - sweep.rate * inPass;
    }
    return std::clamp(f, sweep.lowest, sweep.highest);
}

// The sine cycles of the first inPass seconds of a pass.
double CyclesInPass(const SweepResult& sweep, int passIndex, double inPass) {
    const bool upward = PassIsUpward(sweep, passIndex);
    const double start = upward ? sweep.lowest : sweep.highest;
    const double reached = FrequencyInPass(sweep, upward, inPass);
    if (sweep.type == SweepType::Log) return std::fabs(reached - start) / (sweep.rate * std::log(2.0));
    return (start + reached) / 2.0 * inPass;
}

}  // namespace

bool PlanSweepSpec(const SweepSpec& given, double lowest, double highest, double gravity, SweepResult& sweep,
                   std::string& message) {
    sweep = SweepResult();
    sweep.type = given.type;
    sweep.mode = given.mode;
    sweep.lowest = lowest;
    sweep.highest = highest;
    sweep.octaves = std::log2(sweep.highest / sweep.lowest);
    // A log sweep's rate is in octaves per second, a linear one's in Hz per second.
    const double span = given.type == SweepType::Log ? sweep.octaves : sweep.highest - sweep.lowest;
    if (given.rate != nullptr) {
        sweep.rate = ToSi(*given.rate, QuantityKind::SweepRate, gravity);
        sweep.passTime = span / sweep.rate;
    } else {
        sweep.passTime = ToSi(*given.passTime, QuantityKind::Time, gravity);
        sweep.rate = span / sweep.passTime;
    }
    if (given.type == SweepType::Log) {
        sweep.cyclesPerPass = (sweep.highest - sweep.lowest) / (sweep.rate * std::log(2.0));
    } else {
        sweep.cyclesPerPass = (sweep.lowest + sweep.highest) / 2.0 * sweep.passTime;
    }
    const double passesPerSweep = given.mode == SweepMode::UpDown ? 2.0 : 1.0;
    if (given.duration != nullptr) {
        sweep.passesPerAxis = ToSi(*given.duration, QuantityKind::Time, gravity) / sweep.passTime;
        // A duration that is a whole number of passes but for rounding is that number.
        const double whole = std::round(sweep.passesPerAxis);
        if (whole > 0.0 && EqualWithinRounding(sweep.passesPerAxis, whole)) sweep.passesPerAxis = whole;
    } else {
        sweep.passesPerAxis = passesPerSweep * given.sweeps;
    }
    sweep.sweepsPerAxis = sweep.passesPerAxis / passesPerSweep;
    const double fullPasses = std::floor(sweep.passesPerAxis);
    sweep.cyclesPerAxis = fullPasses * sweep.cyclesPerPass;
    if (sweep.passesPerAxis > fullPasses) {
        sweep.cyclesPerAxis +=
            CyclesInPass(sweep, static_cast<int>(fullPasses), (sweep.passesPerAxis - fullPasses) * sweep.passTime);
    }
    sweep.axisTime = sweep.SweepingTime();
    sweep.totalTime = sweep.axisTime;
    if (given.duration != nullptr && sweep.sweepsPerAxis > kMaxSweeps) {
        message = given.path + ".duration: " +
                  lang::Fill(lang::Tr("more than %1 sweeps, the most the planner follows"),
                             {std::to_string(static_cast<long>(kMaxSweeps))});
        return false;
    }
    if (!Usable(sweep.rate) || !Usable(sweep.passTime) || !Usable(sweep.cyclesPerPass) ||
        !Usable(sweep.cyclesPerAxis)) {
        message = given.path + (given.rate != nullptr ? ".rate" : ".pass_time") + ": " +
                  lang::Tr("the sweep's time or cycles are too large or too small to compute");
        return false;
    }
    return true;
}

bool PlanSweep(const PlanDocument& document, const ResolvedProfile& profile, SweepResult& sweep, std::string& message) {
    sweep = SweepResult();
    if (!document.sweep) return true;
    const SweepSettings& settings = *document.sweep;
    const double gravity = document.GravitySi();
    SweepSpec given;
    given.type = settings.type;
    given.rate = settings.rate ? &*settings.rate : nullptr;
    given.passTime = settings.passTime ? &*settings.passTime : nullptr;
    given.mode = settings.mode;
    given.sweeps = settings.sweeps;
    given.duration = settings.duration ? &*settings.duration : nullptr;
    given.path = "sweep";
    if (!PlanSweepSpec(given, profile.Lowest(), profile.Highest(), gravity, sweep, message)) return false;
    for (std::size_t i = 0; i < settings.dwells.size(); ++i) {
        const double f = ToSi(settings.dwells[i].frequency, QuantityKind::Frequency, gravity);
        if (f < sweep.lowest || f > sweep.highest) {
            message = "sweep.dwells[" + std::to_string(i) +
                      "].frequency: " + lang::Fill(lang::Tr("%1 Hz is outside %2"), {Number(f), ProfileSpan(sweep)});
            return false;
        }
        sweep.dwellTime += ToSi(settings.dwells[i].time, QuantityKind::Time, gravity);
    }
    sweep.axisTime = sweep.SweepingTime() + sweep.dwellTime;
    sweep.totalTime = sweep.axisTime * settings.axes;
    if (!Usable(sweep.totalTime)) {
        message = std::string("sweep.") + (settings.rate ? "rate" : "pass_time") + ": " +
                  lang::Tr("the sweep's time or cycles are too large or too small to compute");
        return false;
    }
    return true;
}

bool FrequencyAt(const SweepResult& sweep, double time, TimePoint& point, std::string& message) {
    const double end = sweep.SweepingTime();
    if (!(time >= 0.0) || !std::isfinite(time) || time > end) {
        message = "--at: " + lang::Fill(lang::Tr("%1 s is outside the sweeps of one axis (0 to %2 s)"),
                                        {Number(time), Number(end)});
        return false;
    }
    // The end of the last pass, whole or not, still belongs to it.
    const double passes = std::floor(time / sweep.passTime);
    const int index = static_cast<int>(std::min(passes, std::ceil(sweep.passesPerAxis) - 1.0));
    const double inPass = std::min(time - index * sweep.passTime, sweep.passTime);
    point.time = time;
    point.pass = index + 1;
    point.upward = PassIsUpward(sweep, index);
    point.frequency = FrequencyInPass(sweep, point.upward, inPass);
    return true;
}

bool CrossingTimes(const SweepResult& sweep, double frequency, std::vector<double>& times, std::string& message) {
    times.clear();
    if (!(frequency >= sweep.lowest && frequency <= sweep.highest)) {
        message =
            "--frequency: " + lang::Fill(lang::Tr("%1 Hz is outside %2"), {Number(frequency), ProfileSpan(sweep)});
        return false;
    }
    const double up = TimeFromLowest(sweep, frequency);
    const double down = TimeFromHighest(sweep, frequency);
    const int passes = static_cast<int>(std::ceil(sweep.passesPerAxis));
    const double end = sweep.SweepingTime();
    for (int k = 0; k < passes; ++k) {
        const double t = k * sweep.passTime + (PassIsUpward(sweep, k) ? up : down);
        // A last pass cut short by the duration may end before f.
        if (t > end && !EqualWithinRounding(t, end)) break;
        // At a turn the pass that ends and the one that starts meet, up to
        // rounding; the start, a whole number of passes, is the exact time.
        if (!times.empty() && EqualWithinRounding(t, times.back())) {
            times.back() = t;
        } else {
            times.push_back(t);
        }
    }
    return true;
}

bool ResonanceIn(const SweepResult& sweep, double naturalFrequency, double q, ResonanceResult& resonance,
                 std::string& message) {
    if (!Usable(naturalFrequency)) {
        message = std::string("--resonance: ") + lang::Tr("the natural frequency must be positive and finite");
        return false;
    }
    if (!(q > 0.5) || !std::isfinite(q)) {
        message =
            std::string("--q: ") + lang::Tr("the quality factor must be above 0.5 for the band to start above 0 Hz");
        return false;
    }
    resonance.low = naturalFrequency * (1.0 - 1.0 / (2.0 * q));
    resonance.high = naturalFrequency * (1.0 + 1.0 / (2.0 * q));
    const double low = std::max(resonance.low, sweep.lowest);
    const double high = std::min(resonance.high, sweep.highest);
    resonance.timePerPass = 0.0;
    resonance.cyclesPerPass = 0.0;
    if (low < high) {
        if (sweep.type == SweepType::Log) {
            resonance.timePerPass = std::log2(high / low) / sweep.rate;
            resonance.cyclesPerPass = (high - low) / (sweep.rate * std::log(2.0));
        } else {
            resonance.timePerPass = (high - low) / sweep.rate;
            resonance.cyclesPerPass = (low + high) / 2.0 * resonance.timePerPass;
        }
    }
    if (!std::isfinite(resonance.high) || !std::isfinite(resonance.timePerPass) ||
        !std::isfinite(resonance.cyclesPerPass)) {
        message = std::string("--resonance: ") + lang::Tr("the band is too wide to compute");
        return false;
    }
    return true;
}

}  // namespace planner
