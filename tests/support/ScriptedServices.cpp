#include "ScriptedServices.h"

#include <gtest/gtest.h>

namespace {

std::string Describe(const MessageDialog& d) {
  return "dialog \"" + d.Message + "\" / \"" + d.Explanation + "\"";
}

}  // namespace

void ScriptedServices::ExpectMsgBox() {
  script_.emplace_back(MsgBoxStep{});
}

void ScriptedServices::AnswerDialog(PressedButton answer) {
  script_.emplace_back(DialogStep{answer});
}

void ScriptedServices::AnswerSaveDialog(std::optional<std::filesystem::path> answer) {
  script_.emplace_back(SaveStep{std::move(answer)});
}

void ScriptedServices::AnswerOpenDialog(std::optional<std::filesystem::path> answer) {
  script_.emplace_back(OpenStep{std::move(answer)});
}

void ScriptedServices::AnswerUnscripted(std::function<PressedButton(const MessageDialog&)> policy) {
  unscriptedPolicy_ = std::move(policy);
}

void ScriptedServices::VerifyAllAsked() {
  EXPECT_TRUE(script_.empty()) << script_.size() << " expected dialog(s) were never asked for";
  script_.clear();
}

template <class Kind>
std::optional<Kind> ScriptedServices::Next(const std::string& what) {
  if (script_.empty() || !std::holds_alternative<Kind>(script_.front())) {
    ADD_FAILURE() << "unexpected " << what;
    return std::nullopt;
  }
  Kind step = std::get<Kind>(script_.front());
  script_.pop_front();
  return step;
}

void ScriptedServices::MsgBox(const std::string& text) {
  msgBoxTexts.push_back(text);
  if (Unscripted()) return;
  Next<MsgBoxStep>("message box \"" + text + "\"");
}

PressedButton ScriptedServices::ShowModal(const MessageDialog& dialog) {
  dialogs.push_back(dialog);
  if (Unscripted()) return unscriptedPolicy_(dialog);
  const auto step = Next<DialogStep>(Describe(dialog));
  return step ? step->answer : PressedButton::None;
}

std::optional<std::filesystem::path> ScriptedServices::GetSaveFolderItem(
    const std::string&, const std::string& name, const std::filesystem::path& folder) {
  saveDialogNames.push_back(name);
  fileDialogFolders.push_back(folder);
  if (Unscripted()) return std::nullopt;
  const auto step = Next<SaveStep>("save dialog for \"" + name + "\"");
  return step ? step->answer : std::nullopt;
}

std::optional<std::filesystem::path> ScriptedServices::GetOpenFolderItem(
    const std::string& filter, const std::filesystem::path& folder) {
  openDialogFilters.push_back(filter);
  fileDialogFolders.push_back(folder);
  if (Unscripted()) return std::nullopt;
  const auto step = Next<OpenStep>("open dialog");
  return step ? step->answer : std::nullopt;
}

void ScriptedServices::Quit(int exitCode) {
  quitCodes.push_back(exitCode);
}
