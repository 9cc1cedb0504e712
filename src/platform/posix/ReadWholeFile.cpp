// Reading a dictionary on POSIX systems, for the command-line tool and the native tests.
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <new>
#include <stdexcept>
#include <string>

#include "dictionary/Error.h"
#include "dictionary/FileBytes.h"
#include "platform/FileReading.h"
#include "platform/posix/OpenForReading.h"

// A 32-bit build measures files of 2 GB or more only with _FILE_OFFSET_BITS=64 (set by CMakeLists.txt);
// without it fstat fails on them instead of letting them be refused for their size.
static_assert(sizeof(off_t) == 8, "64-bit file offsets are needed");

namespace dd {
namespace {

// What has no size to go by (pipes, and files of the proc file system, which say they are empty) is read
// until its end. One longer than a string can hold (about 2 GB in 32 bits) is refused as one larger than
// memory.
FileBytes ReadStream(int fd) {
    std::string content;
    char chunk[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR) continue;
            ThrowErrno();
        }
        if (got == 0) break;
        content.append(chunk, static_cast<size_t>(got));
    }
    return FileBytes(std::move(content));
}

// One block of memory for the whole file. Big files get transparent huge pages where the system
// offers them: a 200 MB file then costs a hundred page faults instead of fifty thousand.
// The block is counted against the memory the system can promise (no MAP_NORESERVE), so a file larger
// than that is refused here, before it is read, as Windows refuses to commit the memory for it;
// otherwise it would be read until the system killed the process.
// The size is worked out in 64 bits: in a 32-bit build a file of nearly 4 GB or more does not fit in
// the address space and is refused the same way, before its size can wrap round to a small block.
FileBytes AllocateBytes(uint64_t fileSize) {
    constexpr size_t kHugePage = size_t{2} << 20;
    const uint64_t wanted = (fileSize / kHugePage + 2) * kHugePage;  // room to align the start to a huge page
    if (wanted != static_cast<size_t>(wanted)) throw IoError(kIoNotEnoughMemory);
    const auto size = static_cast<size_t>(fileSize);
    const auto length = static_cast<size_t>(wanted);
    void* mapped = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw IoError(kIoNotEnoughMemory);
    const auto address = reinterpret_cast<uintptr_t>(mapped);
    char* aligned = reinterpret_cast<char*>((address + kHugePage - 1) & ~(kHugePage - 1));
    ::madvise(aligned, length - static_cast<size_t>(aligned - static_cast<char*>(mapped)), MADV_HUGEPAGE);
    return FileBytes(aligned, size, [mapped, length] { ::munmap(mapped, length); });
}

FileBytes ReadRegularFile(int fd, uint64_t fileSize, const ReadProgress& progress) {
    FileBytes bytes = AllocateBytes(fileSize);
    const size_t size = bytes.Size();
    size_t got = 0;
    while (got < size) {
        const ssize_t count = ::read(fd, bytes.Data() + got, std::min(size - got, kReadStretch));
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) ThrowErrno();
        if (count == 0) break;  // the file is shorter than it said: take what is there
        got += static_cast<size_t>(count);
        if (progress) progress({bytes.Data(), got});
    }
    if (got == size) return bytes;
    return FileBytes::Copy({bytes.Data(), got});
}

}  // namespace

FileBytes ReadWholeFile(const std::string& path, const ReadProgress& progress) {
    struct stat status {};
    FileDescriptor file = OpenForReading(path, status);
    FileBytes bytes;
    try {
        bytes = S_ISREG(status.st_mode) && status.st_size > 0
                    ? ReadRegularFile(file.Get(), static_cast<uint64_t>(status.st_size), progress)
                    : ReadStream(file.Get());
    } catch (const std::bad_alloc&) {
        throw IoError(kIoNotEnoughMemory);
    } catch (const std::length_error&) {  // a string grown past its largest size
        throw IoError(kIoNotEnoughMemory);
    }
    if (!file.Close()) ThrowErrno();
    return bytes;
}

}  // namespace dd
