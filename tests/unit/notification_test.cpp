// Notification reads: the default stands for a missing value, texts are cut to the
// reader's buffer and never overrun it.
#include <gtest/gtest.h>

#include <string>

#include "kxua/values.h"
#include "model/notification.h"
#include "testbed/notification.h"

namespace kxua {
namespace {

TEST(NotificationRead, TextIsCutToTheBufferTheReaderChose) {
  struct Case {
    std::size_t valueLength;
    std::size_t capacity;
    std::size_t expected;
  } cases[] = {
      {259, kText, 259},  // fits a 260-character buffer with its terminator
      {260, kText, 259},
      {600, kText, 259},
      {600, kLongText, 519},
      {15, kShortText, 15},
      {39, kShortText, 15},  // an IPv6 address in the 16-character address buffer
      {0, kText, 0},
      {5, 1, 0},
      {kLongestProductText, kLongestProductText + 1, kLongestProductText},
  };
  for (const Case& c : cases) {
    testbed::Notification notification;
    std::wstring value(c.valueLength, L'x');
    for (std::size_t i = 0; i < value.size(); ++i) value[i] = static_cast<wchar_t>(L'a' + i % 26);
    notification.SetText(key::Path, value);
    EXPECT_EQ(value.substr(0, c.expected), ReadText(&notification, key::Path, c.capacity))
        << c.valueLength << " characters into " << c.capacity;
  }
}

TEST(NotificationRead, MissingValuesAndNullNotificationsGiveTheDefault) {
  testbed::Notification notification;
  notification.SetText(key::path, L"lower-case key");
  notification.SetNumber(key::FormType, 13);
  EXPECT_EQ(L"", ReadText(&notification, key::Path, kText)) << "Path and path are different";
  EXPECT_EQ(L"fallback", ReadText(&notification, key::TitleText, kText, L"fallback"));
  EXPECT_EQ(L"fall", ReadText(&notification, key::TitleText, 5, L"fallback"));
  EXPECT_EQ(13, ReadNumber(&notification, key::FormType, -1));
  EXPECT_EQ(-1, ReadNumber(&notification, key::PortDst, -1));
  EXPECT_EQ(-1, ReadNumber(&notification, key::path, -1)) << "a text is no number";
  EXPECT_TRUE(ReadFlag(&notification, key::FullScreenVisible, true));
  EXPECT_EQ(0u, ReadNumber64(&notification, key::BytesSize));

  EXPECT_EQ(L"d", ReadText(nullptr, key::Path, kText, L"d"));
  EXPECT_EQ(7, ReadNumber(nullptr, key::FormType, 7));
  EXPECT_FALSE(ReadFlag(nullptr, key::ResponseNeeded, false));
}

TEST(NotificationRead, NumbersAndFlagsKeepTheirFullRange) {
  testbed::Notification notification;
  notification.SetNumber64(key::BytesSize, 0xFFFFFFFFFFFFFFFFull);
  notification.SetNumber(key::AlertExpirationDate, -2);
  notification.SetFlagByte(key::DetailsEnabled, 0xFF);  // any nonzero byte is true
  notification.SetFlag(key::ResponseNeeded, false);
  EXPECT_EQ(0xFFFFFFFFFFFFFFFFull, ReadNumber64(&notification, key::BytesSize));
  EXPECT_EQ(-2, ReadNumber(&notification, key::AlertExpirationDate, 0));
  EXPECT_TRUE(ReadFlag(&notification, key::DetailsEnabled, false));
  EXPECT_FALSE(ReadFlag(&notification, key::ResponseNeeded, true));
}

}  // namespace
}  // namespace kxua
