#include "tables/record_registry.h"

#include <array>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "inflection/danish_paradigm.h"
#include "text/charclass.h"
#include "text/files.h"

namespace velimora {
namespace {

// The arguments of one record by position: an integer field's value in `integer`, a text
// field's text (a character field's one character) in `text`, viewing the line or the parsed
// record, or `unescaped` when the line's text holds escapes.
constexpr std::size_t kMaxFields = 8;
struct Args {
  std::array<int, kMaxFields> integer{};
  std::array<std::string_view, kMaxFields> text;
  std::array<std::string, kMaxFields> unescaped;
};

int int_at(const Args& a, std::size_t i) {
  return a.integer[i];
}
std::string text_at(const Args& a, std::size_t i) {
  return std::string(a.text[i]);
}
char char_at(const Args& a, std::size_t i) {
  return a.text[i][0];
}

IndexRow index_row(const Args& a) {
  return {int_at(a, 0), int_at(a, 1), text_at(a, 2), text_at(a, 3), int_at(a, 4), int_at(a, 5)};
}

JunctionRow junction_row(const Args& a) {
  return {int_at(a, 0), int_at(a, 1), text_at(a, 2), text_at(a, 3), text_at(a, 4)};
}

// The text of a `du` record: uses, blank-separated, at most one "after:" list of word
// endings ("comparison after:ig,som") and "alone" for an ending no compound ends in.
Result<DanishUseRow> danish_uses(int key, std::string_view names) {
  constexpr std::string_view kAfter = "after:";
  DanishUseRow row;
  row.key = key;
  unsigned& uses = row.uses;
  std::size_t at = 0;
  while (at < names.size()) {
    std::size_t end = names.find(' ', at);
    if (end == names.npos) end = names.size();
    if (end > at) {
      std::string_view name = names.substr(at, end - at);
      if (name == "alone") {
        row.alone = true;
      } else if (name.starts_with(kAfter) && name.size() > kAfter.size() && row.after.empty()) {
        row.after = name.substr(kAfter.size());
      } else if (std::optional<unsigned> use = inflection::danish_use_named(name)) {
        uses |= *use;
      } else {
        return Error{"no Danish ending use is named '" + std::string(name) + "'"};
      }
    }
    at = end + 1;
  }
  if (uses == 0) return Error{"a 'du' record names no use"};
  return row;
}

// A `du` record's uses are read once, for the check and the row alike.
Status add_du(StartupTables& t, const Args& a) {
  Result<DanishUseRow> uses = danish_uses(int_at(a, 0), a.text[1]);
  if (!uses) return Error{uses.error()};
  t.du.add(std::move(*uses));
  return Status();
}

// Makes room in the table for n more rows.
template <auto table>
void make_room(StartupTables& t, std::size_t n) {
  (t.*table).reserve((t.*table).size() + n);
}

// A start-up table: its record name, its fields (i integer, t text, c character), how a
// checked record is added, how room is made for more, and (for some) how a record whose
// values themselves can be wrong is checked and added in one go, in place of `add`.
struct RecordKind {
  std::string_view name;
  std::string_view fields;
  void (*add)(StartupTables&, const Args&);
  void (*make_room)(StartupTables&, std::size_t);
  Status (*add_if_valid)(StartupTables&, const Args&) = nullptr;
};

constexpr RecordKind kKinds[] = {
    {.name = "u0",
     .fields = "iittii",
     .add = [](StartupTables& t, const Args& a) { t.u0.add(index_row(a)); },
     .make_room = make_room<&StartupTables::u0>},
    {.name = "u1",
     .fields = "iiittii",
     .add =
         [](StartupTables& t, const Args& a) {
           t.u1.add({int_at(a, 0), int_at(a, 1), int_at(a, 2), text_at(a, 3), text_at(a, 4),
                     int_at(a, 5), int_at(a, 6)});
         },
     .make_room = make_room<&StartupTables::u1>},
    {.name = "u2",
     .fields = "iittii",
     .add = [](StartupTables& t, const Args& a) { t.u2.add(index_row(a)); },
     .make_room = make_room<&StartupTables::u2>},
    {.name = "u4",
     .fields = "iittii",
     .add = [](StartupTables& t, const Args& a) { t.u4.add(index_row(a)); },
     .make_room = make_room<&StartupTables::u4>},
    {.name = "fi",
     .fields = "ci",
     .add =
         [](StartupTables& t, const Args& a) {
           t.fi.add({char_at(a, 0), int_at(a, 1)});
         },
     .make_room = make_room<&StartupTables::fi>},
    {.name = "kh",
     .fields = "i",
     .add = [](StartupTables& t, const Args& a) { t.kh.add(int_at(a, 0)); },
     .make_room = make_room<&StartupTables::kh>},
    {.name = "x",
     .fields = "iittt",
     .add = [](StartupTables& t, const Args& a) { t.x.add(junction_row(a)); },
     .make_room = make_room<&StartupTables::x>},
    {.name = "xd",
     .fields = "iittt",
     .add = [](StartupTables& t, const Args& a) { t.xd.add(junction_row(a)); },
     .make_room = make_room<&StartupTables::xd>},
    {.name = "nv",
     .fields = "iii",
     .add =
         [](StartupTables& t, const Args& a) {
           t.nv.add({int_at(a, 0), int_at(a, 1), int_at(a, 2)});
         },
     .make_room = make_room<&StartupTables::nv>},
    {.name = "pos",
     .fields = "tii",
     .add =
         [](StartupTables& t, const Args& a) {
           t.pos.add({text_at(a, 0), int_at(a, 1), int_at(a, 2)});
         },
     .make_room = make_room<&StartupTables::pos>},
    {.name = "du",
     .fields = "it",
     .add = nullptr,
     .make_room = make_room<&StartupTables::du>,
     .add_if_valid = add_du},
};

Term::Kind kind_of(char field) {
  switch (field) {
    case 'i':
      return Term::Kind::kInteger;
    case 't':
      return Term::Kind::kText;
    default:
      return Term::Kind::kChar;
  }
}

std::string signature(const RecordKind& k) {
  std::string s = std::string(k.name) + "(";
  for (std::size_t i = 0; i < k.fields.size(); ++i) {
    if (i > 0) s += ", ";
    s += term_kind_name(kind_of(k.fields[i]));
  }
  return s + ")";
}

Status add_checked(StartupTables& tables, const RecordKind& k, const Args& args) {
  if (k.add_if_valid != nullptr) return k.add_if_valid(tables, args);
  k.add(tables, args);
  return Status();
}

// Whether a name is the name of `kind`: the names are a few letters, so comparing them here
// costs less than the call a comparison of two views makes.
bool names(const RecordKind* kind, std::string_view name) {
  if (kind == nullptr || kind->name.size() != name.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (kind->name[i] != name[i]) return false;
  }
  return true;
}

// The table of this record name; null for none.
const RecordKind* kind_named(std::string_view name) {
  for (const RecordKind& k : kKinds) {
    if (names(&k, name)) return &k;
  }
  return nullptr;
}

// The kinds of the last two record names looked up: the records of a file come in runs of one
// name, and the runs of two names may alternate (a `du` after every few `u0`).
class RecentKinds {
 public:
  const RecordKind* last() const { return last_; }
  const RecordKind* find(std::string_view name) {
    if (names(last_, name)) return last_;
    std::swap(last_, other_);
    if (!names(last_, name)) last_ = kind_named(name);
    return last_;
  }

 private:
  const RecordKind* last_ = nullptr;
  const RecordKind* other_ = nullptr;
};

// Reads a well-formed line of a known record name straight into args, field by field; null
// for anything else, which the full parse then reports.
const RecordKind* read_fields(std::string_view line, Args& args, RecentKinds& recent) {
  RecordCursor cursor(line);
  const RecordKind* kind = recent.last();
  if (kind == nullptr || !cursor.name_is(kind->name)) {
    std::string_view name;
    if (!cursor.name(name)) return nullptr;
    kind = recent.find(name);
  }
  if (kind == nullptr || !cursor.open()) return nullptr;
  const std::string_view fields = kind->fields;  // held here: the writes to args could alias it
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0 && !cursor.comma()) return nullptr;
    long long value = 0;
    char one = 0;
    bool ok = false;
    switch (fields[i]) {  // the letters of kind_of
      case 'i':
        ok = cursor.integer(value);
        args.integer[i] = static_cast<int>(value);
        break;
      case 't':
        ok = cursor.text(args.text[i], args.unescaped[i]);
        break;
      default:
        ok = cursor.character(one);
        args.unescaped[i].assign(1, one);
        args.text[i] = args.unescaped[i];
        break;
    }
    if (!ok) return nullptr;
  }
  return cursor.close() ? kind : nullptr;
}

}  // namespace

Status add_startup_record(StartupTables& tables, const Record& record) {
  const RecordKind* kind = kind_named(record.name);
  if (kind == nullptr) return Error{"no table is named '" + record.name + "'"};
  const RecordKind& k = *kind;
  if (record.args.size() != k.fields.size()) {
    return Error{"'" + record.name + "' takes " + std::to_string(k.fields.size()) + " arguments, " +
                 signature(k) + ", not " + std::to_string(record.args.size())};
  }
  for (std::size_t i = 0; i < k.fields.size(); ++i) {
    if (record.args[i].kind != kind_of(k.fields[i])) {
      return Error{"argument " + std::to_string(i + 1) + " of '" + record.name + "' is a " +
                   term_kind_name(record.args[i].kind) + "; expected " + signature(k)};
    }
  }
  Args args;
  for (std::size_t i = 0; i < k.fields.size(); ++i) {
    args.integer[i] = static_cast<int>(record.args[i].integer);
    args.text[i] = record.args[i].text;
  }
  return add_checked(tables, k, args);
}

namespace {

// The record name a line begins with (after blanks); empty for none. A count only: the parse
// proper checks the name.
std::string_view leading_name(std::string_view line) {
  std::size_t start = 0;
  while (start < line.size() && (line[start] == ' ' || line[start] == '\t'))
    ++start;
  std::size_t end = start;
  while (end < line.size() && (is_letter(line[end]) || is_digit(line[end]) || line[end] == '_')) {
    ++end;
  }
  return line.substr(start, end - start);
}

// Whether the line begins with the name of `kind` and a character that ends a name.
bool begins_with_name(std::string_view line, const RecordKind* kind) {
  if (kind == nullptr || line.size() < kind->name.size()) return false;
  const std::string_view head = line.substr(0, kind->name.size());
  if (!names(kind, head)) return false;
  if (line.size() == head.size()) return true;
  const char next = line[head.size()];
  return !(is_letter(next) || is_digit(next) || next == '_');
}

// Makes room in each table for the records the text names for it: a table grown a row at a
// time would move its rows again and again, and a short-lived program pays for every page that
// touches. A line of the name of the line before is counted without taking its name apart.
void make_room_for(std::string_view text, StartupTables& tables) {
  std::array<std::size_t, std::size(kKinds)> wanted{};
  RecentKinds recent;
  const char* at = text.data();
  const char* const end = at + text.size();
  while (at < end) {
    const void* newline = std::memchr(at, '\n', static_cast<std::size_t>(end - at));
    const char* const line_end = newline != nullptr ? static_cast<const char*>(newline) : end;
    const std::string_view line(at, static_cast<std::size_t>(line_end - at));
    const RecordKind* kind =
        begins_with_name(line, recent.last()) ? recent.last() : recent.find(leading_name(line));
    if (kind != nullptr) ++wanted[static_cast<std::size_t>(kind - kKinds)];
    at = line_end + 1;
  }
  for (std::size_t k = 0; k < std::size(kKinds); ++k) {
    if (wanted[k] > 0) kKinds[k].make_room(tables, wanted[k]);
  }
}

}  // namespace

Status load_startup_records(std::string_view path, StartupTables& tables) {
  int records = 0;
  Args args;  // reused for every line
  RecentKinds recent;
  Status s = load_record_lines(
      path,
      [&](std::string_view line) {
        ++records;
        if (const RecordKind* kind = read_fields(line, args, recent)) {
          return add_checked(tables, *kind, args);
        }
        Result<Record> r = parse_record(line);
        return r ? add_startup_record(tables, *r) : Status(Error{r.error()});
      },
      [&](std::string_view text) { make_room_for(text, tables); });
  if (s && records == 0) return Error{native_path(path) + ": byte 0 (line 1): holds no records"};
  return s;
}

}  // namespace velimora
