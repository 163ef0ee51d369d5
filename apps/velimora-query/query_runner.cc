#include "query_runner.h"

#include <ostream>

#include "shell/data_folder.h"
#include "shell/driver.h"
#include "shell/startup.h"
#include "text/codepage.h"

namespace velimora {
namespace {

// The prompt takes at most this many characters.
constexpr std::size_t kMaxQuery = 499;

}  // namespace

QueryRunner::QueryRunner(std::ostream& out, std::ostream& err, bool cp1252)
    : out_(out), err_(err), cp1252_(cp1252) {
  session_.frontend = this;
}

bool QueryRunner::start(const std::string& folder_utf8) {
  Result<std::string> prefix = data_prefix_of(folder_utf8);
  if (!prefix) {
    err_ << "velimora-query: " << prefix.error() << "\n";
    return false;
  }
  StartupReport report = go1(session_, *prefix, "");
  for (const std::string& e : report.errors) write(err_, "error: " + e + "\n");
  if (!report.ok) {
    err_ << "velimora-query: no dictionary data in " << folder_utf8
         << " (feu/fe.cns is missing); give the folder with --data DIR or VELIMORA_DATA\n";
    return false;
  }
  run_converted(" ");
  return true;
}

bool QueryRunner::run(const std::string& query) {
  std::string text = query;
  if (!cp1252_) {
    Result<std::string> converted = utf8_to_cp1252(query);
    if (!converted) {
      err_ << "velimora-query: query \"" << query << "\": " << converted.error() << "\n";
      return false;
    }
    text = *converted;
  }
  if (text.size() > kMaxQuery) text.resize(kMaxQuery);
  run_converted(text);
  return true;
}

void QueryRunner::run_converted(const std::string& query) {
  write(err_, query + "\n");
  std::optional<std::string> result = go2(session_, query);
  if (!result) return;
  // The first result after start-up follows a line break, as in the results window.
  std::string separator = session_.shell.endret4.take() ? "\n" : "";
  write(out_, separator + *result);
  out_.flush();
}

void QueryRunner::open_lexicon(const LexiconRequest& request) {
  std::string text = request.title + "\n" + request.text;
  if (text.empty() || text.back() != '\n') text += '\n';
  write(out_, text);
}

void QueryRunner::write(std::ostream& to, const std::string& cp1252_text) {
  to << (cp1252_ ? cp1252_text : cp1252_to_utf8(cp1252_text));
}

}  // namespace velimora
