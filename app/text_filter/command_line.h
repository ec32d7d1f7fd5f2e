// The arguments of zurvane-text.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zurvane {

enum class Operation { join, chinese, english };

struct FilterCommand {
    Operation operation = Operation::join;
    bool raw = false;          // bytes in and out as Text, no UTF-8 bridge
    bool keep_spaces = false;  // join only
};

struct ParsedArguments {
    enum class Kind { run, help, wrong } kind = Kind::wrong;
    FilterCommand command;  // for run
    std::string error;      // for wrong: what is wrong, in one line
};

// Options may stand before or after the command; -h or --help anywhere asks for the help.
ParsedArguments parse_arguments(std::span<const std::string_view> arguments);

// The help text, in UTF-8.
extern const std::string_view kUsage;

}  // namespace zurvane
