#include "planner/query_form.h"

#include <algorithm>
#include <optional>

#include "lang/tr.h"
#include "numeric/number_text.h"

namespace planner {
namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

struct Asked {
    FormField field;
};

constexpr Asked kTime{FormField::QueryTime};
constexpr Asked kFrequency{FormField::QueryFrequency};
constexpr Asked kResonance{FormField::QueryResonance};
constexpr Asked kQ{FormField::QueryQ};

// Keeps the first problem only.
class Problems {
public:
    Problems(std::string& problem, FieldPlace& place) : m_problem(problem), m_place(place) {
        m_problem.clear();
        m_place = FieldPlace();
    }

    bool Add(const Asked& asked, const std::string& what) {
        if (m_place.field == FormField::None) {
            m_place.field = asked.field;
            m_problem = lang::Fill(lang::Tr("%1: %2"), {FieldName(m_place), what});
        }
        return false;
    }

    // The sweep's own message names the command line's option: the field's
    // name replaces it.
    bool AddAnswer(const Asked& asked, const std::string& message) {
        const std::size_t colon = message.find(": ");
        return Add(asked, colon == std::string::npos ? message : message.substr(colon + 2));
    }

    bool None() const { return m_place.field == FormField::None; }

private:
    std::string& m_problem;
    FieldPlace& m_place;
};

// The field's value in SI units, absent when empty; false when it does not read.
bool Read(const std::string& field, QuantityKind kind, const Asked& asked, std::optional<double>& value,
          Problems& problems) {
    const std::string text = Trimmed(field);
    value.reset();
    if (text.empty()) return true;
    double read = 0.0;
    std::string what;
    if (!ReadSiValue(text, kind, kStandardGravity, read, what)) {
        // Unless it has the one blank of "NUMBER UNIT", say what would read
        // here rather than the reader's general example.
        if (std::count(text.begin(), text.end(), ' ') != 1) {
            what = lang::Fill(lang::Tr("\"%1\" is not a number or %2"), {text, KindDescription(kind)});
        }
        return problems.Add(asked, what);
    }
    value = read;
    return true;
}

bool ReadQ(const std::string& field, std::optional<double>& value, Problems& problems) {
    const std::string text = Trimmed(field);
    value.reset();
    if (text.empty()) return true;
    if (!IsNumberText(text)) return problems.Add(kQ, lang::Fill(lang::Tr("\"%1\" is not a number"), {text}));
    value = halvex::ParseNumber(text);
    return true;
}

}  // namespace

bool AnswerQueries(const QueryFields& fields, PlanOutcome& outcome, std::string& problem, FieldPlace& place) {
    outcome.at.reset();
    outcome.crossings.reset();
    outcome.resonance.reset();
    Problems problems(problem, place);
    std::optional<double> time, frequency, resonance, q;
    Read(fields.time, QuantityKind::Time, kTime, time, problems);
    Read(fields.frequency, QuantityKind::Frequency, kFrequency, frequency, problems);
    Read(fields.resonance, QuantityKind::Frequency, kResonance, resonance, problems);
    ReadQ(fields.q, q, problems);
    // A band needs both; the one that is missing is the one to fill in.
    if (resonance && !q) problems.Add(kQ, lang::Tr("a quality factor is needed for the half-power band"));
    if (q && !resonance) problems.Add(kResonance, lang::Tr("a natural frequency is needed for the half-power band"));

    const SweepResult* sweep = outcome.sweep ? &*outcome.sweep : nullptr;
    const SequenceResult* sequence = outcome.sequence ? &*outcome.sequence : nullptr;
    const char* const noSweep = lang::Tr("the plan has no sweep (give a rate or a time per pass)");
    std::string message;
    if (time) {
        SequencePoint point;
        if (!sequence) {
            problems.Add(kTime, noSweep);
        } else if (SequenceAt(*sequence, *time, point, message)) {
            outcome.at = point;
        } else {
            problems.AddAnswer(kTime, message);
        }
    }
    if (frequency) {
        Crossings crossings;
        crossings.frequency = *frequency;
        if (!sequence) {
            problems.Add(kFrequency, noSweep);
        } else if (SequenceCrossings(*sequence, *frequency, crossings.times, message)) {
            outcome.crossings = crossings;
        } else {
            problems.AddAnswer(kFrequency, message);
        }
    }
    if (resonance && q) {
        ResonanceResult band;
        if (!sweep) {
            problems.Add(kResonance, noSweep);
        } else if (ResonanceIn(*sweep, *resonance, *q, band, message)) {
            outcome.resonance = band;
        } else {
            // Only the quality factor's own message is about Q.
            problems.AddAnswer(message.compare(0, 4, "--q:") == 0 ? kQ : kResonance, message);
        }
    }
    return problems.None();
}

}  // namespace planner
