// Tables of one query, and the few that carry over from one query to the next. The driver
// owns one QueryTables for the whole session and clears what each query must start without.
#ifndef VELIMORA_TABLES_QUERY_TABLES_H_
#define VELIMORA_TABLES_QUERY_TABLES_H_

#include <optional>
#include <string>
#include <vector>

#include "tables/table.h"

namespace velimora {

// The kinds of hit the search meets: the list that met it, or a plain dictionary hit.
inline constexpr int kHitListQ = 10;       // list q
inline constexpr int kHitFinnishInI = 11;  // list o, Finnish words in I: code "o"
inline constexpr int kHitDanishInT = 14;   // list n, Danish words in T: code "n"
inline constexpr int kHitPlain = 16;       // a dictionary hit of a plain lookup
inline constexpr int kHitFinnishInT = 17;  // list s, Finnish words in the text of T: code "s"
inline constexpr int kHitDanishInI = 18;   // list y, Danish words in the text of I: code "y"
inline constexpr int kHitListW = 20;       // list w
// The display gate promotes every hit it lets through by kPromotion; the output run shows
// the hits of kFirstShownCode and up.
inline constexpr int kPromotion = 20;
inline constexpr int kFirstShownCode = 30;
constexpr int promoted(int kind) {
  return kind + kPromotion;
}
inline constexpr int kShownFinnishInI = promoted(kHitFinnishInI);  // 31
inline constexpr int kShownDanishInT = promoted(kHitDanishInT);    // 34
inline constexpr int kShownPlain = promoted(kHitPlain);            // 36
inline constexpr int kShownFinnishInT = promoted(kHitFinnishInT);  // 37
inline constexpr int kShownDanishInI = promoted(kHitDanishInI);    // 38

// A hit: the dictionary line to show (`f4`), `code` one of the kinds above, promoted once
// the display gate has let it through.
struct HitRow {
  int code = 0;
  char letter = ' ';
  int file = 0;
  int line = 0;
  int sense = 0;
  bool operator==(const HitRow&) const = default;
};

// An analysis hit of the stem search (`st`).
struct StemHitRow {
  int stem_length = 0;
  int seq = 0;     // −1, −2, … in order of storing
  int anchor = 0;  // seq of the first row of the same dictionary line
  std::string mark;
  std::string stem;
  int kind = 0;
  int score = 0;
  int score2 = 0;
  std::string form;
  std::string extra1;
  std::string extra2;
  char letter = ' ';
  int part = 0;
  int line = 0;
  int flag = 0;
  unsigned danish_uses = ~0u;  // the endings the matched Danish variant takes
  int variant_length = 0;
};

// A ranked analysis result (`f1`).
struct RankedRow {
  int start = 0;  // F4 of the path
  int meet = 0;   // where path and chain meet
  int kind = 0;
  int k = 0;
  int tail_start = 0;  // of the chain: where a second analysis begins, 0 for none
  std::string label;   // normal form of the reference list
  std::string refs1;
  std::string refs2;
  std::string positions;
  int score = 0;
};

// An analysis block to write (`f2`).
struct BlockRow {
  int start = 0;
  int end = 0;
  int mark = 0;
  int kind = 0;
  std::string refs1;
  std::string refs2;
  std::string text;
};

// A raw line already shown in this fetch (`f0`).
struct ShownLineRow {
  char letter = ' ';
  int file = 0;
  int line = 0;
};

// Articles shown per list (`nct`).
struct ListCountRow {
  char letter = ' ';
  int count = 0;
};

// A word-list code met by this query (`fli`): flag 1 = to be offered, 0 = met only.
struct CodeRow {
  int flag = 0;
  std::string code;
};

// Codes offered by the last query (`stl1`): the codes, and the codes with descriptions.
struct OfferRow {
  std::vector<std::string> codes;
  std::vector<std::string> described;
};

// The last analysed word and the hit limit of this query (`len0`).
struct WordLimitRow {
  std::string text;
  int limit = 100;
};

// A split point of the analysed word (`nr`): prefix length and remaining length.
struct SplitRow {
  int k = 0;
  int remaining = 0;
};

// Extra text after a split point (`dl`): from k, the extra characters, to end.
struct SplitExtraRow {
  int k = 0;
  std::string extra;
  int end = 0;
};

// The two characters before a split point, reversed and blank-padded (`dlx`).
struct SplitBeforeRow {
  int k = 0;
  std::string text;
};

// The segment search state (`sn`) and its completed paths (`sf`, without the count).
struct SearchStateRow {
  int depth = 0;
  std::string path;
  std::string positions;
  int split = 0;
  char mark = '#';
  int code_a = 0;
  int group = 9;
  int penalty = 0;
  int value = 0;
  int code_b = 0;
  int code_c = 0;
  int count = 0;
};

struct PathRow {
  int kind = 0;  // 1 for a path, 0 for the closing row
  std::string path;
  std::string positions;
  int split = 0;
  char mark = '#';
  int code_a = 0;
  int group = 9;
  int penalty = 0;
  int value = 0;
  int code_b = 0;
  int code_c = 0;
};

// A chain of segments (`sl`) that covers the word from `start` to its end, built from the
// right by the chain search; the fields say what its leftmost segment leaves for the next.
struct ChainRow {
  int reading = 0;     // reading code of the leftmost segment; the next one must fit it (`valh`)
  int result = 0;      // result code of the leftmost segment
  int left_group = 0;  // the kind the next segment to the left, or the path, must be of
  int group = 0;       // the kind of the leftmost segment itself (`stopki`)
  std::string head_labels;  // labels of the segments left of tail_start (`ijl`)
  int tail_start = 0;       // where a second analysis begins (`pp0`); 0 while there is none
  std::string tail_labels;  // labels of the segments right of tail_start; all while it is 0
  int reading_class = 0;    // the chain's reading class (`nyh2`, `nyh1`); 6 (any) at first
  int penalty = 0;          // the penalties of the segments and their marks, summed
  std::string marks;  // marks a segment to the left may carry (`mcgs`); first the kept last letter
  int start = 0;      // the chain covers the word from here to its end
  std::string positions;  // the split points of the segments, leftmost first
  int link_state = 0;     // `nyx`: 2 after a result ending in 3, 1 after a linking kind-0 segment
  int closings = 0;       // minus the closing segments (`sl1`); must stay above the pass value
};

// A candidate prefix group of the stem search (`stt`).
struct KeyGroupRow {
  int group = 0;
  std::string key;
  int kind = 0;
};

// A part chosen for reading (`tn`); group 0 = read in full.
struct ChosenPartRow {
  int group = 0;
  char letter = ' ';
  int part = 0;
};

// The line of a part read last (`lqn`).
struct LastLineRow {
  char letter = ' ';
  int part = 0;
  int line = 0;
};

// Hits stored per reference letter and kind (`ntq1`).
struct HitCountRow {
  char letter = ' ';
  int kind = 0;
  int count = 0;
  int limit = 0;
};

// The work record of the reference-list walk (`sm`).
struct WalkRow {
  int count = 0;
  std::string pending;
  int position = 0;
  int code_a = 0;
  int code_b = 0;
  int selector = 0;
  int code_c = 0;
  std::string refs;
  std::string heading;
  std::string brackets;
};

// One reference of a list being written (`skr`).
struct RefRow {
  int ref = 0;
  int kind = 0;
};

// A reading of a compound part (`orb`).
struct ReadingRow {
  int position = 0;
  int code = 0;
  int cat1 = 0;
  int cat2 = 0;
  std::string text1;
  std::string text2;
};

// A prepared output piece (`fuge`).
struct PieceRow {
  int position = 0;
  int start = 0;
  int end = 0;
  std::string text;
};

// An ordered pair of part positions (`numre`).
struct PairRow {
  int direction = 0;  // 1 right, 2 left
  int distance = 0;
  int from = 0;
  int to = 0;
};

// A candidate tie between two parts (`ra`).
struct TieRow {
  int number = 0;
  int from = 0;
  int from_code = 0;
  std::string side;  // "h": the other part is to the right, "v": to the left
  int to = 0;
  int to_code = 0;
};

// A tie of the structure being written (`mq`).
struct ChosenTieRow {
  int from = 0;
  std::string side;
  int from_code = 0;
  int to_code = 0;
  int to = 0;
};

// The reading chosen for a tied position (`orb0`).
struct ChosenReadingRow {
  int position = 0;
  int code = 0;
  int cat1 = 0;
  int cat2 = 0;
};

struct QueryTables {
  // The output buffer and the markers of the driver.
  std::vector<std::string> mud;
  Marker endret0;
  Marker endret2;
  Table<int> niv0;
  std::optional<OfferRow> stl1;  // survives into the next query
  std::string svo1;
  Table<CodeRow> fli;
  std::optional<WordLimitRow> len0;  // survives; seeded at start-up
  Table<int> nb;                     // best score; seeded at start-up

  // Hits and results; f4 and f1 survive into the next query for code queries.
  Table<HitRow> f4;
  Table<RankedRow> f1;
  Table<BlockRow> f2;
  Table<ShownLineRow> f0;
  Table<ListCountRow> nct;

  // Split points and per-lookup search state.
  Table<SplitRow> nr;
  Table<SplitExtraRow> dl;
  Table<SplitBeforeRow> dlx;
  Table<int> ns;
  Table<int> nq;
  Table<int> nt;
  Table<SearchStateRow> sn;
  Table<PathRow> sf;
  Table<int> p12;
  Table<KeyGroupRow> stt;
  Table<ChosenPartRow> tn;
  Table<int> ntt;
  Table<LastLineRow> lqn;
  Table<HitCountRow> ntq1;
  Table<StemHitRow> st;
  Table<int> no;
  Table<ChainRow> sl;
  Table<std::pair<std::string, std::string>> sk;
  Marker endret;
  Table<WalkRow> sm;
  Table<RefRow> skr;

  // Compound relations.
  Table<ReadingRow> orb;
  Table<PieceRow> fuge;
  Table<PairRow> numre;
  Table<int> na;
  Table<TieRow> ra;
  Table<ChosenTieRow> mq;
  Table<ChosenReadingRow> orb0;

  // Clears the tables of one lookup run, in the driver's order.
  void clear_lookup_tables();
};

}  // namespace velimora

#endif  // VELIMORA_TABLES_QUERY_TABLES_H_
