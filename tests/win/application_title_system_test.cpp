#include <gtest/gtest.h>

#include "app/core/application_title.h"
#include "text/cp1251.h"

namespace {

TEST(SystemApplicationTitle, LowerCasesThroughTheSystem) {
  EXPECT_EQ(app::ApplicationTitle("C:\\TOWN\\VIRAVOZ.EXE"), "Viravoz");
  EXPECT_EQ(app::ApplicationTitle(text::Utf8ToCp1251("Z:\\ТЕЛЕФОНЫ.ГОРОДА.EXE")),
            text::Utf8ToCp1251("Телефоны"));
}

}  // namespace
