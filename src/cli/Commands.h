// The command line's commands: one table that both --help and the dispatch read.

#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "cli/Arguments.h"
#include "model/Model.h"

namespace lm::cli {

struct Command {
    std::string_view name;
    // The heading --help lists it under; commands of one heading stand together.
    std::string_view heading;
    // What follows the name in --help ("" when it takes no options).
    std::string_view synopsis;
    // Its description in --help, lines separated by '\n'.
    std::string_view about;
    // Runs it on a model the gear options have already been applied to.
    void (*run)(Model& m, const Arguments& args, std::ostream& out);
};

std::span<const Command> AllCommands();

// nullptr for a name no command has.
const Command* FindCommand(std::string_view name);

// Every heading with its commands, as --help lists them.
std::string CommandsHelp();

}  // namespace lm::cli
