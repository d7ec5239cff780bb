#include "run_parameters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorva {
namespace {

struct ParseCase {
  std::vector<std::string> options;  // after the two file names
  bool accepted;
  int Sampe_rate = 2;
  float Highest_Lum = 160.0f;
  int Display_Resolution = 1280;
  float Ratio = 1.0f;
};

bool parse(const std::vector<std::string>& words, RunParameters& p) {
  std::vector<const char*> argv{"QUORVA"};
  for (const auto& w : words) argv.push_back(w.c_str());
  return parse_command_line(static_cast<int>(argv.size()), argv.data(), p);
}

class ParseCommandLineTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseCommandLineTest, ReadsOptionsAsAtoiAndAtofWould) {
  const ParseCase& c = GetParam();
  std::vector<std::string> words{"left.bmp", "right.bmp"};
  words.insert(words.end(), c.options.begin(), c.options.end());
  RunParameters p;
  ASSERT_EQ(parse(words, p), c.accepted);
  if (!c.accepted) return;
  EXPECT_EQ(p.bmp1, "left.bmp");
  EXPECT_EQ(p.bmp2, "right.bmp");
  EXPECT_EQ(p.Sampe_rate, c.Sampe_rate);
  EXPECT_EQ(p.Highest_Lum, c.Highest_Lum);
  EXPECT_EQ(p.Display_Resolution, c.Display_Resolution);
  EXPECT_EQ(p.Ratio, c.Ratio);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseCommandLineTest,
    testing::Values(ParseCase{{}, true},
                    ParseCase{{"-s", "3", "-l", "250.5", "-d", "1920", "-r", "0.75"}, true, 3, 250.5f, 1920, 0.75f},
                    ParseCase{{"-r", "0.5", "-s", "7"}, true, 7, 160.0f, 1280, 0.5f},  // any order
                    ParseCase{{"-s", "3", "-s", "5"}, true, 5},                        // the later one counts
                    ParseCase{{"-s", "100"}, true, 100},                 // limited later, not here
                    ParseCase{{"-s", "12abc"}, true, 12},                // the numeric prefix counts
                    ParseCase{{"-d", "0"}, true, 2, 160.0f, 0},          // 0 is fine for -d, -l, -r
                    ParseCase{{"-l", "0", "-r", "0"}, true, 2, 0.0f, 1280, 0.0f},
                    ParseCase{{"-l", "abc"}, true, 2, 0.0f},             // no prefix reads as 0
                    ParseCase{{"-S", "5", "-x", "-d", "800"}, true, 2, 160.0f, 800},  // unknown ones skipped
                    ParseCase{{"-s", "99999999999"}, true, 2147483647},  // held to the int range
                    ParseCase{{"-s", "0"}, false},
                    ParseCase{{"-s", "abc"}, false},
                    ParseCase{{"-s", "-2"}, false},
                    ParseCase{{"-d", "-1"}, false},
                    ParseCase{{"-l", "-5"}, false},
                    ParseCase{{"-r", "-0.5"}, false},
                    ParseCase{{"-l", "nan"}, false},
                    ParseCase{{"-l", "inf"}, false},
                    ParseCase{{"-l", "1e39"}, false},                    // infinite once stored as a float
                    ParseCase{{"-r", "nan"}, false},
                    ParseCase{{"-r", "1e30"}, false},                    // the window overflows an int
                    ParseCase{{"-d", "800", "-s"}, false},               // an option without its value
                    ParseCase{{"-r"}, false}));

TEST(ParseCommandLine, NeedsTwoFileNames) {
  RunParameters p;
  EXPECT_FALSE(parse({}, p));
  EXPECT_FALSE(parse({"left.bmp"}, p));
}

TEST(ParseCommandLine, TakesTheFirstTwoArgumentsAsFileNamesWhateverTheyLookLike) {
  RunParameters p;
  ASSERT_TRUE(parse({"-s", "5", "-d", "800"}, p));
  EXPECT_EQ(p.bmp1, "-s");
  EXPECT_EQ(p.bmp2, "5");
  EXPECT_EQ(p.Sampe_rate, 2);
  EXPECT_EQ(p.Display_Resolution, 800);
}

TEST(ParseCommandLine, KeepsFileNamesOfAnyLength) {
  const std::string long_name = std::string(600, 'n') + ".bmp";
  RunParameters p;
  ASSERT_TRUE(parse({long_name, "with space.bmp"}, p));
  EXPECT_EQ(p.bmp1, long_name);
  EXPECT_EQ(p.bmp2, "with space.bmp");
}

}  // namespace
}  // namespace quorva
