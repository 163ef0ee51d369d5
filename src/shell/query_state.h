// The decisions of one query, passed down from the driver to its steps.
#ifndef VELIMORA_SHELL_QUERY_STATE_H_
#define VELIMORA_SHELL_QUERY_STATE_H_

#include <string>

namespace velimora {

struct QueryState {
  std::string data_prefix;  // D
  char side = 'f';          // side letter C
  int comma = 0;            // comma count of the signs
  int level = 0;            // 0 plain, 1 Finnish analysis, 2 Danish analysis
  int mode = 0;             // display mode
  int number = -2;          // query number: −2 word, −3 code or Danish reverse, −1 Finnish
                            // reverse, 0 empty word, n a numbered code
  // Code flags of a code query ("o", "y", "n", "s").
  bool flag_o = false;
  bool flag_y = false;
  bool flag_n = false;
  bool flag_s = false;
  std::string key;
  // Lookup flags: u may also carry the level; v = 1 for a plain lookup; w = 1 for a retry.
  int u = 0;
  int v = 0;
  int w = 0;

  bool any_code_flag() const { return flag_y || flag_n || flag_s; }
};

}  // namespace velimora

#endif  // VELIMORA_SHELL_QUERY_STATE_H_
