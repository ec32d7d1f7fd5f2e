#include "text/line_joining.h"

#include "text/block_scan.h"

namespace zurvane {

Text join_lines(std::string_view source, bool remove_spaces) {
    return detail::join_lines_by_blocks(source, remove_spaces);
}

}  // namespace zurvane
