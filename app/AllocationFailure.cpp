// Every allocation of the program goes through here: one that fails reaches the
// fatal report with the number of bytes asked for, instead of an exception no one
// catches. Not built with the sanitizers, which bring allocators of their own.
#include "FatalError.h"

#include <cstdlib>
#include <new>

namespace {

void* allocateOrReport(std::size_t size) {
    if (size == 0)
        size = 1;
    if (void* p = std::malloc(size))
        return p;
    static thread_local bool failing = false;
    if (failing)
        std::_Exit(-1); // the report itself could not allocate
    failing = true;
    jiaoyan::app::reportFatalError(jiaoyan::app::allocationFailureMessage(size), 0, 0, 0);
}

} // namespace

void* operator new(std::size_t size) { return allocateOrReport(size); }
void* operator new[](std::size_t size) { return allocateOrReport(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size ? size : 1);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
