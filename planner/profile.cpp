#include "planner/profile.h"

#include <algorithm>
#include <cmath>

#include "lang/tr.h"
#include "numeric/number_text.h"
#include "planner/rounding.h"

namespace planner {
namespace {

double TwoPi() { return 2.0 * std::atan2(0.0, -1.0); }

std::string Hz(double f) { return halvex::FormatNumber("%.6g Hz", f); }

std::string SegmentPath(std::size_t i) { return "profile[" + std::to_string(i) + "]"; }

// A level as a straight line on log-log axes of acceleration against
// frequency: ln A = intercept + slope * ln f.
struct LogLine {
    double intercept = 0.0;
    double slope = 0.0;
};

LogLine AccelerationLine(LevelKind kind, double level, double f1, double levelSlope) {
    // A = factor * q * omega^power for a level q of this kind.
    double factor = 1.0;
    double power = 0.0;
    switch (kind) {
        case LevelKind::DisplacementPp:
            factor = 0.5;
            power = 2.0;
            break;
        case LevelKind::DisplacementZp:
            power = 2.0;
            break;
        case LevelKind::Velocity:
            power = 1.0;
            break;
        case LevelKind::Acceleration:
            break;
    }
    LogLine line;
    line.slope = levelSlope + power;
    line.intercept = std::log(factor * level) - levelSlope * std::log(f1) + power * std::log(TwoPi());
    return line;
}

}  // namespace

Motion MotionAt(LevelKind kind, double level, double f) {
    const double omega = TwoPi() * f;
    Motion motion;
    switch (kind) {
        case LevelKind::DisplacementPp:
            motion.displacementPp = level;
            motion.velocity = level / 2.0 * omega;
            motion.acceleration = level / 2.0 * std::pow(omega, 2);
            break;
        case LevelKind::DisplacementZp:
            motion.displacementPp = 2.0 * level;
            motion.velocity = level * omega;
            motion.acceleration = level * std::pow(omega, 2);
            break;
        case LevelKind::Velocity:
            motion.displacementPp = 2.0 * level / omega;
            motion.velocity = level;
            motion.acceleration = level * omega;
            break;
        case LevelKind::Acceleration:
            motion.displacementPp = 2.0 * level / std::pow(omega, 2);
            motion.velocity = level / omega;
            motion.acceleration = level;
            break;
    }
    return motion;
}

bool ResolveProfile(const PlanDocument& document, ResolvedProfile& profile, std::string& message) {
    const std::vector<Segment>& segments = document.profile;
    const std::size_t n = segments.size();
    const double gravity = document.GravitySi();
    profile = ResolvedProfile();

    // Boundaries b[0..n]; joint j sits between segment j-1 and segment j.
    std::vector<double> bounds(n + 1, 0.0);
    std::vector<bool> crossover(n + 1, false);
    if (segments.front().from.isAuto) {
        message = SegmentPath(0) + ".from: " + lang::Tr("auto needs a segment below to meet");
        return false;
    }
    if (segments.back().to.isAuto) {
        message = SegmentPath(n - 1) + ".to: " + lang::Tr("auto needs a segment above to meet");
        return false;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const Segment& s = segments[i];
        if (s.values.size() == 2 && (s.from.isAuto || s.to.isAuto)) {
            message = SegmentPath(i) + (s.from.isAuto ? ".from" : ".to") + ": " +
                      lang::Tr("a ramp's ends must be numbers, not auto");
            return false;
        }
    }
    bounds[0] = ToSi(segments.front().from.frequency, QuantityKind::Frequency, gravity);
    bounds[n] = ToSi(segments.back().to.frequency, QuantityKind::Frequency, gravity);
    for (std::size_t j = 1; j < n; ++j) {
        const Boundary& below = segments[j - 1].to;
        const Boundary& above = segments[j].from;
        const double belowHz = below.isAuto ? 0.0 : ToSi(below.frequency, QuantityKind::Frequency, gravity);
        const double aboveHz = above.isAuto ? 0.0 : ToSi(above.frequency, QuantityKind::Frequency, gravity);
        if (below.isAuto && above.isAuto) {
            crossover[j] = true;
        } else if (below.isAuto || above.isAuto) {
            bounds[j] = below.isAuto ? aboveHz : belowHz;
        } else if (!EqualWithinRounding(belowHz, aboveHz)) {
            message = SegmentPath(j) + ".from: " +
                      lang::Fill(lang::Tr("%1 does not meet %2 (%3); segments must be contiguous"),
                                 {Hz(aboveHz), SegmentPath(j - 1) + ".to", Hz(belowHz)});
            return false;
        } else {
            bounds[j] = belowHz;
        }
    }

    // Each level's own value at its ends; a ramp's slope on log-log axes.
    std::vector<double> levelSlope(n, 0.0);
    std::vector<LogLine> lines(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Segment& s = segments[i];
        const QuantityKind kind = LevelQuantityKind(s.kind);
        const double q1 = ToSi(s.values.front(), kind, gravity);
        const double q2 = ToSi(s.values.back(), kind, gravity);
        if (s.values.size() == 2) {
            if (!BelowBeyondRounding(bounds[i], bounds[i + 1])) {
                message = SegmentPath(i) + ".to: " + lang::Fill(lang::Tr("must be above from (%1)"), {Hz(bounds[i])});
                return false;
            }
            // Ends equal but for the rounding of their units make a flat ramp.
            if (!EqualWithinRounding(q1, q2)) levelSlope[i] = std::log(q2 / q1) / std::log(bounds[i + 1] / bounds[i]);
        }
        lines[i] = AccelerationLine(s.kind, q1, s.values.size() == 2 ? bounds[i] : 1.0, levelSlope[i]);
    }

    for (std::size_t j = 1; j < n; ++j) {
        if (!crossover[j]) continue;
        const LogLine& a = lines[j - 1];
        const LogLine& b = lines[j];
        const double f = std::exp((b.intercept - a.intercept) / (a.slope - b.slope));
        if (EqualWithinRounding(a.slope, b.slope) || !std::isfinite(f) || !(f > 0.0)) {
            message = SegmentPath(j - 1);
            message += ".to: " +
                       lang::Fill(lang::Tr("the levels of %1 and %2 never meet"), {SegmentPath(j - 1), SegmentPath(j)});
            return false;
        }
        bounds[j] = f;
    }
    for (std::size_t j = 1; j < n; ++j) {
        if (!crossover[j]) continue;
        // The span is the lower segment's from to the upper segment's to; either may be a crossover too.
        if (!BelowBeyondRounding(bounds[j - 1], bounds[j]) || !BelowBeyondRounding(bounds[j], bounds[j + 1])) {
            message =
                SegmentPath(j - 1) + ".to: " +
                lang::Fill(lang::Tr("the levels of %1 and %2 meet at %3, outside their span %4 to %5"),
                           {SegmentPath(j - 1), SegmentPath(j), Hz(bounds[j]), Hz(bounds[j - 1]), Hz(bounds[j + 1])});
            return false;
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (!BelowBeyondRounding(bounds[i], bounds[i + 1])) {
            message = SegmentPath(i) + ".to: " + lang::Fill(lang::Tr("must be above from (%1)"), {Hz(bounds[i])});
            return false;
        }
    }

    for (std::size_t i = 0; i < n; ++i) {
        const Segment& s = segments[i];
        const QuantityKind kind = LevelQuantityKind(s.kind);
        ResolvedSegment r;
        r.from = bounds[i];
        r.to = bounds[i + 1];
        r.kind = s.kind;
        r.ramp = s.values.size() == 2;
        r.startLevel = ToSi(s.values.front(), kind, gravity);
        r.endLevel = ToSi(s.values.back(), kind, gravity);
        if (r.ramp && levelSlope[i] != 0.0) {
            r.slopeDbPerOctave = 20.0 * std::log10(r.endLevel / r.startLevel) / std::log2(r.to / r.from);
        }
        r.start = MotionAt(r.kind, r.startLevel, r.from);
        r.end = MotionAt(r.kind, r.endLevel, r.to);
        for (const Motion& m : {r.start, r.end}) {
            for (const double v : {m.displacementPp, m.velocity, m.acceleration}) {
                if (!std::isfinite(v) || !(v > 0.0) || !std::isfinite(r.slopeDbPerOctave)) {
                    message = SegmentPath(i) + ": " +
                              lang::Tr("the motion of this level is too large or too small to compute");
                    return false;
                }
            }
        }
        profile.segments.push_back(r);
        if (i > 0 && crossover[i]) profile.crossovers.push_back(bounds[i]);
    }
    for (std::size_t j = 1; j < n; ++j) {
        if (crossover[j]) continue;
        const ResolvedSegment& below = profile.segments[j - 1];
        const ResolvedSegment& above = profile.segments[j];
        // At one frequency every quantity steps by the same ratio.
        const double a = below.end.acceleration;
        const double b = above.start.acceleration;
        const double step = std::max(a, b) / std::min(a, b) - 1.0;
        if (!(step > kProfileStepTolerance)) continue;
        ProfileWarning warning;
        warning.path = SegmentPath(j - 1) + ".to";
        warning.segment = j - 1;
        warning.frequency = bounds[j];
        warning.stepPercent = step * 100.0;
        const LogLine& l = lines[j - 1];
        const LogLine& u = lines[j];
        const double meets = std::exp((u.intercept - l.intercept) / (l.slope - u.slope));
        if (!EqualWithinRounding(l.slope, u.slope) && std::isfinite(meets) && meets > 0.0) warning.meetsAt = meets;
        // The two levels in the upper segment's own quantity, SI units.
        const auto own = [&](const Motion& m) {
            switch (above.kind) {
                case LevelKind::DisplacementPp:
                    return halvex::FormatNumber("%.4g m", m.displacementPp);
                case LevelKind::DisplacementZp:
                    return halvex::FormatNumber("%.4g m", m.displacementPp / 2.0);
                case LevelKind::Velocity:
                    return halvex::FormatNumber("%.4g m/s", m.velocity);
                case LevelKind::Acceleration:
                    break;
            }
            return halvex::FormatNumber("%.4g m/s^2", m.acceleration);
        };
        warning.message =
            warning.path + ": " +
            lang::Fill(lang::Tr("at %1 %2 asks %3 and %4 %5 of %6, a step of %7 %"),
                       {Hz(bounds[j]), SegmentPath(j - 1), own(below.end), SegmentPath(j), own(above.start),
                        LevelFieldName(above.kind), halvex::FormatNumber("%.3g", warning.stepPercent)}) +
            (warning.meetsAt ? lang::Fill(lang::Tr("; the levels meet at %1"), {Hz(*warning.meetsAt)}) : std::string());
        profile.warnings.push_back(std::move(warning));
    }

    // On a segment of these shapes every quantity is monotonic in f, so each
    // peak lies at an end. The first (lowest) place wins a tie within
    // rounding; of tied values the one a level states, not one computed from
    // a neighbour's level, is the value.
    struct Candidate {
        Peak peak;
        bool stated = false;
    };
    Candidate displacement, velocity, acceleration;
    const auto consider = [](Candidate& best, double value, double f, bool stated) {
        if (best.peak.frequency == 0.0 || (value > best.peak.value && !EqualWithinRounding(value, best.peak.value))) {
            best = Candidate{Peak{value, f}, stated};
        } else if (stated && !best.stated && EqualWithinRounding(value, best.peak.value)) {
            best.peak.value = value;
            best.stated = true;
        }
    };
    for (const ResolvedSegment& r : profile.segments) {
        const bool length = r.kind == LevelKind::DisplacementPp || r.kind == LevelKind::DisplacementZp;
        for (const auto& [motion, f] : {std::pair<Motion, double>{r.start, r.from}, {r.end, r.to}}) {
            consider(displacement, motion.displacementPp, f, length);
            consider(velocity, motion.velocity, f, r.kind == LevelKind::Velocity);
            consider(acceleration, motion.acceleration, f, r.kind == LevelKind::Acceleration);
        }
    }
    profile.displacementPp = displacement.peak;
    profile.velocity = velocity.peak;
    profile.acceleration = acceleration.peak;
    return true;
}

}  // namespace planner
