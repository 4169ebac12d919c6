#include "UriList.h"

#include <cctype>
#include <unistd.h>

namespace jiaoyan::ui {
namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::string> percentDecoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
            hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    if (out.find('\0') != std::string::npos)
        return std::nullopt;
    return out;
}

bool isThisHost(std::string_view host) {
    if (host.empty() || host == "localhost")
        return true;
    char name[256] = {};
    return ::gethostname(name, sizeof name - 1) == 0 && host == name;
}

bool startsWithFileScheme(std::string_view uri) {
    static constexpr std::string_view scheme = "file://";
    if (uri.size() < scheme.size())
        return false;
    for (std::size_t i = 0; i < scheme.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(uri[i])) != scheme[i])
            return false;
    return true;
}

std::optional<std::string> localPathOf(std::string_view uri) {
    if (!startsWithFileScheme(uri))
        return std::nullopt;
    std::string_view rest = uri.substr(7);
    std::size_t slash = rest.find('/');
    if (slash == std::string_view::npos || !isThisHost(rest.substr(0, slash)))
        return std::nullopt;
    return percentDecoded(rest.substr(slash));
}

} // namespace

std::optional<std::vector<std::string>> localPathsFromUriList(std::string_view uriList) {
    std::vector<std::string> paths;
    while (!uriList.empty()) {
        std::size_t end = uriList.find('\n');
        std::string_view line = uriList.substr(0, end);
        uriList = end == std::string_view::npos ? std::string_view() : uriList.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        std::optional<std::string> path = localPathOf(line);
        if (!path)
            return std::nullopt;
        paths.push_back(std::move(*path));
    }
    if (paths.empty())
        return std::nullopt;
    return paths;
}

std::string droppedText(const std::vector<std::string>& paths) {
    if (paths.size() == 1)
        return paths.front();
    std::string text;
    for (const std::string& p : paths)
        text += p + "\r\n";
    return text;
}

} // namespace jiaoyan::ui
