// Who wants to know when rows change: a table's rows (every cursor's posts,
// a builder's rows handed back) and each cursor (its own edit buffer, its
// moves, the set of rows it shows) keep a list of plain callbacks. A listener
// stays subscribed while its RowSubscription lives; the list may go first
// (the table closed), and then the subscription ends by itself.
//
// Nothing is paid while no one listens: Notify on an empty list is a test of
// one pointer, and the bulk building path never notifies row by row.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace tv::tables {

enum class RowChange {
    Appended, // `record` was added to the table
    Changed,  // the stored bytes of `record` changed (a delete marks it too)
    Reset,    // the rows or the order shown are others now: read them all again
    Edited,   // the cursor's unposted record changed (a field set, an edit dropped)
    Moved,    // the cursor stands on another record (`record`, 0 when none)
};

struct RowEvent {
    RowChange change = RowChange::Reset;
    std::uint32_t record = 0; // 1-based; 0 when the change names no record

    bool operator==(const RowEvent&) const = default;
};

using RowListener = std::function<void(const RowEvent&)>;

class RowListeners;

// Unsubscribes when destroyed or reset.
class RowSubscription {
  public:
    RowSubscription() = default;
    ~RowSubscription();
    RowSubscription(RowSubscription&& other) noexcept;
    RowSubscription& operator=(RowSubscription&& other) noexcept;
    RowSubscription(const RowSubscription&) = delete;
    RowSubscription& operator=(const RowSubscription&) = delete;

    void Reset();
    bool Active() const { return !list_.expired(); }

  private:
    friend class RowListeners;
    RowSubscription(std::weak_ptr<RowListeners> list, int id) : list_(std::move(list)), id_(id) {}

    std::weak_ptr<RowListeners> list_;
    int id_ = 0;
};

// Held through a shared_ptr, so that subscriptions can tell whether it is still there.
class RowListeners : public std::enable_shared_from_this<RowListeners> {
  public:
    RowSubscription Subscribe(RowListener listener);
    bool Empty() const { return listeners_.empty(); }
    // Calls every listener; one may subscribe or unsubscribe others meanwhile.
    void Notify(const RowEvent& event) const {
        if (!listeners_.empty()) NotifyAll(event);
    }

  private:
    friend class RowSubscription;
    void Unsubscribe(int id);
    void NotifyAll(const RowEvent& event) const;

    struct Entry {
        int id;
        std::shared_ptr<RowListener> listener;
    };
    std::vector<Entry> listeners_;
    int nextId_ = 1;
};

} // namespace tv::tables
