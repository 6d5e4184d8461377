// The body conversions of a background request, and the charset work under them.
#include <gtest/gtest.h>

#include "text/charset.h"

namespace quintara {
namespace {

TEST(Charset, Utf8BecomesGbk) {
    EXPECT_EQ(utf8ToGbk("中文abc"),
              "\xD6\xD0\xCE\xC4"
              "abc");
    EXPECT_EQ(utf8ToGbk("台湾开奖号码"), "\xCC\xA8\xCD\xE5\xBF\xAA\xBD\xB1\xBA\xC5\xC2\xEB");
    EXPECT_EQ(utf8ToGbk(""), "");
}

TEST(Charset, Big5BecomesSimplifiedGbk) {
    // 臺灣開獎號碼 in Big5
    EXPECT_EQ(big5ToSimplifiedGbk("\xBB\x4F\xC6\x57\xB6\x7D\xBC\xFA\xB8\xB9\xBD\x58"),
              "\xCC\xA8\xCD\xE5\xBF\xAA\xBD\xB1\xBA\xC5\xC2\xEB");
    EXPECT_EQ(big5ToSimplifiedGbk("expect=1"), "expect=1");
}

TEST(Charset, BrokenBytesBecomeQuestionMarksAndNeverFail) {
    EXPECT_EQ(utf8ToGbk("a\xFF"
                        "b"),
              "a?b");
    const std::string garbage(4096, '\xFE');
    EXPECT_FALSE(big5ToSimplifiedGbk(garbage).empty());
    EXPECT_FALSE(utf8ToGbk(garbage).empty());
}

TEST(Charset, DecodeAndEncodeKeepEveryCharacter) {
    const std::string gbk =
        "\xD6\xD0\xCE\xC4"
        "abc";
    EXPECT_EQ(decodeBytes(gbk, kGbk), u"中文abc");
    EXPECT_EQ(encodeText(u"中文abc", kGbk), gbk);
    EXPECT_EQ(decodeBytes("\xF0\x9F\x98\x80", kUtf8), u"\U0001F600");
    EXPECT_EQ(encodeText(u"\U0001F600", kGbk), "?");
}

TEST(Charset, AnUnknownCharsetGivesNothing) {
    EXPECT_EQ(decodeBytes("abc", "no-such-charset"), u"");
    EXPECT_EQ(encodeText(u"abc", "no-such-charset"), "");
}

}  // namespace
}  // namespace quintara
