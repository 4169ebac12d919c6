#include "DigestSlot.h"

namespace jiaoyan::ui {

void DigestSlot::take(const FileReport& report, const std::string& path) {
    cancelBackground();
    m_list = report.digests;
    if (!m_list.empty())
        m_md2 = DigestTask::start(path, {DigestKind::Md2}, report.identity);
}

void DigestSlot::clear() {
    cancelBackground();
    m_list.clear();
}

void DigestSlot::collectMd2() {
    if (!m_md2 || !m_md2->isFinished())
        return;
    // A file changed since its report has no MD2: no verdict may mix two versions.
    FileReport md2 = m_md2->result();
    if (!m_list.empty())
        m_list[static_cast<std::size_t>(DigestKind::Md2)] =
            md2.digests.empty() ? std::string() : md2.digests.front();
    m_md2.reset();
}

void DigestSlot::cancelBackground() {
    if (m_md2)
        m_md2->cancel();
    m_md2.reset();
}

} // namespace jiaoyan::ui
