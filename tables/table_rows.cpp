#include "tables/table_rows.h"

#include "tables/path_text.h"
#include "tables/table_data.h"
#include "tables/table_error.h"
#include "tables/user_text.h"

namespace tv::tables {

TableRows::TableRows(const Table& table) : data_(table.Data()) {
    if (!data_) throw TableError(TV_TEXT("Tablas", "La tabla no está abierta."));
}

FieldSlot TableRows::Field(std::string_view name) const {
    const int number = data_->FieldNumber(name);
    if (number < 0) throw MissingField(PathText(data_->Path().stem()), name);
    return {&data_->Fields()[static_cast<std::size_t>(number)]};
}

std::uint32_t TableRows::RecordCount() const {
    return data_->RecordCount();
}

const char* TableRows::Record(std::uint32_t recno) const {
    return data_->Record(recno);
}

const std::vector<std::uint32_t>& TableRows::Order(std::string_view fieldName) const {
    return data_->Index(fieldName).Order();
}

} // namespace tv::tables
