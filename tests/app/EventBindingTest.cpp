#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <string>
#include <vector>

#include "WindowTest.h"
#include "app/MainMenuBar.h"
#include "app/Varelto.h"

namespace {

// Records which probe ran, for which control.
struct ProbeLog {
  std::vector<std::string> calls;

  Handler OfField(const char* tag) {
    return Handler::OfTextField(
        [this, tag](HauptF&, TextField& f) { calls.push_back(Tag(tag, f)); });
  }
  Handler OfButton(const char* tag) {
    return Handler::OfPushButton(
        [this, tag](HauptF&, PushButton& b) { calls.push_back(Tag(tag, b)); });
  }
  Handler OfBox(const char* tag) {
    return Handler::OfComboBox(
        [this, tag](HauptF&, ComboBox& c) { calls.push_back(Tag(tag, c) + "=" + c.Text()); });
  }
  Handler OfArrows(const char* tag) {
    return Handler::OfArrows(
        [this, tag](HauptF&, UpDownArrows& a) { calls.push_back(Tag(tag, a)); });
  }
  static std::string Tag(const char* tag, const QWidget& w) {
    return std::string(tag) + ":" + w.objectName().toStdString();
  }
};

class EventBindingTest : public WindowTest {
 protected:
  void SetUp() override {
    const std::vector<Binding> probes = {
        {"EingF", Event::TextChange, log.OfField("change")},
        {"EingF2", Event::TextChange, log.OfField("change")},
        {"PushButton1", Event::Action, log.OfButton("action")},
        {"StellenWahlB", Event::TextChanged, log.OfBox("box")},
        {"RinglisteB", Event::TextChanged, log.OfBox("box")},
        {"KoeffRundenWahlB", Event::TextChanged, log.OfBox("box")},
        {"HZoomArrows", Event::Up, log.OfArrows("up")},
        {"HZoomArrows", Event::Down, log.OfArrows("down")},
        {"GraphCanvas", Event::MouseDown,
         Handler::OfMouseDown([this](HauptF&, Canvas&, int x, int y) {
           log.calls.push_back("down:" + std::to_string(x) + "," + std::to_string(y));
           return false;
         })},
        {"GraphCanvas", Event::Paint,
         Handler::OfPaint([this](HauptF&, Canvas&, QPainter&) { log.calls.push_back("paint"); })},
    };
    window_ = std::make_unique<HauptF>(services, probes);
  }

  ProbeLog log;
};

TEST_F(EventBindingTest, SettingInitialTextsAndItemsStartsNoHandler) {
  EXPECT_TRUE(log.calls.empty());
  EXPECT_EQ(window().EingF().Text(), "(x-2)(x^2+x+1)(x^2-3)");
  EXPECT_EQ(window().RinglisteB().Text(), "    Anzeigen");
}

TEST_F(EventBindingTest, CodeSettingATextRunsTheHandlerBeforeReturning) {
  window().EingF2().SetText("1");
  EXPECT_EQ(log.calls, std::vector<std::string>{"change:EingF2"});
  window().RinglisteB().SetText("Aktion wählen");
  EXPECT_EQ(log.calls.back(), "box:RinglisteB=Aktion wählen");
  window().RinglisteB().SetText("Aktion wählen");
  EXPECT_EQ(log.calls.size(), 2u) << "the same text again is no change";
}

TEST_F(EventBindingTest, TypingRunsTheHandlerOnEveryEdit) {
  ShowActive();
  window().EingF().clear();
  log.calls.clear();
  QTest::keyClicks(&window().EingF(), "x+1");
  EXPECT_EQ(log.calls.size(), 3u);

  log.calls.clear();
  ComboBox& box = window().StellenWahlB();
  box.lineEdit()->selectAll();
  QTest::keyClicks(box.lineEdit(), "12");
  EXPECT_EQ(log.calls, (std::vector<std::string>{"box:StellenWahlB=1", "box:StellenWahlB=12"}));
}

TEST_F(EventBindingTest, ChoosingAnItemRunsTheHandlerEvenForTheItemShown) {
  window().show();
  ComboBox& box = window().KoeffRundenWahlB();
  for (int pick = 0; pick < 2; ++pick) {
    box.showPopup();
    QAbstractItemView* list = box.view();
    list->setCurrentIndex(list->model()->index(3, 0));
    QTest::keyClick(list, Qt::Key_Return);
  }
  EXPECT_EQ(log.calls, (std::vector<std::string>{"box:KoeffRundenWahlB=    2 Dezimalen",
                                                 "box:KoeffRundenWahlB=    2 Dezimalen"}));
}

TEST_F(EventBindingTest, ButtonsArrowsAndCanvasReachTheirHandlers) {
  window().show();
  QTest::mouseClick(&control<PushButton>("PushButton1"), Qt::LeftButton);
  UpDownArrows& arrows = control<UpDownArrows>("HZoomArrows");
  QTest::mouseClick(&arrows, Qt::LeftButton, {}, QPoint(6, 3));
  QTest::mouseClick(&arrows, Qt::LeftButton, {}, QPoint(6, 20));
  QTest::mousePress(&window().GraphCanvas(), Qt::LeftButton, {}, QPoint(10, 20));
  const std::vector<std::string> clicks(log.calls.begin(), log.calls.end());
  EXPECT_NE(std::find(clicks.begin(), clicks.end(), "action:PushButton1"), clicks.end());
  EXPECT_NE(std::find(clicks.begin(), clicks.end(), "up:HZoomArrows"), clicks.end());
  EXPECT_NE(std::find(clicks.begin(), clicks.end(), "down:HZoomArrows"), clicks.end());
  EXPECT_NE(std::find(clicks.begin(), clicks.end(), "down:10,20"), clicks.end());
}

TEST_F(EventBindingTest, ThePaintHandlerRunsFromTheEventLoop) {
  window().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
  log.calls.clear();
  window().GraphCanvas().Invalidate();
  EXPECT_TRUE(log.calls.empty()) << "a repaint request draws nothing yet";
  EXPECT_TRUE(QTest::qWaitFor([&] { return !log.calls.empty(); }));
  EXPECT_EQ(log.calls.front(), "paint");
}

TEST(BindingTableTest, RefusesRowsThatCannotBeBound) {
  ScriptedServices services;
  const Handler field = Handler::OfTextField([](HauptF&, TextField&) {});
  const Handler button = Handler::OfPushButton([](HauptF&, PushButton&) {});
  struct Row {
    const char* why;
    std::vector<Binding> table;
  };
  const Row rows[] = {
      {"no such control", {{"EingF3", Event::TextChange, field}}},
      {"bound twice", {{"EingF", Event::TextChange, field}, {"EingF", Event::TextChange, field}}},
      {"a label has no Action", {{"Label2", Event::Action, button}}},
      {"handler of another event", {{"EingF", Event::TextChange, button}}},
      {"a field has no Paint", {{"EingF", Event::Paint, field}}},
  };
  for (const Row& r : rows) EXPECT_THROW(HauptF(services, r.table), std::logic_error) << r.why;
  const auto& app = *static_cast<Varelto*>(QApplication::instance());
  EXPECT_EQ(&MainMenuBar::Instanz(), &app.MenuBar()) << "a refused window takes no menu bar along";
}

TEST(BindingTableTest, TheWindowsOwnTableBinds) {
  ScriptedServices services;
  EXPECT_NO_THROW(CheckBindingTable(BindingTable()));
  EXPECT_NO_THROW(HauptF{services});
}

}  // namespace
