#include "tables/query_tables.h"

namespace velimora {

void QueryTables::clear_lookup_tables() {
  nr.clear();
  dl.clear();
  dlx.clear();
  ns.clear();
  nq.clear();
  nt.clear();
  sn.clear();
  sf.clear();
  p12.clear();
  stt.clear();
  tn.clear();
  ntt.clear();
  lqn.clear();
  ntq1.clear();
  sl.clear();
  sk.clear();
  sm.clear();
  skr.clear();
}

}  // namespace velimora
