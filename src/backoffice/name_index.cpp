// The article names of the imports' name test.
#include "backoffice/name_index.h"

#include <algorithm>
#include <functional>

#include "backoffice/csv_line.h"
#include "store/database.h"

namespace vandrix::backoffice {

NameIndex NameIndex::read(store::Database& db) {
    NameIndex index;
    auto q = db.query("select id,nume from articol order by id;");
    while (q.next())
        index.add(q.integer(0), q.text(1));
    return index;
}

void NameIndex::add(std::int64_t id, std::string_view name) {
    text_.push_back('\n');
    starts_.push_back(text_.size());
    ids_.push_back(id);
    text_ += comparableName(name);
}

std::optional<std::int64_t> NameIndex::firstContaining(std::string_view comparable) const {
    if (ids_.empty())
        return std::nullopt;
    if (comparable.empty())
        return ids_.front();
    auto found =
        std::search(text_.begin(), text_.end(),
                    std::boyer_moore_horspool_searcher(comparable.begin(), comparable.end()));
    if (found == text_.end())
        return std::nullopt;
    const auto at = static_cast<std::size_t>(found - text_.begin());
    const auto name = std::upper_bound(starts_.begin(), starts_.end(), at) - starts_.begin() - 1;
    return ids_[static_cast<std::size_t>(name)];
}

}  // namespace vandrix::backoffice
