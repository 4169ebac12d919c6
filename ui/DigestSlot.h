#pragma once
#include "DigestList.h"
#include "DigestTask.h"

#include <memory>

namespace jiaoyan::ui {

// One page slot's digests: the list the verify button compares, and the MD2 that
// is still being made in the background for it.
class DigestSlot {
public:
    explicit DigestSlot(DigestList& list) : m_list(list) {}
    ~DigestSlot() { cancelBackground(); }

    DigestList& list() { return m_list; }

    // Takes a new drop's digests (MD2 to follow from `path`), or empties the slot
    // when the drop could not be read.
    void take(const FileReport& report, const std::string& path);
    void clear();

    bool md2Pending() const { return m_md2 != nullptr; }
    std::shared_ptr<DigestTask> md2Task() const { return m_md2; }
    // Puts the MD2 into the list once it has finished.
    void collectMd2();

    void cancelBackground();

private:
    DigestList& m_list;
    std::shared_ptr<DigestTask> m_md2;
};

} // namespace jiaoyan::ui
