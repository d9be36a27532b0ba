#include "ui/answer_queue.h"

#include "ui/messages.h"
#include "ui/print_job.h"

namespace ui {

int AnswerQueue::TakeQuestion() {
    if (m_answers.empty()) return IDCANCEL;
    const int answer = m_answers.front() == "yes" ? IDYES : m_answers.front() == "no" ? IDNO : IDCANCEL;
    m_answers.pop_front();
    return answer;
}

std::string ChoiceWord(std::string_view button) {
    std::string word;
    for (const char c : button) {
        if (c == '&') continue;
        word.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    while (!word.empty() && word.back() == '.') word.pop_back();
    return word;
}

std::size_t AnswerQueue::TakeChoice(const std::vector<std::string>& buttons) {
    const std::size_t last = buttons.empty() ? 0 : buttons.size() - 1;
    if (m_answers.empty()) return last;
    const std::string answer = ChoiceWord(m_answers.front());
    m_answers.pop_front();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (ChoiceWord(buttons[i]) == answer) return i;
    }
    return last;
}

bool AnswerQueue::TakeFileName(std::string& path) {
    if (m_answers.empty()) return false;
    const bool answered = !m_answers.front().empty();
    if (answered) path = m_answers.front();
    m_answers.pop_front();
    return answered;
}

bool AnswerQueue::TakePrint(draw::Paper& paper) {
    if (m_answers.empty()) return false;
    const std::string answer = m_answers.front();
    m_answers.pop_front();
    if (answer == "print") return true;
    if (answer.rfind("print ", 0) != 0) return false;
    return ReadPaperName(answer.substr(6), paper);
}

}  // namespace ui
