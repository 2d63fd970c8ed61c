// gauge-host's verbs: one row each, from which the dispatch, the usage text and the reference in
// docs/gauge-host.md are made.
#pragma once

#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace gauge_host {

// What every verb is given: its own words (options it does not know are its to reject) and the
// options common to all verbs.
struct Invocation {
    std::vector<std::string> args;
    std::string              module_dir;   // where bare module names are found
    std::string              out_dir;      // --out, or empty
};

struct Command {
    const char* name;
    const char* synopsis;   // the words after the name, as in the usage text
    const char* summary;    // one line
    int (*run)(const Invocation&);
    const char* details = nullptr;   // what --help adds: the options, one a line, and what is written where
};

// Every verb in the order the usage text lists them.
std::span<const Command> commands();

// The usage text and the markdown reference, both made from the table; the help of one verb.
std::string usage_text();
std::string reference_markdown();
std::string command_help(const Command& command);
const Command* find_command(const std::string& name);

// Verbs, one file each.
int list_command(const Invocation&);
int check_command(const Invocation&);
int reference_command(const Invocation&);
int render_command(const Invocation&);
int panel_command(const Invocation&);
int catalogue_command(const Invocation&);
int run_command(const Invocation&);
int demo_command(const Invocation&);
int help_command(const Invocation&);

// Thrown for words a verb does not take: main prints the message and the verb's usage line, and
// exits with 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A write that failed: the message names the path and the reason. Exit status 1.
[[noreturn]] void write_failed(const std::string& path, const std::string& reason);
// Writes a whole text file or nothing: into a file beside it first, then renamed into place.
void write_text_file(const std::string& path, const std::string& text);
// Makes sure a folder exists and can be written into, before anything is written there.
void writable_folder(const std::string& folder);

// Whether stdout is a terminal someone reads as it goes (a console window on Windows). A file, a
// pipe or a device such as /dev/null or NUL is not one: output to those is written in large blocks.
bool output_is_interactive();

}  // namespace gauge_host
