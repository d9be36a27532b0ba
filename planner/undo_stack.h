#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace planner {

// The states a document went through, for Undo and Redo. Each change records
// the state after it; typing on in one field (the same key as the change
// before) amends that change rather than adding one, so that Undo takes back
// the field's whole edit. The state the document was last saved or opened
// in is remembered, so that undoing back to it shows the document unchanged.
template <typename State>
class UndoStack {
public:
    explicit UndoStack(State initial) { Reset(std::move(initial)); }

    // A new or opened document: no history, and unchanged.
    void Reset(State state) {
        m_states.clear();
        m_states.push_back(std::move(state));
        m_at = 0;
        m_saved = 0;
        m_lastKey.clear();
    }

    void Record(State state, const std::string& key = {}) {
        // What was undone cannot be redone after a new change; a saved state
        // among it is gone, and the new step in its place is not it.
        if (m_saved != kNever && m_saved > m_at) m_saved = kNever;
        m_states.resize(m_at + 1);
        const bool amend = !key.empty() && key == m_lastKey && m_at > 0 && m_saved != m_at;
        if (amend) {
            m_states[m_at] = std::move(state);
        } else {
            m_states.push_back(std::move(state));
            ++m_at;
            if (m_states.size() > kMaxSteps + 1) Forget();
        }
        m_lastKey = key;
    }

    bool CanUndo() const { return m_at > 0; }
    bool CanRedo() const { return m_at + 1 < m_states.size(); }

    const State& Undo() {
        if (CanUndo()) --m_at;
        m_lastKey.clear();
        return m_states[m_at];
    }

    const State& Redo() {
        if (CanRedo()) ++m_at;
        m_lastKey.clear();
        return m_states[m_at];
    }

    const State& Current() const { return m_states[m_at]; }

    void MarkSaved() {
        m_saved = m_at;
        m_lastKey.clear();
    }
    bool Changed() const { return m_saved != m_at; }
    // No state is the saved one: a document restored from a recovery copy.
    void MarkUnsaved() { m_saved = kNever; }

private:
    static constexpr std::size_t kMaxSteps = 1000;

    // The oldest step goes; a saved state that went with it can no longer be reached.
    void Forget() {
        m_states.erase(m_states.begin());
        --m_at;
        if (m_saved != kNever) m_saved = m_saved == 0 ? kNever : m_saved - 1;
    }

    static constexpr std::size_t kNever = static_cast<std::size_t>(-1);

    std::vector<State> m_states;
    std::size_t m_at = 0;
    std::size_t m_saved = 0;
    std::string m_lastKey;
};

}  // namespace planner
