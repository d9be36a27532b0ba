#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "lang/tr.h"

namespace {

using lang::Language;

TEST(LanguageOfLocaleName, ReadsLanguageAndRegionOnly) {
    const struct {
        const char* name;
        std::optional<Language> language;
    } cases[] = {
        {"de", Language::German},
        {"de_AT.UTF-8", Language::German},
        {"fr_CA", Language::French},
        {"ja_JP.eucJP", Language::Japanese},
        {"zh_CN.GB18030", Language::Chinese},
        {"zh", Language::Chinese},
        {"zh_TW.UTF-8", std::nullopt},
        {"zh_HK", std::nullopt},
        {"en_GB@euro", Language::English},
        {"C.UTF-8", std::nullopt},
        {"sv_SE", std::nullopt},
        {"", std::nullopt},
        {"deu", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(lang::LanguageOfLocaleName(c.name), c.language) << c.name;
}

#ifndef _WIN32
// The environment's variables (Windows reads the user's settings instead).
// Restores the variables a test sets.
class Environment : public ::testing::Test {
protected:
    static constexpr const char* kNames[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LANG"};
    void SetUp() override {
        for (const char* name : kNames) unsetenv(name);
    }
    void TearDown() override { SetUp(); }
};

TEST_F(Environment, LanguageFollowsGettextsOrder) {
    EXPECT_EQ(lang::LanguageOfUserSettings(), Language::English);
    setenv("LANG", "fr_FR.UTF-8", 1);
    EXPECT_EQ(lang::LanguageOfUserSettings(), Language::French);
    setenv("LC_MESSAGES", "ja_JP.UTF-8", 1);
    EXPECT_EQ(lang::LanguageOfUserSettings(), Language::Japanese);
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    EXPECT_EQ(lang::LanguageOfUserSettings(), Language::German);
    // LANGUAGE's first language Halvex speaks wins...
    setenv("LANGUAGE", "sv:zh_CN:de", 1);
    EXPECT_EQ(lang::LanguageOfUserSettings(), Language::Chinese);
    // ...but not under the C locale, as gettext has it.
    setenv("LC_ALL", "C", 1);
    EXPECT_EQ(lang::LanguageOfUserSettings(), Language::English);
}

TEST_F(Environment, DecimalSignFollowsTheNumbersLocaleNotTheLanguage) {
    setenv("LANG", "de_DE.UTF-8", 1);
    EXPECT_TRUE(lang::DecimalCommaOfUserSettings());
    setenv("LC_NUMERIC", "en_US.UTF-8", 1);
    EXPECT_FALSE(lang::DecimalCommaOfUserSettings());
    setenv("LC_NUMERIC", "de_CH.UTF-8", 1);
    EXPECT_FALSE(lang::DecimalCommaOfUserSettings());
    setenv("LC_ALL", "fr_FR.UTF-8", 1);
    EXPECT_TRUE(lang::DecimalCommaOfUserSettings());
    setenv("LC_ALL", "C", 1);
    EXPECT_FALSE(lang::DecimalCommaOfUserSettings());
}

#endif

TEST(Fill, PutsArgumentsWhereTheTranslationWantsThem) {
    EXPECT_EQ(lang::Fill("%2 vor %1, 100 %%", {"a", "b"}), "b vor a, 100 %");
    EXPECT_EQ(lang::Fill("%1%1 %3 %", {"x"}), "xx  %");
}

TEST(Tr, EnglishIsTheTextItselfAndAMissingTranslationFallsBack) {
    const char* text = "&About Halvex...";
    lang::SetLanguage(Language::English);
    EXPECT_EQ(lang::Tr(text), text);
    lang::SetLanguage(Language::German);
    EXPECT_STRNE(lang::Tr(text), text);
    EXPECT_STREQ(lang::Tr("no such text in any catalogue"), "no such text in any catalogue");
    EXPECT_STREQ(lang::TrN("one file", "%1 files", 2), "%1 files");
    lang::SetLanguage(Language::English);
}

}  // namespace
