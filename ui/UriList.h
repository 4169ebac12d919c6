#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jiaoyan::ui {

// The local paths of a text/uri-list, percent-decoded byte for byte (names that
// are not UTF-8 survive). Nothing when the list is empty or names anything but a
// file on this machine: a drop of remote or mixed links is refused whole.
std::optional<std::vector<std::string>> localPathsFromUriList(std::string_view uriList);

// The one text a drop hands on: the path of one file, or every path followed by CRLF.
std::string droppedText(const std::vector<std::string>& paths);

} // namespace jiaoyan::ui
