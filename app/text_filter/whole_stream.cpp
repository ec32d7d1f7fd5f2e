#include "whole_stream.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#if defined(__unix__)
#include <sys/mman.h>
#define ZURVANE_MAP_INPUT 1
#endif

namespace zurvane {

namespace {

constexpr std::size_t kChunk = std::size_t{1} << 20;

#if ZURVANE_MAP_INPUT
// A mapped file that another process shrinks while we read it raises SIGBUS on the lost pages.
// That is a read failure like any other: say so and exit with code 1.
void on_lost_input(int) {
    static const char kMessage[] =
        "zurvane-text: cannot read standard input: the file shrank while it was read\n";
    const ssize_t ignored = write(STDERR_FILENO, kMessage, sizeof kMessage - 1);
    (void)ignored;
    _exit(1);
}
#endif

}  // namespace

WholeInput::~WholeInput() {
    release();
}

void WholeInput::release() {
#if ZURVANE_MAP_INPUT
    if (mapping_ != nullptr) munmap(mapping_, mapping_size_);
#endif
    mapping_ = nullptr;
    mapping_size_ = 0;
    std::string().swap(buffer_);
    bytes_ = {};
}

int WholeInput::load(int fd) {
    release();
    struct stat status {};
    if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        const off_t position = lseek(fd, 0, SEEK_CUR);
        if (position >= 0 && status.st_size > position) {
            const auto start = static_cast<std::size_t>(position);
            const auto size = static_cast<std::size_t>(status.st_size) - start;
            if (map_file(fd, start, size) == 0) return 0;
            return read_to_end(fd, size);
        }
    }
    return read_to_end(fd, 0);
}

int WholeInput::map_file(int fd, std::size_t position, std::size_t size) {
#if ZURVANE_MAP_INPUT
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    const std::size_t offset = position - position % page;  // mappings start on a page
    const std::size_t length = size + (position - offset);
    void* mapping = mmap(nullptr, length, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd,
                         static_cast<off_t>(offset));
    if (mapping == MAP_FAILED) return errno;
    struct sigaction action {};
    action.sa_handler = on_lost_input;
    sigemptyset(&action.sa_mask);
    sigaction(SIGBUS, &action, nullptr);
    if (lseek(fd, static_cast<off_t>(position + size), SEEK_SET) < 0) {
        const int error = errno;
        munmap(mapping, length);
        return error;
    }
    mapping_ = mapping;
    mapping_size_ = length;
    bytes_ = std::string_view(static_cast<const char*>(mapping) + (position - offset), size);
    return 0;
#else
    (void)fd;
    (void)position;
    (void)size;
    return ENOTSUP;
#endif
}

int WholeInput::read_to_end(int fd, std::size_t expected) {
    // One byte more than expected, so that the read that meets the end needs no growth.
    buffer_.resize(expected > 0 ? expected + 1 : kChunk);
    std::size_t used = 0;
    for (;;) {
        if (used == buffer_.size()) buffer_.resize(buffer_.size() * 2);
        const ssize_t got = read(fd, buffer_.data() + used, buffer_.size() - used);
        if (got < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            release();
            return error;
        }
        if (got == 0) break;
        used += static_cast<std::size_t>(got);
    }
    buffer_.resize(used);
    bytes_ = buffer_;
    return 0;
}

int write_and_close(std::FILE* stream, std::string_view data) {
    errno = 0;
    int error = 0;
    if (std::fwrite(data.data(), 1, data.size(), stream) != data.size() || std::fflush(stream)) {
        error = errno != 0 ? errno : EIO;
    }
    if (std::fclose(stream) != 0 && error == 0) error = errno != 0 ? errno : EIO;
    return error;
}

}  // namespace zurvane
