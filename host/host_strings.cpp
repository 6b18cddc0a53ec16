// The host programs' own strings (tovik's and the gallery's). The framework
// searches the application's module before the plug-in's, so the toolkit's
// dialogs find these strings by number.
#include <windows.h>

#include <win32_resources.h>

namespace {

const WIN32_STRING_RESOURCE kStrings[] = {
    // The caption of a read-only dialog's OK button, which then only closes it.
    {20430, "Close"},
    // A spin edit's value lies outside its bounds.
    {20600, "The value is out of range."},
    // A spin edit is empty or does not hold a number (of the right kind).
    {20601, "Please enter a valid number."},
    // The captions the gallery's caption timer puts on its two buttons.
    {20700, "&Ready"},
    {20701, "&Done"},
};

const WIN32_MODULE_RESOURCE_TABLE kResourceTable = {nullptr, 0, kStrings, WIN32_COUNT_OF(kStrings)};

}  // namespace

WIN32_MODULE_RESOURCES(kResourceTable)
