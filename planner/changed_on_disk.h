#pragma once

#include <string>

#include "planner/file_stamp.h"

namespace planner {

enum class OnDiskAnswer { Overwrite, SaveAs, Cancel };

// Before Save writes a window's file again: Overwrite at once while the file
// is as the window last opened or saved it (or is gone); otherwise the user
// is asked whether to write over the change made there, save in another
// file, or leave both as they are.
OnDiskAnswer AskBeforeOverwriting(const std::string& path, const FileStamp& stamp);

}  // namespace planner
