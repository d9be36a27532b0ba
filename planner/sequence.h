#pragma once

#include <optional>
#include <string>
#include <vector>

#include "planner/document.h"
#include "planner/profile.h"
#include "planner/sweep_plan.h"

namespace planner {

// The most a run asks of the shaker: each peak with the lowest frequency
// where the run reaches it (SI units).
struct RunPeaks {
    Peak displacementPp;
    Peak velocity;
    Peak acceleration;
};

// One run of the sequence as planned, per axis, SI units (Hz, s).
struct RunResult {
    RunKind kind = RunKind::Sweep;
    double start = 0.0;  // s from the start of the axis's sequence
    double time = 0.0;   // per axis
    double cycles = 0.0;
    // Not for a budget of resonances given in time: their frequencies are
    // not known yet.
    bool cyclesKnown = true;
    // Sweep and search: the sweep, its passes and where it is when.
    SweepResult sweep;
    // Dwell: the frequency, or the number of resonances budgeted for (then
    // frequency is 0 and budgetFrequency the one the cycles were timed at,
    // when the dwell is counted in cycles).
    double frequency = 0.0;
    int resonances = 0;
    double budgetFrequency = 0.0;
    // Stepped: the frequencies in order, and the time each is held.
    std::vector<double> frequencies;
    std::vector<double> holds;
    RunPeaks peaks;

    double End() const { return start + time; }
};

struct SequenceResult {
    bool fromDocument = false;  // the document gives a sequence
    // The runs made on each axis; without a sequence in the document, the
    // endurance sweep alone.
    std::vector<RunResult> runs;
    double dwellTime = 0.0;  // the sweep's own dwells, per axis: not on the timeline
    double axisTime = 0.0;   // the runs and the sweep's own dwells
    double axes = 1.0;
    double totalTime = 0.0;

    double TimelineEnd() const { return runs.empty() ? 0.0 : runs.back().End(); }
};

// The motion the profile asks at f, inside the profile's span.
Motion ProfileMotionAt(const ResolvedProfile& profile, double f);

// What a run's level asks at f (SI units): the profile's, a part of it, or
// the run's own constant level.
Motion RunMotionAt(const RunLevel& level, const ResolvedProfile& profile, double gravity, double f);

// Plans every run on the sweep (when the document has one). Returns false
// with one message naming the field for a run that cannot be made.
bool PlanSequence(const PlanDocument& document, const ResolvedProfile& profile, const std::optional<SweepResult>& sweep,
                  SequenceResult& sequence, std::string& message);

// Where one axis's sequence is at an elapsed time: the run (index), its
// frequency (not known for a budget of resonances still to be found), and
// for a sweep or search its pass (from 1; 0 for other runs) and direction.
struct SequencePoint {
    double time = 0.0;
    std::size_t run = 0;
    bool frequencyKnown = true;
    double frequency = 0.0;
    int pass = 0;
    bool upward = true;
};

bool SequenceAt(const SequenceResult& sequence, double time, SequencePoint& point, std::string& message);

// Every elapsed time of one axis at which the sequence passes f, in order:
// each pass of a sweep or search, a dwell or step at f once at its start.
bool SequenceCrossings(const SequenceResult& sequence, double frequency, std::vector<double>& times,
                       std::string& message);

}  // namespace planner
