#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "planner/document.h"
#include "planner/lab.h"

namespace planner {

// The built-in templates' documents as shipped: public-domain figures, or the
// structure of a test with its severities left to fill.
const std::vector<std::string_view>& BuiltinTemplateTexts();

// A template as listed: where it comes from and its document.
struct TemplateEntry {
    std::string id;
    bool builtIn = true;
    PlanDocument document;
};

// The built-in templates, then the library's (when one is given). A
// library's template of the same id as a built-in one comes in its place:
// the lab's own version wins.
std::vector<TemplateEntry> Templates(const LabDocument* lab);

// The template of this id, or null.
const TemplateEntry* FindTemplate(const std::vector<TemplateEntry>& templates, std::string_view id);

// A template's line in New from Template's list: its title and the
// standard or procedure it follows; a library's own is marked as such.
std::string TemplateLine(const TemplateEntry& entry);

// The template's profile as the planner's profile grid shows it, "?" in each
// figure left to fill.
std::vector<std::vector<std::string>> TemplateProfileRows(const PlanDocument& document);

// What the template says of itself below the preview: its reference, its
// notes, and how many figures are left to fill.
std::string TemplateDetails(const TemplateEntry& entry);

// `halvex-calc templates [--lab LIB] [--format text|json]` and
// `halvex-calc template ID [--lab LIB]`: args are the words after the
// command. Exit status as RunPlanCommand's.
int RunTemplatesCommand(const std::vector<std::string>& args, std::string& out, std::string& err);
int RunTemplateCommand(const std::vector<std::string>& args, std::string& out, std::string& err);

}  // namespace planner
