#include "tables/row_listeners.h"

#include <algorithm>

namespace tv::tables {

RowSubscription::~RowSubscription() {
    Reset();
}

RowSubscription::RowSubscription(RowSubscription&& other) noexcept
    : list_(std::move(other.list_)), id_(other.id_) {
    other.list_.reset();
}

RowSubscription& RowSubscription::operator=(RowSubscription&& other) noexcept {
    if (this == &other) return *this;
    Reset();
    list_ = std::move(other.list_);
    id_ = other.id_;
    other.list_.reset();
    return *this;
}

void RowSubscription::Reset() {
    if (const auto list = list_.lock()) list->Unsubscribe(id_);
    list_.reset();
}

RowSubscription RowListeners::Subscribe(RowListener listener) {
    const int id = nextId_++;
    listeners_.push_back({id, std::make_shared<RowListener>(std::move(listener))});
    return RowSubscription(weak_from_this(), id);
}

void RowListeners::Unsubscribe(int id) {
    std::erase_if(listeners_, [id](const Entry& entry) { return entry.id == id; });
}

void RowListeners::NotifyAll(const RowEvent& event) const {
    // A listener may end its own or another's subscription while it is told:
    // the ones subscribed now are told, each only while still subscribed.
    const auto self = shared_from_this();
    const std::vector<Entry> now = listeners_;
    for (const Entry& entry : now) {
        const bool still = std::any_of(listeners_.begin(), listeners_.end(),
                                       [&](const Entry& e) { return e.id == entry.id; });
        if (still) (*entry.listener)(event);
    }
}

} // namespace tv::tables
