// Sources of a made-up dictionary of full size, for benchmarks and load tests.
#ifndef VELIMORA_TOOLS_MKDATA_SYNTHETIC_H_
#define VELIMORA_TOOLS_MKDATA_SYNTHETIC_H_

#include "mkdata/sources.h"

namespace velimora::mkdata {

inline constexpr int kDefaultSyntheticLines = 300;

// Pseudo-Finnish and pseudo-Danish articles sized so that, once compiled, every list has its
// full part count and parts of about `lines_per_part` lines (the compound list c somewhat
// fewer, so that the index lists derived from it stay near the same size). The same number
// always gives the same sources.
Sources synthetic_sources(int lines_per_part);

}  // namespace velimora::mkdata

#endif  // VELIMORA_TOOLS_MKDATA_SYNTHETIC_H_
