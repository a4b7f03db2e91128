#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>

#include "WindowTest.h"
#include "app/MainMenuBar.h"
#include "app/Varelto.h"

namespace {

using StartupTest = WindowTest;

TEST_F(StartupTest, TheGetterReturnsTheOneWindowAndTheCoreSeesIt) {
  EXPECT_EQ(&HauptF::Instanz(), &window());
  EXPECT_EQ(&HauptF::Instanz(), &HauptF::Instanz());
  EXPECT_EQ(&CoreContext::Instanz(), static_cast<CoreContext*>(&window()));
}

TEST_F(StartupTest, TheCoreShowsTheReportButtonAndItsMessagesThroughTheWindow) {
  CoreContext::Instanz().SetKuerzReportBVisible(true);
  EXPECT_FALSE(window().KuerzReportB().isHidden());
  EXPECT_TRUE(CoreContext::Instanz().KuerzReportBVisible());

  services.ExpectMsgBox();
  CoreContext::Instanz().MsgBox("Zu viele Faktoren");
  EXPECT_EQ(services.msgBoxTexts, std::vector<std::string>{"Zu viele Faktoren"});
}

TEST_F(StartupTest, TitleAndContentSize) {
  window().show();
  EXPECT_EQ(window().windowTitle(), QStringLiteral("Varelto"));
  EXPECT_EQ(window().centralWidget()->size(), QSize(1012, 780));
  EXPECT_EQ(window().minimumSize(), QSize(64, 64));
  EXPECT_EQ(window().maximumSize(), QSize(32000, 32000));
}

TEST_F(StartupTest, ConstructionDefaultsBeforeInit) {
  const HauptF& w = window();
  EXPECT_EQ(w.Stellenzahl, 1);
  EXPECT_EQ(w.xmin, -1.0);
  EXPECT_EQ(w.xmax, 1.0);
  EXPECT_EQ(w.ymin, -1.0);
  EXPECT_EQ(w.ymax, 1.0);
  EXPECT_EQ(w.mx, 1.0);
  EXPECT_EQ(w.dy, 1.0);
  EXPECT_EQ(w.deltax, 1.0);
  EXPECT_TRUE(w.NeueFunktion);
  EXPECT_FALSE(w.GrafikHalten || w.NeueGrenzen || w.BildBewegen);
  EXPECT_EQ(w.PZeiger + w.links + w.rechts + w.KPAnzahl + w.oldx + w.oldy + w.wzaehler, 0);
  EXPECT_EQ(w.KPMenge.count(), 0);
  EXPECT_EQ(w.RListe, std::vector<std::string>{""});
  EXPECT_EQ(w.Report, "");
  EXPECT_EQ(w.Integral, 0.0);
  EXPECT_EQ(w.PPP, nullptr) << "PPP set means Init has run";
  EXPECT_EQ(w.Asymptote, nullptr);
  EXPECT_EQ(w.BinKoeff[42][21], 0);
  EXPECT_EQ(w.WertTab.size(), 4u);
  EXPECT_EQ(w.WertTab[0].size(), 51u);
  EXPECT_EQ(w.StringTab.size(), 5u);
  EXPECT_EQ(w.StringTab[0].size(), 11u);
}

TEST_F(StartupTest, InitCompletesTheState) {
  Open();
  const HauptF& w = window();
  const std::int64_t row4[] = {1, 4, 6, 4, 1};
  for (int k = 0; k <= 4; ++k) EXPECT_EQ(w.BinKoeff[4][k], row4[k]) << k;
  EXPECT_EQ(w.BinKoeff[34][17], 2333606220);
  EXPECT_EQ(w.BinKoeff[42][21], 538257874440);
  EXPECT_EQ(w.BinKoeff[3][4], 0) << "above the diagonal";
  EXPECT_EQ(w.Pg.Term2string(), "0 / 1  ");
  EXPECT_EQ(w.Pg.Np, 0);
  EXPECT_EQ(w.RListe.at(0), "0 / 1  ");
  EXPECT_NE(w.PPP, nullptr);
  EXPECT_NE(w.Asymptote, nullptr);
}

TEST_F(StartupTest, TheWindowOpensWithTheCursorInTheNumeratorField) {
  Open();
  ShowActive();
  EXPECT_TRUE(QTest::qWaitFor([&] { return window().EingF().hasFocus(); }));
  EXPECT_TRUE(control<PushButton>("PushButton1").isDefault())
      << "drawn as the button Return presses";
}

TEST_F(StartupTest, TheApplicationAndTheWindowShareOneMenuBar) {
  const auto& app = *static_cast<Varelto*>(QApplication::instance());
  EXPECT_EQ(window().menuWidget(), &app.MenuBar());
  EXPECT_EQ(&MainMenuBar::Instanz(), &app.MenuBar());

  window_.reset();
  HauptF next(services);
  EXPECT_EQ(next.menuWidget(), &app.MenuBar()) << "the menu bar outlives a closed window";
}

TEST_F(StartupTest, MenuTree) {
  struct Item {
    const char* name;
    const char* text;
    const char* shortcut;
  };
  const Item file[] = {{"FileQuit", "&Quit", "Ctrl+Q"}};
  const Item edit[] = {
      {"EditUndo", "&Undo", "Ctrl+Z"},   {"EditSeparator1", "", ""},
      {"EditCut", "Cu&t", "Ctrl+X"},     {"EditCopy", "&Copy", "Ctrl+C"},
      {"EditPaste", "&Paste", "Ctrl+V"}, {"EditClear", "&Delete", ""},
      {"EditSeparator2", "", ""},        {"EditSelectAll", "Select &All", "Ctrl+A"},
  };
  const QList<QAction*> menus = MainMenuBar::Instanz().actions();
  ASSERT_EQ(menus.size(), 2);
  const auto check = [](const QAction* menu, const char* name, const char* title, auto& items) {
    SCOPED_TRACE(name);
    ASSERT_NE(menu->menu(), nullptr);
    EXPECT_EQ(menu->menu()->objectName().toStdString(), name);
    EXPECT_EQ(menu->text().toStdString(), title);
    const QList<QAction*> actions = menu->menu()->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(std::size(items)));
    for (qsizetype i = 0; i < actions.size(); ++i) {
      const Item& item = items[i];
      EXPECT_EQ(actions[i]->objectName().toStdString(), item.name);
      EXPECT_EQ(actions[i]->isSeparator(), *item.text == '\0') << item.name;
      EXPECT_EQ(actions[i]->text().toStdString(), item.text);
      EXPECT_EQ(actions[i]->shortcut(), QKeySequence(QString::fromLatin1(item.shortcut)))
          << item.name;
    }
  };
  check(menus[0], "FileMenu", "&File", file);
  check(menus[1], "EditMenu", "&Edit", edit);
}

}  // namespace
