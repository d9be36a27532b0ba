#pragma once

#include <cstdlib>
#include <string>
#include <string_view>

#include "planner/recovery.h"

// A recovery copy: its header's line and the document after it, read whole
// or refused with one line; one that reads writes back as it was read. The
// plan and library fuzzers both feed it, each with its own documents.
inline void CheckRecovery(std::string_view text) {
    planner::RecoveryCopy copy;
    std::string problem;
    if (!planner::ReadRecoveryText(text, copy, problem)) {
        if (problem.empty() || problem.find('\n') != std::string::npos) std::abort();
        return;
    }
    planner::RecoveryCopy again;
    if (!planner::ReadRecoveryText(planner::WriteRecoveryText(copy), again, problem) || again.kind != copy.kind ||
        again.original != copy.original || again.written != copy.written || again.document != copy.document ||
        again.file != copy.file) {
        std::abort();
    }
}
