#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "ScriptedServices.h"
#include "app/MessageBoxes.h"

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
