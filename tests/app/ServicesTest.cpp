#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <stdexcept>
#include <string>
#include <vector>

#include "ScriptedServices.h"
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
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<ScrollingMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      ADD_FAILURE() << "no message box";
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
      return;
    }
    seen = true;
    EXPECT_THROW(box->TextLabel(), std::logic_error) << "no label that measures the text";
    const QPlainTextEdit& view = box->LongTextView();
    EXPECT_TRUE(view.isReadOnly());
    EXPECT_EQ(view.document()->blockCount(), 166001) << "the heading and one line per entry";
    EXPECT_EQ(view.document()->findBlockByNumber(1).text(), QStringLiteral("0 / 1  "));
    EXPECT_EQ(view.document()->lastBlock().text(), QStringLiteral("165999x"));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(box->frameGeometry().height(), screen.height());
    box->accept();
  });
  QtServices().MsgBox(text);
  EXPECT_TRUE(seen);
}

TEST(ScriptedServicesTest, AnswersFromTheScriptAndRecordsEveryText) {
  ScriptedServices s;
  s.AnswerDialog(PressedButton::CancelButton);
  s.ExpectMsgBox();
  s.AnswerSaveDialog(std::filesystem::path("/tmp/RDaten"));
  s.AnswerOpenDialog(std::nullopt);
  EXPECT_EQ(s.ShowModal(QuitDialog()), PressedButton::CancelButton);
  s.MsgBox("Zu viele Faktoren");
  EXPECT_EQ(s.GetSaveFolderItem("text", "RDaten"), std::filesystem::path("/tmp/RDaten"));
  EXPECT_EQ(s.GetOpenFolderItem(""), std::nullopt);
  s.Quit(0);
  s.VerifyAllAsked();
  ASSERT_EQ(s.dialogs.size(), 1u);
  EXPECT_EQ(s.dialogs[0].Message, "Beenden");
  EXPECT_EQ(s.msgBoxTexts, std::vector<std::string>{"Zu viele Faktoren"});
  EXPECT_EQ(s.saveDialogNames, std::vector<std::string>{"RDaten"});
  EXPECT_EQ(s.openDialogFilters, std::vector<std::string>{""});
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
