// Which record name fills which start-up table.
#ifndef VELIMORA_TABLES_RECORD_REGISTRY_H_
#define VELIMORA_TABLES_RECORD_REGISTRY_H_

#include <string_view>

#include "tables/startup_tables.h"
#include "text/records.h"
#include "text/status.h"

namespace velimora {

// Appends the record to its table. Fails, naming the reason, for an unknown record name or
// arguments that do not match the table's fields in number and kind.
Status add_startup_record(StartupTables& tables, const Record& record);

// `load_records` into the start-up tables. A file without a single record (empty, blank or
// cut off) is an error too: every record file the program reads is meant to fill a table.
Status load_startup_records(std::string_view path, StartupTables& tables);

}  // namespace velimora

#endif  // VELIMORA_TABLES_RECORD_REGISTRY_H_
