// Writes one of the benchmark inputs to standard output: make_corpus chinese|english [MiB].
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "corpus.h"

int main(int argc, char** argv) {
    const std::string_view kind = argc > 1 ? argv[1] : "";
    const long mebibytes = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 64;
    if ((kind != "chinese" && kind != "english") || mebibytes <= 0 || mebibytes > 4096) {
        std::fprintf(stderr, "usage: make_corpus chinese|english [MiB, default 64]\n");
        return 2;
    }
    const auto size = static_cast<std::size_t>(mebibytes) << 20;
    const std::string text = kind == "chinese" ? zurvane::bench::chinese_prose(size)
                                               : zurvane::bench::english_prose(size);
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        std::perror("make_corpus");
        return 1;
    }
    return 0;
}
