#include "app/desktop_mailer.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace lumora {
namespace {

TEST(DesktopMailer, EachFileIsOneArgumentWhateverItsName) {
  const std::filesystem::path files[] = {"/data/May blocks.lm2", "/data/a;b $(rm -rf x).lmv"};
  EXPECT_EQ(DesktopMailer::arguments(files),
            (QStringList{QStringLiteral("--attach"), QStringLiteral("/data/May blocks.lm2"),
                         QStringLiteral("--attach"), QStringLiteral("/data/a;b $(rm -rf x).lmv")}));

  DesktopMailer missing{QString()};
  EXPECT_FALSE(missing.available());
  EXPECT_FALSE(missing.send(files));
  DesktopMailer starts{QStringLiteral("/bin/true")};
  EXPECT_TRUE(starts.send(files));
  DesktopMailer broken{QStringLiteral("/nonexistent/xdg-email")};
  EXPECT_FALSE(broken.send(files));
}

}  // namespace
}  // namespace lumora
