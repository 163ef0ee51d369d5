// The 37 Finnish rules through ficc0 (modes i and c). Every case lists the complete
// ordered candidate list of the call, each candidate with the number of the rule producing it.
// There is at least one case per rule, and every listed edge case.
#include "inflection/finnish_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inflection/ficc0.h"
#include "inflection/test_support.h"

namespace velimora::inflection {
namespace {

struct FinnishCase {
  std::string name;
  std::string word;
  char k;  // class code
  std::string form;
  std::vector<Ruled> expected;  // (rule, stem, class, mark, weight)
};
void PrintTo(const FinnishCase& c, std::ostream* os) { *os << c.name; }

std::vector<Ruled> Traced(char mode, std::string_view word, char k, std::string_view form) {
  std::vector<Ruled> out;
  ficc0_traced(make_stem_query(mode, word, k, form), [&](const StemCandidate& c, int rule) {
    out.push_back({rule, c.stem, c.alternation, c.mark, c.weight});
    return true;
  });
  return out;
}

class FinnishTest : public ::testing::TestWithParam<FinnishCase> {};

TEST_P(FinnishTest, ModeIYieldsTheOrderedCandidates) {
  const FinnishCase& c = GetParam();
  EXPECT_EQ(Traced('i', c.word, c.k, c.form), c.expected);
}

TEST_P(FinnishTest, ModeCIsTheSame) {
  const FinnishCase& c = GetParam();
  EXPECT_EQ(Traced('c', c.word, c.k, c.form), c.expected);
}

// With `within` set, exactly the candidates whose stem begins that text, in the same order:
// the rules left out because they keep more of the word than it shares with the text lose none.
TEST_P(FinnishTest, WithinKeepsExactlyTheCandidatesBeginningTheText) {
  const FinnishCase& c = GetParam();
  for (const std::string& text : WithinTexts(c.form, c.expected)) {
    StemQuery q = make_stem_query('i', c.word, c.k, c.form);
    q.within = text;
    EXPECT_EQ(AllRuled([&](auto sink) { return ficc0_traced(q, sink); }),
              BeginningText(c.expected, text))
        << Escaped(text);
  }
}

TEST_P(FinnishTest, ModesXAndTAreNotFinnish) {
  const FinnishCase& c = GetParam();
  EXPECT_EQ(Traced('x', c.word, c.k, c.form), std::vector<Ruled>{});
}

const FinnishCase kFinnishCases[] = {
    // --- Class ' ' ------------------------------------------------------------------------------
    // Rule 1: long vowels and diphthongs (juo).
    {"Rule01_maa_maita", "maa", ' ', "maita", {{1, "ma", 1, "w", 4}}},
    {"Rule01_maa_maassa", "maa", ' ', "maassa", {{1, "maa", 0, "w", 4}}},
    {"Rule01_suo_soita", "suo", ' ', "soita", {{1, "so", 1, "w", 4}}},
    // Rule 2: t-words in -ee, -ie (after rule 1).
    {"Rule02_tie_tiet", "tie", ' ', "tiet", {{1, "tie", 0, "w", 4}, {2, "ti", 0, "W", 4}}},
    {"Rule02_tie_teita", "tie", ' ', "teit\xE4", {{1, "te", 1, "w", 4}, {2, "ti", 0, "W", 4}}},
    // Rule 11: talo, talossa: only rule 11 (rule 27's base t holds no vowel).
    {"Rule11_talo_talossa", "talo", ' ', "talossa", {{11, "tal", 0, "o", 4}}},
    // Rule 11: kukka, kukan: one candidate; kukka, kukka: strong, weak, unchanged in this order.
    {"Rule11_kukka_kukan", "kukka", ' ', "kukan", {{11, "kuk", 1, "a", 4}}},
    {"Rule11_kukka_kukka",
     "kukka", ' ', "kukka",
     {{11, "kukk", 2, "a", 4}, {11, "kuk", 1, "a", 4}, {11, "kukk", 3, "a", 4}}},
    {"Rule11_puku_puvun", "puku", ' ', "puvun", {{11, "puv", 1, "u", 4}}},
    {"Rule11_puku_puussa_none", "puku", ' ', "puussa", {}},
    {"Rule11_aika_ajan", "aika", ' ', "ajan", {{11, "aj", 1, "a", 4}}},
    // Rule 16: -ea, -ea: (mark A, or A: in the encoding of the word's a:).
    {"Rule16_korkea_korkean",
     "korkea", ' ', "korkean",
     {{16, "kork", 2, "A", 4}, {16, "kor", 1, "A", 4}, {16, "kork", 2, "A", 4},
      {16, "kork", 3, "A", 4}}},
    {"Rule16_pimea1252_pimean", "pime\xE4", ' ', "pime\xE4n", {{16, "pim", 0, "\xC4", 4}}},
    {"Rule16_pimea850_pimean", "pime\x84", ' ', "pime\x84n", {{16, "pim", 0, "\x8E", 4}}},
    // Rule 17: -e words, weak grade in the word.
    {"Rule17_huone_huoneen", "huone", ' ', "huoneen", {{17, "huon", 0, "e", 4}}},
    {"Rule17_liike_liikkeen", "liike", ' ', "liikkeen", {{17, "liikk", 2, "e", 4}}},
    // Rules 18 and 19: rengas, renkaan (weak ng in the word, strong nk offered first).
    {"Rule18_Rule19_rengas_renkaan",
     "rengas", ' ', "renkaan",
     {{18, "renka", 2, "s", 4}, {19, "renk", 2, "C", 4}}},
    {"Rule18_Rule19_kinnas_kintaan",
     "kinnas", ' ', "kintaan",
     {{18, "kinta", 2, "s", 4}, {19, "kint", 2, "C", 4}}},
    // Rule 18: C + W[-2] without its first letter must not be "nne".
    {"Rule18_nne_excluded", "kinnes", ' ', "kinneen", {}},
    {"Rule18_nte_allowed", "kinnes", ' ', "kinteen", {{18, "kinte", 2, "s", 4}}},
    // Rule 20: -is.
    {"Rule20_kallis_kalliin", "kallis", ' ', "kalliin", {{20, "kall", 1, "S", 4}, {20, "kall", 3, "S", 4}}},
    {"Rule20_Rule22_kallis_kallista",
     "kallis", ' ', "kallista",
     {{20, "kall", 1, "S", 4}, {20, "kall", 3, "S", 4}, {22, "kalli", 0, "x", 4}}},
    // Rule 21: mies (rules 18 and 22 exclude the word mies itself, not its compounds).
    {"Rule21_mies_miehen", "mies", ' ', "miehen", {{21, "mie", 1, "h", 4}}},
    {"Rule21_mies_miesta", "mies", ' ', "miest\xE4", {{21, "mie", 0, "h", 4}}},
    {"Rule21_mies_mieaan", "mies", ' ', "miehan", {}},
    {"Rule18_Rule21_kalamies_kalamiehen",
     "kalamies", ' ', "kalamiehen",
     {{18, "kalamie", 1, "s", 4}, {18, "kalamie", 0, "s", 4}, {21, "kalamie", 1, "h", 4}}},
    // Rule 22: vastaus, vastauksen; rakkaus, rakkauden, rakkautta, rakkausta.
    {"Rule22_vastaus_vastauksen",
     "vastaus", ' ', "vastauksen",
     {{18, "vastau", 1, "s", 4}, {18, "vastau", 0, "s", 4}, {22, "vastauks", 1, "x", 4}}},
    {"Rule22_rakkaus_rakkauden",
     "rakkaus", ' ', "rakkauden",
     {{18, "rakkau", 1, "s", 4}, {18, "rakkau", 0, "s", 4}, {22, "rakkau", 1, "d", 4}}},
    {"Rule22_rakkaus_rakkautta",
     "rakkaus", ' ', "rakkautta",
     {{18, "rakkau", 1, "s", 4}, {18, "rakkau", 0, "s", 4}, {22, "rakkau", 2, "d", 4}}},
    {"Rule22_rakkaus_rakkausta",
     "rakkaus", ' ', "rakkausta",
     {{18, "rakkau", 1, "s", 4}, {18, "rakkau", 0, "s", 4}, {22, "rakkau", 0, "d", 4},
      {22, "rakkau", 0, "x", 4}}},
    // Rule 23: vasen.
    {"Rule23_vasen_vasemman", "vasen", ' ', "vasemman", {{23, "vasemm", 1, "F", 4}}},
    {"Rule23_vasen_vasempi", "vasen", ' ', "vasempi", {{23, "vasemp", 2, "F", 4}}},
    {"Rule24_vasen_vasen", "vasen", ' ', "vasen", {{24, "vase", 1, "N", 4}}},
    // Rule 24: consonant-final nouns (nrt).
    {"Rule24_savel_savelen", "s\xE4vel", ' ', "s\xE4velen", {{24, "s\xE4ve", 1, "L", 4}, {24, "s\xE4ve", 2, "L", 4}}},
    {"Rule24_avain_avaimen", "avain", ' ', "avaimen", {{24, "avai", 2, "M", 4}}},
    {"Rule24_sisar_sisaren", "sisar", ' ', "sisaren", {{24, "sisa", 2, "R", 4}}},
    {"Rule24_olut_oluen", "olut", ' ', "oluen", {{24, "olu", 2, "T", 4}}},
    {"Rule24_olut_olutta", "olut", ' ', "olutta", {{24, "olu", 1, "T", 4}, {24, "olu", 1, "T", 4}}},
    // Rule 25: kevat, in both encodings.
    {"Rule25_kevat1252_kevaalla", "kev\xE4t", ' ', "kev\xE4\xE4ll\xE4", {{25, "kev\xE4", 0, "T", 4}}},
    {"Rule25_kevat850_kevaan", "kev\x84t", ' ', "kev\x84\x84n", {{25, "kev\x84", 0, "T", 4}}},
    {"Rule25_kevat_kevatta", "kev\xE4t", ' ', "kev\xE4tt\xE4", {{25, "kev\xE4", 0, "T", 4}}},
    // Rule 26: -li, -ni, -ri (after rule 11); a base without a vowel through stav's flag 1.
    {"Rule26_sieni_sienen", "sieni", ' ', "sienen", {{11, "sien", 0, "i", 4}, {26, "sien", 0, "J", 4}}},
    {"Rule26_tuli_tulen", "tuli", ' ', "tulen", {{11, "tul", 0, "i", 4}, {26, "tul", 0, "J", 4}}},
    // Rule 27: -la, -lo, -ra ... with gradation in the syllable before.
    {"Rule27_kukkaro_kukkaron",
     "kukkaro", ' ', "kukkaron",
     {{11, "kukkar", 0, "o", 4}, {27, "kukkar", 2, "o", 4}, {27, "kukkar", 3, "o", 4}}},
    {"Rule27_kukkaro_kukaron", "kukkaro", ' ', "kukaron", {{27, "kukar", 1, "o", 4}}},
    // Rule 28: -nen.
    {"Rule28_nainen_naisen", "nainen", ' ', "naisen", {{28, "nais", 0, "O", 4}}},
    {"Rule28_nainen_nainen", "nainen", ' ', "nainen", {{28, "naine", 1, "O", 4}}},

    // --- Class '4' ------------------------------------------------------------------------------
    // Rule 3: kolmas (nsi stops after ns when the third letter of the tail is i).
    {"Rule03_kolmas_kolmannen",
     "kolmas", '4', "kolmannen",
     {{3, "kolma", 0, "Z", 4}, {3, "kolmann", 1, "I", 4}, {3, "kolmant", 2, "I", 4}}},
    {"Rule03_kolmas_kolmansia",
     "kolmas", '4', "kolmansia",
     {{3, "kolma", 0, "Z", 4}, {3, "kolmann", 1, "I", 4}, {3, "kolmans", 2, "I", 4}}},
    // Rule 4: tuhat; rule 5 needs a tail beginning with t.
    {"Rule04_tuhat_tuhannen", "tuhat", '4', "tuhannen", {{4, "tuha", 0, "Z", 4}}},
    {"Rule04_Rule05_tuhat_tuhatta", "tuhat", '4', "tuhatta", {{4, "tuha", 0, "Z", 4}, {5, "tuha", 0, "t", 0}}},
    // Rules 5 and 6.
    {"Rule05_Rule06_internet_internetin",
     "internet", '4', "internetin",
     {{5, "interne", 0, "t", 0}, {6, "internet", 0, "i", 4}}},
    {"Rule05_hotel_hotellia", "hotel", '4', "hotellia", {{5, "hote", 0, "l", 0}}},
    // Rules 8 and 9: e' with mark aa, each in its own encoding.
    {"Rule08_kafe850", "kaf\x82", '4', "kaf\x82ta", {{8, "kaf\x82", 0, "\x86", 4}}},
    {"Rule09_kafe1252", "kaf\xE9", '4', "kaf\xE9ta", {{9, "kaf\xE9", 0, "\xE5", 4}}},
    {"Rule08_Rule09_mixed_encodings", "kaf\x82", '4', "kaf\xE9ta", {}},
    // Rule 10: lumi, lapsi, yksi, veitsi.
    {"Rule10_lumi_lunta", "lumi", '4', "lunta", {{10, "lun", 0, "Q", 4}}},
    {"Rule10_lapsi_lasta", "lapsi", '4', "lasta", {{10, "las", 0, "Q", 4}}},
    {"Rule10_Rule13_yksi_yhta", "yksi", '4', "yht\xE4", {{10, "yh", 0, "Q", 4}, {13, "yht", 0, "I", 4}}},
    {"Rule10_veitsi_veista", "veitsi", '4', "veist\xE4", {{10, "veis", 0, "Q", 4}}},
    // Rule 12.
    {"Rule12_kala_kalan", "kala", '4', "kalan", {{12, "kal", 0, "a", 4}}},
    {"Rule12_pata850_padan", "p\x84t\x84", '4', "p\x84t\x84n", {{12, "p\x84t", 0, "\x84", 4}}},
    // Rule 13.
    {"Rule13_lumi_lumen", "lumi", '4', "lumen", {{13, "lum", 0, "I", 4}}},
    {"Rule13_kivi_kiven", "kivi", '4', "kiven", {{13, "kiv", 0, "I", 4}}},
    {"Rule13_lehti_lehden", "lehti", '4', "lehden", {{13, "lehd", 1, "I", 4}}},
    // Rule 14.
    {"Rule14_perhe_perheen", "perhe", '4', "perheen", {{14, "perh", 0, "Y", 4}}},
    // Rule 15: vesi (rule 13 first, with the t of vesi's special row).
    {"Rule13_Rule15_vesi_veden", "vesi", '4', "veden", {{13, "ved", 1, "I", 4}, {15, "ve", 0, "B", 4}}},
    {"Rule13_Rule15_vesi_vetta", "vesi", '4', "vett\xE4", {{13, "vet", 2, "I", 4}, {15, "ve", 0, "B", 4}}},
    // Rule 26 for class 4.
    {"Rule13_Rule26_sieni4_sienen", "sieni", '4', "sienen", {{13, "sien", 0, "I", 4}, {26, "sien", 0, "J", 4}}},

    // --- Class '5' ------------------------------------------------------------------------------
    {"Rule05_Rule07_jazz", "jazz", '5', "jazz'ia", {{5, "jaz", 0, "z", 0}, {7, "jazz", 0, "\x9B", 4}}},

    // --- Class '2' ------------------------------------------------------------------------------
    // Rule 29: sanoa; tietaa with a: (t to s, and the weak d).
    {"Rule29_sanoa_sanon", "sanoa", '2', "sanon", {{29, "san", 0, "o", 2}}},
    {"Rule29_lukea_luen", "lukea", '2', "luen", {{29, "lu", 1, "e", 2}}},
    {"Rule29_tietaa850_tiesi", "tiet\x84\x84", '2', "tiesi", {{29, "ties", 0, "j", 2}}},
    {"Rule29_tietaa850_tiedan", "tiet\x84\x84", '2', "tied\x84n", {{29, "tied", 1, "\x84", 2}}},
    // The same with a: in Windows-1252, the encoding of the data folder (tieta:a:, tieda:n).
    {"Rule29_tietaa1252_tiedan", "tiet\xE4\xE4", '2', "tied\xE4n", {{29, "tied", 1, "\xE4", 2}}},
    {"Rule29_tietaa1252_tiesi", "tiet\xE4\xE4", '2', "tiesi", {{29, "ties", 0, "j", 2}}},
    // Rule 30: -da, -da: after a long vowel.
    {"Rule30_saada_saan", "saada", '2', "saan", {{30, "saa", 0, "w", 2}}},
    {"Rule30_juoda_join", "juoda", '2', "join", {{30, "jo", 1, "w", 2}}},
    {"Rule30_kayda1252_kavin", "k\xE4yd\xE4", '2', "k\xE4vin", {{30, "k\xE4v", 1, "w", 2}}},
    {"Rule30_kayda850_kavin", "k\x84yd\x84", '2', "k\x84vin", {{30, "k\x84v", 1, "w", 2}}},
    // Rule 31: vieda (after rule 30).
    {"Rule30_Rule31_vieda_vien", "vied\xE4", '2', "vien", {{30, "vie", 0, "w", 2}, {31, "vi", 0, "W", 2}}},
    {"Rule30_vieda_veivat", "vied\xE4", '2', "veiv\xE4t", {{30, "ve", 1, "w", 2}}},
    // Rule 32: nahda.
    {"Rule32_nahda_naen", "n\xE4hd\xE4", '2', "n\xE4" "en", {{32, "n\xE4", 1, "H", 2}}},
    {"Rule32_nahda_naki", "n\xE4hd\xE4", '2', "n\xE4ki", {{32, "n\xE4", 2, "H", 2}}},
    {"Rule32_nahda850_nahnyt", "n\x84hd\x84", '2', "n\x84hnyt", {{32, "n\x84", 0, "H", 2}}},
    // Rule 33: -lla, -nna, -rra, -sta (kse1).
    {"Rule33_tulla_tulen", "tulla", '2', "tulen", {{33, "tu", 0, "l", 2}}},
    {"Rule33_juosta_juoksen", "juosta", '2', "juoksen", {{33, "juok", 1, "x", 2}}},
    {"Rule33_juosta_juosta", "juosta", '2', "juosta", {{33, "juo", 0, "x", 2}}},
    {"Rule33_juosta_juoin", "juosta", '2', "juoin", {}},
    // Rule 34: -ista.
    {"Rule34_kalista_kalua", "kalista", '2', "kalua", {{34, "kal", 0, "J", 2}}},
    // Rule 35: -ella (after rule 33 when the form keeps the weak grade).
    {"Rule35_ajatella_ajattelen", "ajatella", '2', "ajattelen", {{35, "ajatte", 2, "l", 2}}},
    {"Rule33_Rule35_ajatella_ajatella",
     "ajatella", '2', "ajatella",
     {{33, "ajate", 0, "l", 2}, {35, "ajate", 1, "l", 2}, {35, "ajate", 3, "l", 2}}},
    // Rule 36: -ta after a vowel (itse).
    // Rule 36: -ta after a vowel (itse). The base is W-3 (hal|uta): C = "al", A = "uan", a1 = u, so
    // itse yields U (T2 empty) and then T (T2 = V3 = u).
    {"Rule36_haluta_haluan",
     "haluta", '2', "haluan",
     {{36, "hal", 1, "U", 2}, {36, "halu", 1, "T", 2}, {36, "hal", 0, "U", 2},
      {36, "halu", 0, "T", 2}}},
    // itse alternative 3 (V3 = a) stops; alternative 2 needs a1 = V3 followed by n + e/i.
    {"Rule36_kerata_keraan", "kerata", '2', "keraan", {{36, "ker", 1, "A", 2}, {36, "ker", 0, "A", 2}}},
    {"Rule36_kerata_keranen", "kerata", '2', "keranen", {{36, "kera", 1, "N", 2}, {36, "kera", 0, "N", 2}}},
    // V3 = a: in either encoding: mark A: of the same encoding.
    {"Rule36_hylata850_hylaan",
     "hyl\x84t\x84", '2', "hyl\x84\x84n",
     {{36, "hyl", 1, "\x8E", 2}, {36, "hyl", 0, "\x8E", 2}}},
    {"Rule36_hylata1252_hylaan",
     "hyl\xE4t\xE4", '2', "hyl\xE4\xE4n",
     {{36, "hyl", 1, "\xC4", 2}, {36, "hyl", 0, "\xC4", 2}}},

    // --- Class '0' ------------------------------------------------------------------------------
    {"Rule37_radar_radarin", "radar", '0', "radarin", {{37, "rada", 0, "r", 0}}},
    {"Rule37_casino_casinoa", "casino", '0', "casinoa", {{37, "casino", 0, " ", 0}}},
    {"Rule37_radar_empty_tail", "radar", '0', "rada", {}},

    // --- No rule for the class code -------------------------------------------------------------
    {"ClassCode1_nothing", "talo", '1', "talossa", {}},
    {"ClassCode3_nothing", "talo", '3', "talossa", {}},
};

INSTANTIATE_TEST_SUITE_P(Rules, FinnishTest, ::testing::ValuesIn(kFinnishCases),
                         [](const auto& info) { return info.param.name; });

TEST(FinnishRules, EveryRuleHasACase) {
  std::vector<bool> seen(38, false);
  for (const FinnishCase& c : kFinnishCases) {
    for (const Ruled& r : c.expected) seen.at(static_cast<std::size_t>(r.rule)) = true;
  }
  for (int rule = 1; rule <= 37; ++rule) EXPECT_TRUE(seen[rule]) << "rule " << rule;
}

TEST(FinnishRules, TheListIsOrderedAndItsGuardsMatchTheClassIndex) {
  const auto rules = finnish_rules();
  ASSERT_EQ(rules.size(), 37u);
  // The index of the rules by class code.
  const std::pair<char, std::vector<int>> index[] = {
      {' ', {1, 2, 11, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28}},
      {'4', {3, 4, 5, 6, 8, 9, 10, 12, 13, 14, 15, 26}},
      {'5', {5, 7}},
      {'2', {29, 30, 31, 32, 33, 34, 35, 36}},
      {'0', {37}},
  };
  for (const auto& [k, expected] : index) {
    std::vector<int> tried;
    for (const FinnishRule& rule : rules) {
      if (rule.classes.contains(k)) tried.push_back(rule.number);
    }
    EXPECT_EQ(tried, expected) << "class '" << k << "'";
  }
  for (std::size_t i = 0; i < rules.size(); ++i) EXPECT_EQ(rules[i].number, static_cast<int>(i + 1));
  // Weights: 0 for rules 5 and 37, 2 for the verb rules, 4 for the others.
  for (const FinnishRule& rule : rules) {
    const int expected = (rule.number == 5 || rule.number == 37) ? 0 : rule.number >= 29 ? 2 : 4;
    EXPECT_EQ(rule.weight, expected) << "rule " << rule.number;
  }
}

TEST(Ficc, CarriesTheRuleNumberAndStopsEarly) {
  const FinnishInput input{"kukka", 5, "kukk", "kukka", "kukk", "a", "a", ' '};
  std::vector<int> rules;
  EXPECT_FALSE(ficc(input, [&](const FinnishAlt& alt) {
    rules.push_back(alt.rule);
    EXPECT_EQ(alt.stem.str(), "kukk");
    return false;
  }));
  EXPECT_EQ(rules, std::vector<int>{11});
}

}  // namespace
}  // namespace velimora::inflection
