// Letter case over the whole Windows-1252 code page, and the UTF-8 boundary.
#include "core/Texto.h"

#include <gtest/gtest.h>

TEST(Texto, CaseCoversEveryLetterOfTheCodePage) {
  const std::string mayusculas = "AZ\xC0\xC9\xD1\xDE\x8A\x8C\x8E\x9F";
  const std::string minusculas = "az\xE0\xE9\xF1\xFE\x9A\x9C\x9E\xFF";
  EXPECT_EQ(AMinusculas(mayusculas), minusculas);
  EXPECT_EQ(AMayusculas(minusculas), mayusculas);
  EXPECT_TRUE(IgualesSinMayusculas(mayusculas, minusculas));
}

TEST(Texto, NonLettersKeepTheirCase) {
  // multiplication and division signs sit among the accented letters; sharp s has no capital
  const std::string signos = "\xD7\xF7\xDF\xB5$&-1";
  EXPECT_EQ(AMinusculas(signos), signos);
  EXPECT_EQ(AMayusculas(signos), signos);
  EXPECT_FALSE(IgualesSinMayusculas("\xD7", "\xF7"));
  EXPECT_FALSE(IgualesSinMayusculas("ab", "abc"));
}

TEST(Texto, Utf8RoundTripsEveryByte) {
  std::string todos;
  for (int b = 1; b < 256; ++b) todos += static_cast<char>(b);
  const auto vuelta = Utf8ACp1252(Cp1252AUtf8(todos));
  ASSERT_TRUE(vuelta.has_value());
  EXPECT_EQ(*vuelta, todos);
  EXPECT_EQ(Cp1252AUtf8("\x80\xF1"), "\xE2\x82\xAC\xC3\xB1");  // euro sign, n with tilde
}

TEST(Texto, Utf8FailuresGiveTheirPosition) {
  std::size_t posicion = 99;
  EXPECT_FALSE(Utf8ACp1252("ab\xE4\xB8\xAD", &posicion).has_value());  // a CJK character
  EXPECT_EQ(posicion, 2u);
  EXPECT_FALSE(Utf8ACp1252("a\xC3", &posicion).has_value());  // truncated sequence
  EXPECT_EQ(posicion, 1u);
  EXPECT_FALSE(Utf8ACp1252("\xED\xA0\x80", &posicion).has_value());  // surrogate
  EXPECT_FALSE(Utf8ACp1252("\xC0\xAF", &posicion).has_value());      // overlong slash
}

TEST(Texto, Utf8DetectionNeedsValidNonAsciiText) {
  EXPECT_TRUE(EsUtf8NoAscii("ni\xC3\xB1o"));
  EXPECT_FALSE(EsUtf8NoAscii("nino"));
  EXPECT_FALSE(EsUtf8NoAscii("ni\xF1o"));  // a Windows-1252 file
}
