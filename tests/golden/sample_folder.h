// The small dictionary folder of the end-to-end tests: a few Finnish and Danish entries with
// their word lists, every list with all its parts and head file.
#ifndef VELIMORA_TESTS_GOLDEN_SAMPLE_FOLDER_H_
#define VELIMORA_TESTS_GOLDEN_SAMPLE_FOLDER_H_

#include "testing/list_folder.h"

namespace velimora::testing {

inline void fill_sample_folder(ListFolder& f) {
  f.part('i', 1,
         {"aamu  morgen | +lla om morgenen", "kala  fisk", "radio  radio",
          "talo  hus; bygning | +ssa i huset"});
  f.part('i', 2, {"tuli  ild"});
  f.part('t', 1, {"fisk 1 kala", "hus 1 talo | rakennus", "radio 1 radio"});
  f.part('o', 1, {"aamu i1,1 0", "kala i1,2 0", "radio i1,3 0", "talo i1,4 0", "talo i1,4 2"});
  f.part('o', 2, {"tuli i2,1 0"});
  f.part('s', 1, {"kala t1,1 0", "radio t1,3 0", "sauna t1,2 2", "talo t1,2 1"});
  f.part('n', 1, {"fisk t1,1 0", "hus t1,2 0", "radio t1,3 0"});
  f.part('y', 1, {"fisk i1,2 0", "hus i1,4 1", "morgen i1,1 0", "radio i1,3 0"});
  f.part('a', 1, {"alak", "ilut", "oidar", "olat", "umaa"});
  f.part('b', 1, {"ksif", "oidar", "suh"});
  f.write();
}

}  // namespace velimora::testing

#endif  // VELIMORA_TESTS_GOLDEN_SAMPLE_FOLDER_H_
