#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "OpenedWindowTest.h"
#include "ScriptedServices.h"
#include "app/BusyCursor.h"
#include "app/MessageBoxes.h"
#include "app/QtServices.h"
#include "funclist/core/Listenbefehle.h"

namespace {

MessageDialog QuitDialog() {
  MessageDialog d;
  d.Icon = 1;
  d.ActionButton.Caption = "Beenden";
  d.CancelButton.Visible = true;
  d.Message = "Beenden";
  d.Explanation = "Beim Beenden gehen alle nicht gespeicherten Funktionen verloren";
  return d;
}

// Runs show, which opens a modal box of the real services, checks the box once it is shown and
// painted, and closes it.
void WhileShown(const std::function<void()>& show, const std::function<void(QDialog&)>& check) {
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      ADD_FAILURE() << "no modal box";
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QDialog*>(w)) d->done(QDialog::Rejected);
      return;
    }
    seen = true;
    check(*box);
    box->done(QDialog::Rejected);
  });
  show();
  EXPECT_TRUE(seen);
}

// The box inside the screen's available area, every button of it shown inside the box; the
// box's picture goes to the screenshots, for a look.
void ExpectInsideTheScreen(QWidget& box, const std::string& name) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const QRect frame = box.frameGeometry();
  EXPECT_LE(frame.width(), screen.width()) << name;
  EXPECT_LE(frame.height(), screen.height()) << name;
  EXPECT_TRUE(screen.contains(frame)) << name;
  const auto buttons = box.findChildren<QAbstractButton*>();
  EXPECT_FALSE(buttons.isEmpty()) << name;
  for (const QAbstractButton* b : buttons) {
    const QRect r(b->mapToGlobal(QPoint(0, 0)), b->size());
    EXPECT_TRUE(b->isVisible()) << name << ": " << b->text().toStdString();
    EXPECT_TRUE(frame.contains(r) && screen.contains(r)) << name << ": " << b->text().toStdString();
  }
  const QString path = QStringLiteral(VARELTO_BOX_SCREENSHOTS "/%1.png").arg(name.c_str());
  EXPECT_TRUE(QDir().mkpath(QStringLiteral(VARELTO_BOX_SCREENSHOTS)));
  EXPECT_TRUE(box.grab().save(path)) << path.toStdString();
}

TEST(QtMessageDialogTest, ShowsTheTextsAndTheVisibleButtonsInGerman) {
  QtMessageDialog shown(QuitDialog(), nullptr);
  QMessageBox& box = shown.Box();
  EXPECT_EQ(box.icon(), QMessageBox::Warning);
  EXPECT_EQ(box.text(), QStringLiteral("Beenden"));
  EXPECT_EQ(box.informativeText(),
            QStringLiteral("Beim Beenden gehen alle nicht gespeicherten Funktionen verloren"));
  EXPECT_EQ(box.buttons().size(), 2) << "the alternate button is hidden";
  EXPECT_EQ(shown.Button(PressedButton::ActionButton)->text(), QStringLiteral("Beenden"));
  EXPECT_EQ(shown.Button(PressedButton::CancelButton)->text(), QStringLiteral("Abbrechen"))
      << "Qt's own caption, in German";
  EXPECT_EQ(shown.Button(PressedButton::AlternateActionButton), nullptr);
  EXPECT_EQ(box.defaultButton(), shown.Button(PressedButton::ActionButton));
}

TEST(QtMessageDialogTest, ReportsTheButtonThatClosedIt) {
  MessageDialog d = QuitDialog();
  d.AlternateActionButton = {" Report löschen", true};
  for (const PressedButton which :
       {PressedButton::ActionButton, PressedButton::AlternateActionButton,
        PressedButton::CancelButton}) {
    QtMessageDialog shown(d, nullptr);
    EXPECT_EQ(shown.Pressed(), PressedButton::None) << "not closed yet";
    shown.Box().show();
    shown.Button(which)->click();
    EXPECT_EQ(shown.Pressed(), which);
  }
}

TEST(ScrollingMessageBoxTest, ALongTextScrollsInsideTheScreen) {
  std::string report;
  for (int i = 0; i < 300; ++i) report += "\fDer Term " + std::to_string(i) + " wurde gekürzt.\f";
  ScrollingMessageBox box(report, nullptr);
  box.show();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE(box.frameGeometry().height(), screen.height());
  EXPECT_GT(box.ScrollArea().verticalScrollBar()->maximum(), 0);
  EXPECT_TRUE(box.TextLabel().text().startsWith(QStringLiteral("Der Term 0 wurde gekürzt.\n")))
      << "form feeds show as line breaks";
  EXPECT_TRUE(box.TextLabel().text().endsWith(QStringLiteral("Der Term 299 wurde gekürzt.")));
}

TEST(ScrollingMessageBoxTest, AShortTextShowsWhole) {
  ScrollingMessageBox box("Zu viele Faktoren", nullptr);
  box.show();
  EXPECT_EQ(box.TextLabel().text(), QStringLiteral("Zu viele Faktoren"));
  EXPECT_EQ(box.ScrollArea().verticalScrollBar()->maximum(), 0);
  EXPECT_GE(box.ScrollArea().viewport()->width(),
            box.TextLabel().fontMetrics().horizontalAdvance(box.TextLabel().text()))
      << "on one line";
}

TEST(ScrollingMessageBoxTest, EveryLineEndIsOneLineBreak) {
  struct Case {
    const char* why;
    std::string text;
    QString shown;
  };
  const Case cases[] = {
      {"the function list's 10 13", "Verwendete Funktionsterme:\n\r0 / 1  \n\r",
       QStringLiteral("Verwendete Funktionsterme:\n0 / 1  ")},
      {"the Info text's 13 10", "Zeile 1\r\nZeile 2", QStringLiteral("Zeile 1\nZeile 2")},
      {"two pairs are an empty line", "a\n\r\n\rb", QStringLiteral("a\n\nb")},
      {"a pair and a lone 13", "a\r\n\rb", QStringLiteral("a\n\nb")},
      {"a lone 13", "a\rb", QStringLiteral("a\nb")},
      {"two 10s are two breaks", "a\n\nb", QStringLiteral("a\n\nb")},
      {"form feeds of the reduction report", "\fa\f\fb\f", QStringLiteral("a\n\nb")},
      {"breaks before and after the text show nothing", "\r\n\n\ra\n\r\n", QStringLiteral("a")},
  };
  for (const auto& c : cases) {
    ScrollingMessageBox box(c.text, nullptr);
    EXPECT_EQ(box.TextLabel().text(), c.shown) << c.why;
  }
}

// The function list of a list file just under a mebibyte. Laid out and measured whole in a label
// it took seconds to show; the box has to come up in a view that lays out only what is in sight.
TEST(ScrollingMessageBoxTest, AHugeFunctionListShowsInAPlainTextView) {
  std::vector<std::string> liste = {"0 / 1  "};
  for (int i = 1; i < 166000; ++i) liste.push_back(std::to_string(i) + "x");
  const std::string text = Funktionsliste::Anzeigetext(liste);
  WhileShown([&] { QtServices().MsgBox(text); },
             [](QDialog& shown) {
               auto& box = dynamic_cast<ScrollingMessageBox&>(shown);
               EXPECT_THROW(box.TextLabel(), std::logic_error) << "no label that measures the text";
               const QPlainTextEdit& view = box.LongTextView();
               EXPECT_TRUE(view.isReadOnly());
               const QStringList zeilen = view.document()->toPlainText().split(QLatin1Char('\n'));
               EXPECT_EQ(zeilen.size(), 166001) << "the heading and one line per entry";
               EXPECT_EQ(zeilen.value(1), QStringLiteral("0 / 1  "));
               EXPECT_EQ(zeilen.value(166000), QStringLiteral("165999x"));
               const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
               EXPECT_LE(box.frameGeometry().height(), screen.height());
             });
}

// Every kind of text MsgBox is given, from one word to the largest list a file can bring: the
// box stays inside the screen with its button in sight, a long text scrolls, a long line wraps,
// and nothing of the text is lost on the way into the view.
TEST(ScrollingMessageBoxTest, EveryTextStaysInsideTheScreenWrappedWithItsButtonInSight) {
  const auto liste = [](std::vector<std::string> eintraege) {
    eintraege.insert(eintraege.begin(), "0 / 1  ");
    return Funktionsliste::Anzeigetext(eintraege);
  };
  std::vector<std::string> viele;
  for (int i = 1; i < 166000; ++i) viele.push_back(std::to_string(i) + "x");
  std::string report;
  for (int i = 0; i < 300; ++i) report += "\fDer Term " + std::to_string(i) + " wurde gekürzt.\f";
  std::string woerter;
  for (int i = 0; i < 600; ++i) woerter += "x^" + std::to_string(i) + " + ";
  std::string emoji;
  for (int i = 0; i < 9000; ++i) emoji += "\U0001F642";
  std::string pfad;
  for (int i = 0; i < 20; ++i) pfad += "/Verzeichnis_" + std::to_string(i) + "_ohne_Leerzeichen";
  struct Case {
    const char* name;
    std::string text;
    // Unset where it depends on the font whether the text fits the largest box.
    std::optional<bool> scrolls;
  };
  const Case cases[] = {
      {"short", "Zu viele Faktoren", false},
      {"report", report, true},
      {"entry-of-2000", liste({std::string(2000, 'x')}), std::nullopt},
      {"entry-of-15000", liste({std::string(15000, 'x')}), true},
      {"line-of-1MiB", liste({std::string((std::size_t{1} << 20) - 2, 'x')}), true},
      {"entries-166000", liste(viele), true},
      {"line-of-words", liste({woerter}), true},
      {"line-of-emoji", liste({"a" + emoji}), true},
      {"long-path", "„" + pfad + "“ ist keine Funktionsliste, sondern ein Ordner.", false},
  };
  for (const auto& c : cases) {
    WhileShown([&] { QtServices().MsgBox(c.text); },
               [&](QDialog& shown) {
                 ExpectInsideTheScreen(shown, std::string("msgbox-") + c.name);
                 auto& box = dynamic_cast<ScrollingMessageBox&>(shown);
                 const QPlainTextEdit* view = box.findChild<QPlainTextEdit*>();
                 const QAbstractScrollArea& area =
                     view != nullptr ? static_cast<const QAbstractScrollArea&>(*view)
                                     : box.ScrollArea();
                 EXPECT_EQ(area.horizontalScrollBar()->maximum(), 0) << c.name << ": wraps";
                 if (c.scrolls) {
                   EXPECT_EQ(area.verticalScrollBar()->maximum() > 0, *c.scrolls) << c.name;
                 }
                 if (view == nullptr) {
                   EXPECT_LE(box.TextLabel().width(), area.viewport()->width()) << c.name;
                   return;
                 }
                 const auto ohneUmbrueche = [](QString t) {
                   t.remove(QLatin1Char('\n')).remove(QLatin1Char('\r')).remove(QLatin1Char('\f'));
                   return t;
                 };
                 const QString gezeigt = view->document()->toPlainText();
                 for (const QString& zeile : gezeigt.split(QLatin1Char('\n')))
                   ASSERT_TRUE(zeile.isValidUtf16()) << c.name << ": no character cut in two";
                 const QString gegeben = QString::fromStdString(c.text);
                 EXPECT_TRUE(ohneUmbrueche(gezeigt) == ohneUmbrueche(gegeben)) << c.name;
               });
  }
}

TEST(BusyCursorTest, ShowsTheWaitCursorOnlyForWorkOnALargeText) {
  ASSERT_EQ(QApplication::overrideCursor(), nullptr);
  {
    const BusyCursor small(BusyCursor::kLongText - 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    const BusyCursor large(BusyCursor::kLongText);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// A box whose text takes long to build is read under the usual cursor.
TEST(ScrollingMessageBoxTest, ALargeTextIsReadUnderTheUsualCursor) {
  std::vector<std::string> liste = {"0 / 1  "};
  for (int i = 1; liste.size() * 12 < BusyCursor::kLongText; ++i)
    liste.push_back(std::to_string(i) + "  / x  ");
  const std::string text = Funktionsliste::Anzeigetext(liste);
  ASSERT_GE(text.size(), BusyCursor::kLongText);
  WhileShown([&] { QtServices().MsgBox(text); },
             [](QDialog&) { EXPECT_EQ(QApplication::overrideCursor(), nullptr); });
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(ScrollingMessageBoxTest, ABoxInTheMiddleOfALongStepIsReadUnderTheUsualCursor) {
  {
    const BusyCursor step(BusyCursor::kLongEntry, BusyCursor::kLongEntry);
    const auto usual = [](QDialog&) {
      ASSERT_NE(QApplication::overrideCursor(), nullptr);
      EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
    };
    WhileShown([] { QtServices().MsgBox("Zu viele Faktoren"); }, usual);
    WhileShown([] { QtServices().ShowModal(QuitDialog()); }, usual);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor) << "the step goes on";
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Every dialog the window asks for, and its boxes of the Info text, the reduction report and the
// list, as the real services show them over the active window: each inside the screen with all
// its buttons in sight.
using EveryBoxOfTheWindow = OpenedWindowTest;

TEST_F(EveryBoxOfTheWindow, StaysInsideTheScreenWithItsButtonsInSight) {
  ShowActive();
  Analysiere("x^2-1", "x-1");
  for (const char* item : {"    Speichern", "    Laden", "    Entleeren"}) {
    services.AnswerDialog(PressedButton::CancelButton);
    control<ComboBox>("RinglisteB").SetText(item);
  }
  services.AnswerDialog(PressedButton::CancelButton);
  control<ComboBox>("KoeffRundenWahlB").SetText("    2 Dezimalen");
  services.AnswerDialog(PressedButton::ActionButton);
  services.ExpectMsgBox();
  Druecke("KuerzReportB");
  services.AnswerDialog(PressedButton::CancelButton);
  Druecke("QuitB");
  services.ExpectMsgBox();
  Druecke("QuitB11");
  services.ExpectMsgBox();
  control<ComboBox>("RinglisteB").SetText("    Anzeigen");
  services.AnswerDialog(PressedButton::CancelButton);
  Druecke("gfB1");
  services.VerifyAllAsked();
  ASSERT_EQ(services.dialogs.size(), 7u) << "the list's five, the rounding's, the report's";
  ASSERT_EQ(services.msgBoxTexts.size(), 3u) << "report, Info, list";

  ASSERT_EQ(QApplication::activeWindow(), &window());
  int n = 0;
  for (const MessageDialog& d : services.dialogs) {
    const std::string name = "dialog-" + std::to_string(++n);
    WhileShown([&] { QtServices().ShowModal(d); },
               [&](QDialog& box) { ExpectInsideTheScreen(box, name); });
  }
  for (const std::string& text : services.msgBoxTexts) {
    const std::string name = "window-msgbox-" + std::to_string(++n);
    WhileShown([&] { QtServices().MsgBox(text); },
               [&](QDialog& box) { ExpectInsideTheScreen(box, name); });
  }
}

TEST(ScriptedServicesTest, AnswersFromTheScriptAndRecordsEveryText) {
  ScriptedServices s;
  s.AnswerDialog(PressedButton::CancelButton);
  s.ExpectMsgBox();
  s.AnswerSaveDialog(std::filesystem::path("/tmp/RDaten"));
  s.AnswerOpenDialog(std::nullopt);
  EXPECT_EQ(s.ShowModal(QuitDialog()), PressedButton::CancelButton);
  s.MsgBox("Zu viele Faktoren");
  EXPECT_EQ(s.GetSaveFolderItem("text", "RDaten", "/home"), std::filesystem::path("/tmp/RDaten"));
  EXPECT_EQ(s.GetOpenFolderItem("", "/tmp"), std::nullopt);
  s.Quit(0);
  s.VerifyAllAsked();
  ASSERT_EQ(s.dialogs.size(), 1u);
  EXPECT_EQ(s.dialogs[0].Message, "Beenden");
  EXPECT_EQ(s.msgBoxTexts, std::vector<std::string>{"Zu viele Faktoren"});
  EXPECT_EQ(s.saveDialogNames, std::vector<std::string>{"RDaten"});
  EXPECT_EQ(s.openDialogFilters, std::vector<std::string>{""});
  EXPECT_EQ(s.fileDialogFolders, (std::vector<std::filesystem::path>{"/home", "/tmp"}));
  EXPECT_EQ(s.quitCodes, std::vector<int>{0});
}

TEST(ScriptedServicesTest, FailsTheTestOnADialogItDidNotExpect) {
  ScriptedServices s;
  EXPECT_NONFATAL_FAILURE(s.MsgBox("Zu viele Faktoren"), "unexpected message box");
  s.ExpectMsgBox();
  EXPECT_NONFATAL_FAILURE(EXPECT_EQ(s.ShowModal(QuitDialog()), PressedButton::None),
                          "unexpected dialog");
  EXPECT_NONFATAL_FAILURE(s.VerifyAllAsked(), "never asked for");
}

}  // namespace
