#include "app/toolbox_window.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app_test_support.h"
#include "views/toolbox_window.h"

namespace lumora {
namespace {

class ToolboxWindowTest : public ::testing::Test {
 protected:
  ToolboxWindowTest() {
    doc->CrewType = static_cast<std::uint8_t>(CrewKind::Captains);
    window.onKeyPress = [this](QKeyEvent* e) { pressed.push_back(e->key()); };
    window.onKeyRelease = [this](QKeyEvent* e) { released.push_back(e->key()); };
    window.onClosed = [this] { ++closed; };
    window.rebuild();
    window.show();
  }

  int indexOf(const char* code) const {
    for (int n = 0; n < model.count(); ++n) {
      if (model.button(n).item.code == code) return n;
    }
    return -1;
  }

  std::unique_ptr<TDocument> doc = std::make_unique<TDocument>();
  TButtonWin model;
  QWidget mainWindow;
  ToolboxWindow window{model, *doc, &mainWindow};
  std::vector<int> pressed;
  std::vector<int> released;
  int closed = 0;
};

TEST_F(ToolboxWindowTest, ButtonsSitWhereTheModelPutsThem) {
  ASSERT_GT(model.count(), 12);
  EXPECT_EQ(window.findChildren<QPushButton*>().size(), model.count());
  for (int n = 0; n < model.count(); ++n) {
    SCOPED_TRACE(n);
    QPushButton* button = window.buttonWidget(n);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->geometry(), QRect(37 * (n % 12), 22 * (n / 12), 35, 20));
    EXPECT_EQ(button->text(), QString::fromLatin1(model.button(n).item.code.c_str()));
    EXPECT_EQ(button->font().pixelSize(), 15);
    // The code is explained before it is pressed.
    EXPECT_FALSE(button->toolTip().isEmpty());
    EXPECT_EQ(button->toolTip(), QString::fromLatin1(model.button(n).item.message.c_str()));
  }
  EXPECT_EQ(window.buttonWidget(model.count()), nullptr);
  EXPECT_EQ(window.size(), QSize(450, 22 * model.rowCount()));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Default ToolBox"));

  // Loaded entries: fewer buttons, the old widgets gone, the dated caption.
  for (int n = 0; n < 13; ++n) {
    doc->ToolboxItems[static_cast<std::size_t>(n)].Code = "E" + std::to_string(n);
  }
  doc->ToolboxCount = 13;
  doc->ToolboxDate = "02/01/2027";
  window.rebuild();
  EXPECT_EQ(window.findChildren<QPushButton*>().size(), 25);
  EXPECT_EQ(window.size(), QSize(450, 66));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("ToolBox Date 02/01/2027"));
}

TEST_F(ToolboxWindowTest, LeftPressMakesTheCodeCurrentAndTheClickFollows) {
  const int vac = indexOf("VAC");
  ASSERT_GE(vac, 12);
  QPushButton* button = window.buttonWidget(vac);
  QSignalSpy clicks(button, &QPushButton::clicked);

  QTest::mouseClick(button, Qt::RightButton);
  EXPECT_EQ(model.currentItem(), RequestButton(1));
  EXPECT_EQ(doc->view.toolboxPlacing, 0);

  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(model.currentItem(), model.button(vac).item);
  EXPECT_EQ(model.currentItem().credit, 170);
  EXPECT_EQ(doc->view.toolboxPlacing, 1);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Vacation"));
  EXPECT_EQ(clicks.count(), 1);

  model.pairingSelected();
  window.refreshCaption();
  EXPECT_EQ(window.windowTitle(), QString());
}

TEST_F(ToolboxWindowTest, KeysGoToTheMainWindowAndOnlyTheCloseBoxCloses) {
  QPushButton* button = window.buttonWidget(0);
  QSignalSpy clicks(button, &QPushButton::clicked);

  QTest::keyClick(&window, Qt::Key_F5);
  QTest::keyClick(&window, Qt::Key_Tab);
  QTest::keyClick(button, Qt::Key_Space);
  QTest::keyClick(button, Qt::Key_Return);
  const std::vector<int> keys{Qt::Key_F5, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return};
  EXPECT_EQ(pressed, keys);
  EXPECT_EQ(released, keys);
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_EQ(model.currentItem(), RequestButton(1));
  EXPECT_EQ(doc->view.toolboxPlacing, 0);

  window.hide();
  EXPECT_EQ(closed, 0);
  window.show();
  window.close();
  EXPECT_EQ(closed, 1);
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace lumora
