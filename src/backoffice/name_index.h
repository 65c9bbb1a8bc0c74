// The imports' test whether an article of a name exists: a stored name contains the given one
// once spaces, "." and "&" are taken out and case is ignored. Every line of an import asks it
// of every article, so the names are read once into one text, in id order, and searched there.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vandrix::store {
class Database;
}

namespace vandrix::backoffice {

class NameIndex {
  public:
    // Every article's name, the special articles included.
    static NameIndex read(store::Database& db);

    // The lowest id of an article whose name contains this one (comparableName form); an empty
    // name is in every name.
    std::optional<std::int64_t> firstContaining(std::string_view comparable) const;

    // An article added after the others (its id above theirs).
    void add(std::int64_t id, std::string_view name);

  private:
    std::string text_;  // "\n" before each name, so a match never spans two names
    std::vector<std::size_t> starts_;
    std::vector<std::int64_t> ids_;
};

}  // namespace vandrix::backoffice
