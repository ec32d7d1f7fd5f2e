// Reading standard input to its end in one piece, and writing one buffer out.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace zurvane {

// The whole of an input stream. A regular file is mapped into memory (no copy); anything else
// is read into one buffer that grows geometrically. Either way memory stays linear in the input.
class WholeInput {
public:
    WholeInput() = default;
    ~WholeInput();
    WholeInput(const WholeInput&) = delete;
    WholeInput& operator=(const WholeInput&) = delete;

    // Takes everything from file descriptor fd's position to its end, and leaves the position
    // at the end as reading would. Returns 0, or the errno of the failure.
    int load(int fd);
    std::string_view bytes() const { return bytes_; }
    // Gives the memory back early; bytes() is empty afterwards.
    void release();

private:
    int map_file(int fd, std::size_t position, std::size_t size);
    int read_to_end(int fd, std::size_t expected);

    void* mapping_ = nullptr;
    std::size_t mapping_size_ = 0;
    std::string buffer_;
    std::string_view bytes_;
};

// Writes data to stream and closes it; returns 0, or the errno of the failed write or close.
int write_and_close(std::FILE* stream, std::string_view data);

}  // namespace zurvane
