// Tables filled from the record files at start-up and only read afterwards.
#ifndef VELIMORA_TABLES_STARTUP_TABLES_H_
#define VELIMORA_TABLES_STARTUP_TABLES_H_

#include <string>

#include "tables/row_index.h"
#include "tables/table.h"

namespace velimora {

// One index row of kinds 0, 2 and 4 (`u0`, `u2`, `u4`): a segment of `length` characters
// whose texts are `first` and its stem `second`, a packed `code` and the `result` value.
struct IndexRow {
  int length = 0;
  int key = 0;
  std::string first;
  std::string second;
  int code = 0;
  int result = 0;
};

// One index row of every other kind (`u1`), which names its kind.
struct KindIndexRow {
  int length = 0;
  int kind = 0;
  int key = 0;
  std::string first;
  std::string second;
  int code = 0;
  int result = 0;
};

// A part of a word list that every search reads in full (`fi`).
struct FullPartRow {
  char letter = ' ';
  int part = 0;
};

// A compound junction rule (`x`, and `xd` for Danish).
struct JunctionRow {
  int length = 0;
  int cls = 0;
  std::string pattern;
  std::string junction;
  std::string marker;
};

// A reading-code translation (`nv`): (key, code − 900) gives the result.
struct ReadingCodeRow {
  int key = 0;
  int code = 0;
  int result = 0;
};

// The start position of a file in its viewer window (`pos`).
struct FilePositionRow {
  std::string file;
  int number = 0;
  int position = 0;
};

// The uses a Danish ending row serves (`du`): row key, inflection::DanishUse bits.
struct DanishUseRow {
  int key = 0;
  unsigned uses = 0;
  // The word endings the ending follows, comma-separated ("ig,som": billig-st, not vid-st);
  // empty for any word.
  std::string after;
  // The ending is read only on a word that stands alone, not on the last part of a compound
  // (a finite verb form: husdør is no hus + dø + -r).
  bool alone = false;
};

struct StartupTables {
  Table<IndexRow> u0;
  Table<KindIndexRow> u1;
  Table<IndexRow> u2;
  Table<IndexRow> u4;
  Table<FullPartRow> fi;
  Table<int> kh;  // upper bound of the analysis steps of one query
  Table<JunctionRow> x;
  Table<JunctionRow> xd;
  Table<ReadingCodeRow> nv;
  Table<FilePositionRow> pos;
  Table<DanishUseRow> du;
  // Look-up aids over the rows above, kept up to date by the functions of row_index.h.
  mutable RowIndex index;
};

// The fields the searches read of an index row, with the row's kind.
struct IndexRowFields {
  int kind;
  int key;
  const std::string& first;
  int code;
  int result;
};
inline IndexRowFields index_row_fields(const RowIndex::IndexEntry& e) {
  return {e.kind, e.key, e.first, e.code, e.result};
}

}  // namespace velimora

#endif  // VELIMORA_TABLES_STARTUP_TABLES_H_
