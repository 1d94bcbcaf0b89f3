#include "app/lookup_list.h"

#include "app/qt_text.h"

namespace tv::app {

LookupList::LookupList(tables::Table& catalogue, LookupColumns columns)
    : catalogue_(catalogue), columns_(std::move(columns)) {
    for (catalogue_.First(); !catalogue_.Eof(); catalogue_.Next()) {
        Entry entry{catalogue_.GetBookmark(), {}};
        for (std::size_t i = 0; i < entry.values.size(); ++i)
            entry.values[i] = FromCp1252(catalogue_.AsString(columns_.fields[i]));
        entries_.push_back(std::move(entry));
    }
    catalogue_.First();
}

int LookupList::Find(const QString& code) const {
    const QString wanted = code.trimmed();
    if (wanted.isEmpty()) return -1;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].values[0].trimmed() == wanted) return static_cast<int>(i);
    return -1;
}

bool LookupList::PositionOn(const QString& code) {
    const int entry = Find(code);
    if (entry < 0) return false;
    catalogue_.GotoBookmark(entries_[static_cast<std::size_t>(entry)].record);
    return true;
}

} // namespace tv::app
