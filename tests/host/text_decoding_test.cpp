#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "host/string.h"

namespace {

using namespace std::string_literals;

std::u16string Decode(const std::string& bytes) {
  String text = String::DecodeText(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  return std::u16string(text.View());
}

// The stream `String::Load` gets when a file holds `bytes`.
std::u16string LoadFromStream(const std::string& bytes) {
  std::FILE* stream = std::tmpfile();
  EXPECT_NE(stream, nullptr);
  if (!stream) return u"<no stream>";
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::rewind(stream);
  String text = String::Load(stream);
  std::fclose(stream);
  return std::u16string(text.View());
}

TEST(TextByteOrderMark, LittleEndianUtf16FromByteTwo) {
  EXPECT_EQ(Decode("\xFF\xFE" "A\0\xAC\x20\x3D\xD8\x00\xDE"s), u"A\u20AC\U0001F600");
}

TEST(TextByteOrderMark, BigEndianUtf16FromByteTwo) {
  EXPECT_EQ(Decode("\xFE\xFF\0A\x20\xAC"s), u"A\u20AC");
}

TEST(TextByteOrderMark, Utf16DropsAFinalOddByte) {
  EXPECT_EQ(Decode("\xFF\xFE" "A\0B"s), u"A");
  EXPECT_EQ(Decode("\xFE\xFF\0A\0"s), u"A");
  EXPECT_EQ(Decode("\xFF\xFE" "B"), u"");
}

TEST(TextByteOrderMark, MarkAloneIsTheEmptyText) {
  EXPECT_EQ(Decode("\xFF\xFE"), u"");
  EXPECT_EQ(Decode("\xFE\xFF"), u"");
  EXPECT_EQ(Decode("\xEF\xBB\xBF"), u"");
  EXPECT_TRUE(String::DecodeText(reinterpret_cast<const unsigned char*>("\xEF\xBB\xBF"), 3)
                  .SharesRepWith(String()));
}

TEST(TextByteOrderMark, Utf8MarkIsSkipped) {
  EXPECT_EQ(Decode("\xEF\xBB\xBF" "A\xC3\xA9"), u"A\u00E9");
}

TEST(TextByteOrderMark, TwoBytesOfTheUtf8MarkAreOrdinaryBytes) {
  // Too short for the mark, and a cut-off three-byte sequence: read as single bytes.
  EXPECT_EQ(Decode("\xEF\xBB"), u"\u00EF\u00BB");
}

TEST(TextUtf8, OneTwoAndThreeByteSequences) {
  EXPECT_EQ(Decode("a\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xE2\x82\xAC\xEF\xBF\xBF"),
            u"a\u007F\u0080\u07FF\u0800\u20AC\uFFFF");
}

TEST(TextUtf8, NulIsAnOrdinaryUnit) {
  EXPECT_EQ(Decode("a\0b"s), std::u16string(u"a\0b", 3));
}

TEST(TextUtf8, SurrogateHalvesWrittenOneByOneComeBackAsAPair) {
  // What the state file holds for U+1F600.
  EXPECT_EQ(Decode("\xED\xA0\xBD\xED\xB8\x80"), u"\U0001F600");
}

TEST(TextLatin1Fallback, FourByteSequenceMakesTheWholeTextSingleBytes) {
  EXPECT_EQ(Decode("\xC3\xA9 \xF0\x9F\x98\x80"), u"\u00C3\u00A9 \u00F0\u009F\u0098\u0080");
}

TEST(TextLatin1Fallback, StartsAfterASkippedUtf8Mark) {
  EXPECT_EQ(Decode("\xEF\xBB\xBF" "A\xF0\x9F\x98\x80"), u"A\u00F0\u009F\u0098\u0080");
}

TEST(TextLatin1Fallback, SequenceCutShortByTheEnd) {
  EXPECT_EQ(Decode("A\xE2\x82"), u"A\u00E2\u0082");
  EXPECT_EQ(Decode("A\xC3"), u"A\u00C3");
}

TEST(TextLatin1Fallback, StrayContinuationByte) {
  EXPECT_EQ(Decode("A\x80" "B"), u"A\u0080B");
}

TEST(TextLatin1Fallback, LeadFollowedByANonContinuationByte) {
  EXPECT_EQ(Decode("\xE2\x82" "A"), u"\u00E2\u0082A");
  EXPECT_EQ(Decode("\xC3" "AB"), u"\u00C3AB");
}

TEST(TextLatin1Fallback, ByteThatIsNoMarkOnItsOwn) {
  EXPECT_EQ(Decode("\xFF"), u"\u00FF");
  EXPECT_EQ(Decode("\xFE" "A"), u"\u00FE" u"A");
}

TEST(TextLoad, EmptyStreamIsTheEmptyString) {
  EXPECT_EQ(LoadFromStream(""), u"");
}

TEST(TextLoad, ReadsPastSeveralBlocksAndDecodesAcrossTheirEdges) {
  // A three-byte sequence straddles the 4096-byte boundary; the text ends in a fourth block.
  std::string bytes(4095, 'x');
  bytes += "\xE2\x82\xAC";
  bytes += std::string(8500, 'y');
  std::u16string expected(4095, u'x');
  expected += u'\u20AC';
  expected += std::u16string(8500, u'y');
  EXPECT_EQ(LoadFromStream(bytes), expected);
}

TEST(TextLoad, ExactMultipleOfTheBlockSize) {
  EXPECT_EQ(LoadFromStream(std::string(8192, 'z')), std::u16string(8192, u'z'));
}

TEST(TextLoad, ReadsByteOrderMarks) {
  EXPECT_EQ(LoadFromStream("\xFF\xFE" "h\0i\0!"s), u"hi");
}

}  // namespace
