#include "platform/MappedFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <mutex>

#include "platform/linux/Stamp.h"

namespace kv {

namespace {

// The mappings a fault may hit, for the signal handler: it may take no lock,
// so a fixed table of address ranges. A mapping that finds no free slot is not
// made; the file is read instead.
struct GuardSlot {
    std::atomic<uintptr_t> begin{0}, end{0};
    std::atomic<uint32_t> faults{0};
};
constexpr size_t kGuardSlots = 256;
GuardSlot guardSlots[kGuardSlots];
struct sigaction beforeUs {};

// A read past the end of a file cut short while mapped raises SIGBUS. In a
// mapping of ours the page is replaced by one of zeros and the read goes on;
// the fault is counted for Changed(). Any other SIGBUS goes where it went before.
void OnBusError(int sig, siginfo_t* info, void* context) {
    const auto at = reinterpret_cast<uintptr_t>(info->si_addr);
    for (GuardSlot& slot : guardSlots) {
        const uintptr_t begin = slot.begin.load(std::memory_order_acquire);
        if (begin == 0 || at < begin || at >= slot.end.load(std::memory_order_acquire)) continue;
        const auto page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
        void* zeros = ::mmap(reinterpret_cast<void*>(at & ~(page - 1)), page, PROT_READ,
                             MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0);
        if (zeros == MAP_FAILED) break;
        slot.faults.fetch_add(1, std::memory_order_relaxed);
        return;
    }
    if ((beforeUs.sa_flags & SA_SIGINFO) && beforeUs.sa_sigaction) return beforeUs.sa_sigaction(sig, info, context);
    if (beforeUs.sa_handler != SIG_DFL && beforeUs.sa_handler != SIG_IGN) return beforeUs.sa_handler(sig);
    // The system's own end: the process stops as it would have without us.
    ::signal(SIGBUS, SIG_DFL);
    ::raise(SIGBUS);
}

void GuardMappings() {
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction action {};
        action.sa_sigaction = OnBusError;
        action.sa_flags = SA_SIGINFO | SA_RESTART;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGBUS, &action, &beforeUs);
    });
}

GuardSlot* TakeSlot(const char* p, size_t n) {
    for (GuardSlot& slot : guardSlots) {
        uintptr_t free = 0;
        // end first: a handler that sees begin sees its end.
        if (slot.end.load(std::memory_order_acquire) != 0) continue;
        if (!slot.end.compare_exchange_strong(free, reinterpret_cast<uintptr_t>(p) + n)) continue;
        slot.faults.store(0, std::memory_order_relaxed);
        slot.begin.store(reinterpret_cast<uintptr_t>(p), std::memory_order_release);
        return &slot;
    }
    return nullptr;
}

}  // namespace

struct FileBytes::Mapping {
    const char* data = nullptr;
    size_t size = 0;
    int fd = -1;  // kept open: the file mapped, asked whether it changed
    GuardSlot* slot = nullptr;
    ~Mapping() {
        slot->begin.store(0, std::memory_order_release);
        ::munmap(const_cast<char*>(data), size);
        slot->end.store(0, std::memory_order_release);
        ::close(fd);
    }
};

std::optional<FileBytes> FileBytes::Open(const std::string& path, uint64_t maxBytes, bool populate) {
    // Below this, reading costs less than setting up and tearing down a mapping.
    constexpr uint64_t kMappedFrom = uint64_t{1} << 20;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    const auto size = static_cast<uint64_t>(st.st_size);
    void* map = MAP_FAILED;
    GuardSlot* slot = nullptr;
    if (size >= kMappedFrom && size <= maxBytes && size < SIZE_MAX) {
        GuardMappings();
        map = ::mmap(nullptr, static_cast<size_t>(size), PROT_READ, MAP_PRIVATE | (populate ? MAP_POPULATE : 0), fd, 0);
        if (map != MAP_FAILED && !(slot = TakeSlot(static_cast<const char*>(map), static_cast<size_t>(size)))) {
            ::munmap(map, static_cast<size_t>(size));
            map = MAP_FAILED;
        }
    }
    if (map == MAP_FAILED) {
        ::close(fd);
        std::string bytes;
        if (!ReadFileInto(path, maxBytes, bytes)) return std::nullopt;
        FileBytes file(std::move(bytes));
        file.stamp_ = sys::StampOf(st);
        return file;
    }
    FileBytes file;
    file.stamp_ = sys::StampOf(st);
    auto mapping = std::make_shared<Mapping>();
    mapping->data = static_cast<const char*>(map);
    mapping->size = static_cast<size_t>(size);
    mapping->fd = fd;
    mapping->slot = slot;
    file.mapped_ = {mapping->data, mapping->size};
    file.mapping_ = std::move(mapping);
    return file;
}

bool FileBytes::Changed() const {
    if (!mapping_) return false;
    if (mapping_->slot->faults.load(std::memory_order_relaxed) != 0) return true;
    struct stat st {};
    if (::fstat(mapping_->fd, &st) != 0) return true;
    const FileStamp now = sys::StampOf(st);
    // Renamed over or removed, the file is no one's to write any more; its
    // change time moved only for the link it lost.
    if (st.st_nlink == 0) return now.size != stamp_.size || now.modified != stamp_.modified;
    return now != stamp_;
}

void FileBytes::Populate() const {
    // Page faults one by one cost more than asking for every page at once; an
    // older kernel without the request just takes the faults.
    if (mapping_) ::madvise(const_cast<char*>(mapped_.data()), mapped_.size(), MADV_POPULATE_READ);
}

void FileBytes::ReadHereAndThere() const {
    if (mapping_) ::madvise(const_cast<char*>(mapped_.data()), mapped_.size(), MADV_RANDOM);
}

}  // namespace kv
