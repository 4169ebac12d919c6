#pragma once
// The verification pages' decisions, shared by the window and the command line.
#include "DigestList.h"

#include <string>

namespace jiaoyan {

inline constexpr const char* kDropFirst = "请先拖入文件!";
inline constexpr const char* kFilesSame = "文件1和文件2的文件校验信息相同! ";
inline constexpr const char* kFilesDiffer = "文件1和文件2的文件校验信息不同! 谨防假冒文件!";
inline constexpr const char* kCheckPassed = "校验成功! 文件信息与已知内容相同!";
inline constexpr const char* kCheckFailed = "校验失败! 文件信息与已知内容不相同!";

enum class Verdict { NeedFiles, Match, Mismatch };

// Two files: all six entries equal, byte for byte.
Verdict compareDigestLists(const DigestList& file1, const DigestList& file2);
const char* compareText(Verdict v);

// A known value against the entry at `index`. A pasted value keeps blanks, tabs and
// line breaks around it, and digests are published in either case: both are ignored,
// nothing else is.
Verdict checkKnownValue(const DigestList& list, int index, const std::string& known);
const char* checkText(Verdict v);

// The known value as compared: surrounding white space trimmed, ASCII letters lowered.
std::string normalisedKnownValue(const std::string& text);

} // namespace jiaoyan
