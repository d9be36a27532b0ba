#include "ui/answer_queue.h"

#include "ui/messages.h"

namespace ui {

int AnswerQueue::TakeQuestion() {
    if (m_answers.empty()) return IDCANCEL;
    const int answer = m_answers.front() == "yes" ? IDYES : m_answers.front() == "no" ? IDNO : IDCANCEL;
    m_answers.pop_front();
    return answer;
}

bool AnswerQueue::TakeFileName(std::string& path) {
    if (m_answers.empty()) return false;
    const bool answered = !m_answers.front().empty();
    if (answered) path = m_answers.front();
    m_answers.pop_front();
    return answered;
}

}  // namespace ui
