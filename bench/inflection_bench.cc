// Benchmark of the inflection analysis: ficc0 over a fixed set of (dictionary word, typed form)
// pairs, most of which yield nothing, as in the entry matcher. Reports the mean time per call.
#include <benchmark/benchmark.h>

#include <vector>

#include "inflection/ficc0.h"

namespace {

using velimora::inflection::StemCandidate;
using velimora::inflection::StemQuery;

struct Entry {
  char mode;
  const char* word;
  char class_code;
};

// Dictionary words of every class code (a: as \xE4 or \x84).
const Entry kFinnishEntries[] = {
    {'i', "talo", ' '},        {'i', "maa", ' '},      {'i', "kukka", ' '},
    {'i', "puku", ' '},        {'i', "aika", ' '},     {'i', "korkea", ' '},
    {'i', "huone", ' '},       {'i', "liike", ' '},    {'i', "rengas", ' '},
    {'i', "kinnas", ' '},      {'i', "kallis", ' '},   {'i', "mies", ' '},
    {'i', "vastaus", ' '},     {'i', "rakkaus", ' '},  {'i', "vasen", ' '},
    {'i', "s\xE4vel", ' '},    {'i', "avain", ' '},    {'i', "sisar", ' '},
    {'i', "olut", ' '},        {'i', "kev\xE4t", ' '}, {'i', "sieni", ' '},
    {'i', "kukkaro", ' '},     {'i', "nainen", ' '},   {'i', "tie", ' '},
    {'c', "kirja", ' '},       {'c', "pime\xE4", ' '}, {'i', "kolmas", '4'},
    {'i', "tuhat", '4'},       {'i', "internet", '4'}, {'i', "lumi", '4'},
    {'i', "lapsi", '4'},       {'i', "yksi", '4'},     {'i', "vesi", '4'},
    {'i', "kivi", '4'},        {'i', "lehti", '4'},    {'i', "perhe", '4'},
    {'i', "jazz", '5'},        {'i', "sanoa", '2'},    {'i', "tiet\x84\x84", '2'},
    {'i', "saada", '2'},       {'i', "juoda", '2'},    {'i', "vied\xE4", '2'},
    {'i', "n\xE4hd\xE4", '2'}, {'i', "tulla", '2'},    {'i', "juosta", '2'},
    {'i', "ajatella", '2'},    {'i', "haluta", '2'},   {'i', "radar", '0'},
};

// Typed Finnish forms.
const char* const kFinnishForms[] = {
    "talossa",    "maita",    "kukan",      "puvun",     "ajan",
    "korkean",    "huoneen",  "liikkeen",   "renkaan",   "kintaan",
    "kallista",   "miehen",   "vastauksen", "rakkauden", "vasemman",
    "s\xE4velen", "avaimen",  "sisaren",    "oluen",     "kev\xE4\xE4ll\xE4",
    "sienen",     "kukkaron", "naisen",     "teit\xE4",  "kirjan",
    "kolmannen",  "tuhannen", "internetin", "lunta",     "lasta",
    "yht\xE4",    "veden",    "kiven",      "lehden",    "perheen",
    "jazz'ia",    "sanon",    "tiesi",      "saan",      "join",
    "vien",       "n\xE4ki",  "tulen",      "juoksen",   "ajattelen",
    "haluan",     "radarin",  "koira",      "auto",
};

// Danish dictionary words and typed forms.
const Entry kDanishEntries[] = {
    {'t', "museum", '0'}, {'t', "akvarium", '0'},   {'t', "komme", '0'}, {'t', "cykel", '0'},
    {'t', "himmel", '0'}, {'t', "organisere", '0'}, {'t', "kage", '0'},  {'r', "proces", '0'},
    {'r', "handle", '0'}, {'r', "hus", '0'},        {'r', "pizza", '0'}, {'r', "vinter", '0'},
};
const char* const kDanishForms[] = {
    "museer",    "akvarier", "kom",  "cykler",  "himle",  "organisation", "kage's",
    "processen", "handlede", "huse", "pizzaer", "vintre", "bordet",       "stolene",
};

std::vector<StemQuery> BuildQueries() {
  std::vector<StemQuery> queries;
  for (const Entry& e : kFinnishEntries) {
    for (const char* form : kFinnishForms) {
      queries.push_back(velimora::inflection::make_stem_query(e.mode, e.word, e.class_code, form));
    }
  }
  for (const Entry& e : kDanishEntries) {
    for (const char* form : kDanishForms) {
      queries.push_back(velimora::inflection::make_stem_query(e.mode, e.word, e.class_code, form));
    }
  }
  return queries;
}

const std::vector<StemQuery>& Queries() {
  static const std::vector<StemQuery> queries = BuildQueries();
  return queries;
}

void ReportPerCall(benchmark::State& state, std::size_t calls_per_iteration) {
  const double calls = static_cast<double>(state.iterations()) * calls_per_iteration;
  state.counters["pairs"] = static_cast<double>(calls_per_iteration);
  // Mean time per ficc0 call (printed in seconds with an SI prefix, e.g. 150n).
  state.counters["per_call"] =
      benchmark::Counter(calls, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Every candidate of every pair.
void BM_Ficc0AllCandidates(benchmark::State& state) {
  const auto& queries = Queries();
  long total = 0;
  for (auto _ : state) {
    for (const StemQuery& q : queries) {
      velimora::inflection::ficc0(q, [&](const StemCandidate& c) {
        total += c.weight + 1;
        return true;
      });
    }
    benchmark::DoNotOptimize(total);
  }
  ReportPerCall(state, queries.size());
}
BENCHMARK(BM_Ficc0AllCandidates);

// The consumer takes the first candidate only.
void BM_Ficc0FirstCandidate(benchmark::State& state) {
  const auto& queries = Queries();
  long total = 0;
  for (auto _ : state) {
    for (const StemQuery& q : queries) {
      velimora::inflection::ficc0(q, [&](const StemCandidate& c) {
        total += c.alternation + 1;
        return false;
      });
    }
    benchmark::DoNotOptimize(total);
  }
  ReportPerCall(state, queries.size());
}
BENCHMARK(BM_Ficc0FirstCandidate);

// From the raw inputs, deriving head, tail, front and last on every call (the --stems path).
void BM_StemsFromRawInputs(benchmark::State& state) {
  const auto& queries = Queries();
  long total = 0;
  for (auto _ : state) {
    for (const StemQuery& q : queries) {
      velimora::inflection::stems(q.mode, q.word, q.class_code, q.form,
                                  [&](const StemCandidate& c) {
                                    total += c.weight + 1;
                                    return true;
                                  });
    }
    benchmark::DoNotOptimize(total);
  }
  ReportPerCall(state, queries.size());
}
BENCHMARK(BM_StemsFromRawInputs);

}  // namespace

BENCHMARK_MAIN();
