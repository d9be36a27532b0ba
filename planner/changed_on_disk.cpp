#include "planner/changed_on_disk.h"

#include <vector>

#include "lang/tr.h"
#include "ui/dialog.h"

namespace planner {

OnDiskAnswer AskBeforeOverwriting(const std::string& path, const FileStamp& stamp) {
    if (!ChangedOnDisk(path, stamp)) return OnDiskAnswer::Overwrite;
    const std::size_t slash = path.find_last_of("/\\");
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    // In the buttons' order; Cancel, last, is what Esc and the close box do.
    // The buttons are named in English, as scripts answer them; a window
    // shows them in the user's language.
    const std::vector<std::string> buttons{N_("Overwrite"), N_("Save As..."), N_("Cancel")};
    switch (ui::AfxChoice(lang::Fill(lang::Tr("%1 has been changed on disk since it was opened or saved here. "
                                              "Overwrite that change with this window's version, or save this "
                                              "version in another file?"),
                                     {name}),
                          buttons)) {
        case 0:
            return OnDiskAnswer::Overwrite;
        case 1:
            return OnDiskAnswer::SaveAs;
        default:
            return OnDiskAnswer::Cancel;
    }
}

}  // namespace planner
