#include "host/string.h"

#include <gtest/gtest.h>

#include "host/array.h"

namespace {

std::u16string text(const String& s) { return std::u16string(s.View()); }

TEST(StringConversion, IntegersUsePlainDecimal) {
  EXPECT_EQ(text(String(0)), u"0");
  EXPECT_EQ(text(String(-42)), u"-42");
  EXPECT_EQ(text(String(2147483647)), u"2147483647");
}

TEST(StringConversion, FloatsUseSeventeenDigitsAndKeepAPoint) {
  EXPECT_EQ(text(String(3.0f)), u"3.0");
  EXPECT_EQ(text(String(0.1f)), u"0.10000000149011612");
  EXPECT_EQ(text(String(0.5f)), u"0.5");
  EXPECT_EQ(text(String(-1.0f)), u"-1.0");
  EXPECT_EQ(text(String(1e20f)), u"1.0000000200408773e+20");
}

TEST(StringConversion, EightBitTextIsOneUnitPerByte) {
  String s("\xe9t\xe9");
  ASSERT_EQ(s.Length(), 3);
  EXPECT_EQ(s[0], 0xe9);
  EXPECT_EQ(s[1], 't');
}

TEST(StringSharing, EveryEmptyStringSharesOneRepresentation) {
  String a, b(""), c(u"", 0);
  EXPECT_TRUE(a.SharesRepWith(b));
  EXPECT_TRUE(a.SharesRepWith(c));
  EXPECT_TRUE(a.SharesRepWith(String("abc").Slice(2, 1)));
}

TEST(StringSharing, CopiesCountReferencesAndReleaseThem) {
  String a("hello");
  EXPECT_EQ(a.SharedRefs(), 1);
  {
    String b = a;
    String c = b;
    EXPECT_EQ(a.SharedRefs(), 3);
  }
  EXPECT_EQ(a.SharedRefs(), 1);
}

TEST(StringSharing, ConcatenationWithAnEmptySideSharesTheOther) {
  String a("abc");
  EXPECT_TRUE((a + String()).SharesRepWith(a));
  EXPECT_TRUE((String() + a).SharesRepWith(a));
  EXPECT_EQ(text(a + String("de")), u"abcde");
}

TEST(StringOperations, EqualityComparesUnits) {
  EXPECT_TRUE(String("abc") == String(u"abc", 3));
  EXPECT_FALSE(String("abc") == String("abd"));
  EXPECT_FALSE(String("abc") == String("ab"));
}

TEST(StringOperations, JoinPutsTheSeparatorBetweenPairs) {
  EXPECT_EQ(text(String(",").Join(Array<String>())), u"");
  Array<String> one{String("solo")};
  EXPECT_TRUE(String(",").Join(one).SharesRepWith(one[0]));
  EXPECT_EQ(text(String(", ").Join(Array<String>{String("a"), String(""), String("c")})), u"a, , c");
}

TEST(StringOperations, SplitKeepsEmptyPieces) {
  Array<String> parts = String("a,,b").Split(String(","));
  ASSERT_EQ(parts.Length(), 3);
  EXPECT_EQ(text(parts[0]), u"a");
  EXPECT_EQ(text(parts[1]), u"");
  EXPECT_EQ(text(parts[2]), u"b");
}

TEST(StringOperations, SplitOnEmptySeparatorGivesUnits) {
  Array<String> parts = String("abc").Split(String());
  ASSERT_EQ(parts.Length(), 3);
  EXPECT_EQ(text(parts[2]), u"c");
  EXPECT_EQ(String().Split(String()).Length(), 0);
}

TEST(StringOperations, SplitOfEmptyTextGivesOneEmptyString) {
  Array<String> parts = String().Split(String(","));
  ASSERT_EQ(parts.Length(), 1);
  EXPECT_TRUE(parts[0].IsEmpty());
}

TEST(StringOperations, SplitFindsSeparatorsWithoutOverlap) {
  Array<String> parts = String("aaaa").Split(String("aa"));
  ASSERT_EQ(parts.Length(), 3);
  EXPECT_EQ(text(String("x").Join(parts)), u"xx");
  Array<String> whole = String("abc").Split(String("-"));
  ASSERT_EQ(whole.Length(), 1);
}

TEST(StringOperations, ReplaceEveryOccurrenceLeftToRight) {
  EXPECT_EQ(text(String("aaa").Replace(String("aa"), String("b"))), u"ba");
  EXPECT_EQ(text(String("a\"b\"").Replace(String("\""), String("~q"))), u"a~qb~q");
  String s("unchanged");
  EXPECT_TRUE(s.Replace(String("z"), String("y")).SharesRepWith(s));
}

TEST(StringOperations, ToIntReadsLikeAtoi) {
  EXPECT_EQ(String("12abc").ToInt(), 12);
  EXPECT_EQ(String("-7").ToInt(), -7);
  EXPECT_EQ(String("x").ToInt(), 0);
  EXPECT_EQ(String("  \t+15").ToInt(), 15);
  EXPECT_EQ(String("").ToInt(), 0);
}

TEST(StringOperations, ToIntReadsOnlyTheFirst63Units) {
  std::string blanks(62, ' ');
  EXPECT_EQ(String((blanks + "12").c_str()).ToInt(), 1);
}

TEST(StringOperations, ToIntSaturatesInsteadOfOverflowing) {
  EXPECT_EQ(String("99999999999").ToInt(), 2147483647);
  EXPECT_EQ(String("-99999999999").ToInt(), -2147483647 - 1);
  EXPECT_EQ(String("-2147483648").ToInt(), -2147483647 - 1);
}

TEST(StringOperations, ToIntNarrowsUnitsToTheirLowByte) {
  // U+0131 narrows to 0x31, the digit 1.
  char16_t units[] = {0x0131, u'2'};
  EXPECT_EQ(String(units, 2).ToInt(), 12);
}

TEST(StringEncoding, Utf8UsesOneToThreeBytesPerUnit) {
  char16_t units[] = {u'A', 0x00e9, 0x20ac, 0xd83d, 0xde00};
  std::string utf8 = String(units, 5).ToUtf8();
  EXPECT_EQ(utf8, std::string("A\xc3\xa9\xe2\x82\xac\xed\xa0\xbd\xed\xb8\x80"));
}

TEST(StringOperations, SliceFindAndAffixes) {
  String s("hello world");
  EXPECT_EQ(s.Find(String("o")), 4);
  EXPECT_EQ(s.Find(String("o"), 5), 7);
  EXPECT_EQ(s.Find(String("z")), -1);
  EXPECT_EQ(text(s.Slice(6)), u"world");
  EXPECT_EQ(text(s.Slice(-3, 2)), u"he");
  EXPECT_TRUE(s.StartsWith(String("hell")));
  EXPECT_TRUE(s.EndsWith(String("world")));
  EXPECT_EQ(text(String("MiXeD.OGG").ToLower()), u"mixed.ogg");
}

TEST(StringSlots, CreateCopyAndDestroyRuns) {
  alignas(String) unsigned char raw[3 * sizeof(String)];
  String* slots = reinterpret_cast<String*>(raw);
  t_create(3, slots);
  EXPECT_TRUE(slots[2].IsEmpty());
  t_destroy(3, slots);
  String source[2] = {String("a"), String("b")};
  t_create(2, slots, source);
  EXPECT_EQ(source[0].SharedRefs(), 2);
  t_destroy(2, slots);
  EXPECT_EQ(source[0].SharedRefs(), 1);
}

}  // namespace
