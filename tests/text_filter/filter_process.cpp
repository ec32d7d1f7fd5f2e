#include "filter_process.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

extern char** environ;

namespace zurvane::testing {

namespace {

std::string temp_path(const char* name) {
    return ::testing::TempDir() + "zurvane-text-" + std::to_string(getpid()) + "-" + name;
}

void write_file(const std::string& path, std::string_view bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path);
}

std::string read_file(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

ProcessResult run_process(const std::string& program, const std::vector<std::string>& arguments,
                          const Streams& streams) {
    const std::string in_path = streams.input_path.empty() ? temp_path("in") : streams.input_path;
    const std::string out_path =
        streams.output_path.empty() ? temp_path("out") : streams.output_path;
    const std::string err_path = temp_path("err");
    const bool input_file = streams.input_path.empty() && !streams.through_pipe;
    if (input_file) write_file(in_path, streams.input);
    int pipe_ends[2] = {-1, -1};
    if (streams.through_pipe && pipe(pipe_ends) != 0) throw std::runtime_error("no pipe");

    std::vector<char*> argv;
    std::vector<std::string> copies{program};
    copies.insert(copies.end(), arguments.begin(), arguments.end());
    for (std::string& argument : copies) argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (streams.through_pipe) {
        posix_spawn_file_actions_adddup2(&actions, pipe_ends[0], 0);
        posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
        posix_spawn_file_actions_addclose(&actions, pipe_ends[1]);
    } else {
        posix_spawn_file_actions_addopen(&actions, 0, in_path.c_str(), O_RDONLY, 0);
    }
    posix_spawn_file_actions_addopen(&actions, 1, out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (streams.through_pipe) {
        // The child writes to files, so feeding the pipe from here cannot deadlock. SIGPIPE is
        // ignored only now, so that the child still has the default action.
        close(pipe_ends[0]);
        std::signal(SIGPIPE, SIG_IGN);
        std::string_view rest = spawned == 0 ? std::string_view(streams.input) : "";
        while (!rest.empty()) {
            const ssize_t n = write(pipe_ends[1], rest.data(), rest.size());
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            rest.remove_prefix(static_cast<std::size_t>(n));
        }
        close(pipe_ends[1]);
    }
    if (spawned != 0) throw std::runtime_error("cannot start " + program);

    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    ProcessResult result;
    result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (streams.output_path.empty()) {
        result.out = read_file(out_path);
        std::remove(out_path.c_str());
    }
    result.err = read_file(err_path);
    std::remove(err_path.c_str());
    if (input_file) std::remove(in_path.c_str());
    return result;
}

}  // namespace zurvane::testing
