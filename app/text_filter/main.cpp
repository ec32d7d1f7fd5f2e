// zurvane-text: the line joiner and the punctuation conversions as a filter from standard input
// to standard output.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <new>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "command_line.h"
#include "platform/encoding/encoding.h"
#include "text/line_joining.h"
#include "text/punctuation.h"
#include "whole_stream.h"

namespace zurvane {
namespace {

Text apply(const FilterCommand& command, std::string_view text) {
    switch (command.operation) {
        case Operation::join:
            return join_lines(text, !command.keep_spaces);
        case Operation::chinese:
            return to_chinese_punctuation(text);
        case Operation::english:
            return to_english_punctuation(text);
    }
    return Text(text);
}

// The input is given back as soon as it has been converted, to keep the peak memory down.
std::string run(const FilterCommand& command, WholeInput& input) {
    if (command.raw) return apply(command, input.bytes());
    Text text = text_from_utf8(input.bytes());
    input.release();
    text = apply(command, text);
    return text_to_utf8(text);
}

int fail(const char* what, int error) {
    std::fprintf(stderr, "zurvane-text: %s: %s\n", what, std::strerror(error));
    return 1;
}

int run_command(const FilterCommand& command) {
    WholeInput input;
    if (int error = input.load(STDIN_FILENO)) return fail("cannot read standard input", error);
    const std::string output = run(command, input);
    input.release();
    if (int error = write_and_close(stdout, output)) {
        return fail("cannot write standard output", error);
    }
    return 0;
}

int main_with(std::span<const std::string_view> arguments) {
    const ParsedArguments parsed = parse_arguments(arguments);
    if (parsed.kind == ParsedArguments::Kind::help) {
        if (int error = write_and_close(stdout, kUsage)) {
            return fail("cannot write the help", error);
        }
        return 0;
    }
    if (parsed.kind == ParsedArguments::Kind::wrong) {
        std::fprintf(stderr, "zurvane-text: %s\nTry 'zurvane-text --help' for more information.\n",
                     parsed.error.c_str());
        return 2;
    }
    try {
        return run_command(parsed.command);
    } catch (const std::bad_alloc&) {
        std::fputs("zurvane-text: out of memory\n", stderr);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zurvane-text: %s\n", e.what());
    }
    return 1;
}

}  // namespace
}  // namespace zurvane

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    return zurvane::main_with(arguments);
}
