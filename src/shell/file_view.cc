#include "shell/file_view.h"

#include "datafolder/layout.h"
#include "lookup/article_text.h"
#include "session/data_files.h"
#include "session/output_buffer.h"
#include "text/files.h"
#include "text/format.h"
#include "text/primitives.h"
#include "text/word_helpers.h"

namespace velimora {
namespace {

// Lines of a file view given with the file number ("i12,40") lie in 1 … 999.
constexpr int kMaxViewLine = 999;

// The list letters a file view accepts as typed.
constexpr std::string_view kViewLetters = "iocsaqtnryb";

// `forklar`: the description of a list in the window title.
struct ListDescription {
  char letter;
  std::string_view text;
};
constexpr ListDescription kDescriptions[] = {
    {'i', "  I = Finnish-Danish dictionary"},  {'o', "  Finnish words in I"},
    {'c', "  Finnish compounds in I"},         {'m', "  second part of Finnish compounds"},
    {'s', "  Finnish words in the text of T"}, {'a', "  reverse Finnish word list"},
    {'t', "  T = Danish-Finnish dictionary"},  {'n', "  Danish words in T"},
    {'r', "  Danish compounds in T"},          {'j', "  second part of Danish compounds"},
    {'y', "  Danish words in the text of I"},  {'b', "  reverse Danish word list"},
};

// A whole number written in digits only (no sign, no blanks) that fits an int.
std::optional<int> digits_number(std::string_view s) {
  if (s.empty()) return std::nullopt;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  return text_to_int(s);
}

}  // namespace

std::optional<ViewNumber> vnn(std::string_view rest) {
  Cut comma = glang0(rest, ',');
  if (rest.find(',') != std::string_view::npos && digits_number(comma.front)) {
    std::optional<int> line = digits_number(comma.rest);
    if (line && *line >= 1 && *line <= kMaxViewLine) {
      return ViewNumber{std::string(comma.front), *line};
    }
  }
  if (!has_token(rest)) return ViewNumber{"", 0};
  if (digits_number(rest)) return ViewNumber{std::string(rest), 0};
  return std::nullopt;
}

std::optional<ViewFile> filf(const Session& s, char typed, std::string_view rest) {
  const WordList* list = list_by_display(typed);
  std::optional<int> number = digits_number(rest);
  if (list != nullptr && number) {
    const LastLineRow* last = s.q.lqn.find(
        [&](const LastLineRow& r) { return r.letter == list->letter && r.part == *number; });
    if (last != nullptr) return ViewFile{list->letter, std::string(rest), last->line};
  }
  if (kViewLetters.find(typed) == std::string_view::npos) return std::nullopt;
  std::optional<ViewNumber> view = vnn(rest);
  if (!view) return std::nullopt;
  return ViewFile{typed, std::move(view->number), view->line};
}

std::string forklar(char letter, std::string_view number) {
  if (number == "0") {
    return format_text(" = index file; line no. N = first line in file %0%",
                       {Char{letter}, Char{'N'}});
  }
  for (const ListDescription& d : kDescriptions) {
    if (d.letter == letter) return std::string(d.text);
  }
  return "";
}

std::string u2l(int line) {
  return line == 0 ? std::string() : format_text(",%", {static_cast<long long>(line)});
}

long fpos(Session& s, std::string_view data_prefix, std::string_view name, int line) {
  if (line == 0) {
    std::string_view relative = name.substr(std::min(data_prefix.size(), name.size()));
    const FilePositionRow* row = s.startup.pos.find([&](const FilePositionRow& r) {
      return r.number == 0 && (r.file == name || r.file == relative);
    });
    return row != nullptr ? row->position : 0;
  }
  std::shared_ptr<const CachedFile> file = s.files.get(name);
  if (line < 0 || file == nullptr || static_cast<std::size_t>(line) > file->line_count()) return 0;
  // Each line break before the line counts as one character, whether it is LF or CR LF.
  long position = 0;
  for (std::size_t i = 1; i < static_cast<std::size_t>(line); ++i) {
    position += static_cast<long>(file->line(i).size()) + 1;
  }
  return position;
}

bool show_file_view(Session& s, int /*mode*/, int level, std::string_view data_prefix,
                    std::string_view key) {
  if (key.empty()) return false;
  std::optional<ViewFile> view = filf(s, key[0], key.substr(1));
  if (!view) return false;
  const std::string name =
      part_file_name(data_prefix, view->letter, std::string_view(view->number));
  if (!file_exists(name)) return false;
  Result<std::string> text = read_whole_file(name);
  if (!text) return false;
  const std::string title =
      format_text(" dictionary : %0%0%0%", {Char{view->letter}, std::string_view(view->number),
                                            std::string_view(u2l(view->line)),
                                            std::string_view(forklar(view->letter, view->number))});
  const long position = fpos(s, data_prefix, name, view->line);
  if (s.frontend != nullptr) {
    s.frontend->open_lexicon({std::move(*text), static_cast<int>(position + 1), level, title});
  }
  return true;
}

std::optional<LineReferenceKey> line_reference_key(std::string_view key) {
  if (key.empty() || (key[0] != 'i' && key[0] != 't')) return std::nullopt;
  StopSplit cut = genk(key.substr(1), ";:", "");
  if (cut.stop.empty()) return std::nullopt;
  std::optional<int> file = digits_number(cut.before);
  Cut line_and_sense = glang0(cut.after, '_');
  std::optional<int> line = digits_number(line_and_sense.front);
  if (!file || *file <= 0 || !line || *line <= 0) return std::nullopt;
  std::optional<int> sense = digits_number(line_and_sense.rest);
  return LineReferenceKey{key[0], *file, *line, sense && *sense > 0 ? *sense : 0};
}

bool show_line_reference(Session& s, std::string_view data_prefix, std::string_view key) {
  std::optional<LineReferenceKey> ref = line_reference_key(key);
  if (!ref) return false;
  const std::string name = part_file_name(data_prefix, ref->letter, ref->file);
  if (!file_exists(name)) return false;
  const std::string line = les(s, name, ref->line).line;
  std::optional<std::string> text =
      find3(s, 0, 0, {ref->letter, ref->file, ref->line, ref->sense}, line);
  s.q.endret0.clear();
  sus(s, text.value_or(""), "\n\n");
  return true;
}

}  // namespace velimora
