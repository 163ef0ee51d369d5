// The output run: accepted hits become result text.
#ifndef VELIMORA_LOOKUP_OUTPUT_RUN_H_
#define VELIMORA_LOOKUP_OUTPUT_RUN_H_

#include <string_view>

#include "session/session.h"

namespace velimora {

// Whether the analysis blocks of a query come before or after its articles.
enum class Order { kArticlesFirst, kAnalysesFirst };

// `fit`: writes the articles of the accepted `f4` hits and the analysis blocks of `f2` to the
// output buffer, consuming them. `flag` is the display gate's output flag.
void fit(Session& s, int mode, std::string_view data_prefix, char side, int flag,
         std::string_view key, char letter, Order order = Order::kArticlesFirst);

// Stage 2 of `fit`: the analysis blocks of `f2`, each with its analysis lines and reference
// lists (`skrst`).
void write_analysis_blocks(Session& s, std::string_view data_prefix, char side, int flag,
                           std::string_view key);

}  // namespace velimora

#endif  // VELIMORA_LOOKUP_OUTPUT_RUN_H_
