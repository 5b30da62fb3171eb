// Password scrambling, the comment's problem characters and the job-comment file name.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "options/CCorvelOptions.h"
#include "platform/Random.h"

namespace {

std::string Scrambled(std::string text) {
  text.resize(text.size() * 2 + 1);
  CCorvelOptions::EncryptUserPassword(text.data());
  return text.c_str();
}

std::string Unscrambled(std::string text) {
  CCorvelOptions::DecryptUserPassword(text.data());
  return text.c_str();
}

TEST(PasswordScrambling, KnownPairsAndTheKeyCycle) {
  EXPECT_EQ(Scrambled(""), "");
  EXPECT_EQ(Unscrambled(""), "");
  // 'a' (97) + 'O' (79) = 176 = 7 * 23 + 15; '1' (49) + 'r' (114) = 163 = 7 * 23 + 2.
  EXPECT_EQ(Scrambled("a1"), "7F72");
  // The sixth character takes the first key character again.
  const std::string six = Scrambled("xyzuvx");
  EXPECT_EQ(six.substr(0, 2), six.substr(10, 2));
  CCorvelOptions::EncryptUserPassword(nullptr);
  CCorvelOptions::DecryptUserPassword(nullptr);
}

TEST(PasswordScrambling, EveryLetterAndDigitTextComesBack) {
  const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  for (size_t length = 1; length <= 32; ++length) {
    for (size_t start = 0; start < alphabet.size(); start += 7) {
      std::string text;
      for (size_t i = 0; i < length; ++i) text += alphabet[(start + i * 11) % alphabet.size()];
      const std::string scrambled = Scrambled(text);
      EXPECT_EQ(scrambled.find_first_not_of("0123456789ABCDEFGHIJKLM"), std::string::npos) << text;
      EXPECT_EQ(Unscrambled(scrambled), text);
    }
  }
  // Bytes from 0x80 up stay within the digits and come back too.
  const std::string high = "\xE9\xFF\x80";
  EXPECT_EQ(Scrambled(high).find_first_not_of("0123456789ABCDEFGHIJKLM"), std::string::npos);
  EXPECT_EQ(Unscrambled(Scrambled(high)), high);
}

TEST(ProblemChars, AreReplacedByBracketedCodes) {
  const struct {
    std::string text, safe;
  } cases[] = {
      {"a,b", "a<2C>b"}, {"it's\r\n", "it<27>s<0D><0A>"}, {"nothing to do", "nothing to do"}};
  for (const auto& c : cases) {
    std::string buffer = c.text;
    buffer.resize(c.text.size() * 4 + 1);
    CCorvelOptions::SwitchCUPSProblemChars(buffer.data());
    EXPECT_EQ(std::string(buffer.c_str()), c.safe) << c.text;
  }
  CCorvelOptions::SwitchCUPSProblemChars(nullptr);
}

TEST(RandomFileName, BaseAndAnUnsignedNumberFromTheSeededGenerator) {
  SetRandomSeed(42);
  const std::string first = CCorvelOptions::CreateRandomFileName("/tmp/Zanth.temp", nullptr);
  SetRandomSeed(42);
  char out[32];
  EXPECT_EQ(CCorvelOptions::CreateRandomFileName("/tmp/Zanth.temp", out), first);
  EXPECT_STREQ(out, first.c_str());
  SetRandomSeed(42);
  EXPECT_EQ(first, "/tmp/Zanth.temp" + std::to_string(static_cast<uint16_t>(Random())));
  // The generator's negative values read as numbers from 32769 up, never with a sign.
  bool sawHighNumber = false;
  for (int i = 0; i < 1000; ++i) {
    const std::string number = CCorvelOptions::CreateRandomFileName(nullptr, nullptr);
    ASSERT_EQ(number.find_first_not_of("0123456789"), std::string::npos) << number;
    sawHighNumber |= std::stoul(number) > 32768u;
  }
  EXPECT_TRUE(sawHighNumber);
}

}  // namespace
