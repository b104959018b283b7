#pragma once
// Every table and column the program reads, as SQLite DDL with the indexes
// its lookups need. The data builder creates the databases from it.

#include <string_view>

#include "store/connection.h"

namespace velmora::store {

std::string_view SchemaSql(DataFile file);

}  // namespace velmora::store
