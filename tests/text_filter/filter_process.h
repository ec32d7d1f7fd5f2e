// Runs the zurvane-text binary (or another program) as a separate process, with files for its
// three streams.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zurvane::testing {

struct ProcessResult {
    int exit_code = -1;  // -1 when the process did not exit normally
    std::string out;     // standard output, unless it went to a given path
    std::string err;
};

struct Streams {
    std::string input;          // written to a file that becomes standard input
    std::string input_path;     // else this path is opened as standard input
    std::string output_path;    // if set, standard output goes here and out stays empty
    bool through_pipe = false;  // input reaches standard input through a pipe, not a file
};

ProcessResult run_process(const std::string& program, const std::vector<std::string>& arguments,
                          const Streams& streams);

inline ProcessResult run_filter(const std::vector<std::string>& arguments, const Streams& streams) {
    return run_process(ZURVANE_TEXT_BINARY, arguments, streams);
}

inline ProcessResult run_filter(const std::vector<std::string>& arguments, std::string input) {
    return run_filter(arguments, Streams{std::move(input), "", "", false});
}

}  // namespace zurvane::testing
