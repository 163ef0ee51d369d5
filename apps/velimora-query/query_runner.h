// The command-line session: start-up, then queries in order, as the results window would
// receive them.
#ifndef VELIMORA_APPS_QUERY_RUNNER_H_
#define VELIMORA_APPS_QUERY_RUNNER_H_

#include <iosfwd>
#include <string>
#include <vector>

#include "session/session.h"

namespace velimora {

class QueryRunner : public Frontend {
 public:
  // `out` receives the results-window texts, `err` the message-window lines. With `cp1252`
  // both queries and output are Windows-1252 bytes, else UTF-8.
  QueryRunner(std::ostream& out, std::ostream& err, bool cp1252);

  // Each query's results as one JSON line on `out` (messages inside it) instead of text.
  void set_json(bool json) { json_ = json; }
  // Whether each query is repeated as a message line on `err` (not where the terminal has
  // already shown what was typed).
  void set_echo(bool echo) { echo_ = echo; }

  // The session, for front ends that run queries themselves (the table of a whole text).
  Session& session() { return session_; }

  // Loads the data folder and runs the empty start-up query. False when the folder has no
  // main record file (the reason is written to err).
  bool start(const std::string& folder_utf8);

  // True when start-up reported a record file that stopped loading or holds no records;
  // queries still run, but the program's exit status tells of the fault.
  bool startup_had_errors() const { return startup_errors_; }

  // Runs one query text (signs + word). False when the text cannot be written in
  // Windows-1252 (reported on err); the query is then not run.
  bool run(const std::string& query);

  void open_lexicon(const LexiconRequest& request) override;

 private:
  void run_converted(const std::string& typed, const std::string& query);
  void write(std::ostream& to, const std::string& cp1252_text);

  Session session_;
  std::ostream& out_;
  std::ostream& err_;
  bool cp1252_;
  bool json_ = false;
  bool echo_ = true;
  bool starting_ = false;
  std::vector<LexiconRequest> windows_;  // opened by the running query (JSON)
  bool startup_errors_ = false;
};

}  // namespace velimora

#endif  // VELIMORA_APPS_QUERY_RUNNER_H_
