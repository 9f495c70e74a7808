#include "inspect/ArrivedHead.h"
#include "inspect/Detector.h"

namespace kv::inspect {

Evidence::Evidence(const Download& d, std::string partPath, int dirFd)
    : d_(&d), partPath_(std::move(partPath)), dirFd_(dirFd), canRead_(true) {}

Evidence::Evidence(std::string_view name, std::string_view head, uint64_t size) : d_(&own_) {
    own_.name.assign(name);
    own_.hasName = true;
    own_.size = size;
    own_.hasSize = size != 0;
    head_.emplace(head);
    loaded_ = true;
}

Evidence::Evidence(const Download& d) : d_(&d) {}

const std::string* Evidence::Head() const {
    if (!loaded_) {
        loaded_ = true;
        if (canRead_ && d_->hasSize) head_ = ReadArrivedHeadAt(dirFd_, partPath_, d_->gaps, d_->size);
    }
    return head_ ? &*head_ : nullptr;
}

const ContentType& Evidence::Content() const {
    if (!content_) {
        const std::string* head = Head();
        content_ = head ? Sniff(*head) : ContentType{};
    }
    return *content_;
}

}  // namespace kv::inspect
