#include "query_runner.h"

#include <ostream>

#include "json_output.h"
#include "shell/analysis_notice.h"
#include "shell/data_folder.h"
#include "shell/driver.h"
#include "shell/startup.h"
#include "text/codepage.h"

namespace velimora {

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
  for (const std::string& e : report.errors)
    write(err_, "error: " + e + "\n");
  startup_errors_ = !report.errors.empty();
  if (!report.ok) {
    err_ << "velimora-query: no dictionary data in " << folder_utf8
         << " (" << main_record_in_folder() << " is missing); give the folder with --data DIR or VELIMORA_DATA\n";
    return false;
  }
  starting_ = true;
  run_converted(" ", " ");
  starting_ = false;
  return true;
}

bool QueryRunner::run(const std::string& query) {
  std::string text = query;
  if (!cp1252_) {
    Result<std::string> converted = utf8_to_cp1252(query);
    if (!converted) {
      const std::string message =
          "query \"" + escape_invalid_utf8(query) + "\": " + converted.error();
      if (json_) out_ << json_line({escape_invalid_utf8(query), nullptr, {message}, {}}, false);
      err_ << "velimora-query: " << message << "\n";
      return false;
    }
    text = *converted;
  }
  run_converted(query, text);
  return true;
}

void QueryRunner::run_converted(const std::string& typed, const std::string& query) {
  if (json_ && !starting_) {
    windows_.clear();
    const std::optional<std::string> result = go2(session_, query);
    QueryResult r{typed, &session_.shown, {cp1252_to_utf8(query)}, windows_};
    for (const std::string& m : session_.shown.messages)
      r.messages.push_back(cp1252_to_utf8(m));
    if (const std::optional<std::string> notice = nothing_found_line(query, result)) {
      r.messages.push_back(cp1252_to_utf8(notice->substr(0, notice->size() - 1)));
    }
    out_ << json_line(r, cp1252_);
    out_.flush();
    return;
  }
  if (echo_) write(err_, std::string(within_query_limit(query)) + "\n");
  std::optional<std::string> result = go2(session_, query);
  for (const std::string& m : session_.shown.messages)
    write(err_, m + "\n");
  if (const std::optional<std::string> notice = nothing_found_line(query, result)) {
    write(err_, *notice);
  }
  if (!result || (json_ && starting_)) return;
  // The first result after start-up follows a line break, as in the results window.
  std::string separator = session_.shell.endret4.take() ? "\n" : "";
  write(out_, separator + *result);
  out_.flush();
}

void QueryRunner::open_lexicon(const LexiconRequest& request) {
  if (json_) {
    if (!starting_) windows_.push_back(request);
    return;
  }
  std::string text = request.title + "\n" + request.text;
  if (text.empty() || text.back() != '\n') text += '\n';
  write(out_, text);
}

void QueryRunner::write(std::ostream& to, const std::string& cp1252_text) {
  to << (cp1252_ ? cp1252_text : cp1252_to_utf8(cp1252_text));
}

}  // namespace velimora
