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
