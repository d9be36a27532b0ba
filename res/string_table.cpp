#include "res/string_table.h"

#include "lang/tr.h"
#include "res/resource_ids.h"

namespace res {

std::string_view LoadResourceString(int id) {
    switch (id) {
        case IDS_ABOUT_ITEM:
            return lang::Tr("&About Halvex...");
        default:
            return {};
    }
}

const VersionRecord& GetVersionRecord() {
    static const VersionRecord record{
        {1, 0, 0, 1}, {1, 0, 0, 1}, 0x0409,
        1200,         "",           "HALVEX MFC Application",
        "1, 0, 0, 1", "HALVEX",     "Copyright (C) 2026 the Halvex team",
        "",           "HALVEX.EXE", "HALVEX Application",
        "1, 0, 0, 1",
    };
    return record;
}

}  // namespace res
