#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/drive_session.h"

// The random checker's kills: random events on the planner or the library
// editor, the program dropped at a random event as a kill would drop it, and
// started again on what it left.
namespace halvex_test {

struct KillOutcome {
    std::string failure;  // empty when the restart found what it should
    bool restored = false;
};

// Plays killAt events from the seed in directory, takes the recovery copy as
// the kill leaves it, then starts the program again with that copy left by a
// program that is gone: the offer restores the document as it was at the
// copy's last write, with its path, changed. A document with nothing unsaved
// at the kill leaves no copy.
KillOutcome KillAndRestore(std::uint64_t seed, halvex::DriveSession::Program program, const std::string& directory,
                           std::size_t killAt);

}  // namespace halvex_test
