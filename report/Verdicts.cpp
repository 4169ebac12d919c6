#include "Verdicts.h"

#include "Hex.h"

namespace jiaoyan {

Verdict compareDigestLists(const DigestList& file1, const DigestList& file2) {
    if (file1.empty() || file2.empty())
        return Verdict::NeedFiles;
    return file1 == file2 ? Verdict::Match : Verdict::Mismatch;
}

const char* compareText(Verdict v) {
    switch (v) {
    case Verdict::NeedFiles: return kDropFirst;
    case Verdict::Match: return kFilesSame;
    case Verdict::Mismatch: return kFilesDiffer;
    }
    return kDropFirst;
}

std::string normalisedKnownValue(const std::string& text) {
    const char* blanks = " \t\r\n";
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    std::size_t last = text.find_last_not_of(blanks);
    return asciiLower(text.substr(first, last - first + 1));
}

Verdict checkKnownValue(const DigestList& list, int index, const std::string& known) {
    if (list.empty() || list.size() > kDigestCount)
        return Verdict::NeedFiles;
    if (index < 0 || static_cast<std::size_t>(index) >= list.size())
        return Verdict::Mismatch;
    return asciiLower(list[static_cast<std::size_t>(index)]) == normalisedKnownValue(known)
               ? Verdict::Match
               : Verdict::Mismatch;
}

const char* checkText(Verdict v) {
    switch (v) {
    case Verdict::NeedFiles: return kDropFirst;
    case Verdict::Match: return kCheckPassed;
    case Verdict::Mismatch: return kCheckFailed;
    }
    return kDropFirst;
}

} // namespace jiaoyan
