// Feeds arbitrary bytes to the application file reader. Besides the sanitizers' findings it
// stops on three faults: a read that allocates far more than the input's size, an accepted
// file whose saved form does not read back, and a saved form that changes when saved again.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <span>
#include <string>

#include "model/document.h"
#include "model/document_serialize.h"

namespace {

// Live and peak heap bytes while a read runs. Each block carries its size in front.
struct HeapWatch {
    bool active = false;
    std::size_t live = 0;
    std::size_t peak = 0;
};
HeapWatch watch;

constexpr std::size_t kHeader = alignof(std::max_align_t);

void* Allocate(std::size_t size) {
    void* block = std::malloc(size + kHeader);
    if (block == nullptr) {
        return nullptr;
    }
    *static_cast<std::size_t*>(block) = size;
    if (watch.active) {
        watch.live += size;
        if (watch.live > watch.peak) {
            watch.peak = watch.live;
        }
    }
    return static_cast<char*>(block) + kHeader;
}

void Release(void* p) {
    if (p == nullptr) {
        return;
    }
    void* block = static_cast<char*>(p) - kHeader;
    const std::size_t size = *static_cast<std::size_t*>(block);
    if (watch.active) {
        watch.live = size > watch.live ? 0 : watch.live - size;
    }
    std::free(block);
}

void* AllocateOrThrow(std::size_t size) {
    if (void* p = Allocate(size)) {
        return p;
    }
    throw std::bad_alloc();
}

// A generous bound for "a small multiple of the input": the smallest stored object record is
// 11 bytes and its model record about 200.
constexpr std::size_t kBytesPerInputByte = 32;
constexpr std::size_t kFixedAllowance = 64 * 1024;

}  // namespace

void* operator new(std::size_t size) {
    return AllocateOrThrow(size);
}
void* operator new[](std::size_t size) {
    return AllocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void operator delete(void* p) noexcept {
    Release(p);
}
void operator delete[](void* p) noexcept {
    Release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    Release(p);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lumora::CLumoraDoc doc;
    watch = HeapWatch{true, 0, 0};
    const auto error = lumora::ReadDocument(std::span(data, size), doc);
    watch.active = false;
    if (watch.peak > kBytesPerInputByte * size + kFixedAllowance) {
        std::fprintf(stderr, "reading %zu bytes took %zu bytes of heap\n", size, watch.peak);
        std::abort();
    }
    if (error) {
        return 0;
    }

    const std::string once = lumora::SerializeDocument(doc);
    lumora::CLumoraDoc again;
    if (const auto reread = lumora::ReadDocument(once, again)) {
        std::fprintf(stderr, "a saved file does not read back: %s at %zu\n", reread->reason.c_str(),
                     reread->offset);
        std::abort();
    }
    if (lumora::SerializeDocument(again) != once) {
        std::fprintf(stderr, "saving a reloaded file changed its bytes\n");
        std::abort();
    }
    return 0;
}
