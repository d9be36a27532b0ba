#pragma once

#include "lang/tr.h"

namespace halvex_test {

// Sets the process's language for one test and always sets English back.
class InLanguage {
public:
    explicit InLanguage(lang::Language language) { lang::SetLanguage(language); }
    ~InLanguage() { lang::SetLanguage(lang::Language::English); }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;
};

}  // namespace halvex_test
