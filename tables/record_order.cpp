#include "tables/index_key.h"
#include "tables/key_sorter.h"
#include "tables/table_data.h"

#include <algorithm>
#include <cstring>

namespace tv::tables {
namespace {

// Types without an index key of their own sort by their raw bytes.
char KeyTypeFor(char fieldType) {
    switch (fieldType) {
    case 'N':
    case 'F':
        return 'N';
    case 'D':
    case 'I':
    case '+':
    case 'O':
    case '@':
        return fieldType;
    default:
        return 'C';
    }
}

// Packed decimals and dates have keys of their own size; the others are as
// long as the field.
std::size_t KeyLengthFor(const DbfField& field, char keyType) {
    if (keyType == 'N') return 12;
    if (keyType == 'D') return 8;
    return static_cast<std::size_t>(field.length);
}

} // namespace

RecordOrder::RecordOrder(const DbfField& field, int fieldNumber)
    : field_(field), fieldNumber_(fieldNumber), keyType_(KeyTypeFor(field.type)),
      keyLength_(KeyLengthFor(field, keyType_)) {}

void RecordOrder::MakeKey(const char* record, char* key) const {
    const char* bytes = record + field_.offset;
    if (field_.type == 'C') {
        // NUL read as blank, as MakeIndexKey does, without a string per key.
        std::memcpy(key, bytes, keyLength_);
        if (std::memchr(key, '\0', keyLength_)) std::replace(key, key + keyLength_, '\0', ' ');
    } else if (keyType_ != 'N' && keyType_ != 'D') {
        std::memcpy(key, bytes, keyLength_); // stored byte-sortable already
    } else {
        const std::string made = MakeIndexKey(field_.type, {bytes, static_cast<std::size_t>(field_.length)});
        std::memcpy(key, made.data(), keyLength_);
    }
}

void RecordOrder::Build(const char* records, std::size_t recordLength, std::uint32_t count) {
    keys_.resize(count * keyLength_);
    if (field_.type == 'C' && count > 0) {
        // The bytes of every key first, then the NULs of all of them read as
        // blanks at once: rarely any, and one search of the whole is cheaper
        // than one per key.
        const char* field = records + field_.offset;
        char* key = keys_.data();
        // Keys of 8 to 16 bytes (most tags) as two overlapping moves of 8,
        // without a call for each few bytes.
        if (keyLength_ >= 8 && keyLength_ <= 16) {
            const std::size_t tail = keyLength_ - 8;
            for (std::uint32_t r = 0; r < count; ++r, key += keyLength_, field += recordLength) {
                std::memcpy(key, field, 8);
                std::memcpy(key + tail, field + tail, 8);
            }
        } else {
            for (std::uint32_t r = 0; r < count; ++r, key += keyLength_, field += recordLength)
                std::memcpy(key, field, keyLength_);
        }
        if (std::memchr(keys_.data(), '\0', keys_.size()))
            std::replace(keys_.begin(), keys_.end(), '\0', ' ');
    } else {
        for (std::uint32_t r = 0; r < count; ++r)
            MakeKey(records + r * recordLength, keys_.data() + r * keyLength_);
    }
    order_ = SortKeys(keys_.data(), keyLength_, count, keyType_);
    sortedCount_ = order_.size();
}

void RecordOrder::Add(std::uint32_t recno, const char* record) {
    keys_.resize(keys_.size() + keyLength_);
    MakeKey(record, keys_.data() + (recno - 1) * keyLength_);
    order_.push_back(recno);
    // Rows appended in key order keep the order sorted without any work.
    if (sortedCount_ + 1 == order_.size() && (sortedCount_ == 0 || Less(order_[sortedCount_ - 1], recno)))
        ++sortedCount_;
}

void RecordOrder::Update(std::uint32_t recno, const char* record) {
    std::string key(keyLength_, ' ');
    MakeKey(record, key.data());
    if (key == KeyOf(recno)) return;
    Settle();
    // Move the one entry: out at its old key, in at its new one.
    const auto old = order_.begin() + static_cast<std::ptrdiff_t>(PositionOf(recno));
    order_.erase(old);
    std::memcpy(keys_.data() + (recno - 1) * keyLength_, key.data(), keyLength_);
    const auto at = std::lower_bound(order_.begin(), order_.end(), recno,
                                     [this](std::uint32_t a, std::uint32_t b) { return Less(a, b); });
    order_.insert(at, recno);
    sortedCount_ = order_.size();
}

bool RecordOrder::Less(std::uint32_t a, std::uint32_t b) const {
    const int c = CompareIndexKeys(keyType_, KeyOf(a), KeyOf(b));
    return c != 0 ? c < 0 : a < b;
}

void RecordOrder::Settle() {
    if (sortedCount_ == order_.size()) return;
    const auto less = [this](std::uint32_t a, std::uint32_t b) { return Less(a, b); };
    // A few rows appended between searches: put each in its place rather than
    // merge the whole order again.
    if (order_.size() - sortedCount_ <= 8) {
        while (sortedCount_ < order_.size()) {
            const std::uint32_t recno = order_[sortedCount_];
            const auto end = order_.begin() + static_cast<std::ptrdiff_t>(sortedCount_);
            const auto at = std::upper_bound(order_.begin(), end, recno, less);
            std::move_backward(at, end, end + 1);
            *at = recno;
            ++sortedCount_;
        }
        return;
    }
    const auto middle = order_.begin() + static_cast<std::ptrdiff_t>(sortedCount_);
    std::sort(middle, order_.end(), less);
    std::inplace_merge(order_.begin(), middle, order_.end(), less);
    sortedCount_ = order_.size();
}

const std::vector<std::uint32_t>& RecordOrder::Order() {
    Settle();
    return order_;
}

std::size_t RecordOrder::PositionOf(std::uint32_t recno) {
    Settle();
    const auto it = std::lower_bound(order_.begin(), order_.end(), recno,
                                     [this](std::uint32_t a, std::uint32_t b) { return Less(a, b); });
    return static_cast<std::size_t>(it - order_.begin());
}

std::size_t RecordOrder::LowerBound(std::string_view key) {
    Settle();
    const auto it =
        std::lower_bound(order_.begin(), order_.end(), key, [this](std::uint32_t a, std::string_view k) {
            return CompareIndexKeys(keyType_, KeyOf(a), k) < 0;
        });
    return static_cast<std::size_t>(it - order_.begin());
}

std::size_t RecordOrder::UpperBound(std::string_view key) {
    Settle();
    const auto it =
        std::upper_bound(order_.begin(), order_.end(), key, [this](std::string_view k, std::uint32_t a) {
            return CompareIndexKeys(keyType_, k, KeyOf(a)) < 0;
        });
    return static_cast<std::size_t>(it - order_.begin());
}

std::vector<IndexEntry> RecordOrder::Entries() {
    Settle();
    std::vector<IndexEntry> entries;
    entries.reserve(order_.size());
    for (const std::uint32_t recno : order_)
        entries.emplace_back(std::string(KeyOf(recno)), recno);
    return entries;
}

} // namespace tv::tables
