#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <set>

#include "OpenedWindowTest.h"
#include "WindowTest.h"
#include "app/MainMenuBar.h"

namespace {

class KeyboardTest : public WindowTest {
 protected:
  void SetUp() override {
    const std::vector<Binding> probe = {
        {"PushButton1", Event::Action,
         Handler::OfPushButton([this](HauptF&, PushButton&) { ++okPressed; })},
    };
    window_ = std::make_unique<HauptF>(services, probe);
    ShowActive();
  }

  QAction& EditItem(const char* name) {
    auto* item = MainMenuBar::Instanz().findChild<QAction*>(QString::fromLatin1(name));
    if (item == nullptr) throw std::logic_error(name);
    return *item;
  }

  int okPressed = 0;
};

TEST_F(KeyboardTest, ReturnPressesOkWhereverTheFocusIs) {
  struct Row {
    const char* why;
    const char* focus;
    Qt::Key key;
  };
  const Row rows[] = {
      {"numerator field", "EingF", Qt::Key_Return},
      {"denominator field, keypad Enter", "EingF2", Qt::Key_Enter},
      {"extra x field", "xXF", Qt::Key_Return},
      {"text area", "AnzeigeF", Qt::Key_Return},
      {"another button", "QuitB112", Qt::Key_Return},
      {"combo box", "StellenWahlB", Qt::Key_Return},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.why);
    okPressed = 0;
    QWidget& target = control<QWidget>(r.focus);
    target.setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return target.hasFocus(); }));
    QTest::keyClick(QApplication::focusWidget(), r.key);
    EXPECT_EQ(okPressed, 1);
  }
  EXPECT_EQ(control<ComboBox>("StellenWahlB").count(), 7) << "Return adds no item";
}

TEST_F(KeyboardTest, TabIsTypedIntoTheDenominatorField) {
  TextField& denominator = window().EingF2();
  denominator.setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return denominator.hasFocus(); }));
  denominator.setCursorPosition(0);
  QTest::keyClick(&denominator, Qt::Key_Tab);
  EXPECT_EQ(denominator.Text(), "\t(x+4)(x^2+1)^2");
  EXPECT_TRUE(denominator.hasFocus());
}

// The field takes the Tab key into its text, so the term must still be read as typed.
using TabInTheDenominator = OpenedWindowTest;

TEST_F(TabInTheDenominator, IsReadAsABlank) {
  ShowActive();
  window().EingF().SetText("x^2");
  TextField& denominator = window().EingF2();
  denominator.setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return denominator.hasFocus(); }));
  denominator.clear();
  QTest::keyClicks(&denominator, "x+3");
  QTest::keyClick(&denominator, Qt::Key_Tab);
  ASSERT_EQ(denominator.Text(), "x+3\t");
  Druecke("PushButton1");
  EXPECT_EQ(denominator.TextColor(), QColor(0, 0, 0));
  const PolynomT& nenner = window().RRR.Nn;
  EXPECT_EQ(nenner.grad(), 1);
  EXPECT_EQ(nenner.Koeff[0], 3.0);
  EXPECT_EQ(nenner.Koeff[1], 1.0);
  EXPECT_EQ(window().RRR.Zl.grad(), 2);
}

TEST_F(KeyboardTest, TabNeverStopsInTheNumeratorField) {
  // Otherwise the round would end in the denominator field, which keeps its Tabs.
  window().EingF2().SetAcceptTabs(false);
  control<QWidget>("vonF").setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return control<QWidget>("vonF").hasFocus(); }));
  // More presses than there are controls: the focus goes round the window at least once.
  std::set<QWidget*> visited;
  for (int i = 0; i < 150; ++i) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_NE(focus, &window().EingF()) << "after " << i << " Tab presses";
    visited.insert(focus);
    QTest::keyClick(focus, Qt::Key_Tab);
  }
  EXPECT_TRUE(visited.contains(&window().EingF2()));
  EXPECT_GT(visited.size(), 60u);
  window().EingF().setFocus();
  EXPECT_TRUE(QTest::qWaitFor([&] { return window().EingF().hasFocus(); }))
      << "a click still gives it the focus";
}

TEST_F(KeyboardTest, EditItemsWorkOnTheFocusedField) {
  TextField& numerator = window().EingF();
  numerator.setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return numerator.hasFocus(); }));
  EditItem("EditSelectAll").trigger();
  EditItem("EditCut").trigger();
  EXPECT_EQ(numerator.Text(), "");
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("(x-2)(x^2+x+1)(x^2-3)"));
  EditItem("EditUndo").trigger();
  EXPECT_EQ(numerator.Text(), "(x-2)(x^2+x+1)(x^2-3)");

  TextField& lower = control<TextField>("vonF");
  lower.setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return lower.hasFocus(); }));
  EditItem("EditPaste").trigger();
  EXPECT_EQ(lower.Text(), "(x-2)(x^2+x+1)(x^2-3)");
  EditItem("EditSelectAll").trigger();
  EditItem("EditClear").trigger();
  EXPECT_EQ(lower.Text(), "");

  TextField& result = control<TextField>("IntegralF");
  result.setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return result.hasFocus(); }));
  EditItem("EditPaste").trigger();
  EXPECT_EQ(result.Text(), "") << "the read-only result takes no paste";
}

}  // namespace
