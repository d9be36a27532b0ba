#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "draw/page.h"

namespace ui {

// The user's answers to questions and file dialogs, given ahead and taken
// in order: "yes", "no" or "cancel" for a question, a path (empty to
// cancel) for a file dialog, "print" for a print dialog (on the paper it
// offers, or "print a4", "print letter"). With none left, each is cancelled.

// A button's name as an answer names it and as halvex-drive reports it:
// lower case, without a mnemonic's '&' or the dots of "Save As...".
std::string ChoiceWord(std::string_view button);

class AnswerQueue {
public:
    void Push(std::string answer) { m_answers.push_back(std::move(answer)); }
    // IDYES, IDNO or IDCANCEL.
    int TakeQuestion();
    // The index of the button the answer names, in any letter case and
    // without the dots of "Save As...": "save as". An answer that names
    // none, or none queued, chooses the last button.
    std::size_t TakeChoice(const std::vector<std::string>& buttons);
    // False when the dialog is cancelled; else path is the answer.
    bool TakeFileName(std::string& path);
    // False when the print dialog is cancelled; else paper is the one chosen
    // (left as offered when the answer names none).
    bool TakePrint(draw::Paper& paper);
    // Drops the answers no dialog took.
    void Clear() { m_answers.clear(); }

private:
    std::deque<std::string> m_answers;
};

}  // namespace ui
