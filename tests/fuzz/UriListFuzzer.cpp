// The drop path: URI-list bytes in, the one dropped text out.
#include "UriList.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto paths = jiaoyan::ui::localPathsFromUriList({reinterpret_cast<const char*>(data), size});
    if (!paths)
        return 0;
    if (paths->empty())
        std::abort();
    const std::string text = jiaoyan::ui::droppedText(*paths);
    for (const std::string& p : *paths) {
        // Every path is absolute, holds no NUL, and is no longer than the list it came from.
        if (p.empty() || p.front() != '/' || p.find('\0') != std::string::npos || p.size() > size)
            std::abort();
        if (text.find(p) == std::string::npos)
            std::abort();
    }
    if (paths->size() == 1 ? text != paths->front()
                           : text.size() < 2 || text.substr(text.size() - 2) != "\r\n")
        std::abort();
    return 0;
}
