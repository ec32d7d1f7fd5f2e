#include "command_line.h"

#include <optional>

namespace zurvane {

const std::string_view kUsage =
    "Usage: zurvane-text join [--keep-spaces] [--raw]\n"
    "       zurvane-text chinese [--raw]\n"
    "       zurvane-text english [--raw]\n"
    "\n"
    "Reads standard input to its end, converts it and writes the result to standard output.\n"
    "\n"
    "Commands:\n"
    "  join      join hard-wrapped lines into one run of text: each line is trimmed at both\n"
    "            ends, empty lines are dropped and nothing is put between the lines; every\n"
    "            space (U+0020 and the ideographic space U+3000) is removed as well\n"
    "  chinese   ASCII punctuation and spaces to full-width Chinese forms (\".\" to \"。\");\n"
    "            digits and Latin letters stay half-width\n"
    "  english   full-width forms, \"。\", U+3000, ～, ☆ and ★ back to ASCII\n"
    "\n"
    "Options:\n"
    "  --keep-spaces  join only: keep the spaces inside the lines\n"
    "  --raw          the streams are GBK (code page 936) bytes, lines ending in CR LF, passed\n"
    "                 to the conversion as they are; without it they are UTF-8, lines ending in\n"
    "                 LF (CR LF is read too); characters that GBK lacks, such as emoji, pass\n"
    "                 through as four-byte GB18030 sequences\n"
    "  -h, --help     show this help and exit\n"
    "\n"
    "The output is exactly the converted text: join adds no final line end.\n"
    "Exit status: 0 on success, 1 when reading, converting or writing fails, 2 for a wrong\n"
    "argument.\n";

namespace {

std::optional<Operation> operation_named(std::string_view name) {
    if (name == "join") return Operation::join;
    if (name == "chinese") return Operation::chinese;
    if (name == "english") return Operation::english;
    return std::nullopt;
}

ParsedArguments wrong(std::string error) {
    ParsedArguments parsed;
    parsed.error = std::move(error);
    return parsed;
}

}  // namespace

ParsedArguments parse_arguments(std::span<const std::string_view> arguments) {
    for (std::string_view argument : arguments) {
        if (argument == "-h" || argument == "--help") {
            ParsedArguments parsed;
            parsed.kind = ParsedArguments::Kind::help;
            return parsed;
        }
    }
    std::optional<Operation> operation;
    FilterCommand command;
    for (std::string_view argument : arguments) {
        if (argument == "--raw") {
            command.raw = true;
        } else if (argument == "--keep-spaces") {
            command.keep_spaces = true;
        } else if (argument.starts_with("-")) {
            return wrong("unknown option '" + std::string(argument) + "'");
        } else if (operation) {
            return wrong("unexpected argument '" + std::string(argument) + "'");
        } else if (!(operation = operation_named(argument))) {
            return wrong("unknown command '" + std::string(argument) + "'");
        }
    }
    if (!operation) return wrong("missing command: join, chinese or english");
    if (command.keep_spaces && *operation != Operation::join) {
        return wrong("--keep-spaces goes with join only");
    }
    command.operation = *operation;
    ParsedArguments parsed;
    parsed.kind = ParsedArguments::Kind::run;
    parsed.command = command;
    return parsed;
}

}  // namespace zurvane
